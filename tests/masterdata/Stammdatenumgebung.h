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

    void SetUp() override { inst.anmelden(dm); }

    Datenbank& daten() { return dm.ADOConnection_Daten; }
    Datenbank& archiv() { return dm.ADOConnection_Archiv; }
};
