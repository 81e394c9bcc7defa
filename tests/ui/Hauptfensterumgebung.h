#pragma once

#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Seitenregister.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "TformAnmeldung.h"
#include "TformHauptForm.h"
#include "Uhr.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The main window of the test installation's administrator on 5 March 2024, logged in through
// the real login dialog.
class Hauptfensterumgebung : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;
    Seitenregister seitenregister;
    LoginAusfuehren anmelden = [this](TDataModule1& d) {
        sobaldOffen<TformAnmeldung>([this](TformAnmeldung* f) {
            QTest::keyClicks(f->edPasswort, inst.passwort());
            f->btnAnmelden->click();
        });
        TformAnmeldung dialog(d, QString());
        return dialog.Execute();
    };

    void SetUp() override {
        UhrFestsetzen(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
        Sitzung() = tSitzung();
        Sitzung().Datenverzeichnis = inst.datenverzeichnis();
        SeitenRegistrieren(seitenregister);
    }
    void TearDown() override { UhrFestsetzen({}); }
};
