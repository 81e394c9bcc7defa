#pragma once

#include "Buchung.h"

#include <functional>

class Datenbank;
class TDataModule1;

// Whether the booking differs from its stored rows in a field that matters for the
// bookkeeping; false for a new booking.
bool AenderungSteuerRelevantPruefen(Datenbank& daten, const tBuchung& buchung,
                                    const QString& tabelle, qint64 buchungsId);

// The new-account dialog for a customer or supplier a booking names but the master data lacks
// (imported invoices do): number, kind and the booking text as name. True when the account was
// created. The window installs its dialog; without one the save stops.
using tKontoAnlage = std::function<bool(qint64 konto, int kontoArt, const QString& name)>;
void KontoAnlageAnmelden(tKontoAnlage anlage);

// Stores the checked booking as one main row and its split rows, with a history copy when an
// existing booking changes, its open items, the pool row it came from and the payment-printout
// link: everything in one transaction, all or nothing. A kept receipt-number proposal that
// another workstation took meanwhile is redrawn and the user told. Sets buchung.BuchungsID.
// A missing personal counter account is created first; cancelling that stores nothing.
// False, with the message shown, when nothing was stored.
bool AktuelleBuchungSpeichern(TDataModule1& dm, tBuchung& buchung, const tMaskenZustand& maske);
