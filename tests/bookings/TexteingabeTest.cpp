#include "Belegmaske.h"
#include "Betrag.h"
#include "Datum.h"
#include "Platzhalter.h"

#include "FakeRueckfragen.h"
#include "Uhr.h"

#include <gtest/gtest.h>

namespace {

TEST(Texteingabe, BetragAusText) {
    const struct {
        const char* text;
        std::optional<qint64> cent;
    } faelle[] = {{"500", 500},         {"500,5", 50050},         {"500,00", 50000},
                  {"1.234,56", 123456}, {"12,345", std::nullopt}, {"abc", std::nullopt},
                  {"", std::nullopt}};
    for (const auto& f : faelle) {
        const auto b = BetragAusText(QString::fromUtf8(f.text));
        ASSERT_EQ(b.has_value(), f.cent.has_value()) << f.text;
        if (b) {
            EXPECT_EQ(b->cent(), *f.cent) << f.text;
        }
    }
}

TEST(Texteingabe, DatumAusTextImArbeitsmonatMaerz2024) {
    const struct {
        const char* text;
        QDate datum;
    } faelle[] = {
        {"5", QDate(2024, 3, 5)},      {"5,4", QDate(2024, 4, 5)}, {"29.2", QDate(2024, 2, 29)},
        {"5.3.24", QDate(2024, 3, 5)}, {"31.4", QDate()},          {"x", QDate()}};
    for (const auto& f : faelle)
        EXPECT_EQ(DatumAusText(QString::fromUtf8(f.text), 3, 2024).value_or(QDate()), f.datum)
            << f.text;
    EXPECT_FALSE(DatumAusText(QStringLiteral("29.2"), 3, 2023));
}

// Literal M, A and B letters of a mask are replaced too: stored prefixes depend on it.
TEST(Texteingabe, BelegmaskeGoldeneFaelle) {
    const struct {
        const char* maske;
        int auszug, blatt, beginn;
        const char* praefix;
    } faelle[] = {{"ww_mm_", 0, 0, 7, "23_03_"},         {"ww_mm_", 0, 0, 1, "24_03_"},
                  {"wwww/mm-", 0, 0, 7, "2023/03-"},     {"jj_aa/bb_", 0, 0, 7, "24_aa/bb_"},
                  {"jj_aa/bb_", 5, 2, 7, "24_05/02_"},   {"M-", 0, 0, 7, "3-"},
                  {"Sammel_mm_", 0, 0, 7, "Sa03el_03_"}, {"Kasse_mm_", 7, 0, 7, "K7sse_03_"}};
    for (const auto& f : faelle)
        EXPECT_EQ(
            BelegMaskeAufloesen(2024, 3, f.auszug, f.blatt, QString::fromUtf8(f.maske), f.beginn),
            QString::fromUtf8(f.praefix))
            << f.maske;
    EXPECT_EQ(Wirtschaftsjahr(3, 2024, 7), 2023);
    EXPECT_EQ(Wirtschaftsjahr(7, 2024, 7), 2024);
}

TEST(Texteingabe, Platzhalter) {
    FakeRueckfragen fragen;
    UhrFestsetzen(QDateTime(QDate(2026, 5, 4), QTime(9, 7)));
    const struct {
        const char* text;
        QDate beleg;
        const char* ergebnis;
    } faelle[] = {
        {"Miete %Monat2%/%Jahr4%", QDate(2025, 1, 15), "Miete 01/2025"},
        {"%VMonat2%/%Jahr4%", QDate(2025, 1, 15), "12/2025"},
        {"%FMonat1% %FMonat2%", QDate(2024, 12, 3), "1 01"},
        {"%lQ% %dQ% %nQ%", QDate(2024, 2, 1), "4 1 2"},
        {"%nQ% %Jahr2%", QDate(2025, 11, 1), "1 25"},
        {"%monat2% %DATUM%", QDate(2024, 3, 9), "03 09.03.2024"},
        {"%Datum% %BDatum% %BZeit% %BMonat2% %BJahr2%", QDate(), "%Datum% 04.05.2026 09:07 05 26"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(
            BuchungstextMitPlatzhaltern(QString::fromUtf8(f.text),
                                        f.beleg.isValid() ? std::optional(f.beleg) : std::nullopt),
            QString::fromUtf8(f.ergebnis))
            << f.text;
    UhrFestsetzen(QDateTime());
}

// Typed "%%" stays as typed: one pass, no loop.
TEST(Texteingabe, ManuelleEingabeFragtJeVorkommenEinmal) {
    FakeRueckfragen fragen;
    fragen.eingaben = {QStringLiteral("%%x"), std::nullopt};
    bool eingegeben = false;
    EXPECT_EQ(BuchungstextMitPlatzhaltern(QStringLiteral("A %% B %% C"), std::nullopt, &eingegeben),
              QStringLiteral("A %%x B  C"));
    EXPECT_TRUE(eingegeben);
    ASSERT_EQ(fragen.meldungen.size(), 2u);
    EXPECT_EQ(fragen.meldungen[0].text, QStringLiteral("Erfassungstext: A %% B %% C"));
    EXPECT_EQ(fragen.meldungen[1].text, QStringLiteral("Erfassungstext: A %%x B %% C"));
}

} // namespace
