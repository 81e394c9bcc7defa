#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The structure definition files (*.mdbdf) that describe the tables of a database kind.
//
// Grammar, one item per line (a trailing "\r" of Windows line ends is ignored):
//   - an empty or blank-only line is skipped;
//   - a line whose first character is "*" is a comment, except for the directives below;
//   - "[Name]" (first character "[", last character "]") starts table Name;
//   - every other line defines a field of the latest table: Name=[$]Type;Size;Attr. The name is
//     the text before the first "=", trimmed, without surrounding double quotes; a leading "$"
//     of the rest marks the key field; Type, Size and Attr are the ";"-separated parts (quotes
//     honoured), each falling back to 1, 0, 0 when it is not an integer;
//   - "*@Index Name=Feld1;Feld2" and "*@Eindeutig Name=Feld1;Feld2" declare an index (unique for
//     the second) of the latest table over the listed fields. The name is the index's name in
//     the database file and must be unique within it. Readers that know only the lines above see
//     a comment.
// A field or index line before the first section, a field line without "=", a field without a
// name, an unknown "*@" directive, a second key field in one table and an autonumber (Attr bit
// 16) that is not an integer key field are errors: the reader throws DatenbankFehler naming the
// file and the line.

// DAO type codes, as the files write them.
namespace Feldtyp {
constexpr int Boolean = 1;
constexpr int Byte = 2;
constexpr int Integer = 3;
constexpr int Long = 4;
constexpr int Currency = 5;
constexpr int Single = 6;
constexpr int Double = 7;
constexpr int Datum = 8;
constexpr int Binaer = 9;
constexpr int Text = 10;
constexpr int LangBinaer = 11;
constexpr int Memo = 12;
constexpr int Guid = 15;
constexpr int GrosseGanzzahl = 16;
constexpr int Dezimal = 20;
} // namespace Feldtyp

// DAO attribute bit of an autonumber field.
constexpr int AttributAutowert = 16;

struct tMDBField {
    QString Name;
    bool PrimaryKey = false;
    int fType = Feldtyp::Boolean;
    int Size = 0;
    int Attr = 0;
};

struct tMDBIndex {
    QString Name;
    bool Eindeutig = false;
    QStringList Felder;
};

struct tMDBTable {
    QString Name;
    int idx = 0;
    std::vector<tMDBField> Fields;
    std::vector<tMDBIndex> Indexes;
};

struct tMDBDefinitions {
    QString MDBInfo = QStringLiteral("neu.mdbdf");
    QString FileName = QStringLiteral("neu.mdbdf");
    bool New = true;
    bool Saved = true;
    std::vector<tMDBTable> Tables;
};

// Reads a definition file into definitionen (replacing its tables). Throws DatenbankFehler when
// the file cannot be read or breaks the grammar.
void DefinitionsdateiLesen(const QString& dateiname, tMDBDefinitions& definitionen);

// The same for text already in memory; dateiname only names the source in error messages.
tMDBDefinitions DefinitionenAusText(const QString& text, const QString& dateiname);

// The table and field of a definition, found as GrossSchreiben compares names; nullptr when
// missing. The declared size of a text field is the limit the program enforces on input.
const tMDBTable* TabelleSuchen(const tMDBDefinitions& definitionen, const QString& tabelle);
const tMDBField* FeldSuchen(const tMDBDefinitions& definitionen, const QString& tabelle,
                            const QString& feld);
