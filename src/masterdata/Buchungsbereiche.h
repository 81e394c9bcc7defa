#pragma once

#include "Betrag.h"
#include "Betriebsdaten.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Datenbank;
class TDataModule1;

// Area kinds (Bereichsart) and the in-memory pseudo areas.
namespace Bereichsart {
inline constexpr int Kasse = 1;
inline constexpr int Bank = 2;
inline constexpr int Wareneingang = 3;
inline constexpr int Rechnungsausgang = 4;
inline constexpr int Kosten = 5;
} // namespace Bereichsart
inline constexpr int BereichErfassungenKlaeren = -1;
inline constexpr int BereichWiederkErfassungen = -2;

// One booking area as the booking Parts use it.
struct tBuchungsbereich {
    int BereichID = -1;
    qint64 Konto = 0;
    int Bereichsart = 0;
    QString Bezeichnung;
    bool Aktiviert = false;
    bool Aktiv = false;
    QDate AnfangsMonat;
    Betrag AnfangsSaldo;
    int BelegNrNeuBeginnen = 0;
    QString BelegMaske;
    QString S_H;
    int BelegNrVergabe = 1;
    bool KeinHinweisDoppelteBNr = false;
    bool BelegMaskeAendern = false;
    bool BNrAlsRNr = false;
    // Completion status of the working month and the navigation image it gives.
    int Status = 0;
    int Symbol = 54;
};

// "Kasse", "Bank", "Wareneingang", "Rechnungsausgang", "Kosten", otherwise "Sonstige".
QString BereichsartText(int bereichsart);
// The navigation image: 28 when complete, else 53 goods received, 55 invoices, 52 costs, 54.
int BereichSymbolIndex(int status, int bereichsart);

// One area from the table; BereichID -1 when not found.
tBuchungsbereich BuchungsbereichLaden(Datenbank& daten, int bereichId);
// The kind of an area, -1 when not found.
int BereichsartErmitteln(Datenbank& daten, int bereichId);

struct tSaldoStart {
    QDate Datum;
    Betrag Saldo;
    bool EinzigerSaldo = true;
};
// The earliest Salden row of the account (invalid date and 0 without one); EinzigerSaldo when
// the account has fewer than two rows.
tSaldoStart SaldoStartLaden(Datenbank& daten, qint64 konto);

// The areas of the navigation's "Erfassen" group, in its order: active areas the user may use
// (darfBereich), cash boxes and banks only from their activation month on, then the pseudo
// area "Erfassungen klären" and, when recurring bookings are on, "Wiederk. Erfassungen". The
// index in this list is the navigation index.
using tBereichsListe = std::vector<tBuchungsbereich>;
tBereichsListe BuchungsbereicheLaden(Datenbank& daten, int monat, int jahr,
                                     bool wiederkErfassungenAktiv,
                                     const std::function<bool(int)>& darfBereich);

// Sets the completion status of the area for the month.
void BuchungsbereichStatusSetzen(Datenbank& daten, int bereichId, int monat, int jahr, int status);

// Removes a bank area with every row that belongs to it (recurring templates, split
// accounts, status rows, the users' area rights of this business, its learning entries, the
// standard paying bank). Refuses while bookings use its account or area, or pool rows of
// imports or recurring bookings wait in it. Read-only users are refused without a message.
bool BuchungsbereichLoeschen(TDataModule1& dm, int bereichId);

// Toggles the standard paying bank (the session's options): off (-1) when it is this area,
// else this area. Only bank areas: anything else gets its message and false.
bool StandardZahlbankUmschalten(TDataModule1& dm, int bereichId);

// The bank connection of an area, a person account or a ledger account.
struct tBankverbindung {
    QString IBAN;
    QString BIC;
    QString Bankleitzahl;
    QString Kontonummer;
    QString AbweichenderKontoinhaber;
    bool Geprueft = false;
    bool leer() const {
        return IBAN.isEmpty() && BIC.isEmpty() && Bankleitzahl.isEmpty() && Kontonummer.isEmpty() &&
               AbweichenderKontoinhaber.isEmpty();
    }
};

// Everything the area editor edits.
struct tGeldkonto {
    int BereichID = -1;
    int Bereichsart = Bereichsart::Kasse;
    qint64 Konto = 0;
    QString Bezeichnung;
    bool Aktiv = false;
    int BelegNrVergabe = 1;
    int BelegNrNeuBeginnen = 0;
    QString BelegMaske;
    QString ZVVerzeichnis;
    bool KeinHinweisDoppelteBNr = false;
    bool BelegMaskeAendern = false;
    bool BNrAlsRNr = false;
    tBankverbindung Zahlung;
    tBankverbindung Alternative;
    QDate AnfangsMonat;
    Betrag AnfangsSaldo;
};

// Reads an area for the editor; shows "Fehler beim Laden des Kontos!" when it is missing.
std::optional<tGeldkonto> GeldkontoLaden(TDataModule1& dm, int bereichId);

// Whether bookings exist in the area: then account, activation month and balance are frozen.
bool GeldkontoGebucht(Datenbank& daten, int bereichId);

// The editor's account check: the cash range for kind 1, the bank range for kind 2, the cost
// range (108) for cost journals and the ledger range for the other journals; no other set-up
// or active area may hold it.
// Shows the message and returns false on failure.
bool KontoKorrekt(TDataModule1& dm, const std::vector<tKontenbereich>& bereiche, int bereichsart,
                  int bereichId, const QString& kontoText);

// Saves the area. A new one gets the smallest free ID below 50; with mitAnfang the start row of
// the account in Salden is written (moved along when the account changes), and for banks the
// payment connection. Everything or nothing is written; failures are shown and give false.
bool GeldkontoSpeichern(TDataModule1& dm, tGeldkonto& konto, bool mitAnfang);

// Whether the restart choice applies: the mask holds no date token (WW, JJ, M).
bool NeubeginnWaehlbar(const QString& maske);
