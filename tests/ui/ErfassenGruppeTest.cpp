#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "Hauptfensterdaten.h"
#include "Hauptfensterumgebung.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "TformAnmeldung.h"
#include "TformAufteilungskontenAuswahl.h"
#include "TformHauptForm.h"
#include "TframeErfassungsmaske.h"
#include "TfrmFirmendaten.h"
#include "TfrmGeldkonten.h"
#include "TfrmKMBDaten.h"
#include "Uhr.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBox>
#include <QToolButton>

namespace {

// The master-data pages in the window of the test installation's administrator.
class StammdatenImHauptfenster : public Hauptfensterumgebung {
protected:
    void bereich(int art, qint64 konto, const char* name, QDate anfang, bool aktiv = true,
                 Betrag saldo = Betrag()) {
        tGeldkonto g;
        g.Bereichsart = art;
        g.Konto = konto;
        g.Bezeichnung = QString::fromUtf8(name);
        g.Aktiv = aktiv;
        g.AnfangsMonat = anfang;
        g.AnfangsSaldo = saldo;
        ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    }

    static QStringList eintraege(QListWidget* liste) {
        QStringList l;
        for (int i = 0; i < liste->count(); ++i)
            l << liste->item(i)->text();
        return l;
    }
};

TEST_F(StammdatenImHauptfenster, ErfassenZeigtDieBereicheDesArbeitsmonats) {
    ASSERT_TRUE(anmelden(dm));
    bereich(Bereichsart::Kasse, 1600, "Kasse Laden", QDate(2024, 2, 1));
    bereich(Bereichsart::Bank, 1750, "Sparkasse", QDate(2024, 4, 1));
    bereich(Bereichsart::Kosten, 6300, "Kostenbuch", QDate(2024, 6, 1));
    bereich(Bereichsart::Bank, 1760, "Volksbank", QDate(2024, 1, 1), false);
    TformHauptForm f(dm, seitenregister, anmelden);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_EQ(f.dxNavBar3->itemText(0), QStringLiteral("Erfassen"));
    f.dxNavBar3->setCurrentIndex(1);
    f.dxNavBar3->setCurrentIndex(0);
    // The bank starts in April and the inactive one is left out; journals show in every month.
    EXPECT_EQ(eintraege(f.gruppen[Navigationsgruppe::Erfassen]),
              (QStringList{QStringLiteral("Kasse Laden"), QStringLiteral("Kostenbuch"),
                           QStringLiteral("Erfassungen klären")}));
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();

    // The area menu: the completion status of the working month; nothing for the pseudo area.
    const auto& anbieter = seitenregister.erfassen();
    ASSERT_TRUE(anbieter && anbieter->Kontextmenue);
    const auto menuepunkt = [&](int index, const QString& text) -> QAction* {
        auto* menu = new QMenu(&f);
        anbieter->Kontextmenue(dm, &f, index, *menu);
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    };
    EXPECT_EQ(menuepunkt(2, QStringLiteral("Erfassungsbereich bearbeiten")), nullptr);
    EXPECT_EQ(menuepunkt(2, QStringLiteral("Aufteilungskonten")), nullptr);
    QAction* aufteilung = menuepunkt(0, QStringLiteral("Aufteilungskonten"));
    ASSERT_NE(aufteilung, nullptr);
    sobaldOffen<TformAufteilungskontenAuswahl>([](TformAufteilungskontenAuswahl* a) {
        EXPECT_EQ(a->windowTitle(), QStringLiteral("Aufteilungskonten [Kasse Laden]"));
        a->reject();
    });
    aufteilung->trigger();

    // Each status offers only the other one; the item's image follows the status.
    QListWidget* liste = f.gruppen[Navigationsgruppe::Erfassen];
    const auto bild = [](const QIcon& i) {
        return i.pixmap(16, 16).toImage();
    };
    EXPECT_EQ(bild(liste->item(0)->icon()), bild(NavigationsSymbol(54)));
    EXPECT_EQ(bild(liste->item(1)->icon()), bild(NavigationsSymbol(52)));
    EXPECT_NE(bild(NavigationsSymbol(28)), bild(NavigationsSymbol(54)));
    const struct {
        const char* text;
        const char* anderer;
        int status;
        int symbol;
    } faelle[] = {{"Erfassungsbereich vollständig", "Erfassungsbereich unvollständig", 1, 28},
                  {"Erfassungsbereich unvollständig", "Erfassungsbereich vollständig", 0, 54}};
    for (const auto& fall : faelle) {
        EXPECT_EQ(menuepunkt(0, QString::fromUtf8(fall.anderer)), nullptr) << fall.text;
        QAction* a = menuepunkt(0, QString::fromUtf8(fall.text));
        ASSERT_NE(a, nullptr) << fall.text;
        a->trigger();
        f.dxNavBar3->setCurrentIndex(1);
        f.dxNavBar3->setCurrentIndex(0);
        EXPECT_EQ(bild(liste->item(0)->icon()), bild(NavigationsSymbol(fall.symbol))) << fall.text;
        EXPECT_EQ(dm.ADOConnection_Daten.ganzzahlWert(
                      QStringLiteral("SELECT Status FROM BuchungsbereicheStatus WHERE Monat=3 "
                                     "AND Jahr=2024 AND BereichID=?"),
                      {BuchungsbereicheLaden(dm.ADOConnection_Daten, 3, 2024, false,
                                             [](int) { return true; })[0]
                           .BereichID}),
                  fall.status)
            << fall.text;
    }
}

// A cash receipt typed from the keyboard after clicking the area: the Erfassen tab carries the
// mask's commands and belongs to the bookings page only.
TEST_F(StammdatenImHauptfenster, KasseOeffnenUndEinnahmeBuchen) {
    ASSERT_TRUE(anmelden(dm));
    bereich(Bereichsart::Kasse, 1600, "Kasse Laden", QDate(2024, 2, 1), true,
            Betrag::ausCent(10000));
    for (const auto& [konto, steuer, sb] :
         {std::tuple{1600, "0", "kb"}, std::tuple{4400, "3", "u"}})
        dm.ADOConnection_Archiv.ausfuehren(
            QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer, Steuerbereich) "
                           "VALUES (?, 'Erlöse', ?, ?)"),
            {konto, QString::fromLatin1(steuer), QString::fromLatin1(sb)});
    TformHauptForm f(dm, seitenregister, anmelden);
    f.resize(1200, 800);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(&f);
    QListWidget* liste = f.gruppen[Navigationsgruppe::Erfassen];
    const auto items = liste->findItems(QStringLiteral("Kasse Laden"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(items[0]).center());
    ASSERT_EQ(f.cxPageControl1->currentWidget(), f.cxTabSheet_Erfassungen);
    auto* maske = f.cxTabSheet_Erfassungen->findChild<TframeErfassungsmaske*>();
    ASSERT_NE(maske, nullptr);
    EXPECT_EQ(f.dxRibbon1->currentWidget(), f.tabErfassen);
    EXPECT_EQ(f.laUeberschriftKlein->text(),
              QStringLiteral("Belegerfassung [") + Sitzung().Firma.Firmenname + u']');
    EXPECT_EQ(f.laUeberschriftGross->text(), QStringLiteral("Kasse Laden"));
    QStringList knoepfe;
    for (auto* k : f.tabErfassen->findChildren<QToolButton*>())
        knoepfe << k->text();
    EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("F2 - verwerfen"), QStringLiteral("F3 - klären"),
                                    QStringLiteral("F4 - Bemerkungen"),
                                    QStringLiteral("F5 - aufteilen und zurück"),
                                    QStringLiteral("F6 - Textschlüssel anlegen"),
                                    QStringLiteral("F9 - speichern"),
                                    QStringLiteral("F10 - Konto bearbeiten"),
                                    QStringLiteral("F11 - Textschlüssel bearbeiten")}));
    EXPECT_EQ(maske->Saldo[2]->text(), QStringLiteral("Endsaldo: 100,00"));

    // Counter account, amount, side; the account's name becomes the text; F9 saves.
    EXPECT_EQ(QApplication::focusWidget(), maske->Zelle[Spalte::TS]);
    const auto tippen = [](const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    const auto taste = [](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
    };
    taste(Qt::Key_Tab);
    tippen(QStringLiteral("4400"));
    taste(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), maske->Zelle[Spalte::Betrag]);
    tippen(QStringLiteral("2500"));
    taste(Qt::Key_Return);
    tippen(QStringLiteral("E"));
    taste(Qt::Key_F9);
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    EXPECT_EQ(dm.ADOConnection_Daten.ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM Erfassungen WHERE Konto=1600 AND "
                                 "GKonto=4400 AND Betrag=2500 AND Buchungsseite='E' AND "
                                 "Belegdatum='2024-03-01' AND Buchungstext<>''")),
              1);
    EXPECT_EQ(maske->Saldo[2]->text(), QStringLiteral("Endsaldo: 125,00"));
    EXPECT_EQ(QApplication::focusWidget(), maske->Zelle[Spalte::TS]);

    // Another page hides the Erfassen tab.
    QTest::mouseClick(knopf(f.dxNavBar3, QStringLiteral("Stammdaten")), Qt::LeftButton);
    EXPECT_FALSE(f.dxRibbon1->isTabVisible(f.dxRibbon1->indexOf(f.tabErfassen)));
}

TEST_F(StammdatenImHauptfenster, StammdatenGruppeUndErsteSchritte) {
    ASSERT_TRUE(anmelden(dm));
    TformHauptForm f(dm, seitenregister, anmelden);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QStringList erwartet = {
        QStringLiteral("Firmendaten"), QStringLiteral("Kelmbranddaten"),
        QStringLiteral("Benutzer"),    QStringLiteral("Erfassungsbereiche"),
        QStringLiteral("Lieferanten"), QStringLiteral("Lieferanten (Kosten)"),
        QStringLiteral("Kunden"),      QStringLiteral("Sachkonten")};
    const QStringList liste = eintraege(f.gruppen[Navigationsgruppe::Stammdaten]);
    qsizetype vorher = -1;
    for (const QString& e : erwartet) {
        const qsizetype i = liste.indexOf(e);
        EXPECT_GT(i, vorher) << e.toStdString();
        vorher = i;
    }
    QPushButton* geldkonten = nullptr;
    for (auto* k : f.findChildren<QPushButton*>())
        if (k->text() == QStringLiteral("Geldkonten einrichten"))
            geldkonten = k;
    ASSERT_NE(geldkonten, nullptr);
    geldkonten->click();
    EXPECT_NE(qobject_cast<TfrmGeldkonten*>(f.seite(QStringLiteral("acErfassungsbereiche"))),
              nullptr);

    // Unsaved company data stop the closing when the question is cancelled.
    f.aktion(QStringLiteral("acFirmendaten"))->trigger();
    auto* firma = qobject_cast<TfrmFirmendaten*>(f.seite(QStringLiteral("acFirmendaten")));
    ASSERT_NE(firma, nullptr);
    firma->btnBearbeiten->click();
    QTest::keyClicks(firma->edInhaber, QStringLiteral("Erika"));
    fragen.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(f.close());
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie die Änderungen an den Firmendaten speichern?"));
    EXPECT_TRUE(firma->IsEingabeModus());
    fragen.antworten = {Antwort::Nein};
    EXPECT_TRUE(f.close());
}

TEST_F(StammdatenImHauptfenster, KelmbranddatenErneuernDieStartseite) {
    ASSERT_TRUE(anmelden(dm));
    TformHauptForm f(dm, seitenregister, anmelden);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.aktion(QStringLiteral("acKelmbranddaten"))->trigger();
    auto* seite = qobject_cast<TfrmKMBDaten*>(f.seite(QStringLiteral("acKelmbranddaten")));
    ASSERT_NE(seite, nullptr);
    seite->btnBearbeiten->click();
    seite->edBerater->setText(QStringLiteral("Dr. Berg"));
    ASSERT_GT(seite->cbNiederlassung->count(), 0);
    seite->cbNiederlassung->setCurrentIndex(seite->cbNiederlassung->count() - 1);
    seite->btnSpeichern->click();
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    EXPECT_EQ(f.laBerater->text(), QStringLiteral("Ihr persönlicher Berater: Dr. Berg"));
    const tNiederlassung n = NiederlassungLaden(dm.ADOConnection_Daten, dm.ADOConnection_Stamm);
    EXPECT_EQ(f.laNiederlassungStrasse->text(), n.Strasse);
    EXPECT_EQ(f.laNiederlassungOrt->text(), n.PLZOrt);
    f.close();
}

} // namespace
