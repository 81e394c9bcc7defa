#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Hauptfensterdaten.h"
#include "Optionen.h"
#include "Programmversion.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "TformAnmeldung.h"
#include "TformHauptForm.h"
#include "TfrmBenutzer.h"
#include "Uhr.h"

#include <QAction>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBox>

namespace {

// The window after the real login of the test installation's administrator.
class HauptForm : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;
    Seitenregister seitenregister;
    int anmeldungen = 0;
    bool anmeldenAbbrechen = false;
    LoginAusfuehren anmelden = [this](TDataModule1& d) {
        ++anmeldungen;
        const bool abbrechen = anmeldenAbbrechen;
        sobaldOffen<TformAnmeldung>([this, abbrechen](TformAnmeldung* f) {
            if (abbrechen) {
                f->btnProgrammende->click();
                return;
            }
            QTest::keyClicks(f->edPasswort, inst.passwort());
            f->btnAnmelden->click();
        });
        TformAnmeldung dialog(d, QString());
        return dialog.Execute();
    };

    void SetUp() override {
        UhrFestsetzen(QDateTime(QDate(2024, 3, 5), QTime(14, 7)));
        Sitzung() = tSitzung();
        Sitzung().Datenverzeichnis = inst.datenverzeichnis();
        SeitenRegistrieren(seitenregister);
    }
    void TearDown() override { UhrFestsetzen({}); }

    std::unique_ptr<TformHauptForm> oeffnen() {
        EXPECT_TRUE(anmelden(dm));
        auto f = std::make_unique<TformHauptForm>(dm, seitenregister, anmelden);
        f->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        QCoreApplication::processEvents();
        return f;
    }

    static void gruppeKlicken(TformHauptForm& f, const QString& gruppe) {
        QAbstractButton* k = knopf(f.dxNavBar3, gruppe);
        ASSERT_NE(k, nullptr) << gruppe.toStdString();
        QTest::mouseClick(k, Qt::LeftButton);
    }

    static void eintragKlicken(QListWidget* liste, const QString& text) {
        const auto items = liste->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(items[0]).center());
    }

    static QStringList gruppen(TformHauptForm& f) {
        QStringList l;
        for (int i = 0; i < f.dxNavBar3->count(); ++i)
            l << f.dxNavBar3->itemText(i);
        return l;
    }

    void testseite(const char* aktion, const char* text, Navigationsgruppe g) {
        seitenregister.eintragen({.Aktion = QString::fromLatin1(aktion),
                                  .Beschriftung = QString::fromUtf8(text),
                                  .Gruppen = {g},
                                  .Seite = [](TDataModule1&, QWidget* e) -> QWidget* {
                                      return new QLabel(e);
                                  }});
    }
};

TEST_F(HauptForm, NachDerAnmeldung) {
    auto f = oeffnen();
    const tSitzung& s = Sitzung();
    EXPECT_EQ(f->windowTitle(), Fenstertitel(ProgrammVersion()));
    EXPECT_EQ(f->laBenutzer->text(), QStringLiteral("angemeldet ist: Admin"));
    EXPECT_EQ(f->laApotheke->text(), s.MNr + u' ' + s.Firma.Firmenname);
    EXPECT_EQ(f->laUhrzeit->text(), QStringLiteral("Dienstag, 05.03.2024 14:07 Uhr"));
    EXPECT_EQ(f->laUeberschriftGross->text(), QStringLiteral("Startseite"));
    EXPECT_EQ(f->dpNavigation->windowTitle(), QStringLiteral("Menü [Startseite]"));
    EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_NoSelect);
    EXPECT_FALSE(f->dxRibbon1->isTabVisible(f->dxRibbon1->indexOf(f->tabErfassen)));
    // The master data provide the booking areas, so the Erfassen group comes first.
    EXPECT_EQ(gruppen(*f), (QStringList{QStringLiteral("Erfassen"), QStringLiteral("Stammdaten"),
                                        QStringLiteral("Auswertungen")}));
    EXPECT_EQ(s.Monat, 3);
    EXPECT_EQ(s.Jahr, 2024);
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
}

TEST_F(HauptForm, NavigationWechseltSeitenUndUeberschriften) {
    testseite("acAuswKontoblatt", "Kontoblatt", Navigationsgruppe::Auswertungen);
    auto f = oeffnen();
    EXPECT_EQ(gruppen(*f), (QStringList{QStringLiteral("Erfassen"), QStringLiteral("Stammdaten"),
                                        QStringLiteral("Auswertungen")}));
    EXPECT_EQ(f->gruppen[Navigationsgruppe::Auswertungen]->item(0)->text(),
              QStringLiteral("Kontoblatt"));

    struct Schritt {
        const char16_t* gruppe;  // a group header to click, or
        const char16_t* eintrag; // an item of the current group
        const char16_t* panel;
        const char* seite; // the action whose page is shown; nullptr for the start page
        const char16_t* ueberschrift;
    };
    const Schritt schritte[] = {
        // One item: the group runs it.
        {u"Auswertungen", nullptr, u"Menü [Auswertungen]", nullptr, u"Startseite"},
        {nullptr, u"Suche", u"Menü [Auswertungen]", "acAuswSuche", u"Suche"},
        {u"Stammdaten", nullptr, u"Menü [Stammdaten]", nullptr, u"Startseite"},
        {u"Auswertungen", nullptr, u"Menü [Auswertungen]", nullptr, u"Startseite"},
        {nullptr, u"Kontoblatt", u"Menü [Auswertungen]", "acAuswKontoblatt", u"Kontoblatt"},
    };
    for (const Schritt& s : schritte) {
        if (s.gruppe)
            gruppeKlicken(*f, QString::fromUtf16(s.gruppe));
        else
            eintragKlicken(f->gruppen[Navigationsgruppe::Auswertungen],
                           QString::fromUtf16(s.eintrag));
        EXPECT_EQ(f->dpNavigation->windowTitle(), QString::fromUtf16(s.panel));
        EXPECT_EQ(f->laUeberschriftGross->text(), QString::fromUtf16(s.ueberschrift));
        if (s.seite) {
            EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_Sonstiges);
            QWidget* seite = f->seite(QString::fromLatin1(s.seite));
            ASSERT_NE(seite, nullptr);
            EXPECT_TRUE(seite->isVisible());
        } else {
            EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_NoSelect);
        }
        EXPECT_FALSE(f->dxRibbon1->isTabVisible(f->dxRibbon1->indexOf(f->tabErfassen)));
    }
    f->aktion(QStringLiteral("acBenutzer"))->trigger();
    EXPECT_NE(qobject_cast<TfrmBenutzer*>(f->seite(QStringLiteral("acBenutzer"))), nullptr);
    f->acStartseite->trigger();
    EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_NoSelect);
    EXPECT_EQ(f->dpNavigation->windowTitle(), QStringLiteral("Menü [Erfassen]"));
}

TEST_F(HauptForm, FunktionstastenErreichenIhreAktionen) {
    int gespeichert = 0;
    seitenregister.eintragen({.Aktion = QStringLiteral("acErfassungSpeichern"),
                              .Beschriftung = QStringLiteral("speichern"),
                              .Taste = QKeySequence(Qt::Key_F9),
                              .Ausfuehren = [&gespeichert](TDataModule1&, QWidget*) {
                                  ++gespeichert;
                              }});
    auto f = oeffnen();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f.get(), Qt::Key_F9);
    EXPECT_EQ(gespeichert, 1);
    QTest::keyClick(f.get(), Qt::Key_F1);
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Die Hilfedatei KivoOnline.chm ist nicht vorhanden.")});
}

TEST_F(HauptForm, SchliessenMitAbbrechenLaesstDasFensterOffen) {
    const QString frage =
        QStringLiteral("Möchten Sie die Änderungen an den Firmendaten speichern?");
    seitenregister.eintragen(
        {.Aktion = QStringLiteral("acFirmendaten"),
         .Beschriftung = QStringLiteral("Firmendaten"),
         .Gruppen = {Navigationsgruppe::Stammdaten},
         .Seite = [](TDataModule1&, QWidget* e) -> QWidget* { return new QLabel(e); },
         .SchliessenErlaubt =
             [frage](QWidget*) {
                 return AenderungenKlaeren(
                     frage, [] { return true; }, [] {});
             }});
    auto f = oeffnen();
    // Before its page was opened there is nothing unsaved to ask about.
    f->aktion(QStringLiteral("acFirmendaten"))->trigger();

    fragen.antworten = {Antwort::Abbrechen};
    f->acProgrammende->trigger();
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(dm.ADOConnection_Daten.offen());
    EXPECT_EQ(fragen.texte(), QStringList{frage});

    fragen.antworten = {Antwort::Nein};
    f->acProgrammende->trigger();
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(dm.ADOConnection_Daten.offen() || dm.ADOConnection_Bereich.offen());
}

TEST_F(HauptForm, BenutzerwechselMeldetNeuAnUndLaedtDieOptionen) {
    struct Fall {
        bool abbrechen;
        bool offen;
    };
    for (const Fall fall : {Fall{false, true}, Fall{true, false}}) {
        anmeldungen = 0;
        anmeldenAbbrechen = false;
        auto f = oeffnen();
        f->aktion(QStringLiteral("acBenutzer"))->trigger();
        // Another workstation changes the business's options meanwhile.
        tOptionen o = Sitzung().Optionen;
        o.KontoAnzeige = !o.KontoAnzeige;
        OptionenSpeichern(dm, o);
        Sitzung().Optionen.KontoAnzeige = !o.KontoAnzeige;

        anmeldenAbbrechen = fall.abbrechen;
        f->acBenutzerWechseln->trigger();
        EXPECT_EQ(anmeldungen, 2);
        EXPECT_EQ(f->isVisible(), fall.offen);
        if (fall.offen) {
            EXPECT_EQ(Sitzung().Optionen.KontoAnzeige, o.KontoAnzeige);
            EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_NoSelect);
            EXPECT_EQ(f->seite(QStringLiteral("acBenutzer")), nullptr)
                << "pages of the previous login are built anew";
            f->close();
        } else {
            EXPECT_FALSE(dm.ADOConnection_Bereich.offen());
        }
    }
}

TEST_F(HauptForm, EinstellungenUndGridLayoutUeberstehenDenNeustart) {
    QStandardItemModel modell(0, 4);
    seitenregister.erfassenAnbieten(
        {.BuchungsbereicheLaden =
             [](TDataModule1&) {
                 return std::vector<tErfassenEintrag>{{QStringLiteral("Kasse"), 54}};
             },
         .Seite = [&modell](TDataModule1&, QWidget* e) -> QWidget* {
             auto* v = new QTableView(e);
             v->setModel(&modell);
             return v;
         },
         .BereichOeffnen = [](TDataModule1&, QWidget*, int) { return QStringLiteral("Kasse"); },
         .Kopfzeilen =
             [](QWidget* s) {
                 return std::vector<QHeaderView*>{static_cast<QTableView*>(s)->horizontalHeader()};
             }});
    {
        auto f = oeffnen();
        ASSERT_EQ(gruppen(*f).value(0), QStringLiteral("Erfassen"));
        gruppeKlicken(*f, QStringLiteral("Stammdaten"));
        gruppeKlicken(*f, QStringLiteral("Erfassen"));
        eintragKlicken(f->gruppen[Navigationsgruppe::Erfassen], QStringLiteral("Kasse"));
        EXPECT_EQ(f->cxPageControl1->currentWidget(), f->cxTabSheet_Erfassungen);
        EXPECT_EQ(f->dxRibbon1->currentWidget(), f->tabErfassen);
        auto* kopf = f->cxTabSheet_Erfassungen->findChild<QTableView*>()->horizontalHeader();
        kopf->moveSection(0, 3);
        kopf->resizeSection(1, 77);
        f->BenutzerEinstellungen.push_back({.EID1 = 5,
                                            .EID2 = 6,
                                            .anzeigen = false,
                                            .Hoehe = 10,
                                            .Breite = 20,
                                            .MNr = Sitzung().MNr});
        f->close();
    }
    auto f = oeffnen();
    ASSERT_EQ(f->BenutzerEinstellungen.size(), 1u);
    EXPECT_EQ(f->BenutzerEinstellungen[0].EID1, 5);
    EXPECT_FALSE(f->BenutzerEinstellungen[0].anzeigen);
    EXPECT_EQ(f->BenutzerEinstellungen[0].Breite, 20);
    gruppeKlicken(*f, QStringLiteral("Stammdaten"));
    gruppeKlicken(*f, QStringLiteral("Erfassen"));
    eintragKlicken(f->gruppen[Navigationsgruppe::Erfassen], QStringLiteral("Kasse"));
    auto* kopf = f->cxTabSheet_Erfassungen->findChild<QTableView*>()->horizontalHeader();
    EXPECT_EQ(kopf->visualIndex(0), 3);
    EXPECT_EQ(kopf->sectionSize(1), 77);
    f->close();
}

} // namespace
