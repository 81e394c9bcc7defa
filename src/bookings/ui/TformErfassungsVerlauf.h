#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;
class TDataModule1;

// "Erfassungsverlauf": every state of a booking, oldest first, each under its change line.
class TformErfassungsVerlauf : public QDialog {
    Q_OBJECT
public:
    TformErfassungsVerlauf(TDataModule1& dm, qint64 buchungsId, QWidget* parent = nullptr);

    static void ErfassungsVerlaufOeffnen(TDataModule1& dm, qint64 buchungsId,
                                         QWidget* parent = nullptr);

    QTreeWidget* tvVerlauf;
    QPushButton* btnSchliessen;
};
