#include "TestInstallation.h"

#include "Anmeldung.h"
#include "DataModule.h"
#include "Einrichtung.h"
#include "Optionen.h"
#include "Pfade.h"
#include "Sitzung.h"

#include <stdexcept>

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

void TestInstallation::anmelden(TDataModule1& dm, int monat, int jahr) const {
    tSitzung& s = Sitzung();
    s = tSitzung();
    s.Datenverzeichnis = datenverzeichnis();
    dm.ADOConnection_BereichVerbinden(BereichDateiname(datenverzeichnis(), bereich()), true);
    // The login list brings every business file up to date before one is chosen.
    dm.ADOConnection_DatenVerbinden(DatenDateiname(datenverzeichnis(), bereich(), mnr()), true);
    for (const tBenutzerEintrag& b : BenutzerErmitteln(dm.ADOConnection_Bereich, mnr())) {
        if (b.ID != adminId)
            continue;
        if (!AnmeldungAbschliessen(dm, bereich(), mnr(), b))
            break;
        s.Monat = monat;
        s.Jahr = jahr;
        OptionenLaden(dm, s.Optionen);
        return;
    }
    throw std::runtime_error("test login failed");
}
