#include "Kontenbereiche.h"

#include <gtest/gtest.h>

namespace {

const std::vector<tKontenbereich> Bereiche = {
    {100, 1, 9999, {}, {}},    {102, 1600, 1699, {}, {}}, {103, 1700, 1799, {}, {}},
    {103, 1880, 1889, {}, {}}, {110, 5200, 5200, {}, {}}, {111, 5300, 5300, {}, {}},
    {112, 5400, 5400, {}, {}}, {113, 4100, 4100, {}, {}}, {114, 4300, 4300, {}, {}},
    {115, 4400, 4400, {}, {}},
};

TEST(Kontenbereiche, KontoFuerBereichsart) {
    const struct {
        int art;
        qint64 konto;
        const char* steuer;
        qint64 erwartet;
    } faelle[] = {
        {3, 5400, "8", 5300}, {3, 5400, "9", 5400},   {3, 5999, "0", 5200}, {3, 5400, "2", 0},
        {3, 3400, "8", 3400}, {3, 54000, "8", 54000}, {3, 500, "8", 500},   {4, 4400, "2", 4300},
        {4, 4000, "3", 4400}, {4, 4999, "0", 4100},   {4, 4400, "9", 0},    {4, 5400, "2", 5400},
        {-1, 1600, "9", 0},   {1, 1000, "9", 1000},   {5, 5400, "8", 5400}, {2, 4400, "2", 4400},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KontoFuerBereichsart(Bereiche, f.art, f.konto, QString::fromLatin1(f.steuer)),
                  f.erwartet)
            << f.art << " " << f.konto << " " << f.steuer;
}

TEST(Kontenbereiche, GrenzenUndZugehoerigkeit) {
    EXPECT_EQ(KontenbereichGrenzen(Bereiche, 103).KontoVon, 1700);
    EXPECT_EQ(KontenbereichGrenzen(Bereiche, 103).KontoBis, 1799) << "erste Zeile";
    EXPECT_EQ(KontenbereichGrenzen(Bereiche, 999).KontoVon, 0);
    EXPECT_EQ(KontenbereichGrenzen(Bereiche, 999).KontoBis, 0);
    const struct {
        qint64 konto;
        int id;
        bool drin;
    } faelle[] = {
        {1599, 102, false}, {1600, 102, true}, {1699, 102, true},
        {1700, 102, false}, {1885, 103, true}, {1850, 103, false},
        {1889, 103, true},  {0, 999, false},   {5200, 110, true},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KontoImKontenbereich(Bereiche, f.konto, f.id), f.drin) << f.konto << " " << f.id;
}

} // namespace
