#pragma once

#include <QString>

// Compacts the database file in place. The compacted copy is written beside it, synced and
// renamed over the original, so a failure at any point leaves the original as it was. Fails
// while another connection has the file open.
bool DatenbankKomprimieren(const QString& datei);

// The same through an explicit temporary target, which is removed first if an earlier run left
// it behind. On success the source holds the compacted database and the target is gone.
bool DaoDatenbankKomprimieren(const QString& quelle, const QString& ziel);

// The file size as the options dialog shows it: kilobytes with two decimals and " kb".
QString DateigroesseText(const QString& datei);
