#include "Datenbank.h"
#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

namespace {

class DatenbankTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    Datenbank db;
    void SetUp() override {
        db.oeffnen(dir.datei(QStringLiteral("t.mdb")));
        db.skript(QStringLiteral("CREATE TABLE t (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT "
                                 "COLLATE DEUTSCH, Betrag INTEGER, Flag INTEGER, Datum TEXT, "
                                 "Zahl REAL)"));
    }
};

TEST_F(DatenbankTest, WerteGehenGebundenHineinUndKommenTypgerechtHeraus) {
    // A value that would break or rewrite concatenated SQL must arrive as it was typed.
    const QString boese = QStringLiteral("x'); DROP TABLE t; --\"");
    db.ausfuehren(
        QStringLiteral("INSERT INTO t (Name, Betrag, Flag, Datum, Zahl) VALUES (?,?,?,?,?)"),
        {boese, Betrag::ausCent(123456), true, QDate(2021, 3, 5), 0.5});
    Abfrage a(db, QStringLiteral("SELECT * FROM t"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text("Name"), boese);
    EXPECT_EQ(a.betrag("Betrag").cent(), 123456);
    EXPECT_TRUE(a.wahr("Flag"));
    EXPECT_EQ(a.datum("Datum"), QDate(2021, 3, 5));
    EXPECT_DOUBLE_EQ(a.zahl("Zahl"), 0.5);
    EXPECT_FALSE(a.naechste());
}

TEST_F(DatenbankTest, NullLiefertLeerNullOderDenStandard) {
    db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES (NULL)"));
    db.ausfuehren(QStringLiteral("INSERT INTO t (Name, Betrag, Flag) VALUES ('a', 'kaputt', -1)"));
    Abfrage a(db, QStringLiteral("SELECT Name, Betrag, Flag, Datum, Zahl FROM t ORDER BY ID"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), QString());
    EXPECT_EQ(a.ganzzahl(1, 7), 7);
    EXPECT_TRUE(a.wahr(2, true));
    EXPECT_FALSE(a.wahr(2, false));
    EXPECT_FALSE(a.datum(3).isValid());
    EXPECT_EQ(a.zahl(4), 0.0);
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.ganzzahl(1, 7), 7) << "unreadable text gives the default";
    EXPECT_TRUE(a.wahr(2)) << "-1 from older files still means true";
}

TEST_F(DatenbankTest, VergleichOhneGrossKleinSchreibungAuchBeiUmlauten) {
    db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES (?)"), {QStringLiteral("Müller")});
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT * FROM t WHERE Name=?"),
                                {QStringLiteral("MÜLLER")}),
              1);
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT * FROM t WHERE GROSS(Name)=GROSS(?)"),
                                {QStringLiteral("müller")}),
              1);
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT * FROM t WHERE 1=0")), 0);
}

TEST_F(DatenbankTest, TransaktionOhneBestaetigungHinterlaesstNichts) {
    try {
        Transaktion t(db);
        db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES ('eins')"));
        {
            Transaktion innen(db);
            db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES ('zwei')"));
            innen.bestaetigen();
        }
        db.ausfuehren(QStringLiteral("INSERT INTO gibtsnicht VALUES (1)"));
        t.bestaetigen();
    } catch (const DatenbankFehler& f) {
        EXPECT_TRUE(f.text().contains(QStringLiteral("gibtsnicht")));
    }
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT * FROM t")), 0);

    {
        Transaktion t(db);
        db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES ('drei')"));
        {
            Transaktion innen(db);
            db.ausfuehren(QStringLiteral("INSERT INTO t (Name) VALUES ('verworfen')"));
        }
        t.bestaetigen();
    }
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT * FROM t")), 1);
}

TEST_F(DatenbankTest, AngehaengteDateiIstUeberIhrenNamenErreichbar) {
    Datenbank zweite;
    const QString datei = dir.datei(QStringLiteral("zweite.mdb"));
    zweite.oeffnen(datei);
    zweite.skript(QStringLiteral("CREATE TABLE z (a INTEGER); INSERT INTO z VALUES (42);"));
    zweite.schliessen();
    db.anhaengen(datei, QStringLiteral("zw"));
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT a FROM zw.z")), 42);
    db.abhaengen(QStringLiteral("zw"));
}

TEST(DatenbankOeffnen, KeineDatenbankNenntDieDatei) {
    TestVerzeichnis dir;
    const QString datei = dir.schreiben(QStringLiteral("kaputt.mdb"), QByteArray(4096, 'x'));
    Datenbank db;
    try {
        db.oeffnen(datei);
        FAIL() << "no error";
    } catch (const DatenbankFehler& f) {
        EXPECT_TRUE(f.text().contains(datei)) << f.text().toStdString();
        EXPECT_TRUE(f.text().contains(QStringLiteral("keine gültige Datenbank")));
    }
    EXPECT_FALSE(db.offen());
}

TEST(DatenbankOeffnen, FehlendeDateiOhneAnlegenIstEinFehler) {
    TestVerzeichnis dir;
    Datenbank db;
    EXPECT_THROW(db.oeffnen(dir.datei(QStringLiteral("fehlt.mdb")), false), DatenbankFehler);
    EXPECT_FALSE(QFile::exists(dir.datei(QStringLiteral("fehlt.mdb"))));
}

} // namespace
