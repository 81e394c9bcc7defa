#include "Strukturaktualisierung.h"

#include "Datenbank.h"
#include "Definitionsdatei.h"
#include "Text.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

QString bezeichner(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString schluessel(const QString& name) {
    return GrossSchreiben(name);
}

// What the file holds, read in one statement so the comparison sees one consistent state.
struct Bestand {
    struct Tabelle {
        QHash<QString, int> spalten; // column -> position in the primary key (0: none)
        int schluesselSpalten = 0;
    };
    QHash<QString, Tabelle> tabellen;
    QSet<QString> indexe;
    QSet<QString> eindeutigeSpalten; // "TABELLE\nSPALTE" of unique one-column indexes

    bool hatSchluessel(const QString& tabelle, const QString& spalte) const {
        const Tabelle t = tabellen.value(schluessel(tabelle));
        if (t.schluesselSpalten == 1 && t.spalten.value(schluessel(spalte)) == 1)
            return true;
        return eindeutigeSpalten.contains(schluessel(tabelle) + u'\n' + schluessel(spalte));
    }
};

Bestand bestandLesen(Datenbank& db) {
    Abfrage a(db, QStringLiteral(
                      "SELECT 'S', m.name, p.name, p.pk, NULL "
                      "FROM sqlite_schema AS m, pragma_table_info(m.name) AS p "
                      "WHERE m.type='table' "
                      "UNION ALL "
                      "SELECT 'I', m.name, l.name, l.\"unique\", "
                      "(SELECT group_concat(i.name, char(10)) FROM pragma_index_info(l.name) AS i) "
                      "FROM sqlite_schema AS m, pragma_index_list(m.name) AS l "
                      "WHERE m.type='table'"));
    Bestand b;
    while (a.naechste()) {
        const QString tabelle = schluessel(a.text(1));
        const QString name = schluessel(a.text(2));
        if (a.text(0) == u"S") {
            Bestand::Tabelle& t = b.tabellen[tabelle];
            const int pk = int(a.ganzzahl(3));
            t.spalten.insert(name, pk);
            if (pk > 0)
                ++t.schluesselSpalten;
        } else {
            b.indexe.insert(name);
            const QString spalten = a.text(4);
            if (a.ganzzahl(3) != 0 && !spalten.contains(u'\n'))
                b.eindeutigeSpalten.insert(tabelle + u'\n' + schluessel(spalten));
        }
    }
    return b;
}

struct Schritt {
    QString beschreibung;
    QString sql;
};

QString schluesselIndexName(const tMDBTable& t, const tMDBField& f) {
    return QStringLiteral("pk_%1_%2").arg(t.Name, f.Name);
}

QString spalteImNeuenTisch(const tMDBField& f) {
    const QString name = bezeichner(f.Name);
    if (!f.PrimaryKey)
        return name + u' ' + SpaltenTyp(f);
    if (f.Attr & AttributAutowert)
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    return name + u' ' + SpaltenTyp(f) + QStringLiteral(" NOT NULL PRIMARY KEY");
}

Schritt indexSchritt(const tMDBTable& t, const tMDBIndex& index) {
    QStringList spalten;
    for (const QString& f : index.Felder)
        spalten << bezeichner(f);
    return {QStringLiteral("Index %1 der Tabelle %2").arg(index.Name, t.Name),
            QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                .arg(index.Eindeutig ? QStringLiteral("UNIQUE ") : QString(),
                     bezeichner(index.Name), bezeichner(t.Name),
                     spalten.join(QStringLiteral(", ")))};
}

Schritt schluesselSchritt(const tMDBTable& t, const tMDBField& f) {
    return {
        QStringLiteral("Schlüssel %1 der Tabelle %2").arg(f.Name, t.Name),
        QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)")
            .arg(bezeichner(schluesselIndexName(t, f)), bezeichner(t.Name), bezeichner(f.Name))};
}

std::vector<Schritt> schritteFuerNeueTabelle(const tMDBTable& t) {
    QStringList spalten;
    for (const tMDBField& f : t.Fields)
        spalten << spalteImNeuenTisch(f);
    std::vector<Schritt> schritte{
        {QStringLiteral("Tabelle %1").arg(t.Name),
         QStringLiteral("CREATE TABLE %1 (%2)")
             .arg(bezeichner(t.Name), spalten.join(QStringLiteral(", ")))}};
    for (const tMDBIndex& index : t.Indexes)
        schritte.push_back(indexSchritt(t, index));
    return schritte;
}

std::vector<Schritt> schritteFuerTabelle(const tMDBTable& t, const Bestand& bestand) {
    const Bestand::Tabelle vorhanden = bestand.tabellen.value(schluessel(t.Name));
    std::vector<Schritt> schritte;
    for (const tMDBField& f : t.Fields) {
        if (!vorhanden.spalten.contains(schluessel(f.Name))) {
            if (f.Attr & AttributAutowert) {
                // Numbering needs the key of CREATE TABLE; adding a plain column instead would
                // leave every new row without its number.
                schritte.push_back(
                    {QStringLiteral("Autowert %1 der Tabelle %2").arg(f.Name, t.Name), QString()});
                continue;
            }
            schritte.push_back({QStringLiteral("Feld %1 der Tabelle %2").arg(f.Name, t.Name),
                                QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                    .arg(bezeichner(t.Name), bezeichner(f.Name), SpaltenTyp(f))});
        }
        if (f.PrimaryKey && !bestand.hatSchluessel(t.Name, f.Name) &&
            !bestand.indexe.contains(schluessel(schluesselIndexName(t, f))))
            schritte.push_back(schluesselSchritt(t, f));
    }
    for (const tMDBIndex& index : t.Indexes)
        if (!bestand.indexe.contains(schluessel(index.Name)))
            schritte.push_back(indexSchritt(t, index));
    return schritte;
}

std::vector<Schritt> schritteBestimmen(const tMDBDefinitions& definitionen,
                                       const Bestand& bestand) {
    std::vector<Schritt> schritte;
    QSet<QString> geplant;
    for (const tMDBTable& t : definitionen.Tables) {
        const bool neu =
            !bestand.tabellen.contains(schluessel(t.Name)) && !geplant.contains(schluessel(t.Name));
        const auto dazu = neu ? schritteFuerNeueTabelle(t) : schritteFuerTabelle(t, bestand);
        schritte.insert(schritte.end(), dazu.begin(), dazu.end());
        geplant.insert(schluessel(t.Name));
    }
    return schritte;
}

} // namespace

QString SpaltenTyp(const tMDBField& feld) {
    switch (feld.fType) {
    case Feldtyp::Boolean:
    case Feldtyp::Byte:
    case Feldtyp::Integer:
    case Feldtyp::Long:
    case Feldtyp::GrosseGanzzahl:
    case Feldtyp::Currency:
        return QStringLiteral("INTEGER");
    case Feldtyp::Single:
    case Feldtyp::Double:
        return QStringLiteral("REAL");
    case Feldtyp::Dezimal:
        return QStringLiteral("NUMERIC");
    case Feldtyp::Datum:
    case Feldtyp::Guid:
        return QStringLiteral("TEXT");
    case Feldtyp::Text:
    case Feldtyp::Memo:
        return QStringLiteral("TEXT COLLATE DEUTSCH");
    case Feldtyp::Binaer:
    case Feldtyp::LangBinaer:
        return QStringLiteral("BLOB");
    default:
        return {};
    }
}

bool StrukturAktualisieren(const QString& definitionsdatei, const QString& datenbankdatei) {
    if (!QFileInfo::exists(definitionsdatei))
        return false;
    tMDBDefinitions definitionen;
    DefinitionsdateiLesen(definitionsdatei, definitionen);
    for (const tMDBTable& t : definitionen.Tables)
        for (const tMDBField& f : t.Fields)
            if (SpaltenTyp(f).isEmpty())
                throw DatenbankFehler(
                    QStringLiteral("Die Definitionsdatei \"%1\" nennt für %2.%3 den unbekannten "
                                   "Feldtyp %4.")
                        .arg(definitionsdatei, t.Name, f.Name)
                        .arg(f.fType));

    Datenbank db;
    db.oeffnen(datenbankdatei, true);
    if (schritteBestimmen(definitionen, bestandLesen(db)).empty())
        return true;

    Transaktion transaktion(db);
    // Planned again under the write lock: another workstation may have done part of it.
    const std::vector<Schritt> schritte = schritteBestimmen(definitionen, bestandLesen(db));
    QStringList fehlgeschlagen;
    for (const Schritt& s : schritte) {
        if (s.sql.isEmpty()) {
            fehlgeschlagen << s.beschreibung +
                                  QStringLiteral(": kann einer bestehenden Tabelle nicht "
                                                 "hinzugefügt werden");
            continue;
        }
        try {
            Transaktion schritt(db);
            db.skript(s.sql);
            schritt.bestaetigen();
        } catch (const DatenbankFehler& e) {
            fehlgeschlagen << s.beschreibung + QStringLiteral(": ") + e.text();
        }
    }
    transaktion.bestaetigen();
    if (!fehlgeschlagen.isEmpty())
        throw DatenbankFehler(
            QStringLiteral("Die Struktur von \"%1\" konnte nicht vollständig angepasst werden:\n%2")
                .arg(datenbankdatei, fehlgeschlagen.join(u'\n')));
    return true;
}
