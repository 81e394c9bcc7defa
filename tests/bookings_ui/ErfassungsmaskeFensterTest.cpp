#include "../bookings/Buchungsumgebung.h"
#include "Erfassungsverlauf.h"
#include "Fensterhilfen.h"
#include "OffenePosten.h"
#include "Textschluessel.h"
#include "TformErfassungLoeschen.h"
#include "TformKontoauswahl.h"
#include "TframeErfassungsmaske.h"
#include "TfrmErfassungen.h"
#include "TfrmErfassungsliste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

namespace {

class Erfassungsfenster : public Buchungsumgebung {
protected:
    std::unique_ptr<TframeErfassungsmaske> f;

    void SetUp() override {
        Buchungsumgebung::SetUp();
        archiv().ausfuehren(QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer, "
                                           "Steuerbereich) VALUES (1490, 'Verrechnung', '0', "
                                           "'kb')"));
        bueroTextschluesselAnlegen();
        f = std::make_unique<TframeErfassungsmaske>(dm);
        f->resize(1200, 600);
        f->show();
        QApplication::setActiveWindow(f.get());
        f->BereichOeffnen(1);
    }
    void TearDown() override {
        f.reset();
        Buchungsumgebung::TearDown();
    }
    QWidget* fokus() const { return QApplication::focusWidget(); }
    void tippen(const char* text) { QTest::keyClicks(fokus(), QString::fromUtf8(text)); }
    void taste(Qt::Key k, int mal = 1) {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(fokus(), k);
    }
    qint64 anzahl(const char* bedingung) {
        return zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE %1")
                        .arg(QString::fromLatin1(bedingung)));
    }
};

TEST_F(Erfassungsfenster, KassenbuchNurMitDerTastatur) {
    EXPECT_EQ(fokus(), f->Zelle[Spalte::TS]);
    EXPECT_FALSE(f->pcErfassung->isTabVisible(f->pcErfassung->indexOf(f->tabZVDaten)));
    // Receipt: date, no key, counter account, amount, side, text, F9.
    QTest::keyClick(fokus(), Qt::Key_Backtab);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Datum]);
    tippen("5");
    taste(Qt::Key_Return, 2);
    EXPECT_EQ(f->Zelle[Spalte::Datum]->text(), QStringLiteral("05.03.2024"));
    EXPECT_EQ(fokus(), f->Zelle[Spalte::GKonto]);
    tippen("1600");
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::GKonto]);
    f->Zelle[Spalte::GKonto]->selectAll();
    tippen("6300");
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Betrag]);
    tippen("-2500");
    EXPECT_EQ(f->Zelle[Spalte::Datum]->text(), QStringLiteral("04.03.2024"));
    taste(Qt::Key_Return);
    EXPECT_EQ(f->Zelle[Spalte::Betrag]->text(), QStringLiteral("25,00"));
    tippen("E");
    taste(Qt::Key_Return, 3);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Text]);
    f->Zelle[Spalte::Text]->selectAll();
    tippen("Verkauf");
    taste(Qt::Key_F9);
    EXPECT_EQ(
        anzahl("Betrag=2500 AND Buchungsseite='E' AND GKonto=6300 AND "
               "Belegdatum='2024-03-04' AND Belegnummer='23_03_1' AND Buchungstext='Verkauf'"),
        1);
    EXPECT_EQ(f->Saldo[2]->text().right(6), QStringLiteral("125,00"));
    EXPECT_EQ(fokus(), f->Zelle[Spalte::TS]);
    EXPECT_EQ(f->Zelle[Spalte::Nummer]->text(), QStringLiteral("2"));

    // Payment with a text key: the list follows the typing, Enter takes the key over.
    tippen("bu");
    EXPECT_EQ(f->TSListe->currentRow(), 0);
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Betrag]);
    EXPECT_EQ(f->Zelle[Spalte::Text]->text(), QStringLiteral("Bürobedarf"));
    EXPECT_TRUE(f->Zelle[Spalte::GKonto]->isReadOnly());
    taste(Qt::Key_F9);
    EXPECT_EQ(anzahl("TSName='BUERO' AND Betrag=1190 AND Buchungsseite='A' AND GKonto=6310"), 1);
    EXPECT_EQ(f->Saldo[2]->text().right(6), QStringLiteral("113,10"));

    // A split: 40,00 against 6300, F5, 15,00 on 6310 in the list, F9.
    taste(Qt::Key_Tab);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::GKonto]);
    tippen("6300");
    taste(Qt::Key_Return);
    tippen("4000");
    taste(Qt::Key_F5);
    EXPECT_EQ(fokus(), f->AufteilungsListe);
    EXPECT_EQ(f->Zelle[Spalte::GKonto]->text(), QStringLiteral("1490"));
    EXPECT_EQ(f->AufteilungsListe->item(0, 1)->text(), QStringLiteral("40,00"));
    f->AufteilungsListe->setCurrentCell(1, 0);
    sobaldOffen<TformKontoauswahl>([](TformKontoauswahl* d) {
        auto* liste = d->tabs->currentWidget()->findChild<QTableWidget*>();
        ASSERT_NE(liste, nullptr);
        const auto treffer = liste->findItems(QStringLiteral("6310"), Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        liste->selectRow(treffer.first()->row());
        d->btnUebernehmen->click();
    });
    QTest::keyClick(f->AufteilungsListe, Qt::Key_Insert);
    // The test platform does not hand the activation back after the modal picker.
    QApplication::setActiveWindow(f.get());
    EXPECT_EQ(f->AufteilungsListe->item(1, 0)->text(), QStringLiteral("6310"));
    EXPECT_EQ(f->Maske.Z.Aufteilung[1].Konto, QStringLiteral("6310"));
    f->AufteilungsListe->setCurrentCell(1, 1);
    f->AufteilungsListe->item(1, 1)->setText(QStringLiteral("15,00"));
    EXPECT_EQ(f->AufteilungsListe->item(0, 1)->text(), QStringLiteral("25,00"));
    taste(Qt::Key_F5);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Nummer]);
    taste(Qt::Key_F9);
    EXPECT_EQ(anzahl("Hauptbuchung=1 AND GKonto=1490 AND Betrag=4000"), 1);
    EXPECT_EQ(anzahl("Hauptbuchung=0 AND GKonto=6300 AND Betrag=2500"), 1);
    EXPECT_EQ(anzahl("Hauptbuchung=0 AND GKonto=6310 AND Betrag=1500"), 1);
    EXPECT_EQ(f->Saldo[2]->text().right(5), QStringLiteral("73,10"));
}

TEST_F(Erfassungsfenster, FehlerImLabelUndF3Klaeren) {
    f->Maske.Z.Spalten[Spalte::Datum] = QStringLiteral("05.03.2024");
    taste(Qt::Key_Tab);
    tippen("6300");
    taste(Qt::Key_Return);
    tippen("100");
    taste(Qt::Key_Return, 4);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Text]);
    f->Zelle[Spalte::Text]->selectAll();
    taste(Qt::Key_Backspace);
    taste(Qt::Key_F3);
    EXPECT_TRUE(f->acErfassungKlaeren->isChecked());
    taste(Qt::Key_F9);
    EXPECT_EQ(f->BuchungFehlerLabel->text(),
              QStringLiteral("Geben Sie bitte einen Buchungstext ein!"));
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Text]);
    taste(Qt::Key_F2);
    EXPECT_FALSE(f->acErfassungKlaeren->isChecked());
    EXPECT_TRUE(f->BuchungFehlerLabel->text().isEmpty());
    EXPECT_EQ(f->Zelle[Spalte::GKonto]->text(), QString());
}

TEST_F(Erfassungsfenster, ZVDatenImWareneingang) {
    f->BereichOeffnen(3);
    EXPECT_TRUE(f->pcErfassung->isTabVisible(f->pcErfassung->indexOf(f->tabZVDaten)));
    f->Maske.Z.Spalten[Spalte::Betrag] = QStringLiteral("100,00");
    f->edSkontoSatz->setText(QStringLiteral("2"));
    Q_EMIT f->edSkontoSatz->editingFinished();
    EXPECT_EQ(f->laZahlbetrag->text(), QStringLiteral("Zahlbetrag: 98,00"));
    EXPECT_EQ(f->edSkontoSatz->text(), QStringLiteral("2,00 %"));
}

// A supplier invoice typed with its payment terms: the due date typed on the payment page
// sets the net days, a date before the valuta date is refused, and the open item carries them.
TEST_F(Erfassungsfenster, LieferantenrechnungMitFaelligkeit) {
    archiv().ausfuehren(QStringLiteral("INSERT INTO KontoZVDaten (MNr, Konto, Bankeinzug, OPOS, "
                                       "NettoTage, SkontoTage, SkontoSatz, Kundennummer) VALUES "
                                       "(?, 90001, 0, 1, 30, 10, 2, 'K-77')"),
                        {inst.mnr()});
    f->BereichOeffnen(3);
    taste(Qt::Key_Tab);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::GKonto]);
    tippen("90001");
    taste(Qt::Key_Return);
    tippen("11900");
    taste(Qt::Key_Return);
    EXPECT_EQ(f->laKundennummer->text(), QStringLiteral("K-77"));
    EXPECT_EQ(f->laIBAN->text(), QStringLiteral("-"));
    EXPECT_TRUE(f->cbBankeinzug->isVisibleTo(f->tabZVDaten));
    EXPECT_EQ(f->edSkontoDatum->text(), QStringLiteral("11.03.2024"));
    EXPECT_EQ(f->edFaelligkeitsDatum->text(), QStringLiteral("31.03.2024"));
    EXPECT_EQ(f->laZahlbetrag->text(), QStringLiteral("Zahlbetrag: 116,62"));

    f->pcErfassung->setCurrentWidget(f->tabZVDaten);
    f->edRechNr->setFocus();
    tippen("R-4711");
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->edValutaTage);
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->edValutaDatum);
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->edSkontoDatum);
    f->edFaelligkeitsDatum->setFocus();
    f->edFaelligkeitsDatum->selectAll();
    tippen("15.02.2024");
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->edFaelligkeitsDatum);
    EXPECT_EQ(f->Maske.Z.Nettotage, 0);
    f->edFaelligkeitsDatum->selectAll();
    tippen("15.04.2024");
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Nummer]);
    EXPECT_EQ(f->edNettoTage->text(), QStringLiteral("45"));
    taste(Qt::Key_F9);
    EXPECT_TRUE(f->BuchungFehlerLabel->text().isEmpty())
        << f->BuchungFehlerLabel->text().toStdString();
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE Konto=90001 AND "
                                  "Rechnungsnummer='R-4711' AND Belegdatum='2024-03-01' AND "
                                  "NettoTage=45 AND SkontoTage=10 AND SkontoSatz=2")),
              1);

    // Instalments replace the discount and net terms; without an amount there is nothing to
    // split.
    f->btnFaelligkeitAufteilen->click();
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Der Rechnungsbetrag ist ungültig!"));
    FaelligkeitsAufteilungAnmelden([](Betrag betrag, const QDate& erste) {
        return std::optional<std::vector<tFaelligkeitsteil>>(
            {{erste, betrag - Betrag::ausCent(5000)}, {erste.addDays(30), Betrag::ausCent(5000)}});
    });
    f->Maske.Z.Spalten[Spalte::Betrag] = QStringLiteral("100,00");
    f->btnFaelligkeitAufteilen->click();
    ASSERT_TRUE(f->Maske.Z.Faelligkeitsaufteilung.has_value());
    EXPECT_EQ(f->Maske.Z.Faelligkeitsaufteilung->size(), 2u);
    EXPECT_FALSE(f->edSkontoSatz->isEnabled());
    EXPECT_FALSE(f->edFaelligkeitsDatum->isEnabled());

    // Cancelling keeps the instalments; removing them brings the terms back.
    FaelligkeitsAufteilungAnmelden(
        [](Betrag, const QDate&) -> std::optional<std::vector<tFaelligkeitsteil>> {
            return std::nullopt;
        });
    f->btnFaelligkeitAufteilen->click();
    ASSERT_TRUE(f->Maske.Z.Faelligkeitsaufteilung.has_value());
    EXPECT_EQ(f->Maske.Z.Faelligkeitsaufteilung->size(), 2u);
    EXPECT_FALSE(f->edSkontoSatz->isEnabled());
    FaelligkeitsAufteilungAnmelden([](Betrag, const QDate&) {
        return std::optional<std::vector<tFaelligkeitsteil>>(std::vector<tFaelligkeitsteil>{});
    });
    f->btnFaelligkeitAufteilen->click();
    FaelligkeitsAufteilungAnmelden({});
    EXPECT_FALSE(f->Maske.Z.Faelligkeitsaufteilung.has_value());
    EXPECT_TRUE(f->edSkontoSatz->isEnabled());
    EXPECT_TRUE(f->edFaelligkeitsDatum->isEnabled());
}

} // namespace

// The tax list comes to the front while the cursor stands in the tax column; the switch hides
// the key list and the choice outlives the frame.
TEST_F(Erfassungsfenster, SteuerlisteUndTextschluesselSchalter) {
    EXPECT_EQ(f->paErfassungZusatz->currentWidget(), f->TSListe);
    f->Maske.Z.Spalten[Spalte::Datum] = QStringLiteral("05.03.2024");
    taste(Qt::Key_Tab);
    tippen("4400");
    taste(Qt::Key_Return);
    tippen("100");
    taste(Qt::Key_Return);
    tippen("E");
    taste(Qt::Key_Return);
    ASSERT_EQ(fokus(), f->Zelle[Spalte::Steuer]);
    EXPECT_EQ(f->paErfassungZusatz->currentWidget(), f->SteuerListe);
    ASSERT_GT(f->SteuerListe->rowCount(), 1);
    const QString zweiter = f->SteuerListe->item(1, 0)->text();
    Q_EMIT f->SteuerListe->cellDoubleClicked(1, 0);
    EXPECT_EQ(f->Zelle[Spalte::Steuer]->text(), zweiter);
    taste(Qt::Key_Return);
    EXPECT_EQ(f->paErfassungZusatz->currentWidget(), f->TSListe);

    EXPECT_EQ(f->btnTSAnzeigenSwitch->text(), QStringLiteral("Textschlüsselliste ausblenden"));
    f->btnTSAnzeigenSwitch->click();
    EXPECT_TRUE(f->paErfassungZusatz->isHidden());
    EXPECT_EQ(f->btnTSAnzeigenSwitch->text(), QStringLiteral("Textschlüsselliste anzeigen"));
    TframeErfassungsmaske neu(dm);
    EXPECT_TRUE(neu.paErfassungZusatz->isHidden());
}

// The list under the mask follows every save; a booking opened from it is changed and keeps its
// earlier state in the history; a deleted one stands with its reason in the archive.
TEST_F(Erfassungsfenster, ListeBearbeitenVerlaufUndLoeschen) {
    TfrmErfassungsliste* liste = f->Erfassungen->Liste;
    EXPECT_EQ(f->pcErfassung->currentWidget(), f->tabInfo);
    EXPECT_EQ(liste->Anzahl(), 0);
    for (const char* betrag : {"2500", "1000"}) {
        f->Maske.Z.Spalten[Spalte::Datum] = QStringLiteral("05.03.2024");
        taste(Qt::Key_Tab);
        tippen("6300");
        taste(Qt::Key_Return);
        tippen(betrag);
        taste(Qt::Key_Return);
        tippen("E");
        taste(Qt::Key_Return, 3);
        f->Zelle[Spalte::Text]->selectAll();
        tippen("Verkauf");
        taste(Qt::Key_F9);
    }
    ASSERT_EQ(liste->Anzahl(), 2);
    EXPECT_EQ(f->Saldo[2]->text().right(6), QStringLiteral("135,00"));

    // Newest first: the 10,00 receipt is on top; a double click loads it into the mask, and the
    // keyboard goes on there.
    const QModelIndex erste = liste->Raster->model()->index(0, 0);
    liste->Raster->setCurrentIndex(erste);
    const std::optional<tErfassungsZeile> oben = liste->AktuelleZeile();
    ASSERT_TRUE(oben);
    EXPECT_EQ(oben->Betrag.cent(), 1000);
    const QPoint p = liste->Raster->visualRect(erste).center();
    QTest::mouseClick(liste->Raster->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(liste->Raster->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(liste->Raster->viewport(), Qt::LeftButton, {}, p);
    QApplication::processEvents();
    EXPECT_EQ(f->Maske.Z.BearbeitungsID, oben->BuchungsID);
    EXPECT_EQ(f->Zelle[Spalte::Betrag]->text(), QStringLiteral("10,00"));
    EXPECT_EQ(fokus(), f->Zelle[Spalte::TS]);
    taste(Qt::Key_Tab);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::GKonto]);
    // The account's name would replace the text: no.
    fragen.antworten.push_back(Antwort::Nein);
    taste(Qt::Key_Return);
    EXPECT_EQ(fokus(), f->Zelle[Spalte::Betrag]);
    tippen("1200");
    taste(Qt::Key_F9);
    EXPECT_EQ(liste->Anzahl(), 2);
    EXPECT_EQ(f->Saldo[2]->text().right(6), QStringLiteral("137,00"));
    const std::vector<tVerlaufsZeile> verlauf = ErfassungsVerlauf(daten(), oben->BuchungsID);
    ASSERT_EQ(verlauf.size(), 2u);
    EXPECT_EQ(verlauf.front().Zeile.Betrag.cent(), 1000);
    EXPECT_EQ(verlauf.back().Zeile.Betrag.cent(), 1200);

    // The other booking goes with a reason.
    liste->Raster->setCurrentIndex(liste->Raster->model()->index(1, 0));
    const qint64 zweite = liste->AktuelleZeile()->BuchungsID;
    ASSERT_NE(zweite, oben->BuchungsID);
    sobaldOffen<TformErfassungLoeschen>([](TformErfassungLoeschen* d) {
        d->edBegruendung->setText(QStringLiteral("doppelt erfasst"));
        d->btnJa->click();
    });
    f->Erfassungen->acErfassungLoeschen->trigger();
    EXPECT_EQ(liste->Anzahl(), 1);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_geloescht WHERE BuchungsID=? "
                                  "AND Bemerkung='doppelt erfasst' AND Betrag=2500"),
                   {zweite}),
              1);
    EXPECT_EQ(f->Saldo[2]->text().right(6), QStringLiteral("112,00"));
}
