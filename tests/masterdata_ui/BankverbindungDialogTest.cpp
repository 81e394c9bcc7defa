#include "../masterdata/Stammdatenumgebung.h"
#include "Fensterhilfen.h"
#include "IBAN.h"
#include "TformBankverbindung.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class BankverbindungDialog : public Stammdatenumgebung {};

TEST_F(BankverbindungDialog, VorschlagBICUndUebernahme) {
    TformBankverbindung dialog(dm);
    tBankverbindung v;
    sobaldOffen<TformBankverbindung>([](TformBankverbindung* d) {
        QTest::keyClicks(d->edBankleitzahl, QStringLiteral("3704004x4"));
        EXPECT_EQ(d->edBankleitzahl->text(), QStringLiteral("37040044")) << "letter swallowed";
        EXPECT_EQ(d->edBIC->text(), QStringLiteral("COBADEFFXXX"));
        EXPECT_FALSE(d->laBLZNichtGefunden->isVisible());
        QTest::keyClicks(d->edKontonummer, QStringLiteral("53201300"));
        EXPECT_TRUE(d->edIBAN->text().endsWith(QStringLiteral("370400440053201300")));
        EXPECT_EQ(IBANPruefen(d->edIBAN->text()), IBANBefund::Gueltig);
        QTest::keyClicks(d->edKontonummer, QStringLiteral("0"));
        EXPECT_EQ(d->edIBAN->text(), QStringLiteral("DE89370400440532013000"))
            << "the proposal follows the account number";
        EXPECT_TRUE(d->IBAN_AutoErmittlung);
        EXPECT_TRUE(d->laIBANHinweis->isVisible());
        d->btnOK->click();
    });
    ASSERT_TRUE(dialog.NeueBankverbindung(v, false, true));
    EXPECT_EQ(v.IBAN, QStringLiteral("DE89370400440532013000"));
    EXPECT_EQ(v.BIC, QStringLiteral("COBADEFFXXX"));
    EXPECT_EQ(v.Bankleitzahl, QStringLiteral("37040044"));
    EXPECT_EQ(v.Kontonummer, QStringLiteral("532013000"));
    EXPECT_TRUE(v.AbweichenderKontoinhaber.isEmpty());
    EXPECT_TRUE(fragen.meldungen.empty());
}

TEST_F(BankverbindungDialog, GetippteIBANBleibtUndWirdGeprueft) {
    TformBankverbindung dialog(dm);
    tBankverbindung v;
    v.AbweichenderKontoinhaber = QStringLiteral("Max Muster");
    sobaldOffen<TformBankverbindung>([this](TformBankverbindung* d) {
        EXPECT_TRUE(d->cbKontoinhaber->isChecked());
        QTest::keyClicks(d->edIBAN, QStringLiteral("de88 3704 0044 0532 0130 00"));
        EXPECT_FALSE(d->IBAN_AutoErmittlung);
        QTest::keyClicks(d->edBankleitzahl, QStringLiteral("37040044"));
        QTest::keyClicks(d->edKontonummer, QStringLiteral("532013000"));
        EXPECT_EQ(d->edIBAN->text(), QStringLiteral("DE88 3704 0044 0532 0130 00"))
            << "typed IBAN is never replaced";
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(fragen.letzterText(), QStringLiteral("Die Prüfziffern der IBAN stimmen nicht!\r"
                                                       "Bitte überprüfen Sie die Eingabe der "
                                                       "IBAN."));
        EXPECT_EQ(d->focusWidget(), static_cast<QWidget*>(d->edIBAN));
        d->edIBAN->setText(QStringLiteral("DE89 3704 0044 0532 0130"));
        d->btnOK->click();
        EXPECT_TRUE(
            fragen.letzterText().startsWith(QStringLiteral("Die IBAN hat eine falsche Länge!")));
        d->edIBAN->setText(QStringLiteral("de89 3704 0044 0532 0130 00"));
        d->btnOK->click();
    });
    ASSERT_TRUE(dialog.BankverbindungBearbeiten(v, false, true));
    EXPECT_EQ(v.IBAN, QStringLiteral("DE89370400440532013000"));
    EXPECT_EQ(v.AbweichenderKontoinhaber, QStringLiteral("Max Muster"));
}

TEST_F(BankverbindungDialog, PruefungenInIhrerReihenfolge) {
    struct Fall {
        const char* iban;
        const char* blz;
        const char* konto;
        const char* meldung;
        const char* feld;
    };
    const Fall faelle[] = {
        {"", "", "", "Geben Sie bitte eine IBAN ein!", "iban"},
        {"DE89370400440532013000", "", "12345678901",
         "Eine Kontonummer darf maximal 10 Stellen lang sein!", "konto"},
        {"DE89370400440532013000", "", "12A", "Geben Sie bitte eine korrekte Kontonummer ein!",
         "konto"},
        {"DE89370400440532013000", "370400441", "",
         "Eine Bankleitzahl darf maximal 8 Stellen lang sein!", "blz"},
        {"DE89370400440532013000", "3704A", "", "Geben Sie bitte eine korrekte Bankleitzahl ein!",
         "blz"},
        {"GB82WEST12345698765432", "", "12345678901",
         "Eine Kontonummer darf maximal 10 Stellen lang sein!", "konto"},
    };
    for (const Fall& f : faelle) {
        fragen.meldungen.clear();
        TformBankverbindung dialog(dm);
        tBankverbindung v;
        sobaldOffen<TformBankverbindung>([&](TformBankverbindung* d) {
            d->edIBAN->setText(QString::fromLatin1(f.iban));
            d->edBankleitzahl->setText(QString::fromLatin1(f.blz));
            d->edKontonummer->setText(QString::fromLatin1(f.konto));
            d->btnOK->click();
            EXPECT_TRUE(d->isVisible()) << f.meldung;
            EXPECT_EQ(fragen.letzterText(), QString::fromUtf8(f.meldung));
            QWidget* feld = QByteArray(f.feld) == "iban"    ? d->edIBAN
                            : QByteArray(f.feld) == "konto" ? d->edKontonummer
                                                            : d->edBankleitzahl;
            EXPECT_EQ(d->focusWidget(), feld) << f.meldung;
            d->btnAbbrechen->click();
        });
        EXPECT_FALSE(dialog.BankverbindungBearbeiten(v, true, false)) << f.meldung;
    }
}

TEST_F(BankverbindungDialog, UnbekannteBankleitzahlFragtNach) {
    TformBankverbindung dialog(dm);
    tBankverbindung v;
    fragen.antworten = {Antwort::Nein, Antwort::Ja};
    sobaldOffen<TformBankverbindung>([this](TformBankverbindung* d) {
        QTest::keyClicks(d->edBankleitzahl, QStringLiteral("99999999"));
        EXPECT_TRUE(d->laBLZNichtGefunden->isVisible());
        EXPECT_TRUE(d->edBIC->text().isEmpty());
        QTest::keyClicks(d->edKontonummer, QStringLiteral("1"));
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(fragen.letzterText(), QStringLiteral("Die von Ihnen eingegebene Bankleitzahl "
                                                       "ist nicht im Stamm vorhanden!\r\r"
                                                       "Trotzdem übernehmen?"));
        EXPECT_EQ(d->focusWidget(), static_cast<QWidget*>(d->edBankleitzahl));
        d->btnOK->click();
    });
    EXPECT_TRUE(dialog.NeueBankverbindung(v, false, false));
    EXPECT_EQ(v.Bankleitzahl, QStringLiteral("99999999"));
}

} // namespace
