#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataModule1;

// The company data of the business: read-only until "Bearbeiten", saved by "Speichern".
class TfrmFirmendaten : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFirmendaten(TDataModule1& dm, QWidget* parent = nullptr);

    void FirmendatenEintragen();
    void EingabeErlauben(bool erlauben);
    bool IsEingabeModus() const { return eingabeModus; }
    // Saves; false when a check failed (its message shown, its field focused).
    bool Speichern();
    // Before the page closes or the user changes: unsaved edits are saved, dropped or keep
    // the page open. Returns whether closing may go on.
    bool AenderungenKlaeren();

    QLineEdit* edFirmenname;
    QLineEdit* edInhaber;
    QLineEdit* edStrasse;
    QLineEdit* edPLZ;
    QLineEdit* edOrt;
    QLineEdit* edTelefonnummer;
    QLineEdit* edFaxnummer;
    QLineEdit* edEMail;
    QLineEdit* edEMailASPZV;
    QLineEdit* edInternetAdresse;
    QLineEdit* edAmtsgericht;
    QLineEdit* edHRNummer;
    QLineEdit* edSteuerNummer;
    QLineEdit* edUmsatzIDNummer;
    QLineEdit* edGlaeubigerID;
    QComboBox* cbErfassungsMonat;
    QLineEdit* edErfassungsJahr;
    QComboBox* cbWirtschaftsBeginn;
    QLabel* laMNr;
    QLabel* laKontenplan;
    QPushButton* btnBearbeiten;
    QPushButton* btnSpeichern;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TDataModule1& dm;
    bool eingabeModus = false;
    bool geaendert = false;
    std::vector<QLineEdit*> textfelder;
};
