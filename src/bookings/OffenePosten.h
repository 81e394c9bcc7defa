#pragma once

#include "Buchung.h"

#include <QString>
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
