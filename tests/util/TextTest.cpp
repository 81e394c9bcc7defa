#include "Text.h"
#include "QtAusgabe.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(TextTest, GrossSchreibenNurAzUndUmlaute) {
    const struct {
        QString ein, aus;
    } faelle[] = {
        {"abc xyz", "ABC XYZ"}, {"äöü", "ÄÖÜ"},       {"straße", "STRAßE"},
        {"éçñ", "éçñ"},         {"ÄB1 !?", "ÄB1 !?"}, {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(GrossSchreiben(f.ein), f.aus) << f.ein.toStdString();
}

TEST(TextTest, TexteGleichWieGrossSchreiben) {
    const struct {
        QString a, b;
        bool gleich;
    } faelle[] = {
        {"Müller", "MÜLLER", true},
        {"straße", "STRASSE", false},
        {"é", "É", false},
        {"abc", "abd", false},
        {"", "", true},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TexteGleich(f.a, f.b), f.gleich)
            << f.a.toStdString() << " / " << f.b.toStdString();
}

TEST(TextTest, TrimmenVierArten) {
    const QString text = "  a b  ";
    const QString erwartet[] = {text, "a b  ", "  a b", "a b", "ab"};
    for (int modus = 0; modus <= 4; ++modus)
        EXPECT_EQ(Trimmen(text, modus), erwartet[modus]) << "Modus " << modus;
    EXPECT_EQ(Trimmen("\t a \t", 4), "\ta\t") << "nur Leerzeichen sind Leerstellen";
    EXPECT_EQ(Trimmen("   ", 3), "");
}

TEST(TextTest, FelderMitAnfuehrungszeichen) {
    const struct {
        QString zeile;
        QChar trenner;
        QStringList felder;
    } faelle[] = {
        {"", u';', {}},
        {"a", u';', {"a"}},
        {";", u';', {"", ""}},
        {"a;b;c", u';', {"a", "b", "c"}},
        {"\"x;y\";z", u';', {"x;y", "z"}},
        {" \"a\" ; b ", u';', {"a", "b"}},
        {"\"a\"\"b\";c", u';', {"a\"\"b", "c"}},
        {"\"offen;x", u';', {"offen;x"}},
        {"1\t\"2\t3\"", u'\t', {"1", "2\t3"}},
        {"\"a\",\"b\"\r", u',', {"a", "b"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile.toStdString());
        ASSERT_EQ(FeldAnzahl(f.zeile, f.trenner), f.felder.size());
        for (int n = 1; n <= f.felder.size(); ++n)
            EXPECT_EQ(FeldLesen(f.zeile, f.trenner, n), f.felder[n - 1]) << "Feld " << n;
        EXPECT_EQ(FeldLesen(f.zeile, f.trenner, f.felder.size() + 1), "");
        EXPECT_EQ(FeldLesen(f.zeile, f.trenner, 0), "");
    }
}

TEST(TextTest, ErsetzenOhneGrossKlein) {
    const struct {
        QString text, alt, neu, aus;
    } faelle[] = {
        {"Hallo Welt", "WELT", "Erde", "Hallo Erde"},
        {"aAa", "a", "b", "bbb"},
        {"Öl und öl", "öL", "Wasser", "Wasser und Wasser"},
        {"aaa", "aa", "a", "aa"},
        {"x", "x", "xx", "xx"},
        {"abc", "", "x", "abc"},
        {"Straße", "SS", "x", "Straße"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ErsetzenOhneGrossKlein(f.text, f.alt, f.neu), f.aus) << f.text.toStdString();
}

TEST(TextTest, AuffuellenBisZurLaenge) {
    const struct {
        QString text;
        int laenge;
        QChar zeichen;
        QString links, rechts;
    } faelle[] = {
        {"7", 3, u'0', "007", "700"},
        {"1234", 3, u'0', "1234", "1234"},
        {"", 2, u' ', "  ", "  "},
        {"ab", 2, u'*', "ab", "ab"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(AuffuellenLinks(f.text, f.laenge, f.zeichen), f.links);
        EXPECT_EQ(AuffuellenRechts(f.text, f.laenge, f.zeichen), f.rechts);
    }
}

TEST(TextTest, PasstZuMuster) {
    const struct {
        QString text, muster;
        bool passt;
    } faelle[] = {
        {"Rechnung.pdf", "*.PDF", true},
        {"abc", "a?c", true},
        {"abc", "a?", false},
        {"abc", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"", "", true},
        {"abcbc", "a*bc", true},
        {"abcbd", "a*bc", false},
        {"ab", "a*b*", true},
        {"xabc", "abc", false},
        {"abcx", "abc", false},
        {"abc", "a.c", false},
        {"a+b(c)", "a+b(c)", true},
        {"[x]", "[x]", true},
        {"Übung", "ü*", true},
        {"Straße", "STRASSE", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(PasstZuMuster(f.text, f.muster), f.passt)
            << f.text.toStdString() << " ~ " << f.muster.toStdString();
}

TEST(TextTest, GanzzahlUndZiffern) {
    const struct {
        QString text;
        bool ganzzahl, ziffern;
    } faelle[] = {
        {"0", true, true},
        {"0123", true, true},
        {"-1", true, false},
        {"+5", true, false},
        {"2147483647", true, true},
        {"-2147483648", true, false},
        {"0000000000002147483647", true, true},
        {"2147483648", false, true},
        {"-2147483649", false, false},
        {"99999999999999999999", false, true},
        {"", false, false},
        {"-", false, false},
        {" 1", false, false},
        {"1 ", false, false},
        {"1.0", false, false},
        {"12a", false, false},
        {"0x10", false, false},
        {"١٢", false, false},
        {"²", false, false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(IstGanzzahl(f.text), f.ganzzahl) << f.text.toStdString();
        EXPECT_EQ(NurZiffern(f.text), f.ziffern) << f.text.toStdString();
    }
}
