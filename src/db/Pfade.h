#pragma once

#include <QString>

// The storage layout below the data directory D. Every file and folder of D is named here and
// nowhere else. A directory argument gets a "/" appended only when it lacks one; an empty D
// gives an empty prefix.

QString StammDateiname(const QString& d);
QString LogDateiname(const QString& d);
QString DefinitionsDateiname(const QString& d, const QString& datenbankart);
QString BereichsVerzeichnis(const QString& d, const QString& bereich);
QString BereichDateiname(const QString& d, const QString& bereich);
QString ArchivDateiname(const QString& d, const QString& bereich, int kontenplan);
QString AltArchivDateiname(const QString& d, const QString& bereich);
QString BetriebsVerzeichnis(const QString& d, const QString& bereich, const QString& mnr);
QString DatenDateiname(const QString& d, const QString& bereich, const QString& mnr);
QString ImportVerzeichnis(const QString& d, const QString& bereich, const QString& mnr);
QString TempDateiname(const QString& d, const QString& name);
QString SicherungsDateiname(const QString& d, const QString& name);
QString OptionenIniDateiname(const QString& d);

// A missing or zero chart-of-accounts number counts as 77.
int WirksamerKontenplan(int kontenplan);

// Folders below daten/ and daten/B/ that are never offered as Bereich or Betrieb.
bool VerzeichnisAusgeblendet(const QString& name);
