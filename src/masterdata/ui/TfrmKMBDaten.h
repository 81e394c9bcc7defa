#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class TDataModule1;

// The advisory firm's contacts and branch for this business: read-only until "Bearbeiten".
class TfrmKMBDaten : public QWidget {
    Q_OBJECT
public:
    explicit TfrmKMBDaten(TDataModule1& dm, QWidget* parent = nullptr);

    void KMBDatenEintragen();
    void EingabeErlauben(bool erlauben);
    bool IsEingabeModus() const { return eingabeModus; }
    bool Speichern();
    // Before the page closes or the user changes; returns whether closing may go on.
    bool AenderungenKlaeren();

    QLineEdit* edBerater;
    QLineEdit* edBeraterTelefon;
    QLineEdit* edBeraterEMail;
    QLineEdit* edSachbearbeiter;
    QLineEdit* edSachbearbeiterTelefon;
    QLineEdit* edSachbearbeiterEMail;
    QLineEdit* edLohnSachbearbeiter;
    QLineEdit* edLohnSachbearbeiterTelefon;
    QLineEdit* edLohnSachbearbeiterEMail;
    QComboBox* cbNiederlassung;
    QPushButton* btnBearbeiten;
    QPushButton* btnSpeichern;

Q_SIGNALS:
    // The contacts or the branch were saved.
    void Gespeichert();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TDataModule1& dm;
    bool eingabeModus = false;
    bool geaendert = false;
    std::vector<QLineEdit*> textfelder;
};
