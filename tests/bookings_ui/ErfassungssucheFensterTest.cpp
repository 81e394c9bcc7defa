#include "../bookings/Buchungsumgebung.h"
#include "Fensterhilfen.h"
#include "TformOP.h"
#include "TfrmErfassungsliste.h"
#include "TfrmErfassungssuche.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <algorithm>

namespace {

struct Zeile {
    qint64 id;
    const char* datum;
    const char* ts;
    qint64 konto;
    qint64 gkonto;
    qint64 cent;
    const char* text;
    const char* belegnummer;
    const char* rechnungsnummer;
    int bereich = 1;
};

// Today is 20.03.2024.
const Zeile erfassungen[] = {
    {1, "2024-03-05", "BUERO", 1600, 6310, 1190, "Bürobedarf", "K-001", ""},
    {2, "2024-03-06", "", 1600, 6300, 2500, "Rabatt 10% Kunde", "K-002", "R-7"},
    {3, "2024-03-07", "", 5400, 90001, 11900, "Rabatt 10 Prozent", "W-003", "RE 55", 3},
    {4, "2023-12-15", "", 1600, 6310, 1190, "Bürobedarf alt", "K-999", ""},
    {5, "2024-03-10", "", 1600, 6310, 1190, "Bürobedarf intern", "K-005", "", 99},
    {6, "2024-03-25", "", 1800, 6300, 1190, "Bürobedarf später", "B-006", ""},
    {7, "2024-03-08", "A B", 1800, 6300, 700, "X Y", "1 2", "3 4", 2},
};

class Erfassungssuche : public Buchungsumgebung {
protected:
    std::unique_ptr<TfrmErfassungssuche> f;

    void SetUp() override {
        Buchungsumgebung::SetUp();
        for (const Zeile& z : erfassungen)
            eintragen(QStringLiteral("Erfassungen"), z);
        f = std::make_unique<TfrmErfassungssuche>(dm);
        f->resize(1200, 700);
        f->show();
        QApplication::setActiveWindow(f.get());
    }
    void TearDown() override {
        f.reset();
        Sitzung().NurLesen = false;
        Buchungsumgebung::TearDown();
    }

    // tabelle is one of the test's own literals.
    void eintragen(const QString& tabelle, const Zeile& z) {
        daten().ausfuehren(
            QStringLiteral("INSERT INTO %1 (ID, BuchungsID, Hauptbuchung, BuchungsBereich, "
                           "Belegdatum, TSName, Konto, GKonto, Buchungstext, Betrag, "
                           "Buchungsseite, Steuer, Belegnummer, Rechnungsnummer, ErstelltAm, "
                           "ErstelltVon, Erfassungskennzeichen) VALUES (?, ?, 1, ?, ?, ?, ?, ?, "
                           "?, ?, 'A', '0', ?, ?, '2024-03-20 09:00:00', 'Admin', 0)")
                .arg(tabelle),
            {z.id, z.id, z.bereich, QString::fromLatin1(z.datum), QString::fromUtf8(z.ts), z.konto,
             z.gkonto, QString::fromUtf8(z.text), z.cent, QString::fromUtf8(z.belegnummer),
             QString::fromUtf8(z.rechnungsnummer)});
    }

    static void eintippen(QLineEdit* feld, const char* text) {
        feld->clear();
        QTest::keyClicks(feld, QString::fromUtf8(text));
    }

    // The booking IDs of the hits, in the list's order.
    static std::vector<qint64> treffer(const TfrmErfassungssuche& seite) {
        QTreeView* raster = seite.Liste->Raster;
        QAbstractItemModel* m = raster->model();
        std::vector<qint64> ids;
        for (int r = 0; m && r < m->rowCount(); ++r) {
            raster->setCurrentIndex(m->index(r, 0));
            const auto z = seite.Liste->AktuelleZeile();
            ids.push_back(z ? z->BuchungsID : -1);
        }
        return ids;
    }
    std::vector<qint64> treffer() const { return treffer(*f); }
    std::vector<qint64> trefferSortiert() const {
        auto ids = treffer();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    void doppelklick(qint64 buchungsId) {
        QTreeView* raster = f->Liste->Raster;
        const std::vector<qint64> ids = treffer();
        const auto it = std::find(ids.begin(), ids.end(), buchungsId);
        ASSERT_NE(it, ids.end());
        int spalte = 0;
        while (raster->isColumnHidden(spalte))
            ++spalte;
        const QModelIndex index = raster->model()->index(int(it - ids.begin()), spalte);
        raster->scrollTo(index);
        // As the window system sends it: QTest's double click on a widget lacks the first
        // press and release, without which the view takes it for a new press.
        const QPoint p = raster->visualRect(index).center();
        QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(raster->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(raster->viewport(), Qt::LeftButton, {}, p);
    }
};

TEST_F(Erfassungssuche, VorgabenUndTabReihenfolge) {
    EXPECT_EQ(f->edVon->text(), QStringLiteral("01.01.2024"));
    EXPECT_EQ(f->edBis->text(), QStringLiteral("20.03.2024"));
    EXPECT_EQ(f->cbTabelle->currentText(), QStringLiteral("Erfassungen"));
    EXPECT_EQ(QApplication::focusWidget(), f->edVon);
    const std::vector<QWidget*> reihenfolge = {
        f->edBis,     f->edTextschluessel, f->edBetragVon,   f->edBetragBis,
        f->edKonto,   f->edErfassungstext, f->edBelegnummer, f->edRechnungsnummer,
        f->cbTabelle, f->btnSucheStarten,  f->Liste->Raster};
    for (QWidget* naechstes : reihenfolge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes) << naechstes->metaObject()->className();
    }
    // A short date is completed when the field is left.
    f->edVon->setFocus();
    eintippen(f->edVon, "5.3.");
    QTest::keyClick(f->edVon, Qt::Key_Tab);
    EXPECT_EQ(f->edVon->text(), QStringLiteral("05.03.2024"));
}

TEST_F(Erfassungssuche, EnterSuchtNachDenKriterien) {
    struct Fall {
        const char* beschreibung;
        std::vector<std::pair<QLineEdit * TfrmErfassungssuche::*, const char*>> eingaben;
        std::vector<qint64> erwartet;
    };
    using S = TfrmErfassungssuche;
    const Fall faelle[] = {
        // Area 99 is never listed, the period ends today.
        {"Vorgaben", {}, {1, 2, 3, 7}},
        {"Betrag", {{&S::edBetragVon, "11,90"}, {&S::edBetragBis, "11,90"}}, {1}},
        {"Betrag bis", {{&S::edBetragVon, "7,00"}, {&S::edBetragBis, "25,00"}}, {1, 2, 7}},
        // Without "bis" the amounts above "von".
        {"nur Betrag von", {{&S::edBetragVon, "11,90"}}, {2, 3}},
        {"Prozent ist ein Zeichen", {{&S::edErfassungstext, "10%"}}, {2}},
        {"Unterstrich ist ein Zeichen", {{&S::edErfassungstext, "Rabatt_10"}}, {}},
        {"nur von", {{&S::edVon, "01.12.2023"}, {&S::edBis, ""}}, {1, 2, 3, 4, 6, 7}},
        {"Textschlüssel ohne Groß/klein", {{&S::edTextschluessel, "buero"}}, {1}},
        {"Konto als Gegenkonto", {{&S::edKonto, "6300"}}, {2, 7}},
        {"Konto", {{&S::edKonto, "5400"}}, {3}},
        {"Belegnummer", {{&S::edBelegnummer, "K-00"}}, {1, 2}},
        {"Rechnungsnummer", {{&S::edRechnungsnummer, "re 5"}}, {3}},
        {"Erfassungstext mit Umlaut", {{&S::edErfassungstext, "BÜRO"}}, {1}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.beschreibung);
        f = std::make_unique<TfrmErfassungssuche>(dm);
        f->show();
        QLineEdit* letztes = f->edVon;
        for (const auto& [feld, text] : fall.eingaben) {
            eintippen(f.get()->*feld, text);
            letztes = f.get()->*feld;
        }
        QTest::keyClick(letztes, Qt::Key_Return);
        EXPECT_EQ(trefferSortiert(), fall.erwartet);
        EXPECT_EQ(f->Liste->Anzahl(), qint64(fall.erwartet.size()));
    }
    EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
}

TEST_F(Erfassungssuche, AnfuehrungszeichenWerdenLeerzeichen) {
    eintippen(f->edTextschluessel, "A\"B");
    eintippen(f->edErfassungstext, "X\"Y");
    eintippen(f->edBelegnummer, "1\"2");
    eintippen(f->edRechnungsnummer, "3\"4");
    QTest::mouseClick(f->btnSucheStarten, Qt::LeftButton);
    EXPECT_EQ(f->edTextschluessel->text(), QStringLiteral("A B"));
    EXPECT_EQ(f->edErfassungstext->text(), QStringLiteral("X Y"));
    EXPECT_EQ(f->edBelegnummer->text(), QStringLiteral("1 2"));
    EXPECT_EQ(f->edRechnungsnummer->text(), QStringLiteral("3 4"));
    EXPECT_EQ(treffer(), std::vector<qint64>{7});
}

TEST_F(Erfassungssuche, GeloeschteErfassungen) {
    eintragen(QStringLiteral("Erfassungen_geloescht"),
              {50, "2024-03-04", "", 1600, 6310, 1190, "Bürobedarf gelöscht", "K-050", ""});
    eintippen(f->edErfassungstext, "bedarf");
    QTest::keyClick(f->edErfassungstext, Qt::Key_Return);
    EXPECT_EQ(treffer(), std::vector<qint64>{1});

    f->cbTabelle->setFocus();
    QTest::keyClick(f->cbTabelle, Qt::Key_Down);
    EXPECT_EQ(f->cbTabelle->currentText(), QStringLiteral("gelöschte Erfassungen"));
    EXPECT_EQ(f->Liste->Anzahl(), 0);
    EXPECT_TRUE(treffer().empty());
    QTest::keyClick(f->cbTabelle, Qt::Key_Return);
    EXPECT_EQ(treffer(), std::vector<qint64>{50});
    EXPECT_EQ(f->Liste->Tabelle(), QStringLiteral("Erfassungen_geloescht"));
}

TEST_F(Erfassungssuche, UngueltigeEingabeSuchtNicht) {
    QTest::keyClick(f->edVon, Qt::Key_Return);
    ASSERT_EQ(trefferSortiert(), (std::vector<qint64>{1, 2, 3, 7}));
    struct Fall {
        QLineEdit* TfrmErfassungssuche::*feld;
        const char* text;
        const char* meldung;
    };
    const char* betragFalsch = "Ungültiger Betrag! Geben Sie den Betrag bitte so ein: 1.234,56";
    const Fall faelle[] = {
        {&TfrmErfassungssuche::edBetragVon, "11,9x", betragFalsch},
        {&TfrmErfassungssuche::edBetragBis, "1.500", betragFalsch},
        {&TfrmErfassungssuche::edVon, "32.01.2024", "Ungültiges Datum!"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        QLineEdit* feld = f.get()->*fall.feld;
        const QString vorher = feld->text();
        eintippen(feld, fall.text);
        eintippen(f->edErfassungstext, "Rabatt");
        QTest::keyClick(f->edErfassungstext, Qt::Key_Return);
        EXPECT_EQ(fragen.letzterText(), QString::fromUtf8(fall.meldung));
        EXPECT_EQ(QApplication::focusWidget(), feld);
        EXPECT_EQ(trefferSortiert(), (std::vector<qint64>{1, 2, 3, 7})) << "list unchanged";
        feld->setText(vorher);
        f->edErfassungstext->clear();
    }
}

TEST_F(Erfassungssuche, DoppelklickZeigtDenOffenenPosten) {
    daten().ausfuehren(QStringLiteral(
        "INSERT INTO OffenePosten (BuchungsID, Konto, Rechnungsnummer, Bankeinzug, Belegdatum, "
        "RechBetrag, ZahlBetrag, NettoTage, ValutaTage, SkontoTage, SkontoSatz, Skonto) VALUES "
        "(3, 90001, 'RE 55', 0, '2024-03-07', -11900, 0, 30, 0, 0, 0, 0)"));
    QTest::keyClick(f->edVon, Qt::Key_Return);

    struct Fall {
        bool nurLesen;
        const char* titel;
    };
    for (const Fall fall :
         {Fall{false, "Offenen Posten bearbeiten"}, Fall{true, "Offenen Posten anzeigen"}}) {
        SCOPED_TRACE(fall.titel);
        Sitzung().NurLesen = fall.nurLesen;
        bool offen = false;
        sobaldOffen<TformOP>([&offen, &fall](TformOP* d) {
            offen = true;
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8(fall.titel));
            EXPECT_EQ(d->edRechnungsnummer->text(), QStringLiteral("RE 55"));
            EXPECT_EQ(d->edKonto->text(), QStringLiteral("90001"));
            d->reject();
        });
        doppelklick(3);
        EXPECT_TRUE(offen);
        EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
    }

    // Without an open item the user is told instead of getting an empty dialog.
    doppelklick(1);
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Zu dieser Erfassung gehört kein offener Posten.")});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Erfassungssuche, SucheNachBelegnummerImEigenenFenster) {
    f.reset();
    Sitzung().Firma.ErfassungsBeginn = QDate(2024, 3, 6);
    const tErfassungssuche suche = TfrmErfassungssuche::BelegnummerSuche(QStringLiteral("K-002"));
    EXPECT_EQ(suche.Von, QDate(2024, 3, 6));
    EXPECT_EQ(suche.Bis, QDate(2024, 3, 20));
    EXPECT_EQ(suche.Tabelle, QStringLiteral("Erfassungen"));

    QWidget hauptfenster;
    hauptfenster.show();
    QPointer<TfrmErfassungssuche> fenster =
        TfrmErfassungssuche::ErfassungssucheFenster(dm, suche, &hauptfenster);
    ASSERT_TRUE(fenster);
    EXPECT_TRUE(fenster->isWindow());
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Erfassungssuche"));
    const QSize bildschirm = hauptfenster.screen()->geometry().size();
    // The test screen is small: the window does not shrink below what its fields need.
    EXPECT_EQ(fenster->size(),
              (bildschirm - QSize(200, 200)).expandedTo(fenster->minimumSizeHint()));
    EXPECT_EQ(fenster->geometry().topLeft(),
              hauptfenster.screen()->geometry().topLeft() + QPoint(100, 100));
    EXPECT_EQ(fenster->edVon->text(), QStringLiteral("06.03.2024"));
    EXPECT_EQ(fenster->edBis->text(), QStringLiteral("20.03.2024"));
    EXPECT_EQ(fenster->edBelegnummer->text(), QStringLiteral("K-002"));
    EXPECT_EQ(treffer(*fenster), std::vector<qint64>{2});
    // Esc closes the window, which goes away with it.
    QApplication::setActiveWindow(fenster);
    QTest::keyClick(fenster->edBelegnummer, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
}

} // namespace
