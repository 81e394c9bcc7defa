#include "QtRueckfragen.h"
#include "Fensterhilfen.h"
#include "TformMeldungsFenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtRueckfragen, DeutscheKnoepfeUndZeilenumbrueche) {
    QtRueckfragen fragen;
    QString gezeigt;
    QStringList beschriftungen;
    sobaldOffen<QMessageBox>([&](QMessageBox* box) {
        gezeigt = box->text();
        for (auto* k : box->buttons())
            beschriftungen << k->text();
        knopf(box, QStringLiteral("Nein"))->click();
    });
    EXPECT_EQ(fragen.frage(Meldungsart::Warnung, QStringLiteral("Zeile 1\r\rZeile 3"),
                           Knoepfe::JaNeinAbbrechen),
              Antwort::Nein);
    EXPECT_EQ(gezeigt, QStringLiteral("Zeile 1\n\nZeile 3"));
    beschriftungen.sort();
    EXPECT_EQ(beschriftungen, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"),
                                           QStringLiteral("Nein")}));
}

TEST(QtRueckfragen, EscapeGibtDieVorsichtigsteAntwort) {
    QtRueckfragen fragen;
    sobaldOffen<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(fragen.frage(Meldungsart::Bestaetigung, QStringLiteral("Wirklich?"), Knoepfe::JaNein),
              Antwort::Nein);
    sobaldOffen<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(fragen.frage(Meldungsart::Bestaetigung, QStringLiteral("Wirklich?"),
                           Knoepfe::JaNeinAbbrechen),
              Antwort::Abbrechen);
}

TEST(TformMeldungsFenster, CheckboxNurAufWunschUndAnfangsLeer) {
    TformMeldungsFenster fenster;
    bool sichtbar = true;
    sobaldOffen<TformMeldungsFenster>([&](TformMeldungsFenster* f) {
        sichtbar = f->cbNichtMehrAnzeigen->isVisible();
        QTest::keyClick(f, Qt::Key_Return);
    });
    EXPECT_FALSE(fenster.MeldungZeigen(QStringLiteral("Titel"), QStringLiteral("Text"), false));
    EXPECT_FALSE(sichtbar);

    bool anfangsLeer = false;
    sobaldOffen<TformMeldungsFenster>([&](TformMeldungsFenster* f) {
        anfangsLeer = f->cbNichtMehrAnzeigen->isVisible() && !f->cbNichtMehrAnzeigen->isChecked();
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Hinweis"));
        EXPECT_EQ(f->laHinweis->text(), QStringLiteral("a\nb"));
        QTest::mouseClick(f->cbNichtMehrAnzeigen, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(f, Qt::Key_Return);
    });
    EXPECT_TRUE(fenster.MeldungZeigen(QStringLiteral("Hinweis"), QStringLiteral("a\rb"), true));
    EXPECT_TRUE(anfangsLeer);
}

} // namespace
