#pragma once

#include "Buchung.h"

#include <QStringList>
#include <functional>

class Datenbank;
class TDataModule1;

// Whether the month of the business is closed: closed months refuse every change of their
// bookings.
bool MonatAbgeschlossen(Datenbank& daten, int monat, int jahr);
QString MonatAbgeschlossenText(int monat, int jahr);

// Both accounts lie in ranges assigned to the area kind and are not both cash or bank
// accounts. An account of 0 or the kind -1 passes.
bool KontenstellungPruefen(TDataModule1& dm, int bereichsart, qint64 konto, qint64 gkonto);

// "E" or "A" in any case.
bool SeiteGueltig(const QString& text);

// Stored bookings with the same date, accounts, amount and invoice number, each as one line of
// the duplicate warning; the booking being edited does not count.
QStringList DoppelteErfassungSuchen(Datenbank& daten, qint64 buchungsId, qint64 konto,
                                    qint64 gkonto, const QString& rechnungsnummer, Betrag betrag,
                                    const QDate& belegdatum);

// The hard checks in their order; the first failure fills FehlerCode, FehlerSpalte and
// FehlerString and gives false.
bool BuchungPruefenRecord(TDataModule1& dm, tBuchung& buchung, const tMaskenZustand& maske);

// The booking as the mask holds it, before any check.
tBuchung BuchungAusMaske(TDataModule1& dm, const tMaskenZustand& maske);

// Assembles the booking from the mask, runs the hard checks and asks the warnings in their
// order. False when a check fails (FehlerString then holds the mask's error label) or the user
// answers a warning with No.
bool BuchungPruefenMaske(TDataModule1& dm, const tMaskenZustand& maske, tBuchung& buchung);

// Loads a stored row of the table (the pools post through this) and checks it.
bool BuchungPruefenBuchungsID(TDataModule1& dm, const QString& tabelle, qint64 id,
                              tBuchung& buchung, const tMaskenZustand& maske);

// The question of the cash-minus check. The window installs its dialog with the box "Hinweis
// nicht mehr anzeigen"; without one the question goes through the user-question seam.
using tKassenminusAbfrage = std::function<bool(const QString& meldung, bool& nichtMehrAnzeigen)>;
void KassenminusAbfrageAnmelden(tKassenminusAbfrage abfrage);

// True when the booking (or, with loeschBuchungsID, the deletion of that booking) would take a
// cash account below zero at the end of some day and the user refuses. Every line of the
// booking and every stored row of the edited booking count, on either side of the posting.
bool StoppenWegenKassenMinusPruefung(TDataModule1& dm, const tBuchung& buchung,
                                     qint64 bearbeitungsId, qint64 loeschBuchungsId);
