#include "Pfade.h"

#include "Dateien.h"
#include "Text.h"

namespace {
QString unter(const QString& d, const QString& rest) {
    return MitTrenner(d) + rest;
}
} // namespace

QString StammDateiname(const QString& d) {
    return unter(d, QStringLiteral("kmb_stamm.mdb"));
}

QString LogDateiname(const QString& d) {
    return unter(d, QStringLiteral("kmb_log.mdb"));
}

QString DefinitionsDateiname(const QString& d, const QString& datenbankart) {
    return unter(d, QStringLiteral("mdbdfs/%1.mdbdf").arg(datenbankart));
}

QString BereichsVerzeichnis(const QString& d, const QString& bereich) {
    return unter(d, QStringLiteral("daten/") + bereich);
}

QString BereichDateiname(const QString& d, const QString& bereich) {
    return BereichsVerzeichnis(d, bereich) + QStringLiteral("/bereich.mdb");
}

QString ArchivDateiname(const QString& d, const QString& bereich, int kontenplan) {
    return BereichsVerzeichnis(d, bereich) + QStringLiteral("/archiv_%1.mdb").arg(kontenplan);
}

QString AltArchivDateiname(const QString& d, const QString& bereich) {
    return BereichsVerzeichnis(d, bereich) + QStringLiteral("/archiv.mdb");
}

QString BetriebsVerzeichnis(const QString& d, const QString& bereich, const QString& mnr) {
    return BereichsVerzeichnis(d, bereich) + u'/' + mnr;
}

QString DatenDateiname(const QString& d, const QString& bereich, const QString& mnr) {
    return BetriebsVerzeichnis(d, bereich, mnr) + QStringLiteral("/daten.mdb");
}

QString ImportVerzeichnis(const QString& d, const QString& bereich, const QString& mnr) {
    return BetriebsVerzeichnis(d, bereich, mnr) + QStringLiteral("/import");
}

QString TempDateiname(const QString& d, const QString& name) {
    return unter(d, QStringLiteral("TEMP/") + name);
}

QString SicherungsDateiname(const QString& d, const QString& name) {
    return unter(d, QStringLiteral("Sicherungen/") + name);
}

QString OptionenIniDateiname(const QString& d) {
    return unter(d, QStringLiteral("optionen.ini"));
}

int WirksamerKontenplan(int kontenplan) {
    return kontenplan == 0 ? 77 : kontenplan;
}

bool VerzeichnisAusgeblendet(const QString& name) {
    return name.startsWith(u'.') || GrossSchreiben(name.right(5)) == QStringLiteral("_TEMP");
}
