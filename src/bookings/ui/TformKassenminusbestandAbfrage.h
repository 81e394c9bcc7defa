#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The cash-minus question with the box that switches the check off for the business.
class TformKassenminusbestandAbfrage : public QDialog {
    Q_OBJECT
public:
    explicit TformKassenminusbestandAbfrage(QWidget* parent = nullptr);

    // True for "Ja"; nichtMehrAnzeigen tells whether the box was ticked.
    bool Execute(const QString& Meldung, bool& nichtMehrAnzeigen);

    // Puts the dialog behind the booking check's cash-minus question.
    static void Anmelden(QWidget* parent);

    QLabel* laMeldung;
    QCheckBox* cbNichtMehrAnzeigen;
    QPushButton* btnJa;
    QPushButton* btnNein;
};
