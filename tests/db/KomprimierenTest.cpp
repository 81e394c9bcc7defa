#include "Komprimieren.h"
#include "Datenbank.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class KomprimierenTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    QString datei = dir.datei(QStringLiteral("daten.mdb"));

    void SetUp() override {
        Datenbank db;
        db.oeffnen(datei);
        db.skript(QStringLiteral("CREATE TABLE t (ID INTEGER PRIMARY KEY, Text TEXT)"));
        Transaktion t(db);
        for (int i = 0; i < 2000; ++i)
            db.ausfuehren(QStringLiteral("INSERT INTO t (Text) VALUES (?)"),
                          {QString(200, QChar(u'a' + i % 26))});
        t.bestaetigen();
        db.ausfuehren(QStringLiteral("DELETE FROM t WHERE ID % 2 = 0"));
    }

    qint64 zeilen() {
        Datenbank db;
        db.oeffnen(datei, false);
        return *db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM t"));
    }
};

TEST_F(KomprimierenTest, BehaeltJedeZeileUndWirdKleiner) {
    const qint64 vorher = QFileInfo(datei).size();
    ASSERT_TRUE(DatenbankKomprimieren(datei));
    EXPECT_EQ(zeilen(), 1000);
    EXPECT_LT(QFileInfo(datei).size(), vorher);
    EXPECT_FALSE(QFile::exists(datei + u'x'));
}

TEST_F(KomprimierenTest, UebriggebliebeneZieldateiStoertNicht) {
    QFile rest(datei + u'x');
    ASSERT_TRUE(rest.open(QIODevice::WriteOnly));
    rest.write("Reste eines abgebrochenen Laufs");
    rest.close();
    EXPECT_TRUE(DatenbankKomprimieren(datei));
    EXPECT_EQ(zeilen(), 1000);
    EXPECT_FALSE(QFile::exists(datei + u'x'));
}

TEST_F(KomprimierenTest, ScheiternLaesstDasOriginalUnberuehrt) {
    const auto inhalt = [&] {
        QFile f(datei);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    {
        // Another workstation still has the file open.
        Datenbank andere;
        andere.oeffnen(datei, false);
        andere.ganzzahlWert(QStringLiteral("SELECT count(*) FROM t"));
        const QByteArray vorher = inhalt();
        EXPECT_FALSE(DatenbankKomprimieren(datei));
        EXPECT_EQ(inhalt(), vorher);
        EXPECT_EQ(*andere.ganzzahlWert(QStringLiteral("SELECT count(*) FROM t")), 1000);
    }
    // The target cannot be written: a folder stands in its place.
    ASSERT_TRUE(QDir().mkdir(datei + u'x'));
    EXPECT_FALSE(DatenbankKomprimieren(datei));
    EXPECT_EQ(zeilen(), 1000);
}

TEST_F(KomprimierenTest, ZuEinemZielErsetztDieQuelle) {
    const QString ziel = dir.datei(QStringLiteral("kopie.tmp"));
    ASSERT_TRUE(DaoDatenbankKomprimieren(datei, ziel));
    EXPECT_EQ(zeilen(), 1000);
    EXPECT_FALSE(QFile::exists(ziel));
    EXPECT_FALSE(DaoDatenbankKomprimieren(dir.datei(QStringLiteral("fehlt.mdb")), ziel));
}

TEST(Dateigroesse, InKilobyteMitZweiNachkommastellen) {
    TestVerzeichnis dir;
    const QString datei = dir.schreiben(QStringLiteral("f"), QByteArray(1536000, '\0'));
    EXPECT_EQ(DateigroesseText(datei), QStringLiteral("1.500,00 kb"));
}

} // namespace
