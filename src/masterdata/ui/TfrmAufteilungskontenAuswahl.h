#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;
class QPushButton;
class QTreeWidget;
class TDataModule1;
struct tTextschluessel;

// The split-account list of a text key or a booking area: accounts in order, add, remove,
// move up and down.
class TfrmAufteilungskontenAuswahl : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAufteilungskontenAuswahl(TDataModule1& dm, QWidget* eltern = nullptr);

    QTreeWidget* grdKonten;
    QPushButton* btnNeuesKonto;
    QPushButton* btnKontoEntfernen;
    QPushButton* btnAufwaerts;
    QPushButton* btnAbwaerts;
    QCheckBox* chkArchivAufteilungskonten;
    QCheckBox* chkErstesKontoHauptkonto;

    void AufteilungskontenLadenTS(const tTextschluessel& ts);
    void AufteilungskontenLadenBereich(int bereichId);
    // The rule of "Erstes Konto als Hauptkonto übernehmen" for the key's account: off for a
    // ledger account, on for a cost supplier, else the stored choice.
    void ErstesKontoRegel(qint64 konto, bool gespeichert);

    std::vector<qint64> Konten() const;
    // Appends the account; one already listed is refused with a message.
    bool KontoHinzufuegen(qint64 konto);
    // Lets the user choose a ledger account and appends it.
    void NeuesKontoWaehlen();

private:
    TDataModule1& dm;

    void kontenZeigen(const std::vector<qint64>& konten);
    void verschieben(int richtung);
    void knoepfeAnpassen();
    void erstesKontoFaerben();
};
