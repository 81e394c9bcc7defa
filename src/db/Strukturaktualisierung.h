#pragma once

#include <QString>

struct tMDBField;

// Brings a database file up to its definition file (see Definitionsdatei.h).
//
// Returns false and touches nothing when the definition file does not exist. Otherwise creates
// the database file when it is missing, then adds what the file lacks: tables with their fields,
// key and indexes at once, fields, keys (as a unique index when the table already exists) and
// indexes. Nothing is ever dropped, renamed or retyped, and a declared text size only limits
// input in the program, so no stored value is cut. An up-to-date file is compared in one read
// and not written at all.
//
// Each missing piece is added in its own step inside one write transaction; a step that fails
// (for example a key over duplicate values) is left out and the others are kept. Afterwards
// DatenbankFehler lists every failed step. Unreadable or malformed definition files and files
// that cannot be opened also throw DatenbankFehler.
bool StrukturAktualisieren(const QString& definitionsdatei, const QString& datenbankdatei);

// The SQLite column declaration of a definition field outside a key: Boolean, the integer types
// and Currency (cents) as INTEGER, Single and Double as REAL, Date as ISO TEXT, Text and Memo as
// TEXT compared case-insensitively (COLLATE DEUTSCH), GUID as TEXT, binary as BLOB, Decimal as
// NUMERIC. Empty for an unknown type code.
QString SpaltenTyp(const tMDBField& feld);
