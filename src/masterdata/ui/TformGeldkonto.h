#pragma once

#include "Buchungsbereiche.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataModule1;

// The area editor: account, name, receipt-number settings, activation month with opening
// balance and, for banks, the payment and the import bank connection.
class TformGeldkonto : public QDialog {
    Q_OBJECT
public:
    explicit TformGeldkonto(TDataModule1& dm, QWidget* parent = nullptr);

    // A new cash box (1) or bank (2); true when saved.
    bool NeuesGeldkonto(int bereichsart);
    bool GeldkontoBearbeiten(int bereichId);

    bool OKiDO = false;

    QLabel* laKonto;
    QLineEdit* edKonto;
    QLabel* laKontoHinweis;
    QLineEdit* edBezeichnung;
    QCheckBox* cbAktiv;
    QComboBox* cbMonat;
    QLineEdit* edJahr;
    QLabel* laSaldo;
    QLineEdit* edSaldo;
    QComboBox* cbBelegNrVergabe;
    QComboBox* cbNeuBeginnen;
    QComboBox* cbBelegMaske;
    QLabel* laBeispiel;
    QLabel* laMaskeHinweis;
    QCheckBox* cbKeinHinweis;
    QCheckBox* cbBelegMaskeAendern;
    QCheckBox* cbBNrAlsRNr;
    QLabel* laZVVerzeichnis;
    QLineEdit* edZVVerzeichnis;
    QPushButton* btnZVVerzeichnis;
    QGroupBox* gbBank;
    QLabel* laZahlung;
    QLabel* laAlternative;
    QPushButton* btnZahlungBearbeiten;
    QPushButton* btnZahlungGeprueft;
    QPushButton* btnZahlungEntfernen;
    QPushButton* btnAlternativeBearbeiten;
    QPushButton* btnAlternativeGeprueft;
    QPushButton* btnAlternativeEntfernen;
    QPushButton* btnAufteilungskonten;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

private:
    TDataModule1& dm;
    tGeldkonto konto;
    // Account, activation month and balance may change: the area has no bookings yet.
    bool aenderbar = true;

    void MaskeAnpassen();
    void felderFuellen();
    void aktivGeklickt();
    void maskeGeaendert();
    void vergabeGewaehlt();
    void verbindungenZeigen();
    void verbindungBearbeiten(tBankverbindung& v, bool zahlung);
    void verbindungGeprueft(tBankverbindung& v);
    void verbindungEntfernen(tBankverbindung& v);
    void btnOKClick();
    bool zeigen();
};
