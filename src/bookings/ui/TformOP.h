#pragma once

#include "OffenePosten.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TDataModule1;

// One open-item row by hand: a new one, or an existing one edited or shown.
class TformOP : public QDialog {
    Q_OBJECT
public:
    explicit TformOP(TDataModule1& dm, QWidget* parent = nullptr);

    // A new row; kontoArt decides customer or supplier, art may be -1 for none chosen yet.
    // True when a row was created.
    bool Execute(int kontoArt, int art, double skontoSatz, bool bankeinzug, Betrag betrag,
                 const QString& rechnungsnummer, qint64 konto);
    // The row id, or with buchungsId >= 0 the first row of that booking. True when changed.
    bool OPBearbeiten(qint64 id, qint64 buchungsId, bool nurLesen);

    QLabel* laKonto;
    QLineEdit* edKonto;
    QPushButton* btnKontoauswahl;
    QComboBox* cbRechnungsart;
    QLineEdit* edRechnungsnummer;
    QCheckBox* cbBankeinzug;
    QDateEdit* deBelegdatum;
    QSpinBox* seValutatage;
    QDateEdit* deValutadatum;
    QSpinBox* seSkontotage;
    QDateEdit* deSkontodatum;
    QSpinBox* seNettotage;
    QDateEdit* deFaelligkeitsdatum;
    QLineEdit* edBetrag;
    QLineEdit* edSkontoSatz;
    QLineEdit* edSkonto;
    QLabel* laZahlbetrag;
    QPushButton* btnAnlegen;
    QPushButton* btnAbbrechen;

private:
    TDataModule1& dm;
    int KontoArt = 0;
    qint64 ZeilenID = -1;
    bool NurLesen = false;

    void kontoartSetzen(int kontoArt);
    void anzeigen(const tOPEingabe& e);
    tOPEingabe eingabe() const;
    void datenAbgleichen();
    void datumGeaendert(QDateEdit* datum);
    void satzGeaendert();
    void skontoGeaendert();
    void zahlbetragZeigen();
    void anlegenKlick();
};
