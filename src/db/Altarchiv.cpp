#include "Altarchiv.h"

#include "Datenbank.h"
#include "Komprimieren.h"
#include "Pfade.h"
#include "Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QStringList behalteneTabellen(Altarchivteil teil) {
    if (teil == Altarchivteil::Bereich)
        return {QStringLiteral("Benutzer"), QStringLiteral("Benutzerrechte"),
                QStringLiteral("Benutzereinstellungen"), QStringLiteral("ProgrammUpdates"),
                QStringLiteral("UpdateTransaktionen")};
    return {QStringLiteral("AufteilungskontenTextschluessel"),
            QStringLiteral("KontenUpdateInfo"),
            QStringLiteral("KontoBankverbindungen"),
            QStringLiteral("KontoZVDaten"),
            QStringLiteral("KundenSEPASequenz"),
            QStringLiteral("Kunden"),
            QStringLiteral("Lieferanten"),
            QStringLiteral("Sachkonten"),
            QStringLiteral("Textschluessel"),
            QStringLiteral("LernEintraege"),
            QStringLiteral("KontenImportBlackList"),
            QStringLiteral("SEPAInfo"),
            QStringLiteral("SEPAInfoKonten")};
}

bool behalten(const QString& tabelle, const QStringList& liste) {
    for (const QString& t : liste)
        if (TexteGleich(t, tabelle))
            return true;
    return false;
}

void fremdeTabellenEntfernen(const QString& datei, Altarchivteil teil) {
    Datenbank db;
    db.oeffnen(datei, false);
    QStringList entfernen;
    {
        Abfrage a(db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND "
                                     "name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
        const QStringList liste = behalteneTabellen(teil);
        while (a.naechste())
            if (!behalten(a.text(0), liste))
                entfernen << a.text(0);
    }
    Transaktion t(db);
    for (const QString& tabelle : entfernen)
        db.skript(QStringLiteral("DROP TABLE \"%1\"").arg(QString(tabelle).replace(u'"', "\"\"")));
    t.bestaetigen();
}

} // namespace

bool AusAltarchivAbleiten(const QString& datei, Altarchivteil teil) {
    const QString quelle = QFileInfo(datei).dir().filePath(QStringLiteral("archiv.mdb"));
    if (QFileInfo::exists(datei) || !QFileInfo::exists(quelle))
        return false;

    QTemporaryFile arbeit(QFileInfo(datei).dir().filePath(QStringLiteral(".ableitung_XXXXXX")));
    if (!arbeit.open())
        throw DatenbankFehler(
            QStringLiteral("Im Verzeichnis von \"%1\" kann keine Datei angelegt werden.")
                .arg(datei));
    arbeit.close();
    {
        Datenbank alt;
        alt.oeffnen(quelle, false);
        alt.ausfuehren(QStringLiteral("VACUUM INTO ?"), {arbeit.fileName()});
    }
    fremdeTabellenEntfernen(arbeit.fileName(), teil);
    if (!DatenbankKomprimieren(arbeit.fileName()))
        throw DatenbankFehler(
            QStringLiteral("Die Datei \"%1\" konnte nicht komprimiert werden.").arg(datei));
    QFile::setPermissions(arbeit.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup);
    // rename() refuses an existing target: a file another workstation derived meanwhile stays.
    if (!QFile::rename(arbeit.fileName(), datei))
        return false;
    arbeit.setAutoRemove(false);
    return true;
}

bool AltarchivAbloesen(const QString& datenverzeichnis, const QString& bereich,
                       bool sicherungErfolgreich) {
    const QString datei = AltArchivDateiname(datenverzeichnis, bereich);
    if (!sicherungErfolgreich || !QFileInfo::exists(datei))
        return false;
    return QFile::remove(datei);
}
