#pragma once

#include "TestVerzeichnis.h"

#include <QString>

class TDataModule1;

// A complete installation in a temporary folder, built by the real provisioning code with the
// definition files and the reference database of the build: data directory, Bereich "Test",
// Betrieb "1000" (chart 77, bookings from 1 January 2024) and its main administrator "Admin"
// with the password "geheim".
class TestInstallation {
public:
    TestInstallation();

    QString datenverzeichnis() const { return dir.datei(QStringLiteral("kivo")); }
    QString bereich() const { return QStringLiteral("Test"); }
    QString mnr() const { return QStringLiteral("1000"); }
    QString benutzer() const { return QStringLiteral("Admin"); }
    QString passwort() const { return QStringLiteral("geheim"); }
    qint64 benutzerId() const { return adminId; }

    // Logs the administrator into the business through the real login steps, sets the working
    // month and loads the options: the state every page finds after the login.
    void anmelden(TDataModule1& dm, int monat = 3, int jahr = 2024) const;

    // The folder holding the installation files (mdbdfs/, kmb_stamm.mdb).
    static QString programmverzeichnis();

private:
    TestVerzeichnis dir;
    qint64 adminId = 0;
};
