#pragma once

#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Firmendaten.h"
#include "Kontenbereiche.h"
#include "Optionen.h"
#include "Pfade.h"
#include "Sitzung.h"
#include "TestInstallation.h"

#include <gtest/gtest.h>

// A logged-in business "1000" of Bereich "Test" with all connections open, as the pages and
// dialogs of the master data find it after the login.
class Stammdatenumgebung : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;

    void SetUp() override {
        const QString d = inst.datenverzeichnis();
        dm.ADOConnection_StammVerbinden();
        dm.ADOConnection_BereichVerbinden(BereichDateiname(d, inst.bereich()), true);
        dm.ADOConnection_DatenVerbinden(DatenDateiname(d, inst.bereich(), inst.mnr()), true);
        dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, inst.bereich(), 77), true, 77);
        tSitzung& s = Sitzung();
        s = tSitzung();
        s.Datenverzeichnis = d;
        s.Bereich = inst.bereich();
        s.MNr = inst.mnr();
        s.BenutzerID = inst.benutzerId();
        s.Monat = 3;
        s.Jahr = 2024;
        OptionenLaden(dm, s.Optionen);
        s.Firma = FirmendatenLaden(dm.ADOConnection_Daten, s.MNr);
        s.Kontenbereiche = KontenbereicheLaden(dm.ADOConnection_Stamm, 77);
    }

    Datenbank& daten() { return dm.ADOConnection_Daten; }
    Datenbank& archiv() { return dm.ADOConnection_Archiv; }
};
