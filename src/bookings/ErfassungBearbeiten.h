#pragma once

#include "Betrag.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class Datenbank;
class TDataModule1;

// Whether the booking's invoice was paid in part or whole by another booking's open items;
// with meldung the user is told so.
bool RechnungBezahlt(Datenbank& daten, qint64 buchungsId, bool meldung);

// What the delete question shows of a single booking.
struct tLoeschAngaben {
    QDate Belegdatum;
    QString Buchungstext;
    ::Betrag Betrag;
    // The booking lies in an outgoing-invoice area: deleting it needs a reason.
    bool BegruendungNoetig = false;
};

// The booking's main row for the question; nullopt (with "Die Erfassung konnte nicht gefunden
// werden!" shown) when it is gone.
std::optional<tLoeschAngaben> LoeschAngabenLesen(Datenbank& daten, const QString& tabelle,
                                                 qint64 buchungsId);

// The checks before the delete question, in their order: read-only user, the cash-minus check
// for the booking as the one deleted, a closed month of the booking. In areas of kind 3 and
// above a booking whose invoice is paid is left out. Returns the bookings that may go; empty
// (with the message shown) when none may.
std::vector<qint64> LoeschbareErfassungen(TDataModule1& dm, const QString& tabelle,
                                          const std::vector<qint64>& buchungsIds);

// Deletes the bookings after the user confirmed: every row with every column goes into
// Erfassungen_geloescht with the deletion time and the reason as Bemerkung (recurring templates
// are not archived), the open items of a booking of "Erfassungen" are marked deleted and
// logged, carried balances follow, and the rows are removed. One transaction for all; false
// with the message shown when nothing was deleted.
bool ErfassungenLoeschen(TDataModule1& dm, const QString& tabelle,
                         const std::vector<qint64>& buchungsIds, const QString& begruendung);

// The open months a booking of the area may move to, as (month, year): from the area's first
// month (or the business's first booking month) to the current month, without the working month
// and closed months.
std::vector<std::pair<int, int>> VerschiebeMonate(TDataModule1& dm, int bereichId);

// Shown when VerschiebeMonate offers no month.
inline const QString KeineVerschiebeMonate = QStringLiteral(
    "Es gibt keine weiteren offenen Monate, in den die Erfassungen verschoben werden können!");

// The checks of the bookings page before a move (read-only user, closed working month, no
// selection) and the question; true when the user wants the move.
bool VerschiebenBestaetigen(TDataModule1& dm, const std::vector<qint64>& buchungsIds, int monat,
                            int jahr);

// Moves the bookings to the same day of the target month (its last day when the day does not
// exist there). Refused for a read-only user, a closed month on either side, a paid invoice in
// areas of kind 3 and above, and when the cash-minus check at the new date stops. Each move
// leaves a history copy, counts as a tax-relevant change, moves the dates of the booking's open
// items along and keeps carried balances right; all in one transaction. The caller has asked.
bool ErfassungenVerschieben(TDataModule1& dm, const std::vector<qint64>& buchungsIds, int monat,
                            int jahr);

// "Bemerkung löschen": refused for read-only users and in a closed month; the earlier state goes
// into the history.
bool BemerkungLoeschen(TDataModule1& dm, qint64 buchungsId);
