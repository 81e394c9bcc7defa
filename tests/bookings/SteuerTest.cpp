#include "Steuer.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "Buchungsumgebung.h"

namespace {

class Steuer : public Buchungsumgebung {
protected:
    QStringList schluessel(int art, qint64 konto, qint64 gkonto) {
        QStringList l;
        for (const auto& [s, text] :
             SteuerschluesselErmitteln(dm, art, konto, gkonto, QString(), QDate(2024, 3, 31)).Liste)
            l << s;
        return l;
    }
};

TEST_F(Steuer, AngeboteneSchluesselJeKontenpaar) {
    archiv().ausfuehren(QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer, "
                                       "Steuerbereich) VALUES (5300, 'W7', '8', 'v'), (1000, "
                                       "'frei', '0', 'S')"));
    EXPECT_EQ(schluessel(4, 0, 4400), QStringList({"2", "3"}));
    EXPECT_EQ(schluessel(3, 5400, 0), QStringList({"8", "9"}));
    EXPECT_EQ(schluessel(4, 0, 0), QStringList({"0", "2", "3", "8", "9"}));
    EXPECT_EQ(schluessel(1, 0, 6300), QStringList({"0", "2", "3", "8", "9", "92", "93"}));
    EXPECT_EQ(schluessel(3, 5400, 90001), QStringList({"9"}));
    const tSteuerErmittlung ungueltig =
        SteuerschluesselErmitteln(dm, 3, 5400, 5300, QStringLiteral("9"), QDate(2024, 3, 31));
    EXPECT_FALSE(ungueltig.ZuordnungGueltig);
    EXPECT_EQ(ungueltig.Vorschlag, QStringLiteral("0"));
    EXPECT_TRUE(SteuerZulaessig(dm, 5400, 90001, QStringLiteral("9"), QDate(2024, 3, 31)));
    EXPECT_FALSE(SteuerZulaessig(dm, 5400, 90001, QStringLiteral("3"), QDate(2024, 3, 31)));
    EXPECT_FALSE(SteuerZulaessig(dm, 5400, 90001, QStringLiteral("x"), QDate(2024, 3, 31)));
    EXPECT_EQ(schluessel(1, 1000, 6300), QStringList({"0", "2", "3", "8", "9", "92", "93"}));
    EXPECT_EQ(SteuerBezeichnung(dm, QStringLiteral("x"), QDate(2024, 3, 1)),
              QStringLiteral("ohne Steuer"));
    EXPECT_EQ(SteuerBezeichnung(dm, QStringLiteral("3"), QDate(2020, 8, 1)),
              QStringLiteral("Umsatzsteuer 16 %"));
}

TEST_F(Steuer, GespeicherteBuchungPruefenUndRelevanteAenderung) {
    tMaskenZustand m = maske(1, "5", 1600, 6300, "10,00", "E", "4");
    m.BuchungsBemerkung = QStringLiteral("alt");
    tBuchung b;
    ASSERT_TRUE(BuchungPruefenMaske(dm, m, b));
    ASSERT_TRUE(AktuelleBuchungSpeichern(dm, b, m));
    const qint64 id = b.BuchungsID;
    tBuchung geladen;
    EXPECT_TRUE(BuchungPruefenBuchungsID(dm, QStringLiteral("Erfassungen"), id, geladen, m));
    EXPECT_EQ(geladen.BelegMaske + geladen.Belegnummer, QStringLiteral("23_03_4"));
    EXPECT_EQ(geladen.BuchungsListe.front().Betrag.cent(), 1000);
    EXPECT_FALSE(AenderungSteuerRelevantPruefen(daten(), b, QStringLiteral("Erfassungen"), id));
    b.BuchungsListe.front().Bemerkung = QStringLiteral("neu");
    EXPECT_TRUE(AenderungSteuerRelevantPruefen(daten(), b, QStringLiteral("Erfassungen"), id));
    EXPECT_FALSE(AenderungSteuerRelevantPruefen(daten(), b, QStringLiteral("Erfassungen"), -1));
}

} // namespace
