#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Pfade.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class DataModuleTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    TDataModule1 dm{dir.pfad()};
    QString daten = DatenDateiname(dir.pfad(), QStringLiteral("B"), QStringLiteral("1"));

    void SetUp() override {
        QDir().mkpath(BetriebsVerzeichnis(dir.pfad(), QStringLiteral("B"), QStringLiteral("1")));
        Datenbank db;
        db.oeffnen(daten);
        db.skript(QStringLiteral(
            "CREATE TABLE Firmendaten (MNr TEXT, Kontenplan INTEGER);"
            "INSERT INTO Firmendaten VALUES ('1', NULL);"
            "CREATE TABLE Erfassungen_CSV (BenutzerID INTEGER, Betrag INTEGER);"
            "CREATE TABLE Erfassungen_DatevSelf (BenutzerID INTEGER, Betrag INTEGER);"
            "INSERT INTO Erfassungen_CSV VALUES (1, 10), (2, 20);"
            "INSERT INTO Erfassungen_DatevSelf VALUES (1, 10), (2, 20);"));
    }
};

TEST_F(DataModuleTest, DatenVerbindenSetztFehlendenKontenplanAuf77) {
    dm.ADOConnection_DatenVerbinden(daten, false);
    EXPECT_EQ(
        dm.ADOConnection_Daten.ganzzahlWert(QStringLiteral("SELECT Kontenplan FROM Firmendaten")),
        77);
}

TEST_F(DataModuleTest, FehlerDerStrukturaktualisierungWirdGemeldetUndDieVerbindungOeffnetTrotzdem) {
    FakeRueckfragen fragen;
    {
        Datenbank db;
        db.oeffnen(daten);
        db.skript(QStringLiteral("INSERT INTO Erfassungen_CSV VALUES (1, 30)"));
    }
    // The key cannot be added over the duplicate user IDs; the new field can.
    dir.schreiben(QStringLiteral("mdbdfs/daten.mdbdf"),
                  "[Erfassungen_CSV]\nBenutzerID=$4;4;1\nNeu=4;4;1\n");
    dm.ADOConnection_DatenVerbinden(daten, true);
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Es ist ein Fehler bei der Aktualisierung der "
                                         "Datenstruktur (daten.mdb) aufgetreten!")});
    ASSERT_TRUE(dm.ADOConnection_Daten.offen());
    EXPECT_EQ(dm.ADOConnection_Daten.ganzzahlWert(
                  QStringLiteral("SELECT count(Neu) + count(*) FROM Erfassungen_CSV")),
              3);
}

TEST_F(DataModuleTest, SchliessenEntferntNurDieZwischenzeilenDesBenutzers) {
    dm.ADOConnection_DatenVerbinden(daten, false);
    dm.DatenbankenTrennen();
    Datenbank db;
    db.oeffnen(daten);
    EXPECT_EQ(*db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Erfassungen_CSV")), 2)
        << "a backup in the middle of an import keeps the staged rows";

    dm.ADOConnection_DatenVerbinden(daten, false);
    dm.DatenbankenSchliessen(1);
    EXPECT_FALSE(dm.ADOConnection_Daten.offen());
    for (const char* t : {"Erfassungen_CSV", "Erfassungen_DatevSelf"})
        EXPECT_EQ(*db.ganzzahlWert(QStringLiteral("SELECT group_concat(BenutzerID) FROM %1")
                                       .arg(QString::fromLatin1(t))),
                  2);
}

TEST_F(DataModuleTest, KomprimierenOeffnetDieVerbindungWieder) {
    dm.ADOConnection_DatenVerbinden(daten, false);
    EXPECT_TRUE(dm.DatenDateiKomprimieren());
    ASSERT_TRUE(dm.ADOConnection_Daten.offen());
    EXPECT_EQ(*dm.ADOConnection_Daten.ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM Erfassungen_CSV")),
              2);
}

} // namespace
