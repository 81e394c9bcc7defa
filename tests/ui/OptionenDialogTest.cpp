#include "Benutzerrechte.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Pfade.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "TformOptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

class OptionenDialogTest : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;

    void SetUp() override { inst.anmelden(dm); }

    tOptionen gespeichert() {
        tOptionen o;
        OptionenLaden(dm, o);
        return o;
    }
};

TEST_F(OptionenDialogTest, RechteWerdenVorDemOeffnenGeprueft) {
    struct Fall {
        int status;
        bool nurLesen;
        const char16_t* meldung;
    };
    const Fall faelle[] = {
        {StatusAdministrator, true, u"Sie haben hierfür keine Berechtigung!"},
        {StatusBenutzer, false, u"Sie sind nicht berechtigt die Optionen zu ändern!"},
    };
    for (const auto& f : faelle) {
        fragen.meldungen.clear();
        Sitzung().UserStatus = f.status;
        Sitzung().NurLesen = f.nurLesen;
        TformOptionen dialog(dm);
        EXPECT_FALSE(dialog.Execute());
        EXPECT_EQ(fragen.texte(), QStringList{QString::fromUtf16(f.meldung)});
    }
}

TEST_F(OptionenDialogTest, TageAusserhalbVon0Bis255WerdenAbgewiesen) {
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([this](TformOptionen* d) {
        d->edSkonto->setText(QStringLiteral("256"));
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
        EXPECT_EQ(fragen.letzterText(),
                  QStringLiteral("Es sind nur Zahlen zwischen 0 und 255 erlaubt!"));
        EXPECT_EQ(d->pcRegister->currentIndex(), int(TformOptionen::OffenePosten));
        EXPECT_EQ(d->focusWidget(), static_cast<QWidget*>(d->edSkonto));
        d->edSkonto->setText(QStringLiteral("x"));
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        d->edSkonto->setText(QStringLiteral("255"));
        d->btnOK->click();
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(gespeichert().ZVSkontoTage, 255);
}

TEST_F(OptionenDialogTest, OposSetztRechnungsnummerPflichtUndSperrtSie) {
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        EXPECT_TRUE(d->cbOPOS->isChecked());
        EXPECT_FALSE(d->cbRechNrPflicht->isEnabled());
        d->cbOPOS->click();
        EXPECT_TRUE(d->cbRechNrPflicht->isEnabled());
        d->cbRechNrPflicht->click();
        d->cbOPOS->click();
        EXPECT_TRUE(d->cbRechNrPflicht->isChecked());
        EXPECT_FALSE(d->cbRechNrPflicht->isEnabled());
        d->cbOPOS->click();
        d->btnOK->click();
    });
    ASSERT_TRUE(dialog.Execute());
    const tOptionen o = gespeichert();
    EXPECT_FALSE(o.OPOS);
    EXPECT_TRUE(o.RechNrPflicht);
}

TEST_F(OptionenDialogTest, UnbekanntesIntervallZeigtKeineUpdatepruefungUndOkSpeichertAlles) {
    Sitzung().Optionen.UpdateCheckIntervall = 14;
    OptionenSpeichern(dm, Sitzung().Optionen);
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        EXPECT_EQ(d->cbProgrammupdate->currentText(), QStringLiteral("keine Updateprüfung"));
        EXPECT_EQ(d->focusWidget(), static_cast<QWidget*>(d->btnAbbrechen));
        d->cbErstesEingabefeld->setCurrentIndex(3);
        d->cbKassenminusWarnung->click();
        d->cbProxyModus->setCurrentIndex(8);
        d->edProxyHost->setText(QStringLiteral("proxy.example"));
        d->btnOK->click();
    });
    ASSERT_TRUE(dialog.Execute());
    const tOptionen o = gespeichert();
    EXPECT_EQ(o.UpdateCheckIntervall, 0);
    EXPECT_EQ(o.ErstesEingabeFeld, 3);
    EXPECT_TRUE(o.KassenminusbestandIgnorieren);
    EXPECT_FALSE(o.AufteilungInBuchungsListeAnzeigen);
    EXPECT_EQ(o.FTPUebertragung.ProxyModus, 9);
    EXPECT_EQ(o.FTPUebertragung.ProxyHost, QStringLiteral("proxy.example"));
    EXPECT_EQ(Sitzung().Optionen, o);
}

TEST_F(OptionenDialogTest, AbbrechenAendertNichts) {
    const tOptionen vorher = gespeichert();
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        d->cbKontoAnzeige->click();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(gespeichert(), vorher);
}

TEST_F(OptionenDialogTest, EinzelnesRegisterUndOnlineInstallation) {
    Sitzung().Optionen.Online = true;
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        for (int i = 0; i < d->pcRegister->count(); ++i)
            EXPECT_EQ(d->pcRegister->isTabVisible(i),
                      i != TformOptionen::Datensicherung && i != TformOptionen::Onlineuebertragung)
                << i;
        EXPECT_FALSE(d->cbProgrammupdate->isEnabled());
        EXPECT_TRUE(d->laProgrammupdateOnline->isVisibleTo(d));
        d->reject();
    });
    dialog.Execute(-1);
    Sitzung().Optionen.Online = false;
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        for (int i = 0; i < d->pcRegister->count(); ++i)
            EXPECT_EQ(d->pcRegister->isTabVisible(i), i == TformOptionen::Verwaltung) << i;
        d->reject();
    });
    dialog.Execute(TformOptionen::Verwaltung);
}

TEST_F(OptionenDialogTest, DatendateiKomprimierenNachRueckfrage) {
    fragen.antworten = {Antwort::Ja};
    TformOptionen dialog(dm);
    sobaldOffen<TformOptionen>([](TformOptionen* d) {
        EXPECT_TRUE(d->laDatendateiGroesse->text().endsWith(QStringLiteral(" kb")));
        d->btnDatendateiKomprimieren->click();
        d->reject();
    });
    dialog.Execute();
    EXPECT_EQ(
        fragen.texte(),
        (QStringList{QStringLiteral("Möchten Sie die Datendatei wirklich komprimieren?\r\r"
                                    "Beachten Sie: Es müssen alle Benutzer aus diesem Betrieb "
                                    "abgemeldet sein!"),
                     QStringLiteral("Die Datendatei wurde erfolgreich komprimiert!")}));
    EXPECT_TRUE(dm.ADOConnection_Daten.offen());
}

} // namespace
