#include "../masterdata/Stammdatenumgebung.h"
#include "AufteilungskontenListen.h"
#include "Fensterhilfen.h"
#include "Textschluessel.h"
#include "TformKontoauswahl.h"
#include "TformTextschluessel.h"
#include "TfrmAufteilungskontenAuswahl.h"
#include "TfrmKooperationen.h"
#include "TfrmTextschluessel.h"
#include "Zentralregulierung.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// Picks the account in the picker as a user does: select its line, press "Übernehmen".
void kontoWaehlen(qint64 konto) {
    sobaldOffen<TformKontoauswahl>([konto](TformKontoauswahl* f) {
        auto* liste = f->tabs->currentWidget()->findChild<QTableWidget*>();
        ASSERT_NE(liste, nullptr);
        const auto treffer = liste->findItems(QString::number(konto), Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        liste->selectRow(treffer.first()->row());
        f->btnUebernehmen->click();
    });
}

class Stammdatenseiten : public Stammdatenumgebung {
protected:
    void SetUp() override {
        Stammdatenumgebung::SetUp();
        for (const qint64 k : {91001, 91002, 91003})
            archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, "
                                               "Oeffentlich) VALUES (?, ?, 1)"),
                                {k, QStringLiteral("Lieferant %1").arg(k)});
        for (const qint64 k : {4300, 4400})
            archiv().ausfuehren(QStringLiteral("INSERT OR IGNORE INTO Sachkonten (Konto, "
                                               "Bezeichnung) VALUES (?, ?)"),
                                {k, QStringLiteral("Erlöse %1").arg(k)});
    }
};

TEST_F(Stammdatenseiten, TextschluesselMitZweiAufteilungskontenAnlegen) {
    TfrmTextschluessel seite(dm);
    seite.show();
    sobaldOffen<TformTextschluessel>([](TformTextschluessel* f) {
        QTest::keyClicks(f->edTSName, QStringLiteral("Tageskasse"));
        f->cbBuchungsseite->setCurrentIndex(1);
        f->cbSteuer->setCurrentIndex(0);
        kontoWaehlen(4400);
        f->frmAufteilungskonten->btnNeuesKonto->click();
        kontoWaehlen(4300);
        f->frmAufteilungskonten->btnNeuesKonto->click();
        f->btnOK->click();
    });
    seite.acTextschluesselNeu->trigger();

    const auto ts = TextschluesselLesen(archiv(), QStringLiteral("Tageskasse"));
    ASSERT_TRUE(ts);
    EXPECT_EQ(ts->Buchungsseite, QStringLiteral("E"));
    EXPECT_EQ(ts->Aufteilungskonten, (std::vector<qint64>{4400, 4300}));
    EXPECT_EQ(seite.laAnzahl->text(), QStringLiteral("1 Textschlüssel"));
}

TEST_F(Stammdatenseiten, ZentralregulierungMitZweiPartnernAnlegen) {
    TfrmKooperationen seite(dm);
    seite.show();
    kontoWaehlen(91001);
    seite.acZentralreguliererNeu->trigger();
    ASSERT_EQ(seite.lvZentralregulierer->topLevelItemCount(), 1);
    seite.lvZentralregulierer->setCurrentItem(seite.lvZentralregulierer->topLevelItem(0));
    for (const qint64 partner : {91002, 91003}) {
        kontoWaehlen(partner);
        seite.acKontoHinzufuegen->trigger();
    }
    EXPECT_EQ(seite.lvPartner->topLevelItemCount(), 2);
    EXPECT_EQ(ZentralreguliererPartnerListe(daten(), 91001), (std::vector<qint64>{91002, 91003}));
}

} // namespace
