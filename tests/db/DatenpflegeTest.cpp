#include "Aufteilungskonten.h"
#include "DataModule.h"
#include "Pfade.h"
#include "TestInstallation.h"
#include "Uhr.h"
#include "Updatetransaktionen.h"

#include <gtest/gtest.h>

namespace {

class DatenpflegeTest : public ::testing::Test {
protected:
    TestInstallation inst;
    QString d = inst.datenverzeichnis();
    TDataModule1 dm{d};

    void SetUp() override {
        dm.ADOConnection_BereichVerbinden(BereichDateiname(d, inst.bereich()), true);
        dm.ADOConnection_DatenVerbinden(DatenDateiname(d, inst.bereich(), inst.mnr()), true);
        dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, inst.bereich(), 77), true, 77);
    }

    QString splitkonten(int bereichId) {
        Abfrage a(dm.ADOConnection_Daten,
                  QStringLiteral("SELECT group_concat(AufteilungsKonto, ',') FROM (SELECT "
                                 "AufteilungsKonto FROM AufteilungskontenBereich WHERE "
                                 "BereichID=? ORDER BY Reihenfolge)"),
                  {bereichId});
        a.naechste();
        return a.text(0);
    }
};

TEST_F(DatenpflegeTest, AufteilungskontenNachBereichsartOhneDoppelteBestueckung) {
    Datenbank& daten = dm.ADOConnection_Daten;
    daten.skript(QStringLiteral(
        "INSERT INTO Buchungsbereiche (BereichID, Bereichsart, Konto, Aktiviert, Aktiv) VALUES "
        "(1, 1, 1600, 1, 1), (2, 3, 0, 1, 1), (3, 4, 0, 1, 0), (4, 2, 1800, 1, 1), "
        "(5, 5, 0, 1, 1);"
        "INSERT INTO AufteilungskontenBereich VALUES (5, 6310, 1);"));

    AufteilungskontenBestuecken(dm, -1, 0);
    AufteilungskontenBestuecken(dm, -1, 77);
    EXPECT_EQ(splitkonten(1), QStringLiteral("4400,4300,4100"));
    EXPECT_EQ(splitkonten(2), QStringLiteral("5400,5300,5200"));
    EXPECT_EQ(splitkonten(3), QString()) << "inactive areas are seeded only one by one";
    EXPECT_EQ(splitkonten(4), QString()) << "banks have no default split accounts";
    EXPECT_EQ(splitkonten(5), QStringLiteral("6310")) << "existing split accounts stay";

    AufteilungskontenBestuecken(dm, 3, 77);
    EXPECT_EQ(splitkonten(3), QStringLiteral("4400,4300,4100"));
}

TEST_F(DatenpflegeTest, Korrektur1LaeuftEinmalJeArchivUndLaesstHerrenloseKontenOeffentlich) {
    UhrFestsetzen(QDateTime(QDate(2024, 5, 2), QTime(9, 30)));
    dm.ADOConnection_Archiv.skript(QStringLiteral(
        "INSERT INTO Kunden (Konto, Oeffentlich, AngelegtVonMNr) VALUES "
        "(29999, 1, '1000'), (30000, 1, '1000'), (69998, 1, '2000'), (69999, 1, '1000'), "
        "(40000, 1, NULL), (40001, 1, ' ')"));
    UpdateTransaktionenArchivStarten(dm, inst.mnr(), inst.benutzerId(), 0);

    Abfrage a(dm.ADOConnection_Archiv,
              QStringLiteral("SELECT group_concat(Konto || ':' || Oeffentlich, ' ') FROM "
                             "(SELECT Konto, Oeffentlich FROM Kunden ORDER BY Konto)"));
    a.naechste();
    EXPECT_EQ(a.text(0), QStringLiteral("29999:1 30000:0 40000:1 40001:1 69998:0 69999:1"));

    Abfrage r(dm.ADOConnection_Bereich,
              QStringLiteral("SELECT TransaktionsID, Bezeichnung, MNr, AktualisiertAm, "
                             "AktualisiertVon, Kontenplan FROM UpdateTransaktionen"));
    ASSERT_TRUE(r.naechste());
    EXPECT_EQ(r.ganzzahl(0), 1);
    EXPECT_EQ(r.text(1), QStringLiteral("bestimmten Kundenkonten filialübergreifend entziehen"));
    EXPECT_EQ(r.text(2), inst.mnr());
    EXPECT_EQ(r.text(3), QStringLiteral("2024-05-02 09:30:00"));
    EXPECT_EQ(r.ganzzahl(4), inst.benutzerId());
    EXPECT_EQ(r.ganzzahl(5), 77);
    EXPECT_FALSE(r.naechste());

    // Done for this archive: a public account added afterwards is left alone.
    dm.ADOConnection_Archiv.skript(QStringLiteral(
        "INSERT INTO Kunden (Konto, Oeffentlich, AngelegtVonMNr) VALUES (50000, 1, '1000')"));
    UpdateTransaktionenArchivStarten(dm, inst.mnr(), inst.benutzerId(), 77);
    EXPECT_EQ(dm.ADOConnection_Archiv.ganzzahlWert(
                  QStringLiteral("SELECT Oeffentlich FROM Kunden WHERE Konto=50000")),
              1);

    // Another chart's archive of the same Bereich still gets the correction.
    dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, inst.bereich(), 12), true, 12);
    dm.ADOConnection_Archiv.skript(QStringLiteral(
        "INSERT INTO Kunden (Konto, Oeffentlich, AngelegtVonMNr) VALUES (50000, 1, '1000')"));
    UpdateTransaktionenArchivStarten(dm, inst.mnr(), inst.benutzerId(), 12);
    EXPECT_EQ(dm.ADOConnection_Archiv.ganzzahlWert(
                  QStringLiteral("SELECT Oeffentlich FROM Kunden WHERE Konto=50000")),
              0);
    UhrFestsetzen(QDateTime());
}

} // namespace
