#include "../bookings/Buchungsumgebung.h"
#include "ErfassungslistenModell.h"
#include "Fensterhilfen.h"
#include "TformErfassungsSpalten.h"
#include "TfrmErfassungsliste.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace {

using M = tErfassungslistenModell;

class Erfassungslistenfenster : public Buchungsumgebung {
protected:
    std::unique_ptr<TfrmErfassungsliste> liste;

    void SetUp() override {
        Buchungsumgebung::SetUp();
        liste = std::make_unique<TfrmErfassungsliste>(dm);
        // Wide enough for every column: clicks land without horizontal scrolling.
        liste->resize(3200, 400);
        liste->show();
        QApplication::setActiveWindow(liste.get());
    }
    void TearDown() override {
        liste.reset();
        Buchungsumgebung::TearDown();
    }

    qint64 zeile(int bereich, int tag, qint64 gkonto, qint64 cent, const char* seite,
                 const QString& text, qint64 buchungsId = 0, const QString& belegnummer = {}) {
        daten().ausfuehren(
            QStringLiteral(
                "INSERT INTO Erfassungen (BuchungsID, Hauptbuchung, BuchungsBereich, "
                "Belegdatum, Konto, GKonto, Betrag, Buchungsseite, Buchungstext, TSName, "
                "Belegnummer, ErstelltAm, ErstelltVon, AnzahlAenderungen) VALUES (?, ?, "
                "?, ?, 1600, ?, ?, ?, ?, 'TS', ?, '2024-03-10 09:05:00', 'AD', 0)"),
            {buchungsId, buchungsId == 0, bereich, QDate(2024, 3, tag), gkonto, cent,
             QString::fromLatin1(seite), text, belegnummer});
        const qint64 id = daten().letzteId();
        if (buchungsId == 0)
            daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID WHERE ID=?"),
                               {id});
        return id;
    }
    void maerz(int bereich, bool aufteilungenAlsZeilen) {
        Sitzung().Optionen.AufteilungInBuchungsListeAnzeigen = aufteilungenAlsZeilen;
        liste->ErfassungenEintragenBereich(QStringLiteral("Erfassungen"), bereich,
                                           Erfassungssortierung::Belegdatum, 2024, 3);
    }
    QModelIndex zelle(int zeile, int spalte, const QModelIndex& eltern = {}) const {
        return liste->Modell->index(zeile, spalte, eltern);
    }
    QString text(const QModelIndex& index) const { return index.data().toString(); }
    QPoint punkt(const QModelIndex& index) const {
        liste->Raster->scrollTo(index);
        return liste->Raster->visualRect(index).center();
    }
    QWidget* flaeche() const { return liste->Raster->viewport(); }
};

TEST_F(Erfassungslistenfenster, LaedtBeimBlaetternNachUndBehaeltDieAuswahl) {
    {
        Transaktion t(daten());
        for (int i = 0; i < 450; ++i)
            zeile(1, 1 + i % 28, 6300, 100 + i, "A", QString::number(i));
        t.bestaetigen();
    }
    maerz(1, false);
    EXPECT_EQ(liste->laAnzahl->text(), QStringLiteral("450 Erfassungen"));
    EXPECT_EQ(liste->Modell->rowCount(), M::Seitengroesse);
    QScrollBar* leiste = liste->Raster->verticalScrollBar();
    QCoreApplication::processEvents();
    leiste->setValue(leiste->maximum());
    EXPECT_GE(liste->Modell->rowCount(), 2 * M::Seitengroesse);
    for (int i = 0; i < 10 && liste->Modell->canFetchMore({}); ++i) {
        QCoreApplication::processEvents();
        leiste->setValue(leiste->maximum());
    }
    EXPECT_EQ(liste->Modell->rowCount(), 450);
    EXPECT_FALSE(liste->Modell->canFetchMore({}));
    // A booking from the last page stays selected when the list is read again.
    const QModelIndex spaet = zelle(420, M::Belegdatum);
    QTest::mouseClick(flaeche(), Qt::LeftButton, {}, punkt(spaet));
    const qint64 gewaehlt = liste->AktuelleZeile()->BuchungsID;
    liste->Aktualisieren();
    EXPECT_EQ(liste->Modell->rowCount(), 450);
    ASSERT_EQ(liste->Auswahl().size(), 1u);
    EXPECT_EQ(liste->Auswahl()[0].BuchungsID, gewaehlt);
    EXPECT_EQ(liste->Raster->currentIndex().row(), 420);
}

TEST_F(Erfassungslistenfenster, AufteilungenAlsKinderNurHauptzeilenWaehlbar) {
    const qint64 a = zeile(1, 5, 0, 3000, "A", QStringLiteral("Einkauf"));
    zeile(1, 5, 6300, 1000, "A", QStringLiteral("Teil 1"), a);
    zeile(1, 5, 6310, 2000, "A", QStringLiteral("Teil 2"), a);
    const qint64 b = zeile(1, 6, 4400, 123456, "E", QStringLiteral("Einnahme"));
    maerz(1, false);
    ASSERT_EQ(liste->Modell->rowCount(), 2);
    const QModelIndex haupt = zelle(0, 0);
    ASSERT_EQ(liste->Modell->rowCount(haupt), 2);
    EXPECT_EQ(text(zelle(1, M::Einnahme)), QStringLiteral("1.234,56"));
    EXPECT_EQ(text(zelle(1, M::Ausgabe)), QString());
    const QModelIndex teil = zelle(1, M::Belegdatum, haupt);
    EXPECT_EQ(text(zelle(1, M::Erfassungstext, haupt)), QStringLiteral("Teil 2"));
    EXPECT_EQ(text(teil), QString());
    EXPECT_EQ(text(zelle(1, M::TS, haupt)), QString());
    EXPECT_EQ(text(zelle(0, M::Belegdatum)), QStringLiteral("05.03.2024"));
    EXPECT_EQ(teil.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::gray));
    EXPECT_EQ(text(zelle(0, M::ErstelltAm)), QStringLiteral("10.03. 09:05"));

    EXPECT_FALSE(liste->Raster->isExpanded(haupt));
    liste->AufteilungsErfassungenAnzeigen(true);
    EXPECT_TRUE(liste->Raster->isExpanded(haupt));
    QTest::mouseClick(flaeche(), Qt::LeftButton, {}, punkt(teil));
    EXPECT_TRUE(liste->Auswahl().empty());
    liste->Raster->selectAll();
    std::vector<qint64> gewaehlt;
    for (const auto& z : liste->Auswahl())
        gewaehlt.push_back(z.BuchungsID);
    EXPECT_EQ(gewaehlt, std::vector<qint64>({a, b}));
    liste->AufteilungsErfassungenAnzeigen(false);
    EXPECT_FALSE(liste->Raster->isExpanded(haupt));

    // With split rows listed as rows, they are rows of their own and have no children.
    maerz(1, true);
    EXPECT_EQ(liste->Modell->rowCount(), 4);
    EXPECT_EQ(liste->Modell->rowCount(zelle(0, 0)), 0);
    EXPECT_EQ(text(zelle(1, M::Erfassungstext)), QStringLiteral("Teil 1"));
    EXPECT_FALSE(liste->Modell->flags(zelle(1, 0)).testFlag(Qt::ItemIsSelectable));
}

TEST_F(Erfassungslistenfenster, DoppelklickUndEnter) {
    const qint64 a = zeile(1, 5, 0, 3000, "A", QStringLiteral("Einkauf"));
    zeile(1, 5, 6300, 3000, "A", QStringLiteral("Teil"), a);
    maerz(1, false);
    liste->AufteilungsErfassungenAnzeigen(true);
    QSignalSpy gewaehlt(liste.get(), &TfrmErfassungsliste::ErfassungGewaehlt);
    QSignalSpy verlauf(liste.get(), &TfrmErfassungsliste::VerlaufGewuenscht);
    liste->Raster->header()->setSectionHidden(M::AnzahlAenderungen, false);

    QTest::mouseDClick(flaeche(), Qt::LeftButton, {}, punkt(zelle(0, M::Erfassungstext)));
    ASSERT_EQ(gewaehlt.count(), 1);
    EXPECT_EQ(gewaehlt.takeFirst().at(0).toLongLong(), a);
    QTest::mouseDClick(flaeche(), Qt::LeftButton, {}, punkt(zelle(0, M::AnzahlAenderungen)));
    ASSERT_EQ(verlauf.count(), 1);
    EXPECT_EQ(verlauf.takeFirst().at(0).toLongLong(), a);
    EXPECT_EQ(gewaehlt.count(), 0);
    QTest::mouseDClick(flaeche(), Qt::LeftButton, {},
                       punkt(zelle(0, M::Erfassungstext, zelle(0, 0))));
    EXPECT_EQ(gewaehlt.count() + verlauf.count(), 0);

    liste->Raster->setCurrentIndex(zelle(0, M::Belegdatum));
    QTest::keyClick(liste->Raster, Qt::Key_Return);
    ASSERT_EQ(gewaehlt.count(), 1);
    EXPECT_EQ(gewaehlt.takeFirst().at(0).toLongLong(), a);
}

TEST_F(Erfassungslistenfenster, SortierenPerKopfklickBehaeltAuswahl) {
    zeile(1, 3, 6300, 100, "A", QStringLiteral("zehn"), 0, QStringLiteral("24_03_10"));
    zeile(1, 4, 6300, 100, "A", QStringLiteral("neun"), 0, QStringLiteral("24_03_9"));
    zeile(1, 5, 6300, 100, "A", QStringLiteral("elf"), 0, QStringLiteral("24_03_11"));
    maerz(1, false);
    const auto reihenfolge = [&] {
        QStringList t;
        for (int i = 0; i < liste->Modell->rowCount(); ++i)
            t << text(zelle(i, M::Erfassungstext));
        return t;
    };
    EXPECT_EQ(reihenfolge(), QStringList({"zehn", "neun", "elf"}));
    liste->Raster->setCurrentIndex(zelle(0, 0));
    QHeaderView* kopf = liste->Raster->header();
    const auto klicken = [&](int spalte) {
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(spalte) + 5, kopf->height() / 2));
    };
    klicken(M::Belegnummer);
    EXPECT_EQ(reihenfolge(), QStringList({"neun", "zehn", "elf"}));
    EXPECT_EQ(liste->AktuelleZeile()->Buchungstext, QStringLiteral("zehn"));
    klicken(M::Belegnummer);
    EXPECT_EQ(reihenfolge(), QStringList({"elf", "zehn", "neun"}));
    // The order survives reading the month again; a column without order leaves it alone.
    maerz(1, false);
    EXPECT_EQ(reihenfolge(), QStringList({"elf", "zehn", "neun"}));
    klicken(M::Steuerbezeichnung);
    EXPECT_EQ(kopf->sortIndicatorSection(), int(M::Belegnummer));
    EXPECT_EQ(reihenfolge(), QStringList({"elf", "zehn", "neun"}));
    // A restored header brings its order along.
    const QByteArray stand = kopf->saveState();
    liste = std::make_unique<TfrmErfassungsliste>(dm);
    ASSERT_TRUE(liste->Raster->header()->restoreState(stand));
    maerz(1, false);
    EXPECT_EQ(reihenfolge(), QStringList({"elf", "zehn", "neun"}));
}

TEST_F(Erfassungslistenfenster, SpaltenverwaltungSperrtBetraegeUndStelltStandardHer) {
    zeile(3, 5, 90001, 5000, "E", QStringLiteral("Gutschrift"));
    liste->ErfassungenEintragenBereich(QStringLiteral("Erfassungen"), 3,
                                       Erfassungssortierung::Belegdatum, 2024, 3);
    QHeaderView* kopf = liste->Raster->header();
    EXPECT_FALSE(kopf->isSectionHidden(M::Rechnung));
    EXPECT_TRUE(kopf->isSectionHidden(M::Einnahme));
    EXPECT_EQ(text(zelle(0, M::Rechnung)), QStringLiteral("-50,00"));
    EXPECT_EQ(zelle(0, M::Rechnung).data(Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::red));
    kopf->moveSection(kopf->visualIndex(M::Bemerkung), 0);

    sobaldOffen<TformErfassungsSpalten>([&](TformErfassungsSpalten* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Spalten verwalten"));
        QStringList namen;
        QListWidgetItem* eintrag[M::SpaltenAnzahl] = {};
        for (int i = 0; i < f->lbSpalten->count(); ++i) {
            QListWidgetItem* e = f->lbSpalten->item(i);
            namen << e->text();
            eintrag[e->data(Qt::UserRole).toInt()] = e;
        }
        EXPECT_EQ(namen.first(), QStringLiteral("Bemerkung"));
        for (const char* fehlt :
             {"ID", "Erfassungsbereich", "Erfassungs-ID", "Haupterfassung", "Löschdatum"})
            EXPECT_FALSE(namen.contains(QString::fromUtf8(fehlt))) << fehlt;
        for (int gesperrt : {M::Rechnung, M::Einnahme, M::Ausgabe})
            EXPECT_FALSE(eintrag[gesperrt]->flags() & Qt::ItemIsUserCheckable) << gesperrt;
        EXPECT_EQ(eintrag[M::Buchungsseite]->checkState(), Qt::Unchecked);
        eintrag[M::Erfassungstext]->setCheckState(Qt::Unchecked);
        eintrag[M::Buchungsseite]->setCheckState(Qt::Checked);
        EXPECT_TRUE(kopf->isSectionHidden(M::Erfassungstext));
        EXPECT_FALSE(kopf->isSectionHidden(M::Buchungsseite));
        QTest::mouseClick(f->btnStandard, Qt::LeftButton);
        EXPECT_FALSE(kopf->isSectionHidden(M::Erfassungstext));
        EXPECT_TRUE(kopf->isSectionHidden(M::Buchungsseite));
        EXPECT_FALSE(kopf->isSectionHidden(M::Rechnung));
        EXPECT_TRUE(kopf->isSectionHidden(M::Ausgabe));
        EXPECT_EQ(kopf->visualIndex(M::Bemerkung), int(M::Bemerkung));
        EXPECT_EQ(f->lbSpalten->item(0)->text(), QStringLiteral("lfd. Nr."));
        QTest::mouseClick(f->btnSchliessen, Qt::LeftButton);
    });
    TformErfassungsSpalten::SpaltenVerwalten(*liste, liste.get());

    // The header's state is what the main window keeps per user.
    kopf->moveSection(kopf->visualIndex(M::Konto), 1);
    kopf->setSectionHidden(M::Steuer, true);
    const QByteArray stand = kopf->saveState();
    TfrmErfassungsliste zweite(dm);
    ASSERT_TRUE(zweite.Raster->header()->restoreState(stand));
    EXPECT_EQ(zweite.Raster->header()->visualIndex(M::Konto), 1);
    EXPECT_TRUE(zweite.Raster->header()->isSectionHidden(M::Steuer));
}

} // namespace
