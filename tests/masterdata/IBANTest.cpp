#include "IBAN.h"

#include <gtest/gtest.h>

namespace {

TEST(IBAN, BildenAusBankleitzahlUndKontonummer) {
    const struct {
        const char* land;
        const char* blz;
        const char* konto;
        const char* iban;
    } faelle[] = {
        {"DE", "37040044", "532013000", "DE89370400440532013000"},
        {"DE", "50010517", "137075030", "DE02500105170137075030"},
        {"DE", "12030000", "202051", "DE02120300000000202051"},
        {"DE", "12030000", "0000202051", "DE02120300000000202051"},
        {"D", "37040044", "532013000", ""},
        {"DEU", "37040044", "532013000", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IBANBilden(QString::fromLatin1(f.land), QString::fromLatin1(f.blz),
                             QString::fromLatin1(f.konto)),
                  QString::fromLatin1(f.iban))
            << f.blz << " " << f.konto;
}

TEST(IBAN, PruefzifferUndZiffernfolge) {
    EXPECT_EQ(IBANZiffernfolge(QStringLiteral("de0a")), QStringLiteral("1314010"));
    EXPECT_EQ(Modulo97PruefZiffer(QString()), 0);
    EXPECT_EQ(Modulo97PruefZiffer(QStringLiteral("370400440532013000131400")), 9);
    try {
        Modulo97PruefZiffer(QStringLiteral("12-3"));
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Modulo97PruefZiffer(12-3): invalid data");
    }
}

TEST(IBAN, PruefenBekannteUndKaputte) {
    const struct {
        const char* iban;
        IBANBefund befund;
    } faelle[] = {
        {"DE89370400440532013000", IBANBefund::Gueltig},
        {"GB82WEST12345698765432", IBANBefund::Gueltig},
        {"AT611904300234573201", IBANBefund::Gueltig},
        {"NL91ABNA0417164300", IBANBefund::Gueltig},
        {"DE88370400440532013000", IBANBefund::Pruefziffer},
        {"DE02120300000000202051", IBANBefund::Gueltig},
        {"DE89370400440532013001", IBANBefund::Pruefziffer},
        {"DE98370400440532013000", IBANBefund::Pruefziffer},
        {"DE8937040044053201300", IBANBefund::Laenge},
        {"DE893704004405320130000", IBANBefund::Laenge},
        {"AT6119043002", IBANBefund::Laenge},
        {"D189370400440532013000", IBANBefund::Aufbau},
        {"DE89-370400440532013000", IBANBefund::Aufbau},
        {"", IBANBefund::Aufbau},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IBANPruefen(QString::fromLatin1(f.iban)), f.befund) << f.iban;
    EXPECT_TRUE(IBANMeldung(IBANBefund::Gueltig).isEmpty());
    EXPECT_FALSE(IBANMeldung(IBANBefund::Pruefziffer).isEmpty());
}

} // namespace
