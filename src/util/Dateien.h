#pragma once

#include <QDateTime>
#include <QString>

// Paths use "/" as Qt does on every system.

// Appends "/" unless the text already ends with one; empty stays empty.
QString MitTrenner(const QString& verzeichnis);
// Drops the last extension of the file name ("a/b.tar.gz" -> "a/b.tar"); a name that starts
// with its only dot (".profil") has none.
QString OhneEndung(const QString& dateiname);

// Last modification; invalid when the file is missing.
QDateTime DateiDatum(const QString& datei);
// Size in bytes; -1 when there is no such file.
qint64 DateiGroesse(const QString& datei);

// Creates the folder with all missing parents; true when it exists afterwards.
bool VerzeichnisErstellen(const QString& verzeichnis);

// Copies a file, creating the target's folder. The data goes to a temporary file beside the
// target that replaces it only when complete, so a failed copy never leaves half a file. The
// copy keeps the source's modification time and permissions. Without ueberschreiben an
// existing target makes it fail.
bool DateiKopieren(const QString& von, const QString& nach, bool ueberschreiben);

// Moves a file or folder to the system's trash.
bool InPapierkorb(const QString& pfad);

// Opens a file, an http(s) address or a "mailto:" link with the desktop's handler, without
// waiting for it. Returns whether the handler could be started.
bool MitSystemOeffnen(const QString& dateiOderUrl);

// bytes / 1024 in German format with two decimals: 1536000 -> "1.500,00 kb".
QString GroesseInKb(qint64 bytes);
