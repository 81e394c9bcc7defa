#pragma once

#include "Benutzerrechte.h"
#include "Datenbank.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Strukturaktualisierung.h"
#include "TestVerzeichnis.h"

#include <QDir>

// A small data directory for the login and user tests: the real bereich.mdb structure, and for
// each Betrieb and the reference database only the tables the login reads.
class Kleininstallation {
public:
    Kleininstallation() {
        Datenbank stamm;
        stamm.oeffnen(StammDateiname(d()));
        stamm.skript(QStringLiteral(
            "CREATE TABLE Kontenbereiche (ID INTEGER, Kontenplan INTEGER, KontoVon INTEGER, "
            "KontoBis INTEGER, Bezeichnung TEXT, Kontentabelle TEXT);"
            "CREATE TABLE AufteilungskontenArchiv (Kontenplan INTEGER, Bereichsart INTEGER, "
            "Aufteilungskonto INTEGER, Reihenfolge INTEGER);"));
    }

    QString d() const { return dir.pfad() + QStringLiteral("/"); }

    void bereichAnlegen(const QString& bereich) const {
        QDir().mkpath(BereichsVerzeichnis(d(), bereich));
        StrukturAktualisieren(QStringLiteral(KIVO_QUELL_DIR "/mdbdfs/bereich.mdbdf"),
                              BereichDateiname(d(), bereich));
    }

    // verzeichnis: the folder; mnr empty leaves Firmendaten without a row.
    void betriebAnlegen(const QString& bereich, const QString& verzeichnis, const QString& mnr,
                        const QString& inhaber = QStringLiteral("Inhaber"),
                        const QString& firma = QStringLiteral("Apotheke")) const {
        QDir().mkpath(BetriebsVerzeichnis(d(), bereich, verzeichnis));
        Datenbank daten;
        daten.oeffnen(DatenDateiname(d(), bereich, verzeichnis));
        QString felder;
        for (const char* f : {"Strasse",
                              "PLZ",
                              "Ort",
                              "Telefonnummer",
                              "Faxnummer",
                              "eMail",
                              "eMailASPZV",
                              "InternetAdresse",
                              "Amtsgericht",
                              "HRNummer",
                              "SteuerNummer",
                              "UmsatzIDNummer",
                              "GlaeubigerID",
                              "VBBerater",
                              "VBBeraterTelefon",
                              "VBBeraterEMail",
                              "VBSachbearbeiter",
                              "VBSachbearbeiterTelefon",
                              "VBSachbearbeiterEMail",
                              "VBLohnSachbearbeiter",
                              "VBLohnSachbearbeiterTelefon",
                              "VBLohnSachbearbeiterEMail"})
            felder += QStringLiteral(", %1 TEXT").arg(QString::fromLatin1(f));
        daten.skript(QStringLiteral("CREATE TABLE Firmendaten (MNr TEXT, Firmenname TEXT, "
                                    "Inhaber TEXT, ErfassungsBeginn TEXT, WirtschaftsBeginn "
                                    "INTEGER, Kontenplan INTEGER%1);"
                                    "CREATE TABLE Buchungsbereiche (BereichID INTEGER PRIMARY KEY, "
                                    "Bereichsart INTEGER, Bezeichnung TEXT, Aktiv INTEGER, "
                                    "Aktiviert INTEGER);"
                                    "CREATE TABLE AufteilungskontenBereich (BereichID INTEGER, "
                                    "AufteilungsKonto INTEGER, Reihenfolge INTEGER);")
                         .arg(felder));
        if (!mnr.isEmpty())
            daten.ausfuehren(QStringLiteral("INSERT INTO Firmendaten (MNr, Inhaber, Firmenname, "
                                            "Kontenplan) VALUES (?, ?, ?, 0)"),
                             {mnr, inhaber, firma});
    }

    void buchungsbereich(const QString& bereich, const QString& mnr, int id, const QString& name,
                         bool aktiv = true) const {
        Datenbank daten;
        daten.oeffnen(DatenDateiname(d(), bereich, mnr));
        daten.ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche VALUES (?, 1, ?, ?, 1)"),
                         {id, name, aktiv});
    }

    qint64 benutzer(const QString& bereich, const QString& name, const QString& kuerzel,
                    const QString& passwort, int status, bool nurLesen = false,
                    bool aktiv = true) const {
        Datenbank b;
        b.oeffnen(BereichDateiname(d(), bereich));
        b.ausfuehren(QStringLiteral("INSERT INTO Benutzer (BenutzerName, Kuerzel, Passwort, "
                                    "UserStatus, NurLesen, Aktiv) VALUES (?, ?, ?, ?, ?, ?)"),
                     {name, kuerzel, passwort.isEmpty() ? QString() : PasswortHashBilden(passwort),
                      status, nurLesen, aktiv});
        return b.letzteId();
    }

    void recht(const QString& bereich, qint64 id, const QString& mnr, Recht r) const {
        Datenbank b;
        b.oeffnen(BereichDateiname(d(), bereich));
        b.ausfuehren(QStringLiteral("INSERT INTO Benutzerrechte VALUES (?, ?, ?, ?)"),
                     {id, mnr, r.RID1, r.RID2});
    }

private:
    TestVerzeichnis dir;
};
