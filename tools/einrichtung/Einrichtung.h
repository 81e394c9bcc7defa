#pragma once

#include <QDate>
#include <QString>

// Provisioning of installations: data directory, Bereich, Betrieb and users, built with the
// definition files and the reference database installed beside the program. Every refusal and
// failure throws Einrichtungsfehler with one German line.

// programmverzeichnis holds mdbdfs/*.mdbdf and kmb_stamm.mdb. The data directory must be
// missing or empty and writable; it receives the definition files, the reference and the log
// database, optionen.ini and the folder daten.
void DatenverzeichnisAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis);

// A Bereich with its bereich.mdb and the archive of chart 77.
void BereichAnlegen(const QString& datenverzeichnis, const QString& bereich);

struct Betriebsangaben {
    QString mnr;
    QString firmenname;
    QString inhaber;
    QDate erfassungsBeginn; // any day of the first booking month
};

// A Betrieb in its folder named by MNr, with daten.mdb and the company data (chart 77, fiscal
// year from January). The Betrieb appears complete or not at all.
void BetriebAnlegen(const QString& datenverzeichnis, const QString& bereich,
                    const Betriebsangaben& angaben);

// UserStatus of users created here; the first user of a Bereich always becomes main
// administrator.
enum class Benutzerart { Administrator = 1, Benutzer = 2 };

struct Benutzerangaben {
    QString name;
    QString kuerzel;
    QString passwort;
    Benutzerart art = Benutzerart::Benutzer;
};

// Creates an active user; names and initials are unique within the Bereich, compared without
// regard to case. Returns the user's ID.
qint64 BenutzerAnlegen(const QString& datenverzeichnis, const QString& bereich,
                       const Benutzerangaben& angaben);

struct DemoZugang {
    QString bereich;
    QString mnr;
    QString benutzer;
    QString passwort;
};

// A complete demo installation: a Bereich, a pharmacy and its main administrator.
DemoZugang DemoAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis);
