#include "Anmeldung.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Pfade.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "TformBenutzer.h"
#include "TfrmBenutzer.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// The administrator of a fresh installation sets up a colleague for the business.
class BenutzerSeite : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;

    void SetUp() override {
        dm.ADOConnection_BereichVerbinden(BereichDateiname(inst.datenverzeichnis(), inst.bereich()),
                                          true);
        tSitzung& s = Sitzung();
        s = tSitzung();
        s.Datenverzeichnis = inst.datenverzeichnis();
        s.Bereich = inst.bereich();
        s.MNr = inst.mnr();
        s.BenutzerID = inst.benutzerId();
        s.UserStatus = 0;
    }
};

TEST_F(BenutzerSeite, AdministratorLegtBenutzerAnDerSichDannAnmeldenKann) {
    TfrmBenutzer seite(dm.ADOConnection_Bereich, inst.datenverzeichnis(), inst.bereich());
    seite.BenutzerEintragen();
    ASSERT_EQ(seite.grid->topLevelItemCount(), 1);

    sobaldOffen<TformBenutzer>([](TformBenutzer* d) {
        d->edName->setText(QStringLiteral("Birgit Kühn"));
        QTest::keyClicks(d->edKuerzel, QStringLiteral("BK"));
        QTest::keyClicks(d->edPasswort, QStringLiteral("Kasse!2026"));
        QTest::keyClicks(d->edPasswortBestaetigung, QStringLiteral("Kasse!2026"));
        ASSERT_EQ(d->lbBetriebe->count(), 1);
        d->lbBetriebe->item(0)->setCheckState(Qt::Checked);
        d->lbBetriebe->setCurrentRow(0);
        ASSERT_GT(d->lbRechte->count(), 0);
        d->btnAlle->click();
        d->btnOK->click();
    });
    seite.acNeu->trigger();
    EXPECT_EQ(fragen.texte(), QStringList());
    EXPECT_EQ(seite.grid->topLevelItemCount(), 2);

    const auto angeboten = BenutzerErmitteln(dm.ADOConnection_Bereich, inst.mnr());
    const auto neu = std::find_if(angeboten.begin(), angeboten.end(), [](const auto& b) {
        return b.BenutzerName == QStringLiteral("Birgit Kühn");
    });
    ASSERT_NE(neu, angeboten.end()) << "offered at the login of the business";
    EXPECT_TRUE(PasswortKorrekt(dm.ADOConnection_Bereich, neu->ID, QStringLiteral("Kasse!2026")));
    EXPECT_FALSE(PasswortKorrekt(dm.ADOConnection_Bereich, neu->ID, QStringLiteral("kasse!2026")));
    EXPECT_TRUE(AnmeldungAbschliessen(dm, inst.bereich(), inst.mnr(), *neu));
    EXPECT_EQ(Sitzung().Kuerzel, QStringLiteral("BK"));
}

TEST_F(BenutzerSeite, ZweiterBenutzerMitVorhandenemNamenWirdAbgewiesen) {
    TfrmBenutzer seite(dm.ADOConnection_Bereich, inst.datenverzeichnis(), inst.bereich());
    seite.BenutzerEintragen();
    bool offen = false;
    sobaldOffen<TformBenutzer>([&](TformBenutzer* d) {
        QTest::keyClicks(d->edName, inst.benutzer().toLower());
        QTest::keyClicks(d->edKuerzel, QStringLiteral("X"));
        QTest::keyClicks(d->edPasswort, QStringLiteral("pw"));
        QTest::keyClicks(d->edPasswortBestaetigung, QStringLiteral("pw"));
        d->btnOK->click();
        offen = d->isVisible();
        d->reject();
    });
    seite.acNeu->trigger();
    EXPECT_TRUE(offen);
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Ein Benutzer mit diesem Namen ist bereits vorhanden!")});
    EXPECT_EQ(seite.grid->topLevelItemCount(), 1);
}

} // namespace
