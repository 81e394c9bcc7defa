#include "Altarchiv.h"
#include "DataModule.h"
#include "Datenbank.h"
#include "FakeRueckfragen.h"
#include "Pfade.h"
#include "TestInstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class AltarchivTest : public ::testing::Test {
protected:
    TestInstallation inst;
    QString d = inst.datenverzeichnis();
    QString bereich = QStringLiteral("Alt");
    QString alt = AltArchivDateiname(d, bereich);

    // A combined file of an older installation: users and accounts of the Bereich together.
    void SetUp() override {
        QDir().mkpath(BereichsVerzeichnis(d, bereich));
        Datenbank db;
        db.oeffnen(alt);
        db.skript(QStringLiteral(
            "CREATE TABLE Benutzer (ID INTEGER PRIMARY KEY AUTOINCREMENT, BenutzerName TEXT);"
            "INSERT INTO Benutzer (BenutzerName) VALUES ('Alter Admin');"
            "CREATE TABLE updatetransaktionen (TransaktionsID INTEGER);"
            "CREATE TABLE Kunden (ID INTEGER PRIMARY KEY AUTOINCREMENT, Konto INTEGER, "
            "Bezeichnung TEXT);"
            "INSERT INTO Kunden (Konto, Bezeichnung) VALUES (10000, 'Kunde');"
            "CREATE TABLE Fremd (X INTEGER);"));
    }

    QStringList tabellen(const QString& datei) {
        Datenbank db;
        db.oeffnen(datei, false);
        Abfrage a(db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND name "
                                     "NOT LIKE 'sqlite%' ORDER BY name"));
        QStringList l;
        while (a.naechste())
            l << a.text(0);
        return l;
    }
};

TEST_F(AltarchivTest, BereichUndArchiv77WerdenAusDemAltarchivAbgeleitet) {
    FakeRueckfragen fragen;
    TDataModule1 dm(d);
    dm.ADOConnection_BereichVerbinden(BereichDateiname(d, bereich), true);
    dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, bereich, 77), true, 0);

    EXPECT_TRUE(tabellen(BereichDateiname(d, bereich)).contains(QStringLiteral("Benutzer")));
    EXPECT_FALSE(tabellen(BereichDateiname(d, bereich)).contains(QStringLiteral("Kunden")));
    EXPECT_FALSE(tabellen(BereichDateiname(d, bereich)).contains(QStringLiteral("Fremd")));
    EXPECT_TRUE(
        tabellen(BereichDateiname(d, bereich)).contains(QStringLiteral("updatetransaktionen")));
    EXPECT_EQ(dm.ADOConnection_Bereich.ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM Benutzer WHERE BenutzerName=?"),
                  {QStringLiteral("Alter Admin")}),
              1);
    EXPECT_FALSE(tabellen(ArchivDateiname(d, bereich, 77)).contains(QStringLiteral("Benutzer")));
    EXPECT_EQ(dm.ADOConnection_Archiv.ganzzahlWert(QStringLiteral("SELECT Konto FROM Kunden")),
              10000);
    EXPECT_TRUE(dm.ADOConnection_Archiv.tabelleVorhanden(QStringLiteral("LernEintraege")))
        << "then brought up to its definition";
    EXPECT_TRUE(QFileInfo::exists(alt)) << "the legacy file stays until program end";
    EXPECT_EQ(fragen.texte(), QStringList());
    EXPECT_EQ(QDir(BereichsVerzeichnis(d, bereich))
                  .entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot)
                  .filter(QStringLiteral(".ableitung")),
              QStringList());
}

TEST_F(AltarchivTest, AndereKontenplaeneUndVorhandeneDateienBleibenUnberuehrt) {
    TDataModule1 dm(d);
    dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, bereich, 12), true, 12);
    EXPECT_FALSE(dm.ADOConnection_Archiv.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Kunden"))
                     .value_or(1));
    dm.ADOConnection_ArchivTrennen();

    Datenbank db;
    db.oeffnen(BereichDateiname(d, bereich));
    db.skript(QStringLiteral("CREATE TABLE Eigen (X INTEGER)"));
    db.schliessen();
    EXPECT_FALSE(AusAltarchivAbleiten(BereichDateiname(d, bereich), Altarchivteil::Bereich));
    EXPECT_EQ(tabellen(BereichDateiname(d, bereich)), QStringList{QStringLiteral("Eigen")});
}

TEST_F(AltarchivTest, DasAltarchivWirdNurNachErfolgreicherSicherungEntfernt) {
    EXPECT_FALSE(AltarchivAbloesen(d, bereich, false));
    EXPECT_TRUE(QFileInfo::exists(alt));
    EXPECT_TRUE(AltarchivAbloesen(d, bereich, true));
    EXPECT_FALSE(QFileInfo::exists(alt));
    EXPECT_FALSE(AltarchivAbloesen(d, bereich, true));
}

} // namespace
