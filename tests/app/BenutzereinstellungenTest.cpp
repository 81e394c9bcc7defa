#include "Benutzereinstellungen.h"
#include "Datenbank.h"
#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class BenutzereinstellungenTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    Datenbank bereich;

    void SetUp() override {
        bereich.oeffnen(dir.datei(QStringLiteral("bereich.mdb")));
        bereich.skript(QStringLiteral(
            "CREATE TABLE Benutzer (ID INTEGER PRIMARY KEY, LetzteVersion TEXT, "
            "GridViewErfassungen BLOB);"
            "CREATE TABLE Benutzereinstellungen (ID INTEGER, MNr TEXT, EID1 INTEGER, "
            "EID2 INTEGER, anzeigen INTEGER, Hoehe INTEGER, Breite INTEGER);"
            "INSERT INTO Benutzer (ID, LetzteVersion) VALUES (1, NULL), (2, '1.0.0');"));
    }

    void zeile(qint64 id, const Wert& mnr, int eid1, int breite) {
        bereich.ausfuehren(QStringLiteral("INSERT INTO Benutzereinstellungen (ID, MNr, EID1, EID2, "
                                          "anzeigen, Hoehe, Breite) VALUES (?, ?, ?, 0, 1, 0, ?)"),
                           {id, mnr, eid1, breite});
    }

    QStringList bestand() {
        QStringList zeilen;
        Abfrage a(bereich, QStringLiteral("SELECT ID, COALESCE(MNr, 'NULL'), EID1, Breite FROM "
                                          "Benutzereinstellungen ORDER BY ID, MNr, EID1"));
        while (a.naechste())
            zeilen << QStringLiteral("%1/%2/%3/%4").arg(a.text(0), a.text(1), a.text(2), a.text(3));
        zeilen.sort();
        return zeilen;
    }
};

TEST_F(BenutzereinstellungenTest, GemeinsameZeilenBleibenBeimSpeichernGemeinsam) {
    zeile(1, std::nullopt, 10, 100);
    zeile(1, QStringLiteral("1000"), 11, 110);
    zeile(1, QStringLiteral("2000"), 12, 120);
    zeile(2, QStringLiteral("1000"), 13, 130);

    auto liste = BenutzereinstellungenLaden(bereich, 1, QStringLiteral("1000"));
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_FALSE(liste[0].MNr.has_value());
    EXPECT_EQ(liste[1].MNr, QStringLiteral("1000"));
    for (auto& e : liste)
        e.Breite += 1;
    liste.push_back({.EID1 = 14, .Breite = 140, .MNr = QStringLiteral("1000")});
    BenutzereinstellungenSpeichern(bereich, 1, QStringLiteral("1000"), liste);

    EXPECT_EQ(bestand(),
              (QStringList{QStringLiteral("1/1000/11/111"), QStringLiteral("1/1000/14/140"),
                           QStringLiteral("1/2000/12/120"), QStringLiteral("1/NULL/10/101"),
                           QStringLiteral("2/1000/13/130")}));
    // The other business still sees the shared row after the first one saved.
    const auto andere = BenutzereinstellungenLaden(bereich, 1, QStringLiteral("2000"));
    std::vector<int> eids;
    for (const auto& e : andere)
        eids.push_back(e.EID1);
    std::sort(eids.begin(), eids.end());
    EXPECT_EQ(eids, (std::vector<int>{10, 12}));
}

TEST_F(BenutzereinstellungenTest, UnlesbareZeilenWerdenUebergangenUndNichtGeloescht) {
    zeile(1, QStringLiteral("1000"), 11, 110);
    bereich.ausfuehren(QStringLiteral("INSERT INTO Benutzereinstellungen (ID, MNr, EID1, EID2) "
                                      "VALUES (1, '1000', 'kaputt', 0)"));
    const auto liste = BenutzereinstellungenLaden(bereich, 1, QStringLiteral("1000"));
    ASSERT_EQ(liste.size(), 1u);
    BenutzereinstellungenSpeichern(bereich, 1, QStringLiteral("1000"), liste);
    EXPECT_EQ(AnzahlDatensaetze(bereich, QStringLiteral("SELECT * FROM Benutzereinstellungen")), 2);
}

TEST_F(BenutzereinstellungenTest, GridLayoutWirdJeBenutzerGespeichert) {
    EXPECT_TRUE(GridEinstellungenLesen(bereich, 1).isEmpty());
    GridEinstellungenSchreiben(bereich, 1, QByteArray("\x01\x00layout", 8));
    EXPECT_EQ(GridEinstellungenLesen(bereich, 1), QByteArray("\x01\x00layout", 8));
    EXPECT_TRUE(GridEinstellungenLesen(bereich, 2).isEmpty());
    EXPECT_TRUE(GridEinstellungenLesen(bereich, 99).isEmpty());
}

TEST_F(BenutzereinstellungenTest, LetzteVersion) {
    struct Fall {
        qint64 id;
        const char* version;
        bool hinweis;
    };
    const Fall faelle[] = {
        {1, "1.0.1", false},  // first login: stored silently
        {1, "1.0.1", false},  // same version
        {2, "1.0.1", true},   // another version before
        {99, "1.0.1", false}, // no such user
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(LetzteVersionAbgleichen(bereich, f.id, QString::fromLatin1(f.version)), f.hinweis)
            << f.id;
    }
    EXPECT_EQ(AnzahlDatensaetze(bereich, QStringLiteral("SELECT * FROM Benutzer WHERE "
                                                        "LetzteVersion='1.0.1'")),
              2);
}

} // namespace
