#pragma once

#include <QString>

// The data directory for the program file: the key "KIVO-Verzeichnis" of section "System" in
// the ini named like the program beside it, else the program's own folder. Without an ini in a
// folder the user cannot write to (an installed program), a per-user folder under
// XDG_DATA_HOME, created when missing. A relative value counts from the program's folder.
QString DatenverzeichnisErmitteln(const QString& programmDatei);

// Why the data directory cannot be used, as a German message; empty when it can.
QString DatenverzeichnisPruefen(const QString& verzeichnis);
