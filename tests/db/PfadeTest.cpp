#include "Pfade.h"

#include <gtest/gtest.h>

TEST(Pfade, AlleDateienDesSpeicherlayouts) {
    const QString d = QStringLiteral("/srv/kivo");
    const QString b = QStringLiteral("Apotheken");
    const QString m = QStringLiteral("4711");
    EXPECT_EQ(StammDateiname(d), "/srv/kivo/kmb_stamm.mdb");
    EXPECT_EQ(LogDateiname(d + u'/'), "/srv/kivo/kmb_log.mdb");
    EXPECT_EQ(DefinitionsDateiname(d, QStringLiteral("daten")), "/srv/kivo/mdbdfs/daten.mdbdf");
    EXPECT_EQ(BereichsVerzeichnis(d, b), "/srv/kivo/daten/Apotheken");
    EXPECT_EQ(BereichDateiname(d, b), "/srv/kivo/daten/Apotheken/bereich.mdb");
    EXPECT_EQ(ArchivDateiname(d, b, 77), "/srv/kivo/daten/Apotheken/archiv_77.mdb");
    EXPECT_EQ(AltArchivDateiname(d, b), "/srv/kivo/daten/Apotheken/archiv.mdb");
    EXPECT_EQ(BetriebsVerzeichnis(d, b, m), "/srv/kivo/daten/Apotheken/4711");
    EXPECT_EQ(DatenDateiname(d, b, m), "/srv/kivo/daten/Apotheken/4711/daten.mdb");
    EXPECT_EQ(ImportVerzeichnis(d, b, m), "/srv/kivo/daten/Apotheken/4711/import");
    EXPECT_EQ(TempDateiname(d, QStringLiteral("x.tmp")), "/srv/kivo/TEMP/x.tmp");
    EXPECT_EQ(SicherungsDateiname(d, QStringLiteral("a.dasi")), "/srv/kivo/Sicherungen/a.dasi");
    EXPECT_EQ(OptionenIniDateiname(d), "/srv/kivo/optionen.ini");
}

TEST(Pfade, LeeresDatenverzeichnisGibtKeinPraefix) {
    EXPECT_EQ(StammDateiname(QString()), "kmb_stamm.mdb");
    EXPECT_EQ(BereichsVerzeichnis(QString(), QStringLiteral("B")), "daten/B");
}

TEST(Pfade, KontenplanNullZaehltAls77) {
    EXPECT_EQ(WirksamerKontenplan(0), 77);
    EXPECT_EQ(WirksamerKontenplan(77), 77);
    EXPECT_EQ(WirksamerKontenplan(12), 12);
}

TEST(Pfade, AusgeblendeteVerzeichnisse) {
    const std::pair<const char*, bool> faelle[] = {
        {".versteckt", true}, {"Alt_TEMP", true}, {"alt_temp", true}, {"x_Temp", true},
        {"Apotheken", false}, {"TEMP", false},    {"_TEMPx", false},  {"4711", false}};
    for (const auto& [name, ausgeblendet] : faelle)
        EXPECT_EQ(VerzeichnisAusgeblendet(QString::fromUtf8(name)), ausgeblendet) << name;
}
