#include "TestInstallation.h"

#include "Einrichtung.h"

TestInstallation::TestInstallation() {
    DatenverzeichnisAnlegen(programmverzeichnis(), datenverzeichnis());
    BereichAnlegen(datenverzeichnis(), bereich());
    BetriebAnlegen(datenverzeichnis(), bereich(),
                   {mnr(), QStringLiteral("Test-Apotheke"), QStringLiteral("Erika Muster"),
                    QDate(2024, 1, 1)});
    adminId =
        BenutzerAnlegen(datenverzeichnis(), bereich(),
                        {benutzer(), QStringLiteral("AD"), passwort(), Benutzerart::Administrator});
}

QString TestInstallation::programmverzeichnis() {
    return QStringLiteral(KIVO_BUILD_DIR);
}
