#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class TfrmErfassungsliste;

// "Spalten verwalten": which columns of a booking list are shown. The amount columns follow the
// area kind and cannot be changed here.
class TformErfassungsSpalten : public QDialog {
    Q_OBJECT
public:
    explicit TformErfassungsSpalten(TfrmErfassungsliste& liste, QWidget* eltern = nullptr);

    static void SpaltenVerwalten(TfrmErfassungsliste& liste, QWidget* eltern);

    QListWidget* lbSpalten;
    QPushButton* btnStandard;
    QPushButton* btnSchliessen;

private:
    TfrmErfassungsliste& liste;

    void eintragen();
};
