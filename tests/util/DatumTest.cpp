#include "Datum.h"
#include "QtAusgabe.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(DatumTest, TageImMonat) {
    const struct {
        int monat, jahr, tage;
    } faelle[] = {
        {0, 2024, 0},  {13, 2024, 0}, {-1, 2024, 0},  {1, 2023, 31},  {2, 2023, 28}, {2, 2024, 29},
        {2, 1900, 28}, {2, 2000, 29}, {3, 2023, 31},  {4, 2023, 30},  {6, 2023, 30}, {7, 2023, 31},
        {8, 2023, 31}, {9, 2023, 30}, {11, 2023, 30}, {12, 2023, 31},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TageImMonat(f.monat, f.jahr), f.tage) << f.monat << "/" << f.jahr;
}

TEST(DatumTest, MonateAddierenBleibtImZielmonat) {
    const struct {
        QDate von;
        int anzahl;
        QDate nach;
    } faelle[] = {
        {{2023, 1, 31}, 1, {2023, 2, 28}},    {{2024, 1, 31}, 1, {2024, 2, 29}},
        {{2024, 3, 31}, -1, {2024, 2, 29}},   {{2024, 3, 15}, -3, {2023, 12, 15}},
        {{2024, 11, 30}, 3, {2025, 2, 28}},   {{2024, 8, 31}, 1, {2024, 9, 30}},
        {{2024, 12, 31}, 12, {2025, 12, 31}}, {{2024, 5, 31}, 0, {2024, 5, 31}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(MonateAddieren(f.von, f.anzahl), f.nach) << f.anzahl;
}

TEST(DatumTest, DatumAusTextGueltig) {
    const struct {
        QString text;
        int standardMonat, standardJahr;
        QDate datum;
    } faelle[] = {
        {"5", 3, 2024, {2024, 3, 5}},          {"5.7", 3, 2024, {2024, 7, 5}},
        {"5,7,2025", 3, 2024, {2025, 7, 5}},   {"05.07.2025", 3, 2024, {2025, 7, 5}},
        {"5.7.", 3, 2024, {2024, 7, 5}},       {"5..2025", 3, 2024, {2025, 3, 5}},
        {"29.2.2024", 3, 2023, {2024, 2, 29}}, {"29.2", 1, 2024, {2024, 2, 29}},
        {" 1.1.99 ", 3, 2024, {2099, 1, 1}},   {"1.1.5", 3, 2024, {2005, 1, 1}},
        {"31,12,00", 3, 2024, {2000, 12, 31}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DatumAusText(f.text, f.standardMonat, f.standardJahr), f.datum)
            << f.text.toStdString();
}

TEST(DatumTest, DatumAusTextUngueltig) {
    const struct {
        QString text;
        int standardMonat;
    } faelle[] = {
        {"", 3},          {"x", 3},         {"5a", 3},        {"32.1.2024", 3},  {"29.2.2023", 3},
        {"0.1.2024", 3},  {"1.13.2024", 3}, {"1.0.2024", 3},  {"1.1.2024.5", 3}, {"1.1.123", 3},
        {"1.1.20245", 3}, {"-1.1.2024", 3}, {"1 .1.2024", 3}, {"123.1.2024", 3}, {"1/1/2024", 3},
        {".3.2024", 3},   {"31", 4},        {"5", 0},         {"5", 13},
    };
    for (const auto& f : faelle)
        EXPECT_FALSE(DatumAusText(f.text, f.standardMonat, 2024).has_value())
            << f.text.toStdString() << " im Monat " << f.standardMonat;
}

TEST(DatumTest, WochentageAbSonntag) {
    const QString kurz[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    const QString lang[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                            "Donnerstag", "Freitag", "Samstag"};
    const QDate sonntag(2024, 3, 3);
    for (int i = 0; i < 7; ++i) {
        const QDate tag = sonntag.addDays(i);
        EXPECT_EQ(WochentagNummer(tag), i + 1);
        EXPECT_EQ(WochentagKurz(tag), kurz[i]);
        EXPECT_EQ(WochentagLang(tag), lang[i]);
    }
    EXPECT_EQ(WochentagNummer(QDate()), 0);
    EXPECT_EQ(WochentagKurz(QDate()), "");
    EXPECT_EQ(WochentagLang(QDate()), "");
}

TEST(DatumTest, DatumTextUnabhaengigVomGebietsschema) {
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(DatumText(QDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(DatumText(QDate(999, 12, 31)), "31.12.0999");
    EXPECT_EQ(DatumText(QDate()), "");
    QLocale::setDefault(QLocale::c());
}
