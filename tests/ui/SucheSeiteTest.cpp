#include "Hauptfensterumgebung.h"
#include "TfrmErfassungsliste.h"
#include "TfrmErfassungssuche.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBox>

namespace {

using SucheImHauptfenster = Hauptfensterumgebung;

TEST_F(SucheImHauptfenster, AuswertungenOeffnetDieSuche) {
    ASSERT_TRUE(anmelden(dm));
    TformHauptForm f(dm, seitenregister, anmelden);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QListWidget* auswertungen = f.gruppen[Navigationsgruppe::Auswertungen];
    ASSERT_EQ(auswertungen->count(), 1);
    EXPECT_EQ(auswertungen->item(0)->text(), QStringLiteral("Suche"));

    // The group's only item opens at once.
    QAbstractButton* gruppe = knopf(f.dxNavBar3, QStringLiteral("Auswertungen"));
    ASSERT_NE(gruppe, nullptr);
    QTest::mouseClick(gruppe, Qt::LeftButton);
    auto* seite = qobject_cast<TfrmErfassungssuche*>(f.seite(QStringLiteral("acAuswSuche")));
    ASSERT_NE(seite, nullptr);
    EXPECT_TRUE(seite->isVisible());
    EXPECT_EQ(f.cxPageControl1->currentWidget(), f.cxTabSheet_Sonstiges);
    EXPECT_EQ(f.laUeberschriftGross->text(), QStringLiteral("Suche"));
    EXPECT_EQ(seite->edVon->text(), QStringLiteral("01.01.2024"));
    EXPECT_EQ(seite->edBis->text(), QStringLiteral("05.03.2024"));
    QTest::keyClick(seite->edVon, Qt::Key_Return);
    EXPECT_EQ(seite->Liste->Anzahl(), 0);
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
}

} // namespace
