#include "../access/Kleininstallation.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Sitzung.h"
#include "TformAnmeldung.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Bereich "B" with Betriebe 100 and 200; Anna may use 100 only, Chef every Betrieb.
class AnmeldungDialog : public ::testing::Test {
protected:
    Kleininstallation inst;
    FakeRueckfragen fragen;
    qint64 anna = 0;

    void SetUp() override {
        const QString b = QStringLiteral("B");
        inst.bereichAnlegen(b);
        inst.betriebAnlegen(b, QStringLiteral("100"), QStringLiteral("100"));
        inst.betriebAnlegen(b, QStringLiteral("200"), QStringLiteral("200"));
        inst.benutzer(b, QStringLiteral("Chef"), QStringLiteral("C"), QStringLiteral("boss"), 0);
        anna =
            inst.benutzer(b, QStringLiteral("Anna"), QStringLiteral("A"), QStringLiteral("pw"), 2);
        inst.recht(b, anna, QStringLiteral("100"), Rechte::Optionen);
        Sitzung() = tSitzung();
    }
};

TEST_F(AnmeldungDialog, RichtigesPasswortMeldetAn) {
    TDataModule1 dm(inst.d());
    TformAnmeldung dialog(dm, QString());
    sobaldOffen<TformAnmeldung>([](TformAnmeldung* f) {
        EXPECT_FALSE(f->cbBereich->isVisible());
        EXPECT_EQ(f->cbBetriebe->currentText(), QStringLiteral("100 - Apotheke"));
        QTest::keyClick(f->edPasswort, Qt::Key_Down);
        EXPECT_EQ(f->cbBenutzer->currentText(), QStringLiteral("Chef"));
        QTest::keyClicks(f->edPasswort, QStringLiteral("boss"));
        QTest::keyClick(f->edPasswort, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(Sitzung().BenutzerName, QStringLiteral("Chef"));
    EXPECT_EQ(Sitzung().MNr, QStringLiteral("100"));
    EXPECT_TRUE(dm.ADOConnection_Daten.offen());
    EXPECT_TRUE(fragen.meldungen.empty());
}

TEST_F(AnmeldungDialog, FalschesPasswortBleibtImDialogUndAbbrechenTrennt) {
    TDataModule1 dm(inst.d());
    TformAnmeldung dialog(dm, QString());
    bool markiert = false;
    sobaldOffen<TformAnmeldung>([&](TformAnmeldung* f) {
        QTest::keyClicks(f->edPasswort, QStringLiteral("PW"));
        QTest::keyClick(f->edPasswort, Qt::Key_Return);
        markiert = f->isVisible() && f->edPasswort->selectedText() == QStringLiteral("PW");
        QTest::keyClick(f, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(markiert);
    EXPECT_EQ(fragen.texte(), QStringList{QStringLiteral("Ungültiges Passwort!")});
    EXPECT_FALSE(dm.ADOConnection_Bereich.offen() || dm.ADOConnection_Daten.offen());
    EXPECT_TRUE(Sitzung().MNr.isEmpty());
}

TEST_F(AnmeldungDialog, BildTasteWechseltDenBetriebUndBehaeltDasPasswort) {
    TDataModule1 dm(inst.d());
    TformAnmeldung dialog(dm, QString());
    sobaldOffen<TformAnmeldung>([](TformAnmeldung* f) {
        EXPECT_EQ(f->cbBenutzer->count(), 2);
        QTest::keyClicks(f->edPasswort, QStringLiteral("boss"));
        QTest::keyClick(f->edPasswort, Qt::Key_PageDown);
        QTest::keyClick(f->edPasswort, Qt::Key_PageDown);
        EXPECT_EQ(f->cbBetriebe->currentText(), QStringLiteral("200 - Apotheke"));
        EXPECT_EQ(f->cbBenutzer->count(), 1);
        EXPECT_EQ(f->cbBenutzer->currentText(), QStringLiteral("Chef"));
        EXPECT_EQ(f->cbBenutzer->itemData(0, TformAnmeldung::SymbolRolle).toInt(), 1);
        EXPECT_EQ(f->edPasswort->text(), QStringLiteral("boss"));
        QTest::keyClick(f->edPasswort, Qt::Key_PageUp);
        EXPECT_EQ(f->cbBenutzer->count(), 2);
        f->btnProgrammende->click();
    });
    EXPECT_FALSE(dialog.Execute());
}

} // namespace
