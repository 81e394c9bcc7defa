#include "../bookings/Buchungsumgebung.h"
#include "Buchungspruefung.h"
#include "Fensterhilfen.h"
#include "TformKassenminusbestandAbfrage.h"
#include "TformPlatzhalter.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

TEST(KleineDialoge, PlatzhalterWaehlenUndAbbrechen) {
    TformPlatzhalter dialog;
    sobaldOffen<TformPlatzhalter>([](TformPlatzhalter* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Platzhalter"));
        EXPECT_EQ(f->lvPlatzhalter->topLevelItemCount(), 19);
        EXPECT_FALSE(f->btnEinfuegen->isEnabled());
        f->lvPlatzhalter->setCurrentItem(f->lvPlatzhalter->topLevelItem(4));
        EXPECT_TRUE(f->btnEinfuegen->isEnabled());
        QTest::mouseClick(f->btnEinfuegen, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.GetPlatzhalter(), QStringLiteral("%Monat2%"));
    sobaldOffen<TformPlatzhalter>(
        [](TformPlatzhalter* f) { QTest::mouseClick(f->btnAbbrechen, Qt::LeftButton); });
    EXPECT_EQ(dialog.GetPlatzhalter(), QString());
}

class Kassenminusdialog : public Buchungsumgebung {};

// The dialog answers the booking check's question; its box switches the check off.
TEST_F(Kassenminusdialog, NeinStopptUndDerHakenSchaltetDiePruefungAb) {
    QWidget fenster;
    TformKassenminusbestandAbfrage::Anmelden(&fenster);
    tMaskenZustand m = maske(1, "5", 1600, 6300, "150,00", "A");
    tBuchung b = BuchungAusMaske(dm, m);
    sobaldOffen<TformKassenminusbestandAbfrage>([](TformKassenminusbestandAbfrage* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Kassenminusbestand"));
        EXPECT_TRUE(f->laMeldung->text().contains(QStringLiteral("-50,00 €")));
        f->cbNichtMehrAnzeigen->setChecked(true);
        QTest::mouseClick(f->btnNein, Qt::LeftButton);
    });
    EXPECT_TRUE(StoppenWegenKassenMinusPruefung(dm, b, -1, -1));
    EXPECT_TRUE(Sitzung().Optionen.KassenminusbestandIgnorieren);
    tOptionen gespeichert;
    OptionenLaden(dm, gespeichert);
    EXPECT_TRUE(gespeichert.KassenminusbestandIgnorieren);
    KassenminusAbfrageAnmelden({});
}

} // namespace
