#include "Stammdatenbank.h"

#include "Betrag.h"
#include "Datenbank.h"
#include "Definitionsdatei.h"
#include "Einrichtungsfehler.h"
#include "Komprimieren.h"
#include "Strukturaktualisierung.h"
#include "Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

QString dekodiert(const QByteArray& roh) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(roh));
}

[[noreturn]] void seedFehler(const QString& datei, int zeile, const QString& grund) {
    throw Einrichtungsfehler(
        QStringLiteral("Seed-Datei \"%1\", Zeile %2: %3").arg(datei).arg(zeile).arg(grund));
}

Wert seedWert(const tMDBField& feld, const QString& text, const QString& datei, int zeile) {
    // An empty text stays an empty text: lookups compare tax areas with "".
    if (text.isEmpty())
        return feld.fType == Feldtyp::Text || feld.fType == Feldtyp::Memo ? Wert(QStringLiteral(""))
                                                                          : Wert();
    bool ok = true;
    switch (feld.fType) {
    case Feldtyp::Boolean:
    case Feldtyp::Byte:
    case Feldtyp::Integer:
    case Feldtyp::Long:
    case Feldtyp::GrosseGanzzahl: {
        const qint64 zahl = text.toLongLong(&ok);
        if (ok)
            return zahl;
        break;
    }
    case Feldtyp::Currency:
        if (const auto betrag = BetragAusText(text))
            return *betrag;
        ok = false;
        break;
    case Feldtyp::Single:
    case Feldtyp::Double: {
        const double zahl = QString(text).replace(u',', u'.').toDouble(&ok);
        if (ok)
            return zahl;
        break;
    }
    case Feldtyp::Datum:
        ok = QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
        break;
    default:
        break;
    }
    if (!ok)
        seedFehler(datei, zeile,
                   QStringLiteral("\"%1\" passt nicht zum Feld %2.").arg(text, feld.Name));
    return text;
}

void tabelleFuellen(Datenbank& db, const tMDBTable& tabelle, const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Einrichtungsfehler(
            QStringLiteral("Die Seed-Datei \"%1\" kann nicht gelesen werden.").arg(datei));
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split(u'\n');
    std::vector<const tMDBField*> felder;
    QStringList namen;
    QStringList platzhalter;
    for (int i = 1; i <= FeldAnzahl(zeilen.value(0), u';'); ++i) {
        const QString name = FeldLesen(zeilen.value(0), u';', i);
        const auto gefunden =
            std::find_if(tabelle.Fields.begin(), tabelle.Fields.end(),
                         [&](const tMDBField& x) { return TexteGleich(x.Name, name); });
        if (gefunden == tabelle.Fields.end())
            seedFehler(datei, 1,
                       QStringLiteral("Die Tabelle %1 hat kein Feld %2.").arg(tabelle.Name, name));
        felder.push_back(&*gefunden);
        namen << u'"' + gefunden->Name + u'"';
        platzhalter << QStringLiteral("?");
    }
    Abfrage einfuegen(db, QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                              .arg(tabelle.Name, namen.join(u','), platzhalter.join(u',')));
    for (int z = 1; z < zeilen.size(); ++z) {
        if (zeilen[z].trimmed().isEmpty())
            continue;
        if (FeldAnzahl(zeilen[z], u';') != int(felder.size()))
            seedFehler(datei, z + 1,
                       QStringLiteral("Die Zeile hat nicht %1 Felder.").arg(felder.size()));
        for (int i = 0; i < int(felder.size()); ++i)
            einfuegen.binden(i + 1, seedWert(*felder[size_t(i)], FeldLesen(zeilen[z], u';', i + 1),
                                             datei, z + 1));
        einfuegen.ausfuehren();
        einfuegen.zuruecksetzen();
    }
}

void bankenFuellen(Datenbank& db, const QString& bankdatei) {
    Abfrage einfuegen(db, QStringLiteral("INSERT INTO Banken (Bankleitzahl, Bankname, BIC) "
                                         "VALUES (?, ?, ?)"));
    for (const BankEintrag& bank : BankdateiLesen(bankdatei)) {
        einfuegen.binden(1, bank.bankleitzahl).binden(2, bank.bankname).binden(3, bank.bic);
        einfuegen.ausfuehren();
        einfuegen.zuruecksetzen();
    }
}

} // namespace

std::vector<BankEintrag> BankdateiLesen(const QString& bankdatei) {
    QFile f(bankdatei);
    if (!f.open(QIODevice::ReadOnly))
        throw Einrichtungsfehler(
            QStringLiteral("Die Bankdatei \"%1\" kann nicht gelesen werden.").arg(bankdatei));
    std::vector<BankEintrag> banken;
    QHash<qint64, size_t> position;
    QHash<QByteArray, QByteArray> satz;
    int tiefe = 0;
    auto satzAbschliessen = [&] {
        bool ok = false;
        const qint64 blz = satz.value("bankId").toLongLong(&ok);
        const QByteArray bic = satz.value("bic");
        if (ok && blz > 0) {
            if (!position.contains(blz)) {
                position.insert(blz, banken.size());
                banken.push_back({blz, dekodiert(satz.value("bankName")), dekodiert(bic)});
            } else if (banken[position[blz]].bic.isEmpty()) {
                banken[position[blz]].bic = dekodiert(bic);
            }
        }
        satz.clear();
    };
    while (!f.atEnd()) {
        const QByteArray zeile = f.readLine().trimmed();
        if (zeile.startsWith('#'))
            continue;
        if (zeile.endsWith('{')) {
            ++tiefe;
        } else if (zeile == "}") {
            --tiefe;
        } else if (tiefe == 0 && zeile.isEmpty()) {
            satzAbschliessen();
        } else if (tiefe == 0) {
            const qsizetype gleich = zeile.indexOf('=');
            QByteArray wert = zeile.mid(gleich + 1);
            if (wert.size() >= 2 && wert.startsWith('"') && wert.endsWith('"'))
                wert = wert.mid(1, wert.size() - 2);
            if (gleich > 0)
                satz.insert(zeile.left(gleich), wert);
        }
    }
    satzAbschliessen();
    return banken;
}

void StammdatenbankErstellen(const QString& ziel, const QString& seedVerzeichnis,
                             const QString& bankdatei) {
    const QString definition = QDir(seedVerzeichnis).filePath(QStringLiteral("kmb_stamm.mdbdf"));
    const QString arbeit = ziel + QStringLiteral(".neu");
    QFile::remove(arbeit);
    try {
        if (!StrukturAktualisieren(definition, arbeit))
            throw Einrichtungsfehler(
                QStringLiteral("Die Definitionsdatei \"%1\" fehlt.").arg(definition));
        tMDBDefinitions tabellen;
        DefinitionsdateiLesen(definition, tabellen);
        {
            Datenbank db;
            db.oeffnen(arbeit, false);
            Transaktion t(db);
            for (const tMDBTable& tabelle : tabellen.Tables) {
                const QString seed =
                    QDir(seedVerzeichnis)
                        .filePath(QStringLiteral("stamm/%1.csv").arg(tabelle.Name));
                if (QFileInfo::exists(seed))
                    tabelleFuellen(db, tabelle, seed);
            }
            bankenFuellen(db, bankdatei);
            t.bestaetigen();
        }
        if (!DatenbankKomprimieren(arbeit))
            throw Einrichtungsfehler(
                QStringLiteral("Die Datei \"%1\" konnte nicht komprimiert werden.").arg(arbeit));
    } catch (const DatenbankFehler& e) {
        QFile::remove(arbeit);
        throw Einrichtungsfehler(e.text());
    } catch (const Einrichtungsfehler&) {
        QFile::remove(arbeit);
        throw;
    }
    if ((QFileInfo::exists(ziel) && !QFile::remove(ziel)) || !QFile::rename(arbeit, ziel))
        throw Einrichtungsfehler(
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(ziel));
}
