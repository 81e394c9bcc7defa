#include "../masterdata/Stammdatenumgebung.h"
#include "AufteilungskontenListen.h"
#include "Bankverbindungen.h"
#include "Buchungsbereiche.h"
#include "Fensterhilfen.h"
#include "TformAufteilungskontenAuswahl.h"
#include "TformBankverbindung.h"
#include "TformGeldkonto.h"
#include "TfrmAufteilungskontenAuswahl.h"
#include "TfrmGeldkonten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

namespace {

class GeldkontoDialog : public Stammdatenumgebung {
protected:
    void SetUp() override {
        Stammdatenumgebung::SetUp();
        Sitzung().Firma.ErfassungsBeginn = QDate(2024, 1, 1);
    }

    static bool fokusIn(QWidget* dialog, QWidget* feld) {
        QWidget* f = dialog->focusWidget();
        return f == feld || feld->isAncestorOf(f) || f->focusProxy() == feld;
    }
};

TEST_F(GeldkontoDialog, PruefungenInIhrerReihenfolge) {
    struct Schritt {
        std::function<void(TformGeldkonto*)> eingabe;
        const char* meldung;
        std::function<QWidget*(TformGeldkonto*)> feld;
    };
    const Schritt schritte[] = {
        {[](TformGeldkonto* d) { d->edKonto->setText(QStringLiteral("1700")); },
         "Das Konto \"1700\" ist ungültig!",
         [](TformGeldkonto* d) {
             return d->edKonto;
         }},
        {[](TformGeldkonto* d) { d->edKonto->setText(QStringLiteral("1610")); },
         "Geben Sie bitte eine Bezeichnung ein!",
         [](TformGeldkonto* d) {
             return d->edBezeichnung;
         }},
        {[](TformGeldkonto* d) {
             d->edBezeichnung->setText(QStringLiteral("Hauptkasse"));
             d->cbAktiv->setChecked(true);
             d->edJahr->clear();
         },
         "Ungültiges Datum!",
         [](TformGeldkonto* d) {
             return d->edJahr;
         }},
        {[](TformGeldkonto* d) {
             d->cbMonat->setCurrentIndex(11);
             d->edJahr->setText(QStringLiteral("2023"));
         },
         "Der erste Buchungsmonat dieses Geldkontos kann nicht vor dem\rErfassungsbeginn des "
         "Betriebes liegen!",
         [](TformGeldkonto* d) {
             return d->cbMonat;
         }},
        {[](TformGeldkonto* d) {
             d->cbMonat->setCurrentIndex(2);
             d->edJahr->setText(QStringLiteral("2024"));
             d->edSaldo->setText(QStringLiteral("-5,00"));
         },
         "Ungültiger Saldo!",
         [](TformGeldkonto* d) {
             return d->edSaldo;
         }},
        {[](TformGeldkonto* d) { d->edSaldo->setText(QStringLiteral("12x")); }, "Ungültiger Saldo!",
         [](TformGeldkonto* d) {
             return d->edSaldo;
         }},
        {[](TformGeldkonto* d) {
             d->edSaldo->setText(QStringLiteral("150,25"));
             d->cbBelegMaske->setEditText(QStringLiteral("ww_mm_1"));
         },
         "Am Ende der Belegnummernmaske darf keine Zahl stehen!",
         [](TformGeldkonto* d) {
             return d->cbBelegMaske;
         }},
        {[](TformGeldkonto* d) {
             d->cbBelegMaske->setEditText(QStringLiteral("K-"));
             d->cbBelegNrVergabe->setCurrentIndex(-1);
         },
         "Wählen Sie bitte eine Art der Belegnummernvergabe aus!",
         [](TformGeldkonto* d) {
             return d->cbBelegNrVergabe;
         }},
        {[](TformGeldkonto* d) {
             d->cbBelegNrVergabe->setCurrentIndex(0);
             d->cbNeuBeginnen->setCurrentIndex(-1);
         },
         "Wählen Sie bitte aus, wann die Belegnummernvergabe neu beginnen soll!",
         [](TformGeldkonto* d) {
             return d->cbNeuBeginnen;
         }},
    };
    TformGeldkonto dialog(dm);
    sobaldOffen<TformGeldkonto>([&](TformGeldkonto* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Neue Kasse"));
        EXPECT_EQ(d->btnOK->text(), QStringLiteral("Anfügen"));
        EXPECT_FALSE(d->gbBank->isVisible());
        for (const Schritt& s : schritte) {
            fragen.meldungen.clear();
            s.eingabe(d);
            d->btnOK->click();
            EXPECT_TRUE(d->isVisible()) << s.meldung;
            EXPECT_EQ(fragen.letzterText(), QString::fromUtf8(s.meldung));
            EXPECT_TRUE(fokusIn(d, s.feld(d))) << s.meldung;
        }
        EXPECT_EQ(BereichsartErmitteln(daten(), 1), -1) << "nothing is saved while a check fails";
        fragen.meldungen.clear();
        d->cbNeuBeginnen->setCurrentIndex(3);
        d->btnOK->click();
        EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    });
    ASSERT_TRUE(dialog.NeuesGeldkonto(Bereichsart::Kasse));
    const tSaldoStart start = SaldoStartLaden(daten(), 1610);
    EXPECT_EQ(start.Datum, QDate(2024, 3, 1));
    EXPECT_EQ(start.Saldo, Betrag::ausCent(15025));
}

TEST_F(GeldkontoDialog, MaskeZeigtBeispielUndSchleppendUnterdruecktHinweis) {
    TformGeldkonto dialog(dm);
    sobaldOffen<TformGeldkonto>([](TformGeldkonto* d) {
        d->cbBelegMaske->setEditText(QStringLiteral("ww_mm_"));
        EXPECT_EQ(d->laBeispiel->text(), QStringLiteral("Beispiel: 24_03_1"));
        EXPECT_FALSE(d->laMaskeHinweis->isVisible());
        EXPECT_FALSE(d->cbNeuBeginnen->isEnabled());
        d->cbBelegMaske->setEditText(QStringLiteral("KA-"));
        EXPECT_TRUE(d->laMaskeHinweis->isVisible());
        EXPECT_TRUE(d->cbNeuBeginnen->isEnabled());
        d->cbKeinHinweis->setChecked(false);
        d->cbBelegNrVergabe->setCurrentIndex(1);
        Q_EMIT d->cbBelegNrVergabe->activated(1);
        EXPECT_TRUE(d->cbKeinHinweis->isChecked());
        EXPECT_FALSE(d->cbKeinHinweis->isEnabled());
        d->btnAbbrechen->click();
    });
    EXPECT_FALSE(dialog.NeuesGeldkonto(Bereichsart::Kasse));
}

TEST_F(GeldkontoDialog, KasseUndBankMitAnfangssaldoVonDerSeite) {
    TfrmGeldkonten seite(dm);
    seite.show();
    ASSERT_EQ(seite.tvGeldkonten->rowCount(), 0);
    sobaldOffen<TformGeldkonto>([](TformGeldkonto* d) {
        QTest::keyClicks(d->edKonto, QStringLiteral("1610"));
        QTest::keyClicks(d->edBezeichnung, QStringLiteral("Kasse Laden"));
        d->cbAktiv->setChecked(true);
        d->cbMonat->setCurrentIndex(1);
        d->edJahr->setText(QStringLiteral("2024"));
        d->edSaldo->setText(QStringLiteral("250,00"));
        d->btnOK->click();
    });
    seite.btnNeuKasse->click();
    sobaldOffen<TformGeldkonto>([this](TformGeldkonto* d) {
        EXPECT_TRUE(d->gbBank->isVisible());
        QTest::keyClicks(d->edKonto, QStringLiteral("1750"));
        d->cbAktiv->setChecked(true);
        d->cbMonat->setCurrentIndex(2);
        d->edJahr->setText(QStringLiteral("2024"));
        d->edSaldo->setText(QStringLiteral("-1.234,56"));
        sobaldOffen<TformBankverbindung>([](TformBankverbindung* b) {
            QTest::keyClicks(b->edBankleitzahl, QStringLiteral("37040044"));
            QTest::keyClicks(b->edKontonummer, QStringLiteral("532013000"));
            b->btnOK->click();
        });
        d->btnZahlungBearbeiten->click();
        EXPECT_FALSE(d->edBezeichnung->text().isEmpty()) << "the bank's name fills the empty name";
        EXPECT_TRUE(d->laZahlung->text().contains(QStringLiteral("DE89370400440532013000")));
        d->btnOK->click();
        EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    });
    seite.btnNeuBank->click();

    ASSERT_EQ(seite.tvGeldkonten->rowCount(), 2);
    const struct {
        const char* art;
        const char* konto;
        const char* aktivierung;
        const char* saldo;
    } erwartet[] = {{"Kasse", "1610", "01.02.2024", "250,00 €  "},
                    {"Bank", "1750", "01.03.2024", "-1.234,56 €  "}};
    for (int z = 0; z < 2; ++z) {
        EXPECT_EQ(seite.tvGeldkonten->item(z, 0)->text(), QString::fromUtf8(erwartet[z].art));
        EXPECT_EQ(seite.tvGeldkonten->item(z, 1)->text(), QString::fromUtf8(erwartet[z].konto));
        EXPECT_EQ(seite.tvGeldkonten->item(z, 4)->text(),
                  QString::fromUtf8(erwartet[z].aktivierung));
        EXPECT_EQ(seite.tvGeldkonten->item(z, 5)->text(), QString::fromUtf8(erwartet[z].saldo));
    }
    EXPECT_EQ(SaldoStartLaden(daten(), 1750).Saldo, Betrag::ausCent(-123456));
    tBankverbindung v;
    ASSERT_TRUE(BankverbindungLaden(archiv(), Sitzung().Kontenbereiche, Sitzung().MNr, 1750, v));
    EXPECT_EQ(v.BIC, QStringLiteral("COBADEFFXXX"));

    // Only a bank offers deletion and the paying-bank switch.
    seite.tvGeldkonten->selectRow(0);
    EXPECT_FALSE(seite.btnLoeschen->isEnabled());
    seite.tvGeldkonten->selectRow(1);
    EXPECT_TRUE(seite.btnLoeschen->isEnabled());
    seite.btnStandardZahlbank->click();
    EXPECT_EQ(seite.tvGeldkonten->item(1, 3)->text(), QStringLiteral("Standardzahlbank"));
}

TEST_F(GeldkontoDialog, AufteilungskontenAusEditorUndListe) {
    tGeldkonto g;
    g.Bereichsart = Bereichsart::Kasse;
    g.Konto = 1600;
    g.Bezeichnung = QStringLiteral("Kasse Laden");
    g.Aktiv = true;
    g.AnfangsMonat = QDate(2024, 2, 1);
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    std::vector<qint64> erwartet = AufteilungskontenBereichLaden(daten(), g.BereichID);
    const auto hinzufuegen = [](qint64 konto) {
        sobaldOffen<TformAufteilungskontenAuswahl>([konto](TformAufteilungskontenAuswahl* a) {
            EXPECT_EQ(a->windowTitle(), QStringLiteral("Aufteilungskonten [Kasse Laden]"));
            a->frmAufteilungskonten->KontoHinzufuegen(konto);
            a->btnOK->click();
        });
    };

    // A new area has nothing to attach split accounts to yet.
    sobaldOffen<TformGeldkonto>([](TformGeldkonto* d) {
        EXPECT_FALSE(d->btnAufteilungskonten->isEnabled());
        d->btnAbbrechen->click();
    });
    TformGeldkonto(dm).NeuesGeldkonto(Bereichsart::Kasse);

    sobaldOffen<TformGeldkonto>([&](TformGeldkonto* d) {
        ASSERT_TRUE(d->btnAufteilungskonten->isEnabled());
        hinzufuegen(4300);
        d->btnAufteilungskonten->click();
        d->btnAbbrechen->click();
    });
    TformGeldkonto(dm).GeldkontoBearbeiten(g.BereichID);
    erwartet.push_back(4300);
    EXPECT_EQ(AufteilungskontenBereichLaden(daten(), g.BereichID), erwartet);

    TfrmGeldkonten seite(dm);
    seite.show();
    EXPECT_FALSE(seite.btnAufteilungskonten->isEnabled());
    const auto zeilen =
        seite.tvGeldkonten->findItems(QStringLiteral("Kasse Laden"), Qt::MatchExactly);
    ASSERT_EQ(zeilen.size(), 1);
    seite.tvGeldkonten->selectRow(zeilen.first()->row());
    ASSERT_TRUE(seite.btnAufteilungskonten->isEnabled());
    hinzufuegen(4400);
    seite.btnAufteilungskonten->click();
    erwartet.push_back(4400);
    EXPECT_EQ(AufteilungskontenBereichLaden(daten(), g.BereichID), erwartet);
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
}

} // namespace
