#include "../masterdata/Stammdatenumgebung.h"
#include "Fensterhilfen.h"
#include "Konten.h"
#include "Textschluessel.h"
#include "TformKonto.h"
#include "TformTextschluessel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class TextschluesselImKonto : public Stammdatenumgebung {};

TEST_F(TextschluesselImKonto, BestehendesKontoBrauchtEinenTextschluessel) {
    archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, Oeffentlich, "
                                       "AngelegtVonMNr) VALUES (95000, 'Ohne Schlüssel', 1, ?)"),
                        {Sitzung().MNr});
    sobaldOffen<TformKonto>([this](TformKonto* d) {
        EXPECT_TRUE(d->gbTextschluessel->isVisible());
        EXPECT_FALSE(d->edTextschluessel->isVisible());
        EXPECT_EQ(d->tvTextschluessel->rowCount(), 0);
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(d->gbTextschluessel->styleSheet().isEmpty());

        // The key is written at once; the dialog's cancel then only closes.
        sobaldOffen<TformTextschluessel>([](TformTextschluessel* t) {
            EXPECT_EQ(t->edKonto->text(), QStringLiteral("95000"));
            EXPECT_EQ(t->edBuchungstextIndividuell->text(), QStringLiteral("Ohne Schlüssel"));
            t->edTSName->setText(QStringLiteral("OHNE"));
            t->btnOK->click();
            EXPECT_FALSE(t->isVisible()) << t->laTSAnlageFehler->text().toStdString();
            if (t->isVisible())
                t->reject();
        });
        d->btnTSHinzufuegen->click();
        ASSERT_EQ(d->tvTextschluessel->rowCount(), 1);
        EXPECT_EQ(d->tvTextschluessel->item(0, 0)->text(), QStringLiteral("OHNE"));
        EXPECT_EQ(d->btnAbbrechen->text(), QStringLiteral("Schließen"));
        EXPECT_TRUE(TextschluesselLesen(archiv(), QStringLiteral("OHNE")).has_value());
        d->btnOK->click();
        EXPECT_FALSE(d->isVisible());
        if (d->isVisible())
            d->reject();
    });
    EXPECT_TRUE(TformKonto(dm).KontoBearbeiten(KontoArt::Lieferant, 95000));

    sobaldOffen<TformKonto>([this](TformKonto* d) {
        EXPECT_EQ(d->btnAbbrechen->text(), QStringLiteral("Abbrechen"));
        d->tvTextschluessel->selectRow(0);
        fragen.antworten = {Antwort::Ja};
        d->btnTSLoeschen->click();
        EXPECT_EQ(d->tvTextschluessel->rowCount(), 0);
        d->btnAbbrechen->click();
    });
    TformKonto(dm).KontoBearbeiten(KontoArt::Lieferant, 95000);
    EXPECT_FALSE(TextschluesselLesen(archiv(), QStringLiteral("OHNE")).has_value());
}

TEST_F(TextschluesselImKonto, NeuerKostenlieferantOeffnetSeinenTextschluessel) {
    sobaldOffen<TformKonto>([](TformKonto* d) {
        EXPECT_FALSE(d->gbTextschluessel->isVisible());
        QTest::keyClicks(d->edBezeichnung, QStringLiteral("Stadtwerke"));
        QTest::keyClicks(d->edTextschluessel, QStringLiteral("STROM"));
        sobaldOffen<TformTextschluessel>([](TformTextschluessel* t) {
            EXPECT_EQ(t->windowTitle(), QStringLiteral("Textschlüssel bearbeiten"));
            EXPECT_EQ(t->edTSName->text(), QStringLiteral("STROM"));
            EXPECT_EQ(t->btnOK->text(), QStringLiteral("Schließen"));
            EXPECT_FALSE(t->btnAbbrechen->isVisible());
            t->reject();
        });
        d->btnOK->click();
        if (d->isVisible())
            d->reject();
    });
    TformKonto dialog(dm);
    EXPECT_TRUE(dialog.NeuesKonto(0, KontoArt::LieferantKosten, QString()));
    EXPECT_EQ(dialog.GespeichertKonto, 89000);
}

} // namespace
