#include "../bookings/Buchungsumgebung.h"
#include "Fensterhilfen.h"
#include "TformBemerkung.h"
#include "TformErfassungLoeschen.h"
#include "TformErfassungsVerlauf.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// The widget holding the focus once the dialog is the active window.
QWidget* fokus(QWidget* fenster) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
    return QApplication::focusWidget();
}

class ErfassungsDialoge : public Buchungsumgebung {
protected:
    qint64 buchung(int bereichId, qint64 konto, qint64 gkonto, qint64 cent, const char* seite) {
        daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen (Hauptbuchung, BuchungsBereich, "
                                          "Belegdatum, Konto, GKonto, Betrag, Buchungsseite, "
                                          "Buchungstext, Bemerkung, ErstelltAm, ErstelltVon, "
                                          "AnzahlAenderungen) VALUES (1, ?, '2024-03-08', ?, ?, "
                                          "?, ?, 'Ware', 'alt', '2024-03-08 09:00:00', 'AD', 0)"),
                           {bereichId, konto, gkonto, cent, QString::fromLatin1(seite)});
        const qint64 id = daten().letzteId();
        daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID WHERE ID=?"), {id});
        return id;
    }
    qint64 anzahl(const char* tabelle) {
        return zahl(QStringLiteral("SELECT count(*) FROM %1").arg(QString::fromLatin1(tabelle)));
    }
};

// An outgoing invoice is deleted only with a reason: "Ja" waits for it, the reason is archived.
TEST_F(ErfassungsDialoge, AusgangsrechnungLoeschenNurMitBegruendung) {
    bereich(4, 4, 8400, QString());
    const qint64 id = buchung(4, 8400, 10001, 23456, "E");
    sobaldOffen<TformErfassungLoeschen>([](TformErfassungLoeschen* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Erfassung löschen"));
        EXPECT_EQ(f->laFrage->text(),
                  QStringLiteral("Sind Sie sicher, dass Sie folgende Erfassung löschen möchten?"));
        EXPECT_EQ(f->laDatum->text(), QStringLiteral("08.03.2024"));
        EXPECT_EQ(f->laText->text(), QStringLiteral("Ware"));
        EXPECT_EQ(f->laBetrag->text(), QStringLiteral("234,56"));
        EXPECT_FALSE(f->btnJa->isEnabled());
        EXPECT_EQ(fokus(f), f->edBegruendung);
        QTest::keyClicks(f->edBegruendung, QStringLiteral("Doppelt \"erfasst\""));
        EXPECT_TRUE(f->btnJa->isEnabled());
        f->edBegruendung->clear();
        EXPECT_FALSE(f->btnJa->isEnabled());
        QTest::keyClicks(f->edBegruendung, QStringLiteral("Doppelt \"erfasst\""));
        QTest::mouseClick(f->btnJa, Qt::LeftButton);
    });
    EXPECT_TRUE(TformErfassungLoeschen::ExecuteEinzeln(dm, QStringLiteral("Erfassungen"), id));
    EXPECT_EQ(anzahl("Erfassungen"), 0);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_geloescht WHERE "
                                  "Bemerkung='Doppelt \"erfasst\"'")),
              1);
}

TEST_F(ErfassungsDialoge, JaOhneBegruendungWirdAbgewiesen) {
    TformErfassungLoeschen dialog;
    tLoeschAngaben a;
    a.BegruendungNoetig = true;
    dialog.Anzeigen(a);
    // Forced past the disabled button, the click is still refused.
    dialog.btnJa->setEnabled(true);
    dialog.btnJa->click();
    EXPECT_EQ(
        fragen.letzterText(),
        QStringLiteral("Für das Löschen dieser Erfassung müssen Sie eine Begründung eingeben!"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

// Elsewhere "Nein" has the focus and answering it keeps the booking; several bookings show
// "k. A.".
TEST_F(ErfassungsDialoge, OhnePflichtHatNeinDenFokus) {
    const qint64 erste = buchung(2, 1800, 6300, 1000, "A");
    const qint64 zweite = buchung(2, 1800, 6300, 2000, "A");
    sobaldOffen<TformErfassungLoeschen>([](TformErfassungLoeschen* f) {
        EXPECT_TRUE(f->btnJa->isEnabled());
        EXPECT_EQ(fokus(f), f->btnNein);
        QTest::keyClick(f->btnNein, Qt::Key_Space);
    });
    EXPECT_FALSE(TformErfassungLoeschen::ExecuteEinzeln(dm, QStringLiteral("Erfassungen"), erste));
    EXPECT_EQ(anzahl("Erfassungen"), 2);

    sobaldOffen<TformErfassungLoeschen>([](TformErfassungLoeschen* f) {
        EXPECT_EQ(f->laFrage->text(), QStringLiteral("Sind Sie sicher, dass Sie die ausgewählten "
                                                     "Erfassungen löschen möchten?"));
        EXPECT_EQ(f->laBetrag->text(), QStringLiteral("k. A."));
        EXPECT_EQ(fokus(f), f->btnNein);
        QTest::mouseClick(f->btnJa, Qt::LeftButton);
    });
    EXPECT_TRUE(
        TformErfassungLoeschen::ExecuteListe(dm, QStringLiteral("Erfassungen"), {erste, zweite}));
    EXPECT_EQ(anzahl("Erfassungen"), 0);
    EXPECT_EQ(anzahl("Erfassungen_geloescht"), 2);
}

TEST_F(ErfassungsDialoge, BemerkungBearbeitbarOderNurLesen) {
    QString text;
    sobaldOffen<TformBemerkung>([](TformBemerkung* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Bemerkung"));
        EXPECT_TRUE(f->btnOK->isVisible());
        EXPECT_TRUE(f->btnAbbrechen->isVisible());
        EXPECT_FALSE(f->btnSchliessen->isVisible());
        f->memBemerkung->moveCursor(QTextCursor::End);
        QTest::keyClicks(f->memBemerkung, QStringLiteral(" neu"));
        QTest::mouseClick(f->btnOK, Qt::LeftButton);
    });
    EXPECT_TRUE(TformBemerkung::BemerkungBearbeiten(QStringLiteral("alt"), false, text));
    EXPECT_EQ(text, QStringLiteral("alt neu"));

    for (const bool nurLesen : {false, true}) {
        sobaldOffen<TformBemerkung>([nurLesen](TformBemerkung* f) {
            EXPECT_EQ(f->btnSchliessen->isVisible(), nurLesen);
            EXPECT_EQ(f->btnOK->isVisible(), !nurLesen);
            EXPECT_EQ(f->memBemerkung->isReadOnly(), nurLesen);
            if (!nurLesen)
                QTest::keyClicks(f->memBemerkung, QStringLiteral("xyz"));
            QTest::keyClick(f, Qt::Key_Escape);
        });
        EXPECT_FALSE(TformBemerkung::BemerkungBearbeiten(QStringLiteral("alt"), nurLesen, text));
        EXPECT_EQ(text, QStringLiteral("alt"));
    }
    sobaldOffen<TformBemerkung>(
        [](TformBemerkung* f) { QTest::mouseClick(f->btnSchliessen, Qt::LeftButton); });
    EXPECT_FALSE(TformBemerkung::BemerkungBearbeiten(QStringLiteral("alt"), true, text));
    EXPECT_EQ(text, QStringLiteral("alt"));
}

TEST_F(ErfassungsDialoge, VerlaufZeigtBeideStaende) {
    const qint64 id = buchung(2, 1800, 6300, 1000, "A");
    daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen_Verlauf SELECT * FROM Erfassungen"));
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET Betrag=1500, AnzahlAenderungen=1, "
                                      "LetzteAenderung='2024-03-09 11:00:00', AenderungVon='XY', "
                                      "AenderungSteuerRelevant=1"));
    daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen (BuchungsID, Hauptbuchung, "
                                      "Belegdatum, TSName, Konto, GKonto, Betrag, Buchungsseite, "
                                      "AnzahlAenderungen, LetzteAenderung, AenderungVon, "
                                      "AenderungSteuerRelevant) VALUES (?, 0, '2024-03-08', "
                                      "'TS', 1800, 6310, 500, 'A', 1, '2024-03-09 11:00:00', "
                                      "'XY', 1)"),
                       {id});
    sobaldOffen<TformErfassungsVerlauf>([](TformErfassungsVerlauf* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Erfassungsverlauf"));
        QTreeWidget* t = f->tvVerlauf;
        ASSERT_EQ(t->topLevelItemCount(), 2);
        EXPECT_EQ(t->topLevelItem(0)->text(0),
                  QStringLiteral("08.03.2024 09:00:00 durch AD: Ursprungserfassung - "
                                 "Erfassungsart: manuell"));
        EXPECT_EQ(t->topLevelItem(1)->text(0), QStringLiteral("09.03.2024 11:00:00 durch XY"));
        ASSERT_EQ(t->topLevelItem(0)->childCount(), 1);
        EXPECT_EQ(t->topLevelItem(0)->child(0)->text(5), QStringLiteral("10,00"));
        QTreeWidgetItem* jetzt = t->topLevelItem(1);
        ASSERT_EQ(jetzt->childCount(), 2);
        EXPECT_EQ(jetzt->child(0)->text(0), QStringLiteral("08.03.2024"));
        EXPECT_EQ(jetzt->child(0)->text(5), QStringLiteral("15,00"));
        // The split row shows neither date nor text key.
        EXPECT_EQ(jetzt->child(1)->text(0), QString());
        EXPECT_EQ(jetzt->child(1)->text(1), QString());
        EXPECT_EQ(jetzt->child(1)->text(3), QStringLiteral("6310"));
        QTest::mouseClick(f->btnSchliessen, Qt::LeftButton);
    });
    TformErfassungsVerlauf::ErfassungsVerlaufOeffnen(dm, id);
}

} // namespace
