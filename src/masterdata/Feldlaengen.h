#pragma once

#include <QString>

// The declared size of a text column in the definition file of a database kind ("daten",
// "archiv", "bereich") of the session's data directory; 0 for a column without a limit.
// Fields where such text is typed take at most this many characters.
int Feldlaenge(const QString& datenbankart, const QString& tabelle, const QString& feld);
