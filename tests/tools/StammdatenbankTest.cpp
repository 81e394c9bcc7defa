#include "Stammdatenbank.h"
#include "Datenbank.h"
#include "Einrichtungsfehler.h"
#include "TestInstallation.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The reference database this build delivers, made by the builder from the seed files. Each
// test reads its own copy: tests run in parallel processes, and the build's file stays as built.
class StammdatenbankTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    Datenbank db;
    void SetUp() override {
        const QString kopie = dir.datei(QStringLiteral("kmb_stamm.mdb"));
        ASSERT_TRUE(QFile::copy(
            QDir(TestInstallation::programmverzeichnis()).filePath(QStringLiteral("kmb_stamm.mdb")),
            kopie));
        db.oeffnen(kopie, false);
    }
    QString text(const QString& sql, std::initializer_list<Wert> werte) {
        Abfrage a(db, sql, werte);
        return a.naechste() ? a.text(0) : QStringLiteral("<keine Zeile>");
    }
};

TEST_F(StammdatenbankTest, KontenbereicheMitFestenRollen) {
    const struct {
        int id;
        const char* bereich;
    } faelle[] = {{100, "1-9999"},    {102, "1600-1699"}, {103, "1700-1899"},
                  {104, "2100-2299"}, {105, "6000-6199"}, {108, "6000-6999"},
                  {109, "1460-1460"}, {600, "6000-6999"}, {200, "10000-69999"}};
    for (const auto& f : faelle)
        EXPECT_EQ(text(QStringLiteral("SELECT KontoVon || '-' || KontoBis FROM Kontenbereiche "
                                      "WHERE Kontenplan=77 AND ID=?"),
                       {f.id}),
                  QString::fromLatin1(f.bereich))
            << f.id;
}

TEST_F(StammdatenbankTest, ErsatzkontenPassenZuBereichsartUndSteuerschluessel) {
    // Goods received accounts start with 5, revenue accounts with 4; each carries its key.
    const struct {
        int id;
        const char* ziffer;
        const char* steuer;
    } faelle[] = {{110, "5", "0"}, {111, "5", "8"}, {112, "5", "9"},
                  {113, "4", "0"}, {114, "4", "2"}, {115, "4", "3"}};
    for (const auto& f : faelle)
        EXPECT_EQ(text(QStringLiteral("SELECT substr(s.Kontonummer, 1, 1) || s.Steuerschluessel "
                                      "FROM Kontenbereiche b JOIN Sachkonten s ON "
                                      "s.Kontonummer=b.KontoVon AND s.Kontenplan=b.Kontenplan "
                                      "WHERE b.Kontenplan=77 AND b.ID=? AND b.KontoVon=b.KontoBis "
                                      "AND length(s.Kontonummer)=4"),
                       {f.id}),
                  QString::fromLatin1(f.ziffer) + QString::fromLatin1(f.steuer))
            << f.id;
}

TEST_F(StammdatenbankTest, SteuerschluesselJeStichtag) {
    const struct {
        const char* steuer;
        const char* datum;
        const char* bezeichnung;
    } faelle[] = {
        {"3", "2020-06-30", "Umsatzsteuer 19 %"}, {"3", "2020-07-01", "Umsatzsteuer 16 %"},
        {"2", "2020-12-31", "Umsatzsteuer 5 %"},  {"2", "2021-01-01", "Umsatzsteuer 7 %"},
        {"9", "2020-09-15", "Vorsteuer 16 %"},    {"8", "2024-03-01", "Vorsteuer 7 %"}};
    for (const auto& f : faelle) {
        const QString datum = QString::fromLatin1(f.datum);
        EXPECT_EQ(text(QStringLiteral("SELECT group_concat(Bezeichnung) FROM Steuerschluessel "
                                      "WHERE Kontenplan=77 AND Steuer=? AND GueltigVon<=? AND "
                                      "GueltigBis>=?"),
                       {QString::fromLatin1(f.steuer), datum, datum}),
                  QString::fromUtf8(f.bezeichnung))
            << f.steuer << " " << f.datum;
    }
    EXPECT_EQ(text(QStringLiteral("SELECT Steuerart FROM ZulaessigeSteuerschluessel WHERE "
                                  "Kontenplan=77 AND Steuerbereich1=? AND Steuerbereich2=?"),
                   {QStringLiteral("v"), QString()}),
              QStringLiteral("V"));
}

TEST_F(StammdatenbankTest, BankleitzahlGibtBicUndName) {
    EXPECT_EQ(text(QStringLiteral("SELECT BIC || ' ' || Bankname FROM Banken WHERE "
                                  "Bankleitzahl=?"),
                   {10070000}),
              QStringLiteral("DEUTDEBBXXX Deutsche Bank"));
    EXPECT_EQ(text(QStringLiteral("SELECT Bankname FROM Banken WHERE Bankleitzahl=?"), {10020500}),
              QStringLiteral("Bank für Sozialwirtschaft"));
    EXPECT_GT(db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Banken")).value_or(0), 3000);
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Niederlassungen"), {}),
              QStringLiteral("1"));
}

TEST(Bankdatei, EinEintragJeBankleitzahlMitErsterBic) {
    TestVerzeichnis dir;
    const QString datei =
        dir.schreiben(QStringLiteral("banks.data"), "# Kopf\n"
                                                    "bankId=\"10070000\"\n"
                                                    "bic=\"\"\n"
                                                    "bankName=\"Stra%C3%9Fen%20Bank\"\n"
                                                    "services {\n"
                                                    "  element {\n"
                                                    "    bankId=\"99999999\"\n"
                                                    "  }\n"
                                                    "}\n"
                                                    "\n"
                                                    "bankId=\"10070000\"\n"
                                                    "bic=\"DEUTDEBBXXX\"\n"
                                                    "bankName=\"Filiale\"\n"
                                                    "\n"
                                                    "bankId=\"20050550\"\n"
                                                    "bic=\"HASPDEHHXXX\"\n"
                                                    "bankName=\"Haspa\"\n");
    const auto banken = BankdateiLesen(datei);
    ASSERT_EQ(banken.size(), 2u);
    EXPECT_EQ(banken[0].bankleitzahl, 10070000);
    EXPECT_EQ(banken[0].bankname, QStringLiteral("Straßen Bank"));
    EXPECT_EQ(banken[0].bic, QStringLiteral("DEUTDEBBXXX"));
    EXPECT_EQ(banken[1].bankname, QStringLiteral("Haspa"));
}

TEST(Stammdatenbank, FehlerhafteSeedDateiNenntDateiUndZeileUndHinterlaesstNichts) {
    TestVerzeichnis dir;
    dir.schreiben(QStringLiteral("seed/kmb_stamm.mdbdf"), "[Banken]\nBankleitzahl=$4;4;1\n"
                                                          "[Kontenbereiche]\nID=4;4;1\n");
    const QString seed =
        dir.schreiben(QStringLiteral("seed/stamm/Kontenbereiche.csv"), "ID\n100\nabc\n");
    const QString banken = dir.schreiben(QStringLiteral("banks.data"), "");
    const QString ziel = dir.datei(QStringLiteral("kmb_stamm.mdb"));
    try {
        StammdatenbankErstellen(ziel, dir.datei(QStringLiteral("seed")), banken);
        ADD_FAILURE() << "kein Fehler";
    } catch (const Einrichtungsfehler& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Seed-Datei \"%1\", Zeile 3: \"abc\" passt nicht zum "
                                           "Feld ID.")
                                .arg(seed));
    }
    EXPECT_FALSE(QFileInfo::exists(ziel));
    EXPECT_FALSE(QFileInfo::exists(ziel + QStringLiteral(".neu")));
}

} // namespace
