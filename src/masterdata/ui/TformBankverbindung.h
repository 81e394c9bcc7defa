#pragma once

#include "Buchungsbereiche.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataModule1;

// Edits one bank connection: IBAN, BIC, bank code, account number and a different holder,
// with the IBAN proposed from bank code and account number and the bank directory beside it.
class TformBankverbindung : public QDialog {
    Q_OBJECT
public:
    explicit TformBankverbindung(TDataModule1& dm, QWidget* parent = nullptr);

    // Both open the dialog with the given values and write back the confirmed ones. Without
    // freiesFormat bank code and account number take digits only (8 and 10 at most);
    // inhaberZeigen shows the different-holder controls.
    bool NeueBankverbindung(tBankverbindung& verbindung, bool freiesFormat, bool inhaberZeigen);
    bool BankverbindungBearbeiten(tBankverbindung& verbindung, bool freiesFormat,
                                  bool inhaberZeigen);

    bool OKiDO = false;
    // True while the IBAN field shows the proposal rather than the user's typing.
    bool IBAN_AutoErmittlung = false;

    QLineEdit* edIBAN;
    QLineEdit* edBIC;
    QLineEdit* edBankleitzahl;
    QLineEdit* edKontonummer;
    QCheckBox* cbKontoinhaber;
    QLineEdit* edKontoinhaber;
    QLabel* laIBANHinweis;
    QLabel* laBLZNichtGefunden;
    QTableWidget* tvBanken;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

private:
    TDataModule1& dm;
    bool verzeichnisGeladen = false;

    void IBAN_Setzen();
    void bankleitzahlGeaendert();
    void ibanBearbeitet();
    void btnOKClick();
    void fehlerIn(QLineEdit* feld, const QString& text);
    // Locates the code in the directory; the row or -1.
    int bankSuchen(const QString& bankleitzahl);
};
