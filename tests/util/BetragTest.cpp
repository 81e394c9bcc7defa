#include "Betrag.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>
#include <limits>

void PrintTo(const Betrag& betrag, std::ostream* aus) {
    *aus << BetragText(betrag).toStdString();
}

namespace {

constexpr qint64 kleinster = std::numeric_limits<qint64>::min();
constexpr qint64 groesster = std::numeric_limits<qint64>::max();

Betrag Cent(qint64 cent) {
    return Betrag::ausCent(cent);
}

} // namespace

TEST(BetragTest, RechnenUndVergleichen) {
    Betrag summe = Cent(1050);
    summe += Cent(-250);
    EXPECT_EQ(summe, Cent(800));
    summe -= Cent(1000);
    EXPECT_EQ(summe, Cent(-200));
    EXPECT_EQ(Cent(300) + Cent(45), Cent(345));
    EXPECT_EQ(Cent(300) - Cent(345), Cent(-45));
    EXPECT_EQ(-Cent(7), Cent(-7));
    EXPECT_LT(Cent(-1), Cent(0));
    EXPECT_GT(Cent(100), Cent(99));
    EXPECT_TRUE(Betrag().istNull());
    EXPECT_FALSE(Cent(-1).istNull());
}

TEST(BetragTest, UngefaehrGleichBisEinCent) {
    const struct {
        qint64 a, b;
        bool gleich;
    } faelle[] = {
        {100, 100, true},
        {100, 101, true},
        {100, 99, true},
        {100, 102, false},
        {-1, 1, false},
        {-1, 0, true},
        {kleinster, groesster, false},
        {groesster, groesster - 1, true},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Cent(f.a).ungefaehrGleich(Cent(f.b)), f.gleich) << f.a << " ~ " << f.b;
        EXPECT_EQ(Cent(f.b).ungefaehrGleich(Cent(f.a)), f.gleich) << f.b << " ~ " << f.a;
    }
}

TEST(BetragTest, TextDeutsch) {
    const struct {
        qint64 cent;
        QString text;
    } faelle[] = {
        {0, "0,00"},
        {5, "0,05"},
        {-50, "-0,50"},
        {99999, "999,99"},
        {123456, "1.234,56"},
        {100000000, "1.000.000,00"},
        {-123456789, "-1.234.567,89"},
        {kleinster, "-92.233.720.368.547.758,08"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BetragText(Cent(f.cent)), f.text) << f.cent;
}

TEST(BetragTest, AusTextGueltig) {
    const struct {
        QString text;
        qint64 cent;
    } faelle[] = {
        {"500", 500},
        {"500,5", 50050},
        {"500,50", 50050},
        {"500,05", 50005},
        {"1.234,56", 123456},
        {"12.345.678,90", 1234567890},
        {"-1.234,5", -123450},
        {"  7,00 ", 700},
        {",5", 50},
        {"5,", 500},
        {"0", 0},
        {"-0,01", -1},
        {"92233720368547758,07", groesster},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BetragAusText(f.text), Cent(f.cent)) << f.text.toStdString();
}

TEST(BetragTest, AusTextUngueltig) {
    const QString faelle[] = {
        "",
        " ",
        "-",
        ",",
        "1,234",
        "abc",
        "5€",
        "1,2,3",
        "1.23,45",
        "1234.567,00",
        ".123,00",
        "1.500",
        "--5",
        "+5",
        "5-",
        "- 5",
        "1 000,00",
        "5,-",
        "99999999999999999999",
        "92233720368547758,08",
    };
    for (const auto& text : faelle)
        EXPECT_FALSE(BetragAusText(text).has_value()) << text.toStdString();
}

TEST(BetragTest, TextUndZurueck) {
    for (qint64 cent : {qint64(0), qint64(1), qint64(-99), qint64(100000), qint64(-123456789012)})
        EXPECT_EQ(BetragAusText(BetragText(Cent(cent))), Cent(cent)) << cent;
}

TEST(BetragTest, RundenHalbeZurGeradenZahl) {
    const struct {
        double euro;
        qint64 cent;
    } faelle[] = {
        {0.125, 12},   {0.135, 14},
        {0.126, 13},   {0.124, 12},
        {2.675, 268},  {2.665, 266},
        {1.005, 100},  {1.015, 102},
        {-0.125, -12}, {-0.135, -14},
        {0.0, 0},      {10.0 / 3, 333},
        {2.0 / 3, 67}, {1234567.885, 123456788},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(RundenAufCent(f.euro), Cent(f.cent)) << f.euro;
}

TEST(BetragTest, AnteilRundetHalbeZurGeradenZahl) {
    const struct {
        qint64 cent;
        double faktor;
        qint64 ergebnis;
    } faelle[] = {
        {125, 0.5, 62},     {135, 0.5, 68},    {-125, 0.5, -62},
        {250, 0.19, 48},    {350, 0.19, 66},   {10000, 0.19, 1900},
        {100, 1.0 / 3, 33}, {1999, 0.07, 140}, {123456789, 0.16, 19753086},
        {7, 0.0, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Anteil(Cent(f.cent), f.faktor), Cent(f.ergebnis)) << f.cent << " * " << f.faktor;
}
