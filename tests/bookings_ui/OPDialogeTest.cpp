#include "../bookings/Buchungsumgebung.h"
#include "Fensterhilfen.h"
#include "Konten.h"
#include "OffenePosten.h"
#include "TformFaelligkeitAufteilen.h"
#include "TformOP.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

void eintippen(QLineEdit* feld, const QString& text) {
    feld->clear();
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
}

class OPDialoge : public Buchungsumgebung {
protected:
    void TearDown() override {
        FaelligkeitsAufteilungAnmelden({});
        Buchungsumgebung::TearDown();
    }
};

// The remainder fills the next row, and the confirmed split reaches the caller.
TEST_F(OPDialoge, FaelligkeitAufteilenMitRestbetrag) {
    QWidget fenster;
    TformFaelligkeitAufteilen::Anmelden(&fenster);
    sobaldOffen<TformFaelligkeitAufteilen>([this](TformFaelligkeitAufteilen* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("1.000,00 - Fälligkeit aufteilen"));
        EXPECT_TRUE(f->edDatum[0]->isReadOnly());
        EXPECT_EQ(f->edDatum[0]->text(), QStringLiteral("04.04.2024"));
        EXPECT_EQ(f->edBetrag[0]->text(), QStringLiteral("1.000,00"));
        eintippen(f->edBetrag[0], QStringLiteral("1.200,00"));
        EXPECT_EQ(fragen.letzterText(), QStringLiteral("Der Restbetrag darf nicht negativ sein!"));
        eintippen(f->edBetrag[0], QStringLiteral("400,00"));
        eintippen(f->edDatum[1], QStringLiteral("04.05.2024"));
        EXPECT_EQ(f->edBetrag[1]->text(), QStringLiteral("600,00"));
        QTest::mouseClick(f->btnOK, Qt::LeftButton);
    });
    const auto teile = FaelligkeitenAufteilen(Betrag::ausCent(100000), QDate(2024, 4, 4));
    ASSERT_TRUE(teile);
    ASSERT_EQ(teile->size(), 2u);
    EXPECT_EQ(teile->at(0).Datum, QDate(2024, 4, 4));
    EXPECT_EQ(teile->at(0).Betrag.cent(), 40000);
    EXPECT_EQ(teile->at(1).Datum, QDate(2024, 5, 4));
    EXPECT_EQ(teile->at(1).Betrag.cent(), 60000);
}

TEST_F(OPDialoge, FaelligkeitNichtAufgeteiltUndEntfernt) {
    TformFaelligkeitAufteilen dialog;
    sobaldOffen<TformFaelligkeitAufteilen>([this](TformFaelligkeitAufteilen* f) {
        eintippen(f->edBetrag[0], QStringLiteral("400,00"));
        eintippen(f->edDatum[1], QStringLiteral("04.05.2024"));
        eintippen(f->edBetrag[1], QStringLiteral("599,99"));
        QTest::mouseClick(f->btnOK, Qt::LeftButton);
        EXPECT_EQ(fragen.letzterText(),
                  QStringLiteral("Der Rechnungsbetrag (1.000,00) ist nicht komplett aufgeteilt!"));
        EXPECT_TRUE(f->isVisible());
        QTest::mouseClick(f->btnEntfernen, Qt::LeftButton);
    });
    EXPECT_FALSE(dialog.FaelligkeitenAufteilen(Betrag::ausCent(100000), QDate(2024, 4, 4)));
    EXPECT_EQ(dialog.result(), TformFaelligkeitAufteilen::Entfernt);
    EXPECT_TRUE(dialog.MaskeIstLeer);
    EXPECT_TRUE(dialog.FaelligkeitsAufteilung.empty());
}

// Through the installed dialog, removing answers an empty split, cancelling answers none.
TEST_F(OPDialoge, FaelligkeitEntferntOderAbgebrochen) {
    QWidget fenster;
    TformFaelligkeitAufteilen::Anmelden(&fenster);
    sobaldOffen<TformFaelligkeitAufteilen>(
        [](TformFaelligkeitAufteilen* f) { QTest::mouseClick(f->btnEntfernen, Qt::LeftButton); });
    const auto entfernt = FaelligkeitenAufteilen(Betrag::ausCent(100000), QDate(2024, 4, 4));
    ASSERT_TRUE(entfernt);
    EXPECT_TRUE(entfernt->empty());
    sobaldOffen<TformFaelligkeitAufteilen>(
        [](TformFaelligkeitAufteilen* f) { QTest::keyClick(f, Qt::Key_Escape); });
    EXPECT_FALSE(FaelligkeitenAufteilen(Betrag::ausCent(100000), QDate(2024, 4, 4)));
}

// A customer's credit note by hand: checks, the coupled fields and the stored signs.
TEST_F(OPDialoge, NeuerOffenerPostenFuerEinenKunden) {
    TformOP dialog(dm);
    sobaldOffen<TformOP>([this](TformOP* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Neuer offener Posten..."));
        EXPECT_EQ(f->laKonto->text(), QStringLiteral("Kunde:"));
        EXPECT_EQ(f->btnKontoauswahl->text(), QStringLiteral("Kundenauswahl"));
        QTest::mouseClick(f->btnAnlegen, Qt::LeftButton);
        EXPECT_EQ(fragen.letzterText(), QStringLiteral("Wählen Sie bitte ein Konto aus!"));
        eintippen(f->edKonto, QStringLiteral("10001"));
        QTest::mouseClick(f->btnAnlegen, Qt::LeftButton);
        EXPECT_EQ(fragen.letzterText(),
                  QStringLiteral("Wählen Sie die Art des offenen Posten aus!"));
        f->cbRechnungsart->setCurrentIndex(OPArt::Gutschrift);
        eintippen(f->edRechnungsnummer, QStringLiteral("G7"));
        eintippen(f->edBetrag, QStringLiteral("200,00"));
        EXPECT_EQ(f->edSkonto->text(), QStringLiteral("4,00"));
        EXPECT_EQ(f->laZahlbetrag->text(), QStringLiteral("Zahlbetrag: 196,00"));
        eintippen(f->edSkonto, QStringLiteral("5,00"));
        EXPECT_EQ(f->edSkontoSatz->text(), QStringLiteral("2,5"));
        f->seValutatage->setValue(2);
        f->seSkontotage->setValue(10);
        EXPECT_EQ(f->deSkontodatum->date(), QDate(2024, 4, 1));
        f->deFaelligkeitsdatum->setDate(QDate(2024, 3, 1));
        EXPECT_EQ(f->seNettotage->value(), 0);
        f->deFaelligkeitsdatum->setDate(QDate(2024, 4, 21));
        EXPECT_EQ(f->seNettotage->value(), 30);
        QTest::mouseClick(f->btnAnlegen, Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.Execute(KontoArt::Kunde, -1, 2, false, Betrag(), QString(), 0));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE Konto=10001 AND "
                                  "Rechnungsnummer='G7' AND RechBetrag=20000 AND Skonto=500 AND "
                                  "SkontoSatz=2.5 AND ValutaTage=2 AND SkontoTage=10 AND "
                                  "NettoTage=30 AND Belegdatum='2024-03-20' AND BuchungsID=-1")),
              1);

    const qint64 id = zahl(QStringLiteral("SELECT max(ID) FROM OffenePosten"));
    sobaldOffen<TformOP>([](TformOP* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Offenen Posten anzeigen"));
        EXPECT_EQ(f->btnAnlegen->text(), QStringLiteral("Schließen"));
        EXPECT_EQ(f->cbRechnungsart->currentIndex(), OPArt::Gutschrift);
        EXPECT_EQ(f->edBetrag->text(), QStringLiteral("200,00"));
        EXPECT_FALSE(f->edBetrag->isEnabled());
        QTest::mouseClick(f->btnAnlegen, Qt::LeftButton);
    });
    EXPECT_FALSE(dialog.OPBearbeiten(id, -1, true));

    Sitzung().NurLesen = true;
    EXPECT_FALSE(dialog.Execute(KontoArt::Kunde, 0, 0, false, Betrag(), QString(), 10001));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben hierfür keine Berechtigung!"));
}

} // namespace
