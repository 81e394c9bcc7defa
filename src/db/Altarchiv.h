#pragma once

#include <QString>

// Older installations kept the users and the chart-of-accounts data of a Bereich together in
// one file, daten/B/archiv.mdb. The current layout splits it into bereich.mdb and archiv_77.mdb.

enum class Altarchivteil { Bereich, Archiv };

// When datei (bereich.mdb, or archiv_77.mdb for Archiv) is missing and archiv.mdb lies beside
// it, derives datei from a compacted copy of archiv.mdb that keeps only the tables of that part.
// The copy is prepared under a temporary name and renamed into place when complete, so an
// interrupted derivation leaves no half file that would never be derived again. Returns whether
// it derived the file; a failure leaves datei missing and throws DatenbankFehler.
bool AusAltarchivAbleiten(const QString& datei, Altarchivteil teil);

// Program end, after the quick backup of the Bereich: archiv.mdb is deleted only when that
// backup succeeded, so its data is never lost with a failed or refused backup. Returns whether
// the file is gone afterwards because it was deleted.
bool AltarchivAbloesen(const QString& datenverzeichnis, const QString& bereich,
                       bool sicherungErfolgreich);
