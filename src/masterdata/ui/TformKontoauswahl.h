#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;
class TDataModule1;
class TfrmKunden;
class TfrmLieferanten;
class TfrmSachkonten;

// Which tabs the account picker shows.
namespace Kontoauswahl {
inline constexpr unsigned Sachkonten = 1;
inline constexpr unsigned Lieferanten = 2;
inline constexpr unsigned Kunden = 4;
inline constexpr unsigned LieferantenKosten = 8;
inline constexpr unsigned Kostenkonten = 16;
inline constexpr unsigned Alle = 31;
} // namespace Kontoauswahl

// The account picker: ledger accounts, suppliers, customers, cost suppliers and cost accounts
// on tabs; a double click or "Übernehmen" takes the selected account.
class TformKontoauswahl : public QDialog {
    Q_OBJECT
public:
    explicit TformKontoauswahl(TDataModule1& dm, QWidget* parent = nullptr);

    // Shows the tabs of the flags; true with the account taken, konto 0 otherwise.
    bool Execute(qint64& konto, unsigned tabs = Kontoauswahl::Alle);
    // The tabs for the account of an area kind; kinds without any give false at once.
    bool KontoAuswahlBereichsart(qint64& konto, int bereichsart);
    bool GegenKontoAuswahlBereichsart(qint64& konto, int bereichsart);
    // One pick in a fresh picker; nullopt when the user cancels.
    static std::optional<qint64> KontoWaehlen(TDataModule1& dm, unsigned tabs, QWidget* parent);

    QTabWidget* tabs;
    TfrmSachkonten* frmSachkonten;
    TfrmLieferanten* frmLieferanten;
    TfrmKunden* frmKunden;
    TfrmLieferanten* frmLieferantenKosten;
    TfrmSachkonten* frmKostenkonten;
    QPushButton* btnUebernehmen;
    QPushButton* btnAbbrechen;

private:
    qint64 gewaehlt = 0;

    qint64 kontoDesBlatts() const;
    void uebernehmen(qint64 konto);
};
