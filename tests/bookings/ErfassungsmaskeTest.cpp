#include "Erfassungsmaske.h"
#include "Buchungsumgebung.h"
#include "Datum.h"
#include "Salden.h"
#include "Textschluessel.h"

namespace {

class Erfassungsmaske : public Buchungsumgebung {
protected:
    tErfassungsmaske m{dm};

    void SetUp() override {
        Buchungsumgebung::SetUp();
        // Area 4: a cash box without a fixed account, so both account columns are typed.
        bereich(4, 1, 0, QString());
        for (const auto& [konto, steuer] : {std::pair{1490, "0"}, std::pair{8400, "3"}})
            archiv().ausfuehren(QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, "
                                               "Steuer, Steuerbereich) VALUES (?, 'K', ?, 'kb')"),
                                {konto, QString::fromLatin1(steuer)});
        bueroTextschluesselAnlegen();
        m.BereichOeffnen(1);
    }

    // Types the text into the column the cursor stands in and tries to move to the target.
    bool tippen(const QString& text, int ziel) {
        m.Z.Spalten[m.Cursor] = text;
        if (m.Cursor == Spalte::TS)
            m.TSAuswaehlen(text);
        return m.Wechseln(ziel);
    }
    qint64 anzahl(const char* bedingung = "1") {
        return zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE %1")
                        .arg(QString::fromLatin1(bedingung)));
    }
};

TEST_F(Erfassungsmaske, LeerenSchlaegtBelegDatumKontoSeiteUndNummerVor) {
    EXPECT_EQ(m.Z.Spalten[Spalte::Datum], QStringLiteral("01.03.2024"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Konto], QStringLiteral("1600"));
    EXPECT_FALSE(m.Aktiv[Spalte::Konto]);
    EXPECT_EQ(m.Z.Spalten[Spalte::Betrag], QStringLiteral("0,00"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Seite], QStringLiteral("A"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Steuer], QStringLiteral("0"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Praefix], QStringLiteral("23_03_"));
    EXPECT_FALSE(m.Aktiv[Spalte::Praefix]);
    EXPECT_EQ(m.Z.Spalten[Spalte::Nummer], QStringLiteral("1"));
    EXPECT_EQ(m.Cursor, Spalte::TS);
}

TEST_F(Erfassungsmaske, ErstesEingabefeld) {
    const std::pair<int, int> faelle[] = {{0, Spalte::Datum},
                                          {1, Spalte::TS},
                                          {2, Spalte::GKonto},
                                          {3, Spalte::Betrag},
                                          {7, Spalte::TS}};
    for (const auto& [option, spalte] : faelle) {
        Sitzung().Optionen.ErstesEingabeFeld = option;
        m.BuchungsmaskeLeeren(false, true, true);
        EXPECT_EQ(m.Cursor, spalte) << option;
        EXPECT_TRUE(m.Aktiv[m.Cursor]);
    }
}

TEST_F(Erfassungsmaske, VerlassensregelnDerBuchungszeile) {
    const struct {
        int spalte;
        const char* eingabe;
        bool erlaubt;
        const char* danach;
    } faelle[] = {
        {Spalte::Datum, "15", true, "15.03.2024"},
        {Spalte::Datum, "15.4", false, "15.4"},
        {Spalte::Datum, "x", false, "x"},
        {Spalte::Datum, "31.03.2024", true, "31.03.2024"},
        {Spalte::Betrag, "12,345", false, "12,345"},
        {Spalte::Betrag, "12,34", true, "12,34"},
        {Spalte::Betrag, "500", true, "5,00"},
        {Spalte::Betrag, "500,00", true, "500,00"},
        {Spalte::Seite, "e", true, "E"},
        {Spalte::Seite, "x", false, "x"},
        {Spalte::GKonto, "1600", false, "1600"},
        {Spalte::GKonto, "1800", false, "1800"},
        {Spalte::GKonto, "77777", false, "77777"},
        {Spalte::GKonto, "6300", true, "6300"},
        {Spalte::Steuer, "77", false, "77"},
        {Spalte::Steuer, "0", true, "0"},
    };
    for (const auto& f : faelle) {
        m.BuchungsmaskeLeeren(false, false, true);
        m.Cursor = f.spalte;
        const int ziel = f.spalte == Spalte::Text ? Spalte::Nummer : Spalte::Text;
        EXPECT_EQ(tippen(QString::fromUtf8(f.eingabe), ziel), f.erlaubt) << f.spalte << f.eingabe;
        EXPECT_EQ(m.Z.Spalten[f.spalte], QString::fromUtf8(f.danach)) << f.eingabe;
        EXPECT_EQ(m.Cursor, f.erlaubt ? ziel : f.spalte) << f.eingabe;
    }
}

TEST_F(Erfassungsmaske, GegenkontoSchreibtSeinenNamenUndFragtVorDemErsetzen) {
    m.Cursor = Spalte::GKonto;
    ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
    EXPECT_EQ(m.Z.Spalten[Spalte::Text], QStringLiteral("K"));
    m.Z.Spalten[Spalte::Text] = QStringLiteral("Porto");
    fragen.antworten = {Antwort::Nein};
    m.Cursor = Spalte::GKonto;
    ASSERT_TRUE(tippen(QStringLiteral("6310"), Spalte::Betrag));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie den vorhanden Erfassungstext\r\r\"Porto\"\r\rdurch dem "
                             "neuen Text\r\r\"K\"\r\rersetzen?"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Text], QStringLiteral("Porto"));
    EXPECT_TRUE(m.NoReturnNext);
    EXPECT_FALSE(m.Enter());
    EXPECT_EQ(m.Cursor, Spalte::Betrag);
}

TEST_F(Erfassungsmaske, TastenPlusMinusUndEnter) {
    const struct {
        int spalte;
        const char* datum;
        QChar taste;
        bool genommen;
        const char* danach;
    } faelle[] = {
        {Spalte::Datum, "15.03.2024", u'+', true, "16.03.2024"},
        {Spalte::Betrag, "15.03.2024", u'-', true, "14.03.2024"},
        {Spalte::Steuer, "31.03.2024", u'+', true, "31.03.2024"},
        {Spalte::TS, "01.03.2024", u'-', true, "01.03.2024"},
        {Spalte::Praefix, "15.03.2024", u'-', false, "15.03.2024"},
        {Spalte::Text, "15.03.2024", u'+', false, "15.03.2024"},
    };
    for (const auto& f : faelle) {
        m.Z.Spalten[Spalte::Datum] = QString::fromLatin1(f.datum);
        EXPECT_EQ(m.PlusMinus(f.spalte, f.taste), f.genommen) << f.spalte;
        EXPECT_EQ(m.Z.Spalten[Spalte::Datum], QString::fromLatin1(f.danach)) << f.spalte;
    }
    EXPECT_FALSE(m.ZeichenErlaubt(Spalte::Betrag, u'-'));
    EXPECT_TRUE(m.ZeichenErlaubt(Spalte::Betrag, u','));
    m.Z.Spalten[Spalte::Nummer] = QStringLiteral("7");
    m.Cursor = Spalte::Nummer;
    EXPECT_TRUE(m.PlusMinus(Spalte::Nummer, u'+'));
    EXPECT_EQ(m.Z.Spalten[Spalte::Nummer], QStringLiteral("1"));
    EXPECT_EQ(m.Cursor, Spalte::Text);
    m.Cursor = Spalte::Betrag;
    m.Enter();
    EXPECT_EQ(m.Cursor, Spalte::Seite);
}

TEST_F(Erfassungsmaske, OhneKontoanzeigeUeberspringtDerCursorDieKontospalten) {
    Sitzung().Optionen.KontoAnzeige = false;
    m.BuchungsmaskeLeeren(false, true, true);
    EXPECT_TRUE(m.Wechseln(Spalte::Konto));
    EXPECT_EQ(m.Cursor, Spalte::Betrag);
    m.Cursor = Spalte::Text;
    EXPECT_TRUE(m.Wechseln(Spalte::Text + 1 == Spalte::Anzahl ? 0 : Spalte::Text + 1));
    EXPECT_EQ(m.Cursor, Spalte::Datum);
    m.Cursor = Spalte::Betrag;
    EXPECT_TRUE(m.Wechseln(Spalte::GKonto));
    EXPECT_EQ(m.Cursor, Spalte::TS);
}

TEST_F(Erfassungsmaske, TextschluesselFuelltDieZeileUndSperrtDieKontospalten) {
    ASSERT_FALSE(m.TSListe.empty());
    EXPECT_FALSE(tippen(QStringLiteral("XY"), Spalte::Konto));
    ASSERT_TRUE(tippen(QStringLiteral("bu"), Spalte::Konto));
    EXPECT_EQ(m.Cursor, Spalte::Betrag);
    EXPECT_EQ(m.Z.Spalten[Spalte::TS], QStringLiteral("BUERO"));
    EXPECT_EQ(m.Z.Spalten[Spalte::GKonto], QStringLiteral("6310"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Betrag], QStringLiteral("11,90"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Seite], QStringLiteral("A"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Text], QStringLiteral("Bürobedarf"));
    EXPECT_FALSE(m.Aktiv[Spalte::TS]);
    EXPECT_FALSE(m.Aktiv[Spalte::GKonto]);
}

TEST_F(Erfassungsmaske, KasseneinnahmeUndAusgabeMitTextschluesselWerdenGespeichert) {
    m.Cursor = Spalte::Datum;
    ASSERT_TRUE(tippen(QStringLiteral("5"), Spalte::GKonto));
    ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
    ASSERT_TRUE(tippen(QStringLiteral("2500"), Spalte::Seite));
    ASSERT_TRUE(tippen(QStringLiteral("E"), Spalte::Text));
    m.Z.Spalten[Spalte::Text] = QStringLiteral("Verkauf");
    EXPECT_TRUE(m.Enter()) << m.Fehler.toStdString();
    EXPECT_EQ(anzahl("Betrag=2500 AND Buchungsseite='E' AND GKonto=6300 AND "
                     "Belegnummer='23_03_1' AND Belegdatum='2024-03-05'"),
              1);
    EXPECT_EQ(m.Z.Spalten[Spalte::Datum], QStringLiteral("05.03.2024"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Nummer], QStringLiteral("2"));
    EXPECT_EQ(m.Z.BearbeitungsID, -1);
    ASSERT_TRUE(tippen(QStringLiteral("BUERO"), Spalte::Konto));
    m.Cursor = Spalte::Text;
    EXPECT_TRUE(m.Enter());
    EXPECT_EQ(anzahl("TSName='BUERO' AND Betrag=1190 AND Buchungsseite='A' AND GKonto=6310 AND "
                     "Belegnummer='23_03_2'"),
              1);
    const tSaldenAnzeige s = SaldenAnzeige(daten(), archiv(), 1, 3, 2024);
    EXPECT_EQ(s.Wert[2].cent(), 10000 + 2500 - 1190);
}

TEST_F(Erfassungsmaske, FehlerDerPruefungStehenImFehlerLabelMitDemCursorInDerSpalte) {
    m.Cursor = Spalte::GKonto;
    ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
    ASSERT_TRUE(tippen(QStringLiteral("100"), Spalte::Text));
    m.Z.Spalten[Spalte::Text] = QStringLiteral(" ");
    EXPECT_FALSE(m.Speichern());
    EXPECT_EQ(m.Fehler, QStringLiteral("Geben Sie bitte einen Buchungstext ein!"));
    EXPECT_EQ(m.Cursor, Spalte::Text);
    m.Z.Spalten[Spalte::Betrag] = QStringLiteral("0,00");
    m.Z.Spalten[Spalte::Text] = QStringLiteral("x");
    EXPECT_FALSE(m.Speichern());
    EXPECT_EQ(m.Fehler, QStringLiteral("Ungültiger Betrag!"));
    EXPECT_EQ(m.Cursor, Spalte::Betrag);
    EXPECT_EQ(anzahl(), 0);
}

TEST_F(Erfassungsmaske, UngueltigeKontierungBehaeltDieBearbeiteteBuchung) {
    m.BereichOeffnen(4);
    ASSERT_TRUE(m.Aktiv[Spalte::Konto]);
    daten().ausfuehren(QStringLiteral(
        "INSERT INTO Erfassungen (Hauptbuchung, BuchungsBereich, Belegdatum, Konto, GKonto, "
        "Betrag, Buchungsseite, Steuer, Buchungstext) VALUES (1, 4, '2024-03-04', 8400, 6300, "
        "700, 'A', '3', 'Alt')"));
    const qint64 id = daten().letzteId();
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID"));
    ASSERT_TRUE(m.BuchungLaden(QStringLiteral("Erfassungen"), id));
    m.Cursor = Spalte::GKonto;
    fragen.antworten = {Antwort::Nein};
    EXPECT_FALSE(tippen(QStringLiteral("5400"), Spalte::Betrag));
    EXPECT_EQ(m.Fehler, QStringLiteral("Ungültige Kontierung!"));
    EXPECT_EQ(m.Cursor, Spalte::GKonto);
    EXPECT_EQ(m.Z.BearbeitungsID, id);
    EXPECT_EQ(m.Z.Spalten[Spalte::Konto], QStringLiteral("8400"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Text], QStringLiteral("Alt"));
    ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
    EXPECT_TRUE(m.Fehler.isEmpty());
}

TEST_F(Erfassungsmaske, VorlagenDuerfenEinStartdatumAusserhalbDesMonatsHaben) {
    m.Z.ErfassungsTabelle = QStringLiteral("Erfassungen_Dauer");
    m.Cursor = Spalte::Datum;
    EXPECT_TRUE(tippen(QStringLiteral("15.05.2024"), Spalte::TS));
    m.Z.ErfassungsTabelle = QStringLiteral("Erfassungen");
    m.Cursor = Spalte::Datum;
    EXPECT_FALSE(tippen(QStringLiteral("15.05.2024"), Spalte::TS));
}

TEST_F(Erfassungsmaske, AlteBelegnummerBleibtBeimBearbeitenErhalten) {
    daten().ausfuehren(QStringLiteral(
        "INSERT INTO Erfassungen (Hauptbuchung, BuchungsBereich, Belegdatum, Konto, GKonto, "
        "Betrag, Buchungsseite, Steuer, Buchungstext, Belegnummer) VALUES (1, 1, '2024-03-04', "
        "1600, 6300, 700, 'A', '0', 'Alt', '2012/0012')"));
    const qint64 id = daten().letzteId();
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID"));
    ASSERT_TRUE(m.BuchungLaden(QStringLiteral("Erfassungen"), id));
    EXPECT_EQ(m.Z.Spalten[Spalte::Nummer], QStringLiteral("12"));
    m.Z.Spalten[Spalte::Text] = QStringLiteral("Neu");
    m.Cursor = Spalte::Text;
    ASSERT_TRUE(m.Speichern()) << m.Fehler.toStdString();
    EXPECT_EQ(anzahl("Belegnummer='2012/0012' AND Buchungstext='Neu'"), 1);
    ASSERT_TRUE(m.BuchungLaden(QStringLiteral("Erfassungen"), id));
    m.Z.Spalten[Spalte::Nummer] = QStringLiteral("13");
    m.Cursor = Spalte::Text;
    ASSERT_TRUE(m.Speichern()) << m.Fehler.toStdString();
    EXPECT_EQ(anzahl("Belegnummer='13' AND BelegZaehler=13"), 1);
}

TEST_F(Erfassungsmaske, KlaerenUndBemerkungWerdenGespeichert) {
    m.Z.Spalten[Spalte::Datum] = QStringLiteral("05.03.2024");
    m.Cursor = Spalte::GKonto;
    ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
    ASSERT_TRUE(tippen(QStringLiteral("100"), Spalte::Text));
    m.KlaerenUmschalten();
    m.Z.BuchungsBemerkung = QStringLiteral("Beleg fehlt");
    ASSERT_TRUE(m.Speichern());
    EXPECT_EQ(anzahl("BuchungKlaeren=1 AND Bemerkung='Beleg fehlt'"), 1);
    EXPECT_FALSE(m.Z.Klaeren);
}

TEST_F(Erfassungsmaske, MonatswechselBehaeltDenTag) {
    m.Z.Spalten[Spalte::Datum] = QStringLiteral("31.01.2024");
    Sitzung().Monat = 1;
    m.MonatWaehlen(2);
    EXPECT_EQ(m.Z.Spalten[Spalte::Datum], QStringLiteral("29.02.2024"));
    m.JahrWaehlen(2023);
    EXPECT_EQ(Sitzung().Monat, 12);
    EXPECT_EQ(Sitzung().Jahr, 2023);
    m.JahrWaehlen(2024);
    EXPECT_EQ(Sitzung().Monat, 1);
}

TEST_F(Erfassungsmaske, Zahlungsdaten) {
    m.BereichOeffnen(3);
    EXPECT_TRUE(m.ZVSeiteSichtbar());
    m.Z.Spalten[Spalte::Datum] = QStringLiteral("10.03.2024");
    m.Z.Spalten[Spalte::Betrag] = QStringLiteral("100,00");
    m.SkontoSatzSetzen(2);
    EXPECT_EQ(m.Z.SkontoBetrag.cent(), 200);
    EXPECT_EQ(m.Zahlbetrag(), QStringLiteral("Zahlbetrag: 98,00"));
    m.SkontoBetragSetzen(Betrag::ausCent(300));
    EXPECT_DOUBLE_EQ(m.Z.SkontoSatz, 3);
    m.Z.Valutatage = 2;
    m.Z.Skontotage = 10;
    m.Z.Nettotage = 30;
    EXPECT_EQ(m.ValutaDatum(), QDate(2024, 3, 12));
    EXPECT_EQ(m.SkontoDatum(), QDate(2024, 3, 22));
    EXPECT_EQ(m.FaelligkeitsDatum(), QDate(2024, 4, 11));
    m.BereichOeffnen(1);
    EXPECT_FALSE(m.ZVSeiteSichtbar());
}

// Cash box, amount 100,00 against 6300, then F5.
class Aufteilung : public Erfassungsmaske {
protected:
    void SetUp() override {
        Erfassungsmaske::SetUp();
        m.Z.Spalten[Spalte::Datum] = QStringLiteral("05.03.2024");
        m.Cursor = Spalte::GKonto;
        ASSERT_TRUE(tippen(QStringLiteral("6300"), Spalte::Betrag));
        ASSERT_TRUE(tippen(QStringLiteral("100,00"), Spalte::Seite));
        m.Cursor = Spalte::Betrag;
    }
    void zeile(int r, const QString& konto, const QString& betrag) {
        ASSERT_TRUE(m.SplitWechseln(r, 0));
        m.Z.Aufteilung[size_t(r)].Konto = konto;
        ASSERT_TRUE(m.SplitWechseln(r, 1));
        m.Z.Aufteilung[size_t(r)].Betrag = betrag;
        m.AufteilungDurchRechnen();
        ASSERT_TRUE(m.SplitWechseln(r, 3));
    }
};

TEST_F(Aufteilung, F5SchaltetEinUndDieRestzeileFolgt) {
    ASSERT_TRUE(m.AufteilenUndZurueck());
    EXPECT_TRUE(m.SplitlisteHatFokus);
    EXPECT_EQ(m.Cursor, Spalte::Nummer);
    EXPECT_EQ(m.Z.Spalten[Spalte::GKonto], QStringLiteral("1490"));
    EXPECT_EQ(m.Z.Spalten[Spalte::Steuer], QStringLiteral("0"));
    ASSERT_EQ(m.Z.Aufteilung.size(), 2u);
    EXPECT_EQ(m.Z.Aufteilung[0].Konto, QStringLiteral("6300"));
    EXPECT_EQ(m.Z.Aufteilung[0].Betrag, QStringLiteral("100,00"));
    EXPECT_EQ(m.Z.Aufteilung[0].Text, QStringLiteral("K"));
    EXPECT_FALSE(m.SplitWechseln(0, 1));
    zeile(1, QStringLiteral("6310"), QStringLiteral("30,00"));
    m.SplitEnter();
    EXPECT_EQ(m.SplitZeile, 2);
    zeile(2, QStringLiteral("8400"), QStringLiteral("20,00"));
    EXPECT_EQ(m.Z.Aufteilung[0].Betrag, QStringLiteral("50,00"));
    m.Z.Spalten[Spalte::Text] = QStringLiteral("Einkauf");
    m.Cursor = Spalte::Text;
    ASSERT_TRUE(m.Speichern()) << m.Fehler.toStdString();
    EXPECT_EQ(anzahl("Hauptbuchung=1 AND Konto=1600 AND GKonto=1490 AND Betrag=10000"), 1);
    EXPECT_EQ(anzahl("Hauptbuchung=0 AND Konto=1490 AND GKonto=6300 AND Betrag=5000"), 1);
    EXPECT_EQ(anzahl("Hauptbuchung=0 AND Konto=1490 AND GKonto=6310 AND Betrag=3000"), 1);
    EXPECT_EQ(anzahl("Hauptbuchung=0 AND Konto=1490 AND GKonto=8400 AND Betrag=2000"), 1);
    EXPECT_EQ(anzahl("NichtAufteilungskonto=1600 AND AufteilungsSeite=1"), 4);
    EXPECT_FALSE(m.Z.AufteilungAktiv);
}

TEST_F(Aufteilung, SplitzeilenRegeln) {
    ASSERT_TRUE(m.AufteilenUndZurueck());
    const struct {
        int spalte;
        const char* eingabe;
        bool erlaubt;
    } faelle[] = {
        {1, "12,345", false}, {1, "-5,00", false}, {1, "12,34", true}, {0, "1600", false},
        {0, "1800", false},   {0, "XYZ", false},   {0, "6310", true},
    };
    for (const auto& f : faelle) {
        m.SplitZeile = 1;
        m.SplitSpalte = f.spalte;
        auto& z = m.Z.Aufteilung[1];
        (f.spalte == 0 ? z.Konto : z.Betrag) = QString::fromLatin1(f.eingabe);
        m.TSAuswaehlen(f.spalte == 0 ? z.Konto : QString());
        EXPECT_EQ(m.SplitWechseln(1, 3), f.erlaubt) << f.eingabe;
        (f.spalte == 0 ? z.Konto : z.Betrag).clear();
    }
    m.SplitZeile = 1;
    m.SplitSpalte = 0;
    m.Z.Aufteilung[1].Konto = QStringLiteral("bu");
    m.TSAuswaehlen(QStringLiteral("bu"));
    ASSERT_TRUE(m.SplitWechseln(1, 1));
    EXPECT_EQ(m.Z.Aufteilung[1].Konto, QStringLiteral("6310"));
    EXPECT_EQ(m.Z.Aufteilung[1].Betrag, QStringLiteral("11,90"));
    EXPECT_EQ(m.Z.Aufteilung[1].Text, QStringLiteral("Bürobedarf"));
    EXPECT_EQ(m.Z.Aufteilung[0].Betrag, QStringLiteral("88,10"));
}

TEST_F(Aufteilung, NegativerRestWirdAbgewiesen) {
    ASSERT_TRUE(m.AufteilenUndZurueck());
    zeile(1, QStringLiteral("6310"), QStringLiteral("130,00"));
    EXPECT_EQ(m.Z.Aufteilung[0].Betrag, QStringLiteral("-30,00"));
    m.Z.Spalten[Spalte::Text] = QStringLiteral("Einkauf");
    m.Cursor = Spalte::Text;
    EXPECT_FALSE(m.Speichern());
    EXPECT_EQ(m.Fehler,
              QStringLiteral("Die Aufteilung übersteigt den Betrag der Erfassung: negativer "
                             "Restbetrag!"));
    EXPECT_EQ(anzahl(), 0);
}

TEST_F(Aufteilung, F5AufUnberuehrterAufteilungKehrtZurZeileZurueck) {
    ASSERT_TRUE(m.AufteilenUndZurueck());
    ASSERT_TRUE(m.AufteilenUndZurueck());
    EXPECT_FALSE(m.SplitlisteHatFokus);
    EXPECT_FALSE(m.Z.AufteilungAktiv);
    EXPECT_EQ(m.Z.Spalten[Spalte::GKonto], QStringLiteral("6300"));
    EXPECT_EQ(m.Z.Aufteilung.size(), 1u);
    ASSERT_TRUE(m.AufteilenUndZurueck());
    zeile(1, QStringLiteral("6310"), QStringLiteral("10,00"));
    ASSERT_TRUE(m.AufteilenUndZurueck());
    EXPECT_TRUE(m.Z.AufteilungAktiv);
}

TEST_F(Aufteilung, OhneBetragOderMitPersonenkontoKeineAufteilung) {
    m.Z.Spalten[Spalte::Betrag] = QStringLiteral("0,00");
    m.Cursor = Spalte::Text;
    EXPECT_FALSE(m.AufteilenUndZurueck());
    EXPECT_EQ(m.Cursor, Spalte::Betrag);
    m.Z.Spalten[Spalte::Betrag] = QStringLiteral("10,00");
    m.Z.Spalten[Spalte::GKonto] = QStringLiteral("91000");
    EXPECT_FALSE(m.AufteilenUndZurueck());
    EXPECT_FALSE(m.Z.AufteilungAktiv);
}

TEST_F(Aufteilung, HochrechnungMitSaetzenAusDerSteuertabelle) {
    const struct {
        const char* steuer;
        QDate datum;
        const char* ergebnis;
    } faelle[] = {{"9", QDate(2024, 3, 5), "119,00"},
                  {"8", QDate(2024, 3, 5), "107,00"},
                  {"9", QDate(2020, 8, 1), "116,00"},
                  {"2", QDate(2020, 8, 1), "105,00"}};
    ASSERT_TRUE(m.AufteilenUndZurueck());
    for (const auto& f : faelle) {
        m.Z.Spalten[Spalte::Datum] = DatumText(f.datum);
        m.Z.Aufteilung[1].Betrag = QStringLiteral("100,00");
        m.Z.Aufteilung[1].Steuer = QString::fromLatin1(f.steuer);
        ASSERT_TRUE(m.Hochrechnen(1));
        EXPECT_EQ(m.Z.Aufteilung[1].Betrag, QString::fromLatin1(f.ergebnis)) << f.steuer;
    }
    // The installation's reduced-rate period applies the rates of its start.
    Sitzung().Optionen.SteuerErmaessigungVon = QDate(2020, 7, 1);
    Sitzung().Optionen.SteuerErmaessigungBis = QDate(2024, 3, 31);
    EXPECT_DOUBLE_EQ(m.Mehrwertsteuersatz(QStringLiteral("9"), QDate(2024, 3, 5)), 16);
    EXPECT_DOUBLE_EQ(m.Mehrwertsteuersatz(QStringLiteral("8"), QDate(2024, 3, 5)), 5);
}

} // namespace
