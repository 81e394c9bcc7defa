#pragma once

#include "Konten.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class TDataModule1;

// The customer and supplier dialog: address, payment data, bank connections and, for a new
// account, the name of its first text key. Every check runs on OK, marking each faulty field.
class TformKonto : public QDialog {
    Q_OBJECT
public:
    explicit TformKonto(TDataModule1& dm, QWidget* parent = nullptr);

    // konto 0 draws the number on save; a preset number locks name and person type until the
    // user confirms or changes the name.
    bool NeuesKonto(qint64 konto, int kontoArt, const QString& name);
    bool KontoBearbeiten(int kontoArt, qint64 konto);

    bool OKiDO = false;
    qint64 GespeichertKonto = 0;

    QLabel* laNummer;
    QComboBox* cbPersonentyp;
    QLineEdit* edBezeichnung;
    QToolButton* btnAehnlich;
    QPushButton* btnBezeichnungUebernehmen;
    QPushButton* btnBezeichnungAendern;
    QLineEdit* edTitel;
    QLineEdit* edNachname;
    QLineEdit* edVorname;
    QLineEdit* edBezeichnung2;
    QLineEdit* edBezeichnung3;
    QLineEdit* edStrasse;
    QLineEdit* edPLZ;
    QLineEdit* edOrt;
    QLineEdit* edPostfach;
    QLineEdit* edTelefonnummer;
    QLineEdit* edFaxnummer;
    QLineEdit* edEMail;
    QCheckBox* cbZusatztextPopup;
    QPlainTextEdit* edZusatztext;
    QCheckBox* cbFilialuebergreifend;
    QLineEdit* edKundennummer;
    QLineEdit* edSkontoSatz;
    QLineEdit* edSkontoTage;
    QLineEdit* edNettoTage;
    QCheckBox* cbNettoMonatsende;
    QCheckBox* cbBankeinzug;
    QComboBox* cbZVBank;
    QCheckBox* cbOPOS;
    QLabel* laMandatsreferenz;
    QLineEdit* edMandatsreferenz;
    QLabel* laMandatsdatum;
    QLineEdit* edMandatsdatum;
    QGroupBox* gbBank;
    QTableWidget* tvBankverbindungen;
    QPushButton* btnBankHinzufuegen;
    QPushButton* btnBankBearbeiten;
    QPushButton* btnBankLoeschen;
    QPushButton* btnBankStandard;
    QPushButton* btnBankGeprueft;
    QLabel* laTextschluessel;
    QLineEdit* edTextschluessel;
    QGroupBox* gbTextschluessel;
    QTableWidget* tvTextschluessel;
    QPushButton* btnTSHinzufuegen;
    QPushButton* btnTSBearbeiten;
    QPushButton* btnTSLoeschen;
    QLabel* laFehler;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TDataModule1& dm;
    tKontoDaten daten;
    std::vector<int> zvBanken;
    int standardBank = -1;
    QString aehnlichHinweis;

    void MaskeLeeren();
    void personentypGeaendert();
    void nameAusPerson();
    void BezeichnungsPruefung();
    void bankeinzugGeaendert();
    void bankenZeigen();
    void bankBearbeiten(bool neu);
    void textschluesselZeigen();
    QString gewaehlterTextschluessel() const;
    void skontoSatzVerlassen();
    bool geldBewegtProgramm() const;
    void markieren(QWidget* w, bool rot);
    void btnOKClick();
    bool zeigen();
};
