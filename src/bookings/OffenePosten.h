#pragma once

#include "Buchung.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>

class Datenbank;
class TDataModule1;

// Appends a line to the open-item log of the business (logs/<MNr>_logfile.csv); a file that
// cannot be written is skipped.
void OPLogSchreiben(int anzahl, const QString& text);

// "n. v." or date / account / counter account / text / invoice number / amount of a booking.
QString BuchungsBeschreibung(Datenbank& daten, qint64 buchungsId);
// "n. v." or booking / date / account / balance / invoice number of an open-item row.
QString OPBeschreibung(Datenbank& daten, qint64 id);

// One open-item row; nothing unless open items are on and the account is set, or erzwingen.
// bearbeitungsId >= 0 (a booking loaded for editing) logs the creation.
bool OPEintragAnlegen(Datenbank& daten, qint64 buchungsId, qint64 konto,
                      const QString& rechnungsnummer, bool bankeinzug, const QDate& belegdatum,
                      Betrag rechBetrag, Betrag zahlBetrag, int nettoTage, int valutaTage,
                      int skontoTage, double skontoSatz, Betrag skonto, const QString& bemerkung,
                      bool erzwingen, qint64 bearbeitungsId = -1);

// The rows of a saved booking: one for the whole amount or one per instalment of a due-date
// split. In cash and bank areas they are payments, in the invoice journals invoices.
void OPAusBuchungAnlegen(Datenbank& daten, const tBuchung& buchung, qint64 buchungsId,
                         int bereichsart, const std::vector<tFaelligkeitsteil>* teile,
                         qint64 bearbeitungsId);

// Marks the rows a booking produced as deleted; returns their number.
int OPEintraegeDerBuchungLoeschen(Datenbank& daten, qint64 buchungsId);

// Marks one row deleted after asking; read-only users are refused.
bool OPZeileLoeschen(Datenbank& daten, qint64 id);
// Marks every row of an item deleted (the caller has asked).
void OPPostenLoeschen(Datenbank& daten, qint64 konto, const QString& rechnungsnummer);

// Whether the undeleted invoice rows of the item carry different discount rates.
bool MehrereSkontosaetzeVorhanden(Datenbank& daten, qint64 konto, const QString& rechnungsnummer);

// The check of the due-date split's OK: the first error text, empty when the parts are fine.
// The parts must add up to the invoice amount exactly.
QString FaelligkeitsAufteilungPruefen(Betrag rechnungsbetrag,
                                      const std::vector<tFaelligkeitsteil>& teile);

// The question for a due-date split; the window installs its dialog. nullopt when the user
// cancels, an empty list when the user removes the split.
using tFaelligkeitsAbfrage = std::function<std::optional<std::vector<tFaelligkeitsteil>>(
    Betrag rechnungsbetrag, const QDate& ersteFaelligkeit)>;
void FaelligkeitsAufteilungAnmelden(tFaelligkeitsAbfrage abfrage);
// Asks for the split of an invoice into instalments; without an installed dialog there is none.
std::optional<std::vector<tFaelligkeitsteil>> FaelligkeitenAufteilen(Betrag rechnungsbetrag,
                                                                     const QDate& ersteFaelligkeit);

// The kinds of a row entered by hand, in the order of the dialog's box.
namespace OPArt {
inline constexpr int Rechnung = 0;
inline constexpr int Gutschrift = 1;
inline constexpr int Bezahlung = 2;
inline constexpr int GezahlteGutschrift = 3;
} // namespace OPArt

// A row as the open-item dialog holds it: positive amount and discount, the signs follow from
// the kind and the account.
struct tOPEingabe {
    qint64 Konto = 0;
    int Art = -1;
    QString Rechnungsnummer;
    bool Bankeinzug = false;
    QDate Belegdatum;
    int Valutatage = 0;
    int Skontotage = 0;
    int Nettotage = 0;
    double SkontoSatz = 0;
    ::Betrag Betrag;
    ::Betrag Skonto;
};

struct tOPBetraege {
    Betrag RechBetrag;
    Betrag ZahlBetrag;
    Betrag Skonto;
};
// The stored amounts of a kind; a customer owes the business, so his signs are the reverse.
tOPBetraege OPBetraegeNachArt(int art, bool kunde, Betrag betrag, Betrag skonto);
// The kind of a stored row, read back from its amounts.
int OPArtErmitteln(bool kunde, Betrag rechBetrag, Betrag zahlBetrag);

// The field the check of "Anlegen" complains about first, with its message.
enum class OPFeld { Keins, Konto, Art, Rechnungsnummer, Betrag };
struct tOPPruefung {
    OPFeld Feld = OPFeld::Keins;
    QString Text;
};
tOPPruefung OPEingabePruefen(const tOPEingabe& eingabe);

// The row of the dialog's "Anlegen" (booking -1, no remark); false when open items are off.
bool OPManuellAnlegen(Datenbank& daten, const tOPEingabe& eingabe);
// A stored row by its ID, or with buchungsId >= 0 the first row of that booking, with its ID.
std::optional<std::pair<qint64, tOPEingabe>> OPLaden(Datenbank& daten, qint64 id,
                                                     qint64 buchungsId);
// Writes the dialog's fields into the row; payments keep their stored discount. A row that
// vanished meanwhile gives the error and false.
bool OPAendern(Datenbank& daten, qint64 id, const tOPEingabe& eingabe);

// Open items of one kind (transfers or direct debits) in an account range, and how many are
// due by today plus the payment options' lead days.
struct tFaelligeOPs {
    int Anzahl = 0;
    int Faellig = 0;
};
tFaelligeOPs FaelligeOPsZaehlen(Datenbank& daten, bool bankeinzug, qint64 kontoVon,
                                qint64 kontoBis);

// Whether the payment functions are shown: the user holds the payment right and open items are
// on or still exist.
bool ZahlungsverkehrAktiv(Datenbank& daten, bool zahlungsrecht);
