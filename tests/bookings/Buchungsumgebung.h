#pragma once

#include "Buchung.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Firmendaten.h"
#include "Kontenbereiche.h"
#include "Optionen.h"
#include "Pfade.h"
#include "Sitzung.h"
#include "TestInstallation.h"
#include "Textschluessel.h"
#include "Uhr.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

// Business "1000" in March 2024 with a cash box (area 1, account 1600, opening balance
// 100,00 on 1 March), a bank (area 2, account 1800), a goods journal (area 3, account 5400)
// and the suppliers 90001 and 90002.
class Buchungsumgebung : public ::testing::Test {
protected:
    TestInstallation inst;
    TDataModule1 dm{inst.datenverzeichnis()};
    FakeRueckfragen fragen;

    void SetUp() override {
        inst.anmelden(dm);
        Sitzung().Firma.WirtschaftsBeginn = 7;
        UhrFestsetzen(QDateTime(QDate(2024, 3, 20), QTime(10, 0)));
        bereich(1, 1, 1600, QStringLiteral("ww_mm_"));
        bereich(2, 2, 1800, QStringLiteral("B_mm_"));
        bereich(3, 3, 5400, QString());
        for (const auto& [konto, steuer, sb] :
             {std::tuple{1600, "0", "kb"}, std::tuple{1800, "0", "kb"}, std::tuple{5400, "9", "v"},
              std::tuple{4400, "3", "u"}, std::tuple{6300, "0", "kb"}, std::tuple{6310, "0", "kb"}})
            archiv().ausfuehren(
                QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer, "
                               "Steuerbereich) VALUES (?, 'K', ?, ?)"),
                {konto, steuer, sb});
        for (const qint64 konto : {90001, 90002})
            archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, "
                                               "Oeffentlich, AngelegtVonMNr) VALUES (?, 'L', 1, "
                                               "?)"),
                                {konto, inst.mnr()});
        daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES "
                                          "(1600, '2024-03-01', 10000)"));
    }

    // The text key BUERO: office supplies of 11,90 paid from the counter account 6310.
    void bueroTextschluesselAnlegen() {
        tTextschluessel ts;
        ts.TSName = QStringLiteral("BUERO");
        ts.Buchungstext = QStringLiteral("Bürobedarf");
        ts.Betrag = Betrag::ausCent(1190);
        ts.Buchungsseite = QStringLiteral("A");
        ts.Steuer = QStringLiteral("0");
        ts.Konto = 6310;
        ASSERT_TRUE(TextschluesselSpeichern(archiv(), inst.mnr(), ts, false));
    }
    void TearDown() override { UhrFestsetzen(QDateTime()); }

    void bereich(int id, int art, qint64 konto, const QString& maske) {
        daten().ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, "
                                          "Konto, Bezeichnung, Aktiv, Aktiviert, BelegNrVergabe, "
                                          "BelegNrNeuBeginnen, BelegMaske) VALUES (?, ?, ?, 'B', "
                                          "1, 1, 1, 4, ?)"),
                           {id, art, konto, maske});
    }

    // A mask state as the entry mask fills it from its booking line.
    tMaskenZustand maske(int bereichId, const QString& datum, qint64 konto, qint64 gkonto,
                         const QString& betrag, const QString& seite, const QString& nr = {},
                         const QString& text = QStringLiteral("Text")) {
        tMaskenZustand m;
        m.BereichID = bereichId;
        m.Spalten[0] = datum;
        m.Spalten[2] = konto ? QString::number(konto) : QString();
        m.Spalten[3] = gkonto ? QString::number(gkonto) : QString();
        m.Spalten[4] = betrag;
        m.Spalten[5] = seite;
        m.Spalten[6] = QStringLiteral("0");
        m.Spalten[7] = bereichId == 1 ? QStringLiteral("23_03_") : QString();
        m.Spalten[8] = nr;
        m.Spalten[9] = text;
        return m;
    }

    Datenbank& daten() { return dm.ADOConnection_Daten; }
    Datenbank& archiv() { return dm.ADOConnection_Archiv; }
    qint64 zahl(const QString& sql, std::initializer_list<Wert> werte = {}) {
        return daten().ganzzahlWert(sql, werte).value_or(-1);
    }
    // Every row of the tables a save or delete writes, to show that a failed one changed nothing.
    QString tabelleninhalt() {
        QString s;
        for (const char* t : {"Erfassungen", "Erfassungen_Verlauf", "Erfassungen_geloescht",
                              "Erfassungen_DauerPool", "OffenePosten", "Salden"}) {
            Abfrage q(daten(), QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(t));
            while (q.naechste())
                for (int i = 0; i < q.spaltenAnzahl(); ++i)
                    s += q.text(i) + u'|';
            s += u'\n';
        }
        return s;
    }
};
