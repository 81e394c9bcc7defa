#include "Definitionsdatei.h"

#include "Datenbank.h"
#include "Text.h"

#include <QFile>
#include <QFileInfo>

namespace {

int zahlOder(const QString& teil, int ersatz) {
    return IstGanzzahl(teil) ? teil.toInt() : ersatz;
}

bool istGanzzahlTyp(int typ) {
    return typ == Feldtyp::Byte || typ == Feldtyp::Integer || typ == Feldtyp::Long ||
           typ == Feldtyp::GrosseGanzzahl;
}

QString ohneAnfuehrungszeichen(const QString& name) {
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        return name.mid(1, name.size() - 2);
    return name;
}

class Leser {
public:
    Leser(const QString& datei) : datei(datei) {}

    void zeile(QString text, int nummer) {
        this->nummer = nummer;
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (text.trimmed().isEmpty())
            return;
        if (text.startsWith(QStringLiteral("*@"))) {
            anweisung(text.mid(2));
            return;
        }
        if (text.startsWith(u'*'))
            return;
        if (text.startsWith(u'[') && text.endsWith(u']')) {
            tMDBTable tabelle;
            tabelle.Name = text.mid(1, text.size() - 2);
            tabelle.idx = int(ergebnis.Tables.size());
            ergebnis.Tables.push_back(tabelle);
            return;
        }
        feld(text);
    }

    tMDBDefinitions ergebnis;

private:
    QString datei;
    int nummer = 0;

    [[noreturn]] void fehler(const QString& grund) const {
        throw DatenbankFehler(
            QStringLiteral("Die Definitionsdatei \"%1\" ist in Zeile %2 fehlerhaft: %3")
                .arg(datei)
                .arg(nummer)
                .arg(grund));
    }

    tMDBTable& aktuelleTabelle() {
        if (ergebnis.Tables.empty())
            fehler(QStringLiteral("Die Zeile steht vor dem ersten Tabellenabschnitt."));
        return ergebnis.Tables.back();
    }

    void feld(const QString& text) {
        tMDBTable& tabelle = aktuelleTabelle();
        const qsizetype gleich = text.indexOf(u'=');
        if (gleich < 0)
            fehler(QStringLiteral("Der Feldzeile fehlt das \"=\"."));
        tMDBField f;
        f.Name = ohneAnfuehrungszeichen(text.left(gleich).trimmed());
        if (f.Name.isEmpty())
            fehler(QStringLiteral("Der Feldname fehlt."));
        QString rest = text.mid(gleich + 1);
        if (rest.startsWith(u'$')) {
            f.PrimaryKey = true;
            rest.remove(0, 1);
            for (const tMDBField& vorhanden : tabelle.Fields)
                if (vorhanden.PrimaryKey)
                    fehler(QStringLiteral("Die Tabelle %1 hat schon das Schlüsselfeld %2.")
                               .arg(tabelle.Name, vorhanden.Name));
        }
        f.fType = zahlOder(FeldLesen(rest, u';', 1), Feldtyp::Boolean);
        f.Size = zahlOder(FeldLesen(rest, u';', 2), 0);
        f.Attr = zahlOder(FeldLesen(rest, u';', 3), 0);
        // This engine numbers rows only in an integer key column.
        if ((f.Attr & AttributAutowert) && !(f.PrimaryKey && istGanzzahlTyp(f.fType)))
            fehler(QStringLiteral("Der Autowert %1 muss ein ganzzahliges Schlüsselfeld sein.")
                       .arg(f.Name));
        tabelle.Fields.push_back(f);
    }

    void anweisung(const QString& text) {
        const qsizetype blank = text.indexOf(u' ');
        const QString art = text.left(blank < 0 ? text.size() : blank);
        tMDBIndex index;
        if (TexteGleich(art, QStringLiteral("Index")))
            index.Eindeutig = false;
        else if (TexteGleich(art, QStringLiteral("Eindeutig")))
            index.Eindeutig = true;
        else
            fehler(QStringLiteral("Unbekannte Anweisung \"*@%1\".").arg(art));
        tMDBTable& tabelle = aktuelleTabelle();
        const QString rest = blank < 0 ? QString() : text.mid(blank + 1);
        const qsizetype gleich = rest.indexOf(u'=');
        index.Name = rest.left(gleich < 0 ? 0 : gleich).trimmed();
        const QString felder = gleich < 0 ? QString() : rest.mid(gleich + 1);
        for (int i = 1; i <= FeldAnzahl(felder, u';'); ++i)
            if (const QString f = FeldLesen(felder, u';', i); !f.isEmpty())
                index.Felder << f;
        if (index.Name.isEmpty() || index.Felder.isEmpty())
            fehler(QStringLiteral("Ein Index braucht die Form Name=Feld1;Feld2."));
        tabelle.Indexes.push_back(index);
    }
};

bool namenGleich(const QString& a, const QString& b) {
    return GrossSchreiben(a) == GrossSchreiben(b);
}

} // namespace

tMDBDefinitions DefinitionenAusText(const QString& text, const QString& dateiname) {
    Leser leser(dateiname);
    const QStringList zeilen = text.split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i)
        leser.zeile(zeilen[i], i + 1);
    leser.ergebnis.FileName = dateiname;
    leser.ergebnis.New = false;
    return leser.ergebnis;
}

void DefinitionsdateiLesen(const QString& dateiname, tMDBDefinitions& definitionen) {
    QFile datei(dateiname);
    if (!datei.open(QIODevice::ReadOnly))
        throw DatenbankFehler(
            QStringLiteral("Die Definitionsdatei \"%1\" kann nicht gelesen werden.")
                .arg(dateiname));
    definitionen = DefinitionenAusText(QString::fromUtf8(datei.readAll()), dateiname);
}

const tMDBTable* TabelleSuchen(const tMDBDefinitions& definitionen, const QString& tabelle) {
    for (const tMDBTable& t : definitionen.Tables)
        if (namenGleich(t.Name, tabelle))
            return &t;
    return nullptr;
}

const tMDBField* FeldSuchen(const tMDBDefinitions& definitionen, const QString& tabelle,
                            const QString& feld) {
    const tMDBTable* t = TabelleSuchen(definitionen, tabelle);
    if (!t)
        return nullptr;
    for (const tMDBField& f : t->Fields)
        if (namenGleich(f.Name, feld))
            return &f;
    return nullptr;
}
