#include "Belegnummer.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "Buchungsumgebung.h"
#include "Konten.h"
#include "OffenePosten.h"
#include "Salden.h"

namespace {

class Buchung : public Buchungsumgebung {
protected:
    // Stores a booking row directly, as earlier saves left it.
    void zeile(int bereichId, const char* datum, qint64 konto, qint64 gkonto, qint64 cent,
               const char* seite, const QString& praefix = {}, qint64 zaehler = 0) {
        daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen (Hauptbuchung, BuchungsBereich, "
                                          "Belegdatum, Konto, GKonto, Betrag, Buchungsseite, "
                                          "BelegMaske, BelegZaehler) VALUES (1, ?, ?, ?, ?, ?, ?, "
                                          "?, ?)"),
                           {bereichId, QString::fromLatin1(datum), konto, gkonto, cent,
                            QString::fromLatin1(seite), praefix, zaehler});
        daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID WHERE ID=?"),
                           {daten().letzteId()});
    }
    bool speichern(const tMaskenZustand& m, tBuchung& b) {
        return BuchungPruefenMaske(dm, m, b) && AktuelleBuchungSpeichern(dm, b, m);
    }
};

TEST_F(Buchung, BelegzaehlerJePraefixUndZeitraum) {
    EXPECT_EQ(NaechsterBelegZaehler(daten(), 3, 2024, QStringLiteral("24_03_"), 4, 2, 7), 1);
    zeile(1, "2024-03-02", 1600, 6300, 100, "A", QStringLiteral("24_03_"), 7);
    zeile(2, "2024-02-10", 1800, 6300, 100, "A", QStringLiteral("24_03_"), 9);
    EXPECT_EQ(NaechsterBelegZaehler(daten(), 3, 2024, QStringLiteral("24_03_"), 4, 1, 7), 8);
    EXPECT_EQ(NaechsterBelegZaehler(daten(), 3, 2024, QStringLiteral("24_03_"), 4, 2, 7), 7);
    EXPECT_EQ(NaechsterBelegZaehler(daten(), 3, 2024, QStringLiteral("24_03_"), 2, 1, 7), 10);
    EXPECT_EQ(NaechsterBelegZaehler(daten(), 3, 2024, QStringLiteral("24_03_"), 1, 1, 7), 10);
    EXPECT_EQ(BelegnummerText(daten(), 2024, 3, 4, 1, 0, QStringLiteral("24_03_"), 7),
              QStringLiteral("8"));
    EXPECT_TRUE(BelegnummerVergeben(daten(), 3, 2024, 4, 7, QStringLiteral("24_03_"), 7));
    EXPECT_FALSE(BelegnummerVergeben(daten(), 3, 2024, 4, 9, QStringLiteral("24_03_"), 7));
    EXPECT_TRUE(BelegnummerVergeben(daten(), 3, 2024, 3, 9, QStringLiteral("24_03_"), 7));
}

TEST_F(Buchung, SaldoAusSaldenUndBuchungenMitBeidenVorzeichenregeln) {
    daten().ausfuehren(QStringLiteral("UPDATE Salden SET Saldo=50000"));
    zeile(1, "2024-03-05", 1600, 6300, 10000, "E");
    zeile(2, "2024-03-10", 1800, 1600, 5000, "A");
    zeile(1, "2024-03-12", 1600, 6300, 3000, "A");
    zeile(1, "2024-03-13", 1600, 1600, 9900, "A");
    zeile(1, "2024-04-01", 1600, 6300, 7000, "A");
    const struct {
        QDate von, bis;
        qint64 anfang, ein, aus;
    } faelle[] = {{QDate(2024, 3, 1), QDate(2024, 3, 31), 50000, 15000, 3000},
                  {QDate(2024, 3, 10), QDate(2024, 3, 31), 60000, 5000, 3000},
                  {QDate(2024, 3, 13), QDate(2024, 4, 30), 62000, 0, 7000}};
    for (const auto& f : faelle) {
        const tSaldo s = SaldoBerechnen(daten(), 1600, f.bis, f.von);
        EXPECT_EQ(s.Anfangssaldo.cent(), f.anfang) << f.von.toString().toStdString();
        EXPECT_EQ(s.Einnahmen.cent(), f.ein);
        EXPECT_EQ(s.Ausgaben.cent(), f.aus);
    }
    EXPECT_EQ(SaldoBerechnen(daten(), 0, QDate(2024, 3, 31), QDate(2024, 3, 1)).Endsaldo().cent(),
              0);
    const tSaldo bank = SaldoBerechnen(daten(), 1800, QDate(2024, 3, 31), QDate(2024, 3, 1));
    EXPECT_EQ(bank.Anfangssaldo.cent(), 0);
    EXPECT_EQ(bank.Ausgaben.cent(), 5000);
    const tSaldenAnzeige a = SaldenAnzeige(daten(), archiv(), 1, 3, 2024);
    EXPECT_EQ(a.Bezeichnung[2], QStringLiteral("Endsaldo:"));
    EXPECT_EQ(a.Wert[2].cent(), 62000);
}

TEST_F(Buchung, HarteFehlerMitCodeSpalteUndText) {
    fragen.antworten = {Antwort::Nein};
    struct Fall {
        std::function<void(tMaskenZustand&)> aendern;
        int code, spalte;
        const char* text;
    };
    const Fall faelle[] = {
        {[](auto& m) { m.Spalten[0] = "5.4"; }, -1, 0, "Ungültiges Belegdatum!"},
        {[](auto& m) { m.Spalten[1] = "Gibtsnicht"; }, -1, 1, "Ungültiger Textschlüssel!"},
        {[](auto& m) {
             m.Reiter = Erfassungsreiter::ImportPool;
             m.Spalten[2].clear();
         },
         -1, 2, "Ungültiges Konto!"},
        {[](auto& m) {
             m.Reiter = Erfassungsreiter::ImportPool;
             m.Spalten[3].clear();
         },
         -1, 3, "Ungültiges Gegenkonto!"},
        {[](auto& m) { m.Spalten[3] = "1800"; }, -1, 3, "Ungültige Kontenstellung!"},
        {[](auto& m) { m.Spalten[4] = "0"; }, -1, 4, "Ungültiger Betrag!"},
        {[](auto& m) { m.Spalten[4] = "1,234"; }, -1, 4, "Ungültiger Betrag!"},
        {[](auto& m) { m.Spalten[5] = "X"; }, -1, 5,
         "Zulässig sind: E (Einnahme) oder A (Ausgabe)!"},
        {[](auto& m) { m.Spalten[6] = "77"; }, -1, 6, "Ungültige Steuer!"},
        {[](auto& m) { m.Spalten[8] = "0"; }, -1, 8, "Ungültige Belegnummer!"},
        {[](auto& m) { m.Spalten[8] = "1000000"; }, -1, 8, "Ungültige Belegnummer!"},
        {[](auto& m) {
             m.Spalten[8] = "abc";
             m.AufteilungAktiv = true;
             m.Aufteilung = {{"6300", "5,00", "0", "a"}};
         },
         -1, 8, "Ungültige Belegnummer!"},
        {[](auto& m) {
             m.AufteilungAktiv = true;
             m.Aufteilung = {{"", "5,00", "0", "a"}};
         },
         -1, 3, "Ungültige Kontierung!"},
        {[](auto& m) {
             m.AufteilungAktiv = true;
             m.Aufteilung = {{"1800", "5,00", "0", "a"}};
         },
         -1, 3, "Ungültige Kontierung!"},
        {[](auto& m) {
             m.AufteilungAktiv = true;
             m.Aufteilung = {{"6999", "5,00", "0", "a"}};
         },
         -1, 3, "Ungültige Kontierung!"},
        {[](auto& m) { m.Spalten[9] = "  "; }, -1, 9, "Geben Sie bitte einen Buchungstext ein!"},
        {[](auto& m) { m.Spalten[4] = "200,00"; }, 100, 0, "Minussaldo!"},
    };
    for (const Fall& f : faelle) {
        tMaskenZustand m = maske(1, "5", 1600, 6300, "10,00", "A", "1");
        f.aendern(m);
        tBuchung b = BuchungAusMaske(dm, m);
        EXPECT_FALSE(BuchungPruefenRecord(dm, b, m)) << f.text;
        EXPECT_EQ(b.FehlerCode, f.code) << f.text;
        EXPECT_EQ(b.FehlerSpalte, f.spalte) << f.text;
        EXPECT_EQ(b.FehlerString, QString::fromUtf8(f.text));
    }
    const Fall rechnungsfaelle[] = {
        {[](auto& m) { m.Rechnungsnummer.clear(); }, 1, 0, "Rechnungsnummer fehlt!"},
        {[](auto& m) { m.Rechnungsnummer = "R\"1"; }, 1, 10,
         "Ungültige Rechnungsnummer (Anführungszeichen)!"},
        {[](auto& m) { m.Valutatage = 1000; }, 2, 0, "Ungültige Valutatage!"},
        {[](auto& m) {
             m.Skontotage = 1000;
             m.Nettotage = 1000;
         },
         3, 0, "Ungültige Skontotage!"},
        {[](auto& m) { m.Nettotage = 1000; }, 4, 0, "Ungültige Nettotage!"},
        {[](auto& m) {
             m.Skontotage = 10;
             m.Nettotage = 5;
         },
         4, 0, "Fälligkeitsdatum liegt vor Skontodatum!"},
        {[](auto& m) { m.SkontoBetrag = Betrag::ausCent(2000); }, 5, 0,
         "Ungültiger Skontobertrag!"},
        {[](auto& m) { m.SkontoSatz = 101; }, 6, 0, "Ungültiger Skontosatz!"},
    };
    for (const Fall& f : rechnungsfaelle) {
        tMaskenZustand m = maske(3, "5", 5400, 90001, "10,00", "A");
        m.Rechnungsnummer = QStringLiteral("R1");
        f.aendern(m);
        tBuchung b = BuchungAusMaske(dm, m);
        EXPECT_FALSE(BuchungPruefenRecord(dm, b, m)) << f.text;
        EXPECT_EQ(b.FehlerCode, f.code) << f.text;
        EXPECT_EQ(b.FehlerSpalte, f.spalte) << f.text;
        EXPECT_EQ(b.FehlerString, QString::fromUtf8(f.text));
    }
}

TEST_F(Buchung, WarnungenInIhrerReihenfolge) {
    zeile(3, "2024-03-05", 5400, 90001, 1000, "A", QString(), 0);
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET Rechnungsnummer='R1'"));
    zeile(3, "2024-03-06", 5400, 90002, 100, "A", QString(), 3);
    tMaskenZustand m = maske(3, "5", 5400, 90001, "10,00", "A", "3");
    m.Rechnungsnummer = QStringLiteral("R1");
    m.SkontoSatz = 6;
    m.SkontoBetrag = Betrag::ausCent(60);
    m.Bankeinzug =
        !KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("90001")).Bankeinzug;
    fragen.antworten = {Antwort::Ja, Antwort::Ja, Antwort::Ja, Antwort::Ja, Antwort::Nein};
    tBuchung b;
    EXPECT_FALSE(BuchungPruefenMaske(dm, m, b));
    const QStringList t = fragen.texte();
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t[0],
              QStringLiteral("Es wurden folgende Erfassungen bereits getätigt:\r\r05.03.2024 - "
                             "       10,00   (BelegNr.: )     \r\rMöchten Sie die Erfassung "
                             "trotzdem speichern?"));
    EXPECT_TRUE(
        t[1].startsWith(QStringLiteral("Der von Ihnen eingegebene Skontosatz liegt über 5 %!")));
    EXPECT_TRUE(
        t[2].startsWith(QStringLiteral("Sie haben einen Skontosatz, aber keine Skontotage")));
    EXPECT_EQ(t[3], QStringLiteral("Die von Ihnen eingegebene Belegnummer ist bereits vergeben!\r"
                                   "Möchten Sie die Erfassung trotzdem speichern?\r\r(Hinweis: Sie "
                                   "können die Belegnummer für jeden Erfassungsbereich auch "
                                   "schleppend vergeben lassen!)"));
    EXPECT_TRUE(t[4].startsWith(QStringLiteral("Der Bankeinzug dieser Rechnung weicht")));
}

TEST_F(Buchung, MonatAbgeschlossenUndNurLesen) {
    tBuchung b;
    daten().ausfuehren(QStringLiteral("INSERT INTO Abschluss (Monat, Jahr) VALUES (3, 2024)"));
    EXPECT_FALSE(BuchungPruefenMaske(dm, maske(1, "5", 1600, 6300, "1,00", "A"), b));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Der Monat 3/2024 ist bereits abgeschlossen!\rSie können daher keine "
                             "weiteren Erfassungen in diesem Monat mehr vornehmen."));
    daten().ausfuehren(QStringLiteral("DELETE FROM Abschluss"));
    Sitzung().NurLesen = true;
    EXPECT_FALSE(BuchungPruefenMaske(dm, maske(1, "5", 1600, 6300, "1,00", "A"), b));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben hierfür keine Berechtigung!"));
}

// The walk covers both sides of every row, removes the edited booking's old rows and ends each
// day before it judges it.
TEST_F(Buchung, KassenminusTageweiseUeberKontoUndGegenkonto) {
    zeile(1, "2024-03-10", 1600, 6300, 8000, "A");
    zeile(2, "2024-03-12", 1800, 1600, 1000, "E");
    tBuchung neu = BuchungAusMaske(dm, maske(1, "5", 1600, 6300, "30,00", "A"));
    fragen.antworten = {Antwort::Nein};
    EXPECT_TRUE(StoppenWegenKassenMinusPruefung(dm, neu, -1, -1));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Die Verbuchung Ihrer aktuellen Erfassung wird am 10.03.2024 zu einem "
                             "negativen Kassenbestand von -10,00 € führen. Möchten Sie die "
                             "Erfassung trotzdem speichern?"));
    // The same payment on the bank side of a transfer, booked in the bank area.
    tBuchung transfer = BuchungAusMaske(dm, maske(2, "5", 1800, 1600, "30,00", "E"));
    fragen.antworten = {Antwort::Ja};
    EXPECT_FALSE(StoppenWegenKassenMinusPruefung(dm, transfer, -1, -1));
    EXPECT_EQ(fragen.meldungen.size(), 2u);
    // Moving the 80,00 payment from the 10th to the 31st: the 12th's transfer out is what hurts.
    const qint64 id =
        zahl(QStringLiteral("SELECT ID FROM Erfassungen WHERE Belegdatum='2024-03-10'"));
    tBuchung verschoben = BuchungAusMaske(dm, maske(1, "31", 1600, 6300, "80,00", "A"));
    EXPECT_FALSE(StoppenWegenKassenMinusPruefung(dm, verschoben, id, -1));
    tBuchung groesser = BuchungAusMaske(dm, maske(1, "11", 1600, 6300, "95,00", "A"));
    fragen.antworten = {Antwort::Nein};
    EXPECT_TRUE(StoppenWegenKassenMinusPruefung(dm, groesser, id, -1));
    EXPECT_TRUE(fragen.letzterText().contains(QStringLiteral("am 12.03.2024 zu einem negativen "
                                                             "Kassenbestand von -5,00 €")));
    zeile(1, "2024-03-02", 1600, 6300, 5000, "E");
    const qint64 einnahme = daten().letzteId();
    zeile(1, "2024-03-15", 1600, 6300, 5500, "A");
    fragen.antworten = {Antwort::Nein};
    EXPECT_TRUE(StoppenWegenKassenMinusPruefung(dm, tBuchung(), -1, einnahme));
    EXPECT_EQ(
        fragen.letzterText(),
        QStringLiteral("Das Löschen der aktuellen Erfassung wird am 15.03.2024 zu einem "
                       "negativen Kassenbestand von -45,00 € führen. Möchten Sie die Erfassung "
                       "trotzdem löschen?"));
    Sitzung().Optionen.KassenminusbestandIgnorieren = true;
    EXPECT_FALSE(StoppenWegenKassenMinusPruefung(dm, groesser, id, -1));
}

// The opening balance of 100,00 stands on 1 March: a payment on that very day draws on it.
TEST_F(Buchung, KassenminusAmTagDesAnfangsbestands) {
    const struct {
        const char* datum;
        const char* betrag;
        const char* minus;
    } faelle[] = {{"1", "30,00", nullptr},
                  {"1", "100,00", nullptr},
                  {"1", "130,00", "am 01.03.2024 zu einem negativen Kassenbestand von -30,00 €"},
                  {"2", "30,00", nullptr}};
    for (const auto& fall : faelle) {
        fragen.meldungen.clear();
        fragen.antworten = {Antwort::Nein};
        const tBuchung b = BuchungAusMaske(dm, maske(1, QString::fromLatin1(fall.datum), 1600, 6300,
                                                     QString::fromLatin1(fall.betrag), "A"));
        EXPECT_EQ(StoppenWegenKassenMinusPruefung(dm, b, -1, -1), fall.minus != nullptr)
            << fall.datum << " " << fall.betrag;
        if (fall.minus) {
            EXPECT_TRUE(fragen.letzterText().contains(QString::fromUtf8(fall.minus)))
                << fragen.letzterText().toStdString();
        } else {
            EXPECT_TRUE(fragen.meldungen.empty()) << fragen.letzterText().toStdString();
        }
    }
}

TEST_F(Buchung, KasseBuchenBearbeitenMitVerlaufUndBelegnummern) {
    tBuchung b;
    tMaskenZustand ein = maske(1, "4", 1600, 6300, "50,00", "E", "1", QStringLiteral("Einlage"));
    ASSERT_TRUE(speichern(ein, b));
    const qint64 erste = b.BuchungsID;
    tMaskenZustand aus = maske(1, "6", 1600, 6300, "20,00", "A", "2", QStringLiteral("Porto"));
    aus.AufteilungAktiv = true;
    aus.Aufteilung = {{"6310", "0,00", "0", "Rest"},
                      {"6300", "15,00", "0", "Porto"},
                      {"6310", "5,00", "0", "Papier"}};
    ASSERT_TRUE(speichern(aus, b));
    const qint64 zweite = b.BuchungsID;
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=?"), {zweite}),
              4);
    // The stored remainder of 0 belongs to the booking: the same split again is no change.
    EXPECT_FALSE(AenderungSteuerRelevantPruefen(daten(), b, QStringLiteral("Erfassungen"), zweite));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=? AND "
                                  "Hauptbuchung=1 AND ID=?"),
                   {zweite, zweite}),
              1);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=? AND "
                                  "Konto=6300 AND GKonto=6310 AND Betrag=0"),
                   {zweite}),
              1);
    Abfrage q(daten(),
              QStringLiteral("SELECT Belegnummer, BelegZaehler, ErstelltVon, AenderungVon, "
                             "Erfassungskennzeichen FROM Erfassungen WHERE ID=?"),
              {erste});
    ASSERT_TRUE(q.naechste());
    EXPECT_EQ(q.text(0), QStringLiteral("23_03_1"));
    EXPECT_EQ(q.text(2), QStringLiteral("AD"));
    EXPECT_EQ(q.text(3), QString());
    EXPECT_EQ(SaldenAnzeige(daten(), archiv(), 1, 3, 2024).Wert[2].cent(), 10000 + 5000 - 2000);

    UhrFestsetzen(QDateTime(QDate(2024, 3, 21), QTime(8, 0)));
    Sitzung().Kuerzel = QStringLiteral("XY");
    for (int runde = 1; runde <= 2; ++runde) {
        tMaskenZustand edit = aus;
        edit.BearbeitungsID = zweite;
        edit.Spalten[0] = QStringLiteral("7");
        edit.Aufteilung[2].Betrag = QStringLiteral("4,00");
        edit.Aufteilung[1].Betrag = QStringLiteral("16,00");
        ASSERT_TRUE(speichern(edit, b));
        EXPECT_EQ(b.BuchungsID, zweite);
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=? AND "
                                      "AnzahlAenderungen=? AND ErstelltVon='AD' AND "
                                      "AenderungVon='XY' AND ErstelltAm='2024-03-20 10:00:00'"),
                       {zweite, runde}),
                  4);
    }
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf WHERE BuchungsID=?"),
                   {zweite}),
              8);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf WHERE "
                                  "AnzahlAenderungen=1 AND Belegdatum='2024-03-07'")),
              4);
}

TEST_F(Buchung, VorgeschlageneBelegnummerWirdBeimSpeichernNeuGezogen) {
    tMaskenZustand m = maske(1, "4", 1600, 6300, "5,00", "E", "1");
    m.BelegnummerVorschlag = QStringLiteral("1");
    zeile(1, "2024-03-03", 1600, 6300, 100, "E", QStringLiteral("23_03_"), 1);
    tBuchung b = BuchungAusMaske(dm, m);
    ASSERT_TRUE(AktuelleBuchungSpeichern(dm, b, m));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Die Belegnummer 23_03_1 wurde inzwischen an "
                                                   "einem anderen Arbeitsplatz vergeben.\rDie "
                                                   "Erfassung erhält die Belegnummer 23_03_2."));
    EXPECT_EQ(
        zahl(QStringLiteral("SELECT BelegZaehler FROM Erfassungen WHERE ID=?"), {b.BuchungsID}), 2);
}

TEST_F(Buchung, OffenePostenMitFaelligkeitsteilenUndWeichemLoeschen) {
    tMaskenZustand m = maske(3, "5", 5400, 90001, "1.000,00", "A");
    m.Rechnungsnummer = QStringLiteral("4711");
    m.Bankeinzug =
        KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("90001")).Bankeinzug;
    m.Faelligkeitsaufteilung = std::vector<tFaelligkeitsteil>{
        {QDate(2024, 4, 4), Betrag::ausCent(40000)}, {QDate(2024, 5, 4), Betrag::ausCent(60000)}};
    tBuchung b;
    ASSERT_TRUE(speichern(m, b));
    Abfrage q(daten(), QStringLiteral("SELECT Rechnungsnummer, RechBetrag, ZahlBetrag, ValutaTage, "
                                      "BuchungsID FROM OffenePosten ORDER BY ID"));
    ASSERT_TRUE(q.naechste());
    EXPECT_EQ(q.text(0), QStringLiteral("4711#01"));
    EXPECT_EQ(q.betrag(1).cent(), 40000);
    EXPECT_EQ(q.ganzzahl(3), 30);
    EXPECT_EQ(q.ganzzahl(4), b.BuchungsID);
    ASSERT_TRUE(q.naechste());
    EXPECT_EQ(q.text(0), QStringLiteral("4711#02"));
    EXPECT_EQ(q.betrag(1).cent(), 60000);
    EXPECT_EQ(q.ganzzahl(3), 60);
    EXPECT_FALSE(q.naechste());

    tMaskenZustand edit = m;
    edit.BearbeitungsID = b.BuchungsID;
    edit.Faelligkeitsaufteilung.reset();
    ASSERT_TRUE(speichern(edit, b));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE Geloescht=1 AND "
                                  "GeloeschtVon='AD' AND GeloeschtAm='2024-03-20'")),
              2);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE coalesce(Geloescht,0)=0 "
                                  "AND Rechnungsnummer='4711' AND RechBetrag=100000")),
              1);
    QFile log(Sitzung().Datenverzeichnis + QStringLiteral("/logs/1000_logfile.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_TRUE(
        zeilen[1].endsWith(QStringLiteral(";2;Löschen von OP-Einträgen durch Bearbeiten (%1): "
                                          "05.03.2024 / 5400 / 90001 / Text / 4711 / 1.000,00")
                               .arg(b.BuchungsID)));

    // A cash payment to the supplier records the payment row until the settlement dialog comes.
    tMaskenZustand zahlung = maske(1, "6", 1600, 90001, "50,00", "A");
    zahlung.Rechnungsnummer = QStringLiteral("4711");
    ASSERT_TRUE(speichern(zahlung, b));
    EXPECT_EQ(zahl(QStringLiteral("SELECT ZahlBetrag FROM OffenePosten WHERE BuchungsID=?"),
                   {b.BuchungsID}),
              5000);
    const qint64 zeilenId = zahl(QStringLiteral("SELECT max(ID) FROM OffenePosten"));
    fragen.antworten = {Antwort::Ja};
    EXPECT_TRUE(OPZeileLoeschen(daten(), zeilenId));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE ID=? AND Geloescht=1"),
                   {zeilenId}),
              1);
}

TEST_F(Buchung, FaelligkeitsteileMuessenCentgenauAufgehen) {
    const Betrag summe = Betrag::ausCent(100000);
    const QDate d(2024, 4, 1);
    const struct {
        std::vector<tFaelligkeitsteil> teile;
        const char* fehler;
    } faelle[] = {
        {{{d, Betrag::ausCent(40000)}, {d.addDays(30), Betrag::ausCent(60000)}}, ""},
        {{{d, Betrag::ausCent(40000)}, {d.addDays(30), Betrag::ausCent(59999)}},
         "Der Rechnungsbetrag (1.000,00) ist nicht komplett aufgeteilt!"},
        {{{d, Betrag::ausCent(40000)}, {d.addDays(-1), Betrag::ausCent(60000)}},
         "Datum liegt vor der ersten Fälligkeit!"},
        {{{d, Betrag::ausCent(40000)}, {QDate(), Betrag::ausCent(60000)}},
         "Datum liegt vor der ersten Fälligkeit!"},
        {{{d, Betrag::ausCent(110000)}, {d.addDays(3), Betrag::ausCent(-10000)}},
         "Negative Beträge sind nicht zulässig!"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FaelligkeitsAufteilungPruefen(summe, f.teile), QString::fromUtf8(f.fehler));
}

// Carried balances after the booking date move with it.
TEST_F(Buchung, SpaetereSaldenvortraegeWerdenNachgefuehrt) {
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo, Endsaldo) VALUES "
                                      "(1600, '2024-04-01', 10000, 10000)"));
    tBuchung b;
    ASSERT_TRUE(speichern(maske(1, "5", 1600, 6300, "30,00", "E"), b));
    EXPECT_EQ(zahl(QStringLiteral("SELECT Saldo FROM Salden WHERE Datum='2024-04-01'")), 13000);
    EXPECT_EQ(zahl(QStringLiteral("SELECT Saldo FROM Salden WHERE Datum='2024-03-01'")), 10000);
    tMaskenZustand edit = maske(1, "5", 1600, 6300, "10,00", "A");
    edit.BearbeitungsID = b.BuchungsID;
    ASSERT_TRUE(speichern(edit, b));
    EXPECT_EQ(zahl(QStringLiteral("SELECT Saldo FROM Salden WHERE Datum='2024-04-01'")), 9000);
    EXPECT_EQ(
        SaldoBerechnen(daten(), 1600, QDate(2024, 4, 1), QDate(2024, 4, 1)).Anfangssaldo.cent(),
        9000);
}

TEST_F(Buchung, FehlerMittenImSpeichernLaesstAllesWieVorher) {
    tMaskenZustand m = maske(3, "5", 5400, 90001, "100,00", "A");
    m.Rechnungsnummer = QStringLiteral("R9");
    m.Bankeinzug =
        KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("90001")).Bankeinzug;
    m.AufteilungAktiv = true;
    m.Aufteilung = {{"5400", "0,00", "0", "Rest"}, {"6300", "10,00", "0", "Teil"}};
    tBuchung b;
    ASSERT_TRUE(speichern(m, b));
    const QString vorher = tabelleninhalt();
    daten().skript(QStringLiteral("CREATE TRIGGER kaputt BEFORE INSERT ON OffenePosten BEGIN "
                                  "SELECT RAISE(ABORT, 'Platte voll'); END"));
    tMaskenZustand edit = m;
    edit.BearbeitungsID = b.BuchungsID;
    edit.Spalten[4] = QStringLiteral("120,00");
    tBuchung b2;
    EXPECT_FALSE(speichern(edit, b2));
    EXPECT_TRUE(fragen.letzterText().contains(QStringLiteral("Platte voll")));
    EXPECT_EQ(tabelleninhalt(), vorher);
}

} // namespace

namespace {

class OffenePostenZaehlen : public Buchungsumgebung {
protected:
    void op(qint64 konto, const char* nr, qint64 rech, qint64 zahl, int netto, int skontoTage,
            double satz, bool geloescht = false) {
        daten().ausfuehren(
            QStringLiteral("INSERT INTO OffenePosten (BuchungsID, Konto, "
                           "Rechnungsnummer, Bankeinzug, Belegdatum, RechBetrag, "
                           "ZahlBetrag, NettoTage, ValutaTage, SkontoTage, "
                           "SkontoSatz, Geloescht) VALUES (-1, ?, ?, 0, "
                           "'2024-03-01', ?, ?, ?, 0, ?, ?, ?)"),
            {konto, QString::fromLatin1(nr), rech, zahl, netto, skontoTage, satz, geloescht});
    }
};

TEST_F(OffenePostenZaehlen, FaelligeUndGeloeschteZeilen) {
    op(90001, "A", 10000, 0, 10, 0, 0);
    op(90002, "B", 5000, 0, 60, 5, 0);
    op(90003, "C", 3000, 3000, 0, 0, 0);
    op(90004, "D", 7000, 0, 0, 0, 0, true);
    const tFaelligeOPs f = FaelligeOPsZaehlen(daten(), false, 80000, 99999);
    EXPECT_EQ(f.Anzahl, 2);
    EXPECT_EQ(f.Faellig, 1);
    op(90001, "R1", 1000, 0, 0, 0, 2);
    op(90001, "R1", 1000, 0, 0, 0, 3);
    EXPECT_TRUE(MehrereSkontosaetzeVorhanden(daten(), 90001, QStringLiteral("R1")));
    OPPostenLoeschen(daten(), 90002, QStringLiteral("B"));
    EXPECT_EQ(FaelligeOPsZaehlen(daten(), false, 80000, 99999).Anzahl, 2);
    daten().ausfuehren(QStringLiteral("UPDATE OffenePosten SET Geloescht=1 WHERE SkontoSatz=3"));
    EXPECT_FALSE(MehrereSkontosaetzeVorhanden(daten(), 90001, QStringLiteral("R1")));
    EXPECT_TRUE(ZahlungsverkehrAktiv(daten(), true));
    EXPECT_FALSE(ZahlungsverkehrAktiv(daten(), false));
}

} // namespace
