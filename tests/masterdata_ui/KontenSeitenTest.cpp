#include "../masterdata/Stammdatenumgebung.h"
#include "Fensterhilfen.h"
#include "Konten.h"
#include "TformBankverbindung.h"
#include "TformKonto.h"
#include "TformKontoauswahl.h"
#include "TfrmFirmendaten.h"
#include "TfrmKMBDaten.h"
#include "TfrmPersonenkonten.h"
#include "TfrmSachkonten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class KontenSeiten : public Stammdatenumgebung {};

TEST_F(KontenSeiten, LieferantMitBankverbindungAnlegen) {
    TfrmLieferanten seite(dm, true, false);
    seite.show();
    sobaldOffen<TformKonto>([this](TformKonto* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Neuer Lieferant"));
        EXPECT_TRUE(d->cbBankeinzug->isChecked());
        QTest::keyClicks(d->edBezeichnung, QStringLiteral("Großhandel \"Nord\" 50%_"));
        d->cbBankeinzug->setChecked(false);
        d->btnOK->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(fragen.texte(),
                  (QStringList{QStringLiteral("Definieren Sie bitte eine Standardbank!"),
                               QStringLiteral("Folgende Zeichen dürfen in der "
                                              "Kontenbezeichnung nicht verwendet "
                                              "werden:\r\r? * %")}));
        EXPECT_TRUE(d->laFehler->isVisible());
        for (QWidget* w :
             {static_cast<QWidget*>(d->gbBank), static_cast<QWidget*>(d->edKundennummer),
              static_cast<QWidget*>(d->edTextschluessel), static_cast<QWidget*>(d->edBezeichnung)})
            EXPECT_FALSE(w->styleSheet().isEmpty()) << w->metaObject()->className();
        fragen.meldungen.clear();
        d->edBezeichnung->setText(QStringLiteral("Großhandel \"Nord\" 50_"));
        QTest::keyClicks(d->edKundennummer, QStringLiteral("K-77"));
        QTest::keyClicks(d->edTextschluessel, QStringLiteral("Nord"));
        sobaldOffen<TformBankverbindung>([](TformBankverbindung* b) {
            QTest::keyClicks(b->edBankleitzahl, QStringLiteral("37040044"));
            QTest::keyClicks(b->edKontonummer, QStringLiteral("532013000"));
            b->btnOK->click();
        });
        d->btnBankHinzufuegen->click();
        ASSERT_EQ(d->tvBankverbindungen->rowCount(), 1);
        EXPECT_EQ(d->tvBankverbindungen->item(0, 0)->text(), QStringLiteral("ja"))
            << "the only connection becomes the standard";
        EXPECT_EQ(d->tvBankverbindungen->item(0, 3)->text(), QStringLiteral("COBADEFFXXX"));
        d->edSkontoSatz->setText(QStringLiteral("2"));
        d->btnOK->click();
        EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    });
    seite.btnNeu->click();

    ASSERT_EQ(seite.tvKonten->rowCount(), 1);
    EXPECT_EQ(seite.tvKonten->item(0, 0)->text(), QStringLiteral("94000"));
    EXPECT_EQ(seite.tvKonten->item(0, 9)->text(), QStringLiteral("DE89370400440532013000"));
    const std::optional<tKontoDaten> k =
        KontoDatenLaden(archiv(), Sitzung().MNr, KontoArt::Lieferant, 94000);
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(k->Bezeichnung, QStringLiteral("Großhandel \"Nord\" 50_"));
    EXPECT_DOUBLE_EQ(k->ZV.SSatz, 2.0) << "a typed 2 is two percent";
    EXPECT_FALSE(k->ZV.Bankeinzug);
    EXPECT_EQ(k->ZV.StandardBank, 0);
    ASSERT_EQ(k->Bankverbindungen.size(), 1u);
    EXPECT_EQ(k->Bankverbindungen[0].BIC, QStringLiteral("COBADEFFXXX"));
    EXPECT_EQ(k->Bankverbindungen[0].Bankleitzahl, QStringLiteral("37040044"));

    // The search takes quotes, "%" and "_" literally.
    const struct {
        int feld;
        int art;
        const char* text;
        int treffer;
    } suchen[] = {{1, 0, "\"nord\"", 1}, {1, 0, "50_", 1},  {1, 0, "5%", 0},
                  {1, 1, "groß", 1},     {1, 1, "nord", 0}, {0, 0, "94000", 1},
                  {0, 0, "9400", 0},     {0, 1, "9400", 1}, {8, 0, "DE89", 1}};
    for (const auto& s : suchen) {
        seite.cbSuchfeld->setCurrentIndex(s.feld);
        Q_EMIT seite.cbSuchfeld->activated(s.feld);
        seite.cbSuchart->setCurrentIndex(s.art);
        seite.edSuche->setText(QString::fromUtf8(s.text));
        seite.btnSucheStarten->click();
        EXPECT_EQ(seite.tvKonten->rowCount(), s.treffer) << s.text;
    }
    seite.btnSucheAbbrechen->click();
    EXPECT_EQ(seite.tvKonten->rowCount(), 1);

    // A customer number given already is named on leaving the field, without blocking.
    fragen.meldungen.clear();
    sobaldOffen<TformKonto>([this](TformKonto* d) {
        d->edKundennummer->setText(QStringLiteral("K-77"));
        Q_EMIT d->edKundennummer->editingFinished();
        EXPECT_EQ(fragen.letzterText(),
                  QStringLiteral("Folgendes Konto ist mit der Kundennummer \"K-77\" bereits "
                                 "angelegt:\r\r\"Großhandel \"Nord\" 50_\""));
        d->btnAbbrechen->click();
    });
    TformKonto zweiter(dm);
    EXPECT_FALSE(zweiter.NeuesKonto(0, KontoArt::Lieferant, QString()));
}

TEST_F(KontenSeiten, SkontosatzLiestProzent) {
    TformKonto dialog(dm);
    const struct {
        const char* text;
        const char* angezeigt;
        bool rot;
    } faelle[] = {{"2", "2,00", false},     {"2,5", "2,50", false}, {"3.75", "3,75", false},
                  {"1,234", "1,234", true}, {"x", "x", true},       {"", "0,00", false}};
    sobaldOffen<TformKonto>([&](TformKonto* d) {
        for (const auto& f : faelle) {
            d->edSkontoSatz->setFocus();
            d->edSkontoSatz->setText(QString::fromUtf8(f.text));
            Q_EMIT d->edSkontoSatz->editingFinished();
            EXPECT_EQ(d->edSkontoSatz->text(), QString::fromUtf8(f.angezeigt)) << f.text;
            EXPECT_EQ(!d->edSkontoSatz->styleSheet().isEmpty(), f.rot) << f.text;
        }
        d->btnAbbrechen->click();
    });
    EXPECT_FALSE(dialog.NeuesKonto(0, KontoArt::Kunde, QString()));
}

TEST_F(KontenSeiten, KontoauswahlUebernimmtDasGewaehlteKonto) {
    archiv().ausfuehren(QStringLiteral("DELETE FROM Sachkonten"));
    archiv().ausfuehren(QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer) "
                                       "VALUES (4930, 'Bürobedarf', '9'), (6300, 'Kosten', '')"));
    TformKontoauswahl auswahl(dm);
    sobaldOffen<TformKontoauswahl>([this](TformKontoauswahl* d) {
        EXPECT_EQ(d->tabs->count(), 1);
        d->btnUebernehmen->click();
        EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben kein Konto ausgewählt!"));
        EXPECT_EQ(d->frmSachkonten->tvSachkonten->rowCount(), 2);
        EXPECT_EQ(d->frmSachkonten->laAnzahl->text(), QStringLiteral("2 Sachkonten"));
        d->frmSachkonten->edSuche->setText(QStringLiteral("büro"));
        d->frmSachkonten->btnSuchen->click();
        EXPECT_EQ(d->frmSachkonten->tvSachkonten->rowCount(), 1);
        d->frmSachkonten->tvSachkonten->selectRow(0);
        d->btnUebernehmen->click();
    });
    qint64 konto = -1;
    ASSERT_TRUE(auswahl.Execute(konto, Kontoauswahl::Sachkonten));
    EXPECT_EQ(konto, 4930);
    EXPECT_FALSE(auswahl.KontoAuswahlBereichsart(konto, 9));
    EXPECT_EQ(konto, 0);
}

TEST_F(KontenSeiten, FirmendatenFragenVorDemSchliessen) {
    TfrmFirmendaten seite(dm);
    seite.show();
    EXPECT_TRUE(seite.edFirmenname->isReadOnly());
    EXPECT_TRUE(seite.AenderungenKlaeren()) << "nothing to ask without edits";
    const QString alt = Sitzung().Firma.Firmenname;
    seite.btnBearbeiten->click();
    ASSERT_FALSE(seite.edFirmenname->isReadOnly());
    seite.edFirmenname->clear();
    QTest::keyClicks(seite.edFirmenname, QStringLiteral("Apotheke am Markt"));

    const struct {
        Antwort antwort;
        bool weiter;
        const char* name;
    } faelle[] = {{Antwort::Abbrechen, false, "Apotheke am Markt"},
                  {Antwort::Ja, true, "Apotheke am Markt"}};
    for (const auto& f : faelle) {
        fragen.meldungen.clear();
        fragen.antworten = {f.antwort};
        EXPECT_EQ(seite.AenderungenKlaeren(), f.weiter);
        EXPECT_EQ(fragen.letzterText(),
                  QStringLiteral("Möchten Sie die Änderungen an den Firmendaten speichern?"));
        EXPECT_EQ(seite.edFirmenname->text(), QString::fromUtf8(f.name));
    }
    EXPECT_TRUE(seite.edFirmenname->isReadOnly());
    EXPECT_EQ(FirmendatenLaden(daten(), Sitzung().MNr).Firmenname,
              QStringLiteral("Apotheke am Markt"));
    EXPECT_NE(alt, Sitzung().Firma.Firmenname);

    seite.btnBearbeiten->click();
    QTest::keyClicks(seite.edFirmenname, QStringLiteral("!"));
    fragen.antworten = {Antwort::Nein};
    EXPECT_TRUE(seite.AenderungenKlaeren());
    EXPECT_EQ(seite.edFirmenname->text(), QStringLiteral("Apotheke am Markt"));
}

TEST_F(KontenSeiten, KelmbranddatenVerlangenEineNiederlassung) {
    TfrmKMBDaten seite(dm);
    seite.show();
    seite.btnBearbeiten->click();
    QTest::keyClicks(seite.edBerater, QStringLiteral("Dr. Berg"));
    seite.cbNiederlassung->setCurrentIndex(-1);
    seite.btnSpeichern->click();
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Wählen Sie Ihre zuständige Niederlassung aus!"));
    EXPECT_TRUE(seite.IsEingabeModus());
    ASSERT_GT(seite.cbNiederlassung->count(), 0);
    seite.cbNiederlassung->setCurrentIndex(0);
    fragen.antworten = {Antwort::Ja};
    EXPECT_TRUE(seite.AenderungenKlaeren());
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie die Änderungen an den Kelmbranddaten speichern?"));
    EXPECT_FALSE(seite.IsEingabeModus());
    EXPECT_EQ(FirmendatenLaden(daten(), Sitzung().MNr).VBBerater, QStringLiteral("Dr. Berg"));
    EXPECT_EQ(NiederlassungLaden(daten(), Sitzung().MNr),
              seite.cbNiederlassung->currentData().toInt());
}

} // namespace
