#include "Einrichtung.h"

#include "Dateien.h"
#include "Datenbank.h"
#include "Definitionsdatei.h"
#include "Einrichtungsfehler.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Strukturaktualisierung.h"
#include "Text.h"
#include "Uhr.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QStringList Datenbankarten = {QStringLiteral("bereich"), QStringLiteral("daten"),
                                    QStringLiteral("archiv"), QStringLiteral("kmb_log")};

constexpr QFileDevice::Permissions NurGruppe = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::WriteGroup | QFileDevice::ExeGroup;

void verzeichnisAnlegen(const QString& pfad) {
    if (!VerzeichnisErstellen(pfad))
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" kann nicht angelegt werden.").arg(pfad));
    QFile::setPermissions(pfad, NurGruppe);
}

constexpr QFileDevice::Permissions DateiNurGruppe =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup;

void kopieren(const QString& quelle, const QString& ziel) {
    if (!DateiKopieren(quelle, ziel, false))
        throw Einrichtungsfehler(
            QStringLiteral("Die Datei \"%1\" kann nicht nach \"%2\" kopiert werden.")
                .arg(quelle, ziel));
    QFile::setPermissions(ziel, DateiNurGruppe);
}

void strukturAnlegen(const QString& datenverzeichnis, const QString& art, const QString& datei) {
    try {
        StrukturAktualisieren(DefinitionsDateiname(datenverzeichnis, art), datei);
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
}

void installationPruefen(const QString& datenverzeichnis) {
    if (!QFileInfo::exists(StammDateiname(datenverzeichnis)))
        throw Einrichtungsfehler(
            QStringLiteral("Im Verzeichnis \"%1\" ist keine KIVO-Installation.")
                .arg(datenverzeichnis));
}

void bereichPruefen(const QString& datenverzeichnis, const QString& bereich) {
    installationPruefen(datenverzeichnis);
    if (bereich.isEmpty() || !QFileInfo::exists(BereichDateiname(datenverzeichnis, bereich)))
        throw Einrichtungsfehler(QStringLiteral("Den Bereich \"%1\" gibt es nicht.").arg(bereich));
}

// Bereich and Betrieb folders are built under a hidden name and renamed into place, so the
// login never lists a half-built one.
QString bauVerzeichnis(const QString& ziel) {
    const QFileInfo info(ziel);
    return info.dir().filePath(u'.' + info.fileName() + QStringLiteral(".neu"));
}

void einsetzen(const QString& bau, const QString& ziel, const QString& schonDa) {
    if (!QDir().rename(bau, ziel)) {
        QDir(bau).removeRecursively();
        throw Einrichtungsfehler(schonDa);
    }
}

void namePruefen(const QString& was, const QString& name) {
    if (name.trimmed().isEmpty() || name != name.trimmed() || name.contains(u'/') ||
        name.contains(u'\\') || name == u".." || VerzeichnisAusgeblendet(name))
        throw Einrichtungsfehler(
            QStringLiteral("\"%1\" ist als Name für %2 nicht zulässig.").arg(name, was));
}

void laengePruefen(const tMDBDefinitions& definition, const QString& tabelle, const QString& feld,
                   const QString& wert, const QString& bezeichnung) {
    const tMDBField* f = FeldSuchen(definition, tabelle, feld);
    if (f && f->Size > 0 && wert.size() > f->Size)
        throw Einrichtungsfehler(QStringLiteral("%1 darf höchstens %2 Zeichen lang sein.")
                                     .arg(bezeichnung)
                                     .arg(f->Size));
}

tMDBDefinitions definitionLesen(const QString& datenverzeichnis, const QString& art) {
    tMDBDefinitions d;
    try {
        DefinitionsdateiLesen(DefinitionsDateiname(datenverzeichnis, art), d);
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
    return d;
}

} // namespace

void DatenverzeichnisAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis) {
    const QDir d(datenverzeichnis);
    if (d.exists() && !d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" ist nicht leer.").arg(datenverzeichnis));
    verzeichnisAnlegen(datenverzeichnis);
    if (!QFileInfo(datenverzeichnis).isWritable())
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" ist nicht beschreibbar.").arg(datenverzeichnis));

    const QString stamm = QDir(programmverzeichnis).filePath(QStringLiteral("kmb_stamm.mdb"));
    if (!QFileInfo::exists(stamm))
        throw Einrichtungsfehler(QStringLiteral("Die Referenzdatenbank \"%1\" fehlt.").arg(stamm));
    for (const QString& art : Datenbankarten)
        kopieren(DefinitionsDateiname(programmverzeichnis, art),
                 DefinitionsDateiname(datenverzeichnis, art));
    QFile::setPermissions(
        QFileInfo(DefinitionsDateiname(datenverzeichnis, Datenbankarten[0])).path(), NurGruppe);
    kopieren(stamm, StammDateiname(datenverzeichnis));
    strukturAnlegen(datenverzeichnis, QStringLiteral("kmb_log"), LogDateiname(datenverzeichnis));

    QFile ini(OptionenIniDateiname(datenverzeichnis));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text) ||
        ini.write("[System]\nOnline=0\nKelmbrandMailVerschluesselung=0\n") < 0)
        throw Einrichtungsfehler(
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(ini.fileName()));
    ini.close();
    QFile::setPermissions(ini.fileName(), DateiNurGruppe);
    verzeichnisAnlegen(QDir(datenverzeichnis).filePath(QStringLiteral("daten")));
}

void BereichAnlegen(const QString& datenverzeichnis, const QString& bereich) {
    installationPruefen(datenverzeichnis);
    namePruefen(QStringLiteral("einen Bereich"), bereich);
    const QString ziel = BereichsVerzeichnis(datenverzeichnis, bereich);
    const QString schonDa = QStringLiteral("Den Bereich \"%1\" gibt es bereits.").arg(bereich);
    if (QFileInfo::exists(ziel))
        throw Einrichtungsfehler(schonDa);
    const QString bau = bauVerzeichnis(ziel);
    QDir(bau).removeRecursively();
    verzeichnisAnlegen(bau);
    try {
        strukturAnlegen(datenverzeichnis, QStringLiteral("bereich"),
                        QDir(bau).filePath(QStringLiteral("bereich.mdb")));
        strukturAnlegen(datenverzeichnis, QStringLiteral("archiv"),
                        QDir(bau).filePath(
                            QFileInfo(ArchivDateiname(datenverzeichnis, bereich, 77)).fileName()));
    } catch (const Einrichtungsfehler&) {
        QDir(bau).removeRecursively();
        throw;
    }
    einsetzen(bau, ziel, schonDa);
}

void BetriebAnlegen(const QString& datenverzeichnis, const QString& bereich,
                    const Betriebsangaben& angaben) {
    bereichPruefen(datenverzeichnis, bereich);
    if (!NurZiffern(angaben.mnr) || angaben.mnr.toLongLong() <= 0)
        throw Einrichtungsfehler(
            QStringLiteral("Die Mandantennummer \"%1\" ist keine positive Zahl.").arg(angaben.mnr));
    const tMDBDefinitions definition = definitionLesen(datenverzeichnis, QStringLiteral("daten"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("MNr"), angaben.mnr,
                  QStringLiteral("Die Mandantennummer"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("Firmenname"),
                  angaben.firmenname, QStringLiteral("Der Firmenname"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("Inhaber"),
                  angaben.inhaber, QStringLiteral("Der Inhaber"));
    if (angaben.firmenname.trimmed().isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Der Firmenname fehlt."));
    const QString ziel = BetriebsVerzeichnis(datenverzeichnis, bereich, angaben.mnr);
    const QString schonDa =
        QStringLiteral("Den Betrieb mit der Mandantennummer %1 gibt es bereits.").arg(angaben.mnr);
    if (QFileInfo::exists(ziel))
        throw Einrichtungsfehler(schonDa);

    const QString bau = bauVerzeichnis(ziel);
    QDir(bau).removeRecursively();
    verzeichnisAnlegen(bau);
    try {
        verzeichnisAnlegen(QDir(bau).filePath(
            QFileInfo(ImportVerzeichnis(datenverzeichnis, bereich, angaben.mnr)).fileName()));
        const QString datei = QDir(bau).filePath(
            QFileInfo(DatenDateiname(datenverzeichnis, bereich, angaben.mnr)).fileName());
        strukturAnlegen(datenverzeichnis, QStringLiteral("daten"), datei);
        const QDate beginn =
            angaben.erfassungsBeginn.isValid() ? angaben.erfassungsBeginn : Heute();
        Datenbank db;
        db.oeffnen(datei, false);
        db.ausfuehren(QStringLiteral("INSERT INTO Firmendaten (MNr, Firmenname, Inhaber, "
                                     "ErfassungsBeginn, WirtschaftsBeginn, Kontenplan) VALUES "
                                     "(?, ?, ?, ?, 1, 77)"),
                      {angaben.mnr, angaben.firmenname.trimmed(), angaben.inhaber.trimmed(),
                       QDate(beginn.year(), beginn.month(), 1)});
    } catch (const DatenbankFehler& e) {
        QDir(bau).removeRecursively();
        throw Einrichtungsfehler(e.text());
    } catch (const Einrichtungsfehler&) {
        QDir(bau).removeRecursively();
        throw;
    }
    einsetzen(bau, ziel, schonDa);
}

qint64 BenutzerAnlegen(const QString& datenverzeichnis, const QString& bereich,
                       const Benutzerangaben& angaben) {
    bereichPruefen(datenverzeichnis, bereich);
    const QString name = angaben.name.trimmed();
    const QString kuerzel = angaben.kuerzel.trimmed();
    if (name.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Der Benutzername fehlt."));
    if (kuerzel.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Das Kürzel fehlt."));
    if (angaben.passwort.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Das Passwort darf nicht leer sein."));
    const tMDBDefinitions definition = definitionLesen(datenverzeichnis, QStringLiteral("bereich"));
    laengePruefen(definition, QStringLiteral("Benutzer"), QStringLiteral("BenutzerName"), name,
                  QStringLiteral("Der Benutzername"));
    laengePruefen(definition, QStringLiteral("Benutzer"), QStringLiteral("Kuerzel"), kuerzel,
                  QStringLiteral("Das Kürzel"));
    const QString hash = PasswortHashBilden(angaben.passwort);

    try {
        Datenbank db;
        db.oeffnen(BereichDateiname(datenverzeichnis, bereich), false);
        Transaktion t(db);
        if (db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE BenutzerName=?"), {name}))
            throw Einrichtungsfehler(
                QStringLiteral("Einen Benutzer \"%1\" gibt es bereits.").arg(name));
        if (db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE Kuerzel=?"), {kuerzel}))
            throw Einrichtungsfehler(
                QStringLiteral("Das Kürzel \"%1\" ist bereits vergeben.").arg(kuerzel));
        const bool erster = !db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer"));
        db.ausfuehren(QStringLiteral("INSERT INTO Benutzer (BenutzerName, Kuerzel, Passwort, "
                                     "UserStatus, NurLesen, Aktiv) VALUES (?, ?, ?, ?, 0, 1)"),
                      {name, kuerzel, hash, erster ? 0 : int(angaben.art)});
        const qint64 id = db.letzteId();
        t.bestaetigen();
        return id;
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
}

DemoZugang DemoAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis) {
    const DemoZugang zugang{QStringLiteral("Demo"), QStringLiteral("10001"),
                            QStringLiteral("Administrator"), QStringLiteral("demo")};
    DatenverzeichnisAnlegen(programmverzeichnis, datenverzeichnis);
    BereichAnlegen(datenverzeichnis, zugang.bereich);
    BetriebAnlegen(datenverzeichnis, zugang.bereich,
                   {zugang.mnr, QStringLiteral("Sonnen-Apotheke"),
                    QStringLiteral("Dr. Anna Berger"), QDate(Heute().year(), 1, 1)});
    BenutzerAnlegen(
        datenverzeichnis, zugang.bereich,
        {zugang.benutzer, QStringLiteral("ADM"), zugang.passwort, Benutzerart::Administrator});
    return zugang;
}
