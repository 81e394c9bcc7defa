#include "Erfassungsliste.h"
#include "../util/QtAusgabe.h"
#include "Buchungsbereiche.h"
#include "Buchungsumgebung.h"
#include "Steuer.h"

#include <QStringList>

namespace {

// A booking row as the tests store it; the text names it in the expectations.
struct Z {
    QString text;
    int bereich = 1;
    QString datum = QStringLiteral("2024-03-10");
    qint64 konto = 1600;
    qint64 gkonto = 6300;
    qint64 cent = 1000;
    QString seite = QStringLiteral("A");
    QString belegnummer;
    QString rechnungsnummer;
    QString ts;
    bool klaeren = false;
    QString von = QStringLiteral("AD");
    QString erstelltAm = QStringLiteral("2024-03-10 10:00:00");
};

class Erfassungsliste : public Buchungsumgebung {
protected:
    std::vector<int> alle{1, 2, 3, 4};

    // Stores the row (with hauptbuchung false as a split row of booking buchungsId) and returns
    // its ID. The archive has no numbering of its own: it keeps the deleted rows' IDs.
    qint64 zeile(const Z& z, bool hauptbuchung = true, qint64 buchungsId = 0,
                 const QString& tabelle = QStringLiteral("Erfassungen")) {
        const qint64 id = tabelle == u"Erfassungen" ? 0 : ++archivId;
        daten().ausfuehren(
            QStringLiteral(
                "INSERT INTO %1 (ID, BuchungsID, Hauptbuchung, BuchungsBereich, Belegdatum, Konto, "
                "GKonto, Betrag, Buchungsseite, Buchungstext, Belegnummer, Rechnungsnummer, "
                "TSName, "
                "BuchungKlaeren, ErstelltVon, ErstelltAm, Steuer) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?, ?, ?, ?, ?, ?, '9')")
                .arg(tabelle),
            {id ? Wert(id) : Wert(), buchungsId, hauptbuchung, z.bereich, z.datum, z.konto,
             z.gkonto, z.cent, z.seite, z.text, z.belegnummer, z.rechnungsnummer, z.ts, z.klaeren,
             z.von, z.erstelltAm});
        const qint64 neu = id ? id : daten().letzteId();
        if (hauptbuchung)
            daten().ausfuehren(
                QStringLiteral("UPDATE %1 SET BuchungsID=ID WHERE ID=?").arg(tabelle), {neu});
        return neu;
    }

    tSichtbarkeit admin() const {
        tSichtbarkeit s;
        s.UserStatus = 1;
        return s;
    }

    static QStringList texte(const std::vector<tErfassungsZeile>& zeilen) {
        QStringList t;
        for (const auto& z : zeilen)
            t << z.Buchungstext;
        return t;
    }
    QStringList alleTexte(const tErfassungsAbfrage& a) {
        return texte(ErfassungenLesen(daten(), a, 0, 1000));
    }
    tErfassungsAbfrage maerz(int bereichId, bool mitAufteilungen, const tSichtbarkeit& s,
                             const std::vector<int>& bereiche) {
        return ErfassungsListeBereich(QStringLiteral("Erfassungen"), bereichId, QDate(2024, 3, 1),
                                      QDate(2024, 3, 31), mitAufteilungen,
                                      Erfassungssortierung::ErstelltAmAbsteigend, s, bereiche);
    }

private:
    qint64 archivId = 500;
};

TEST_F(Erfassungsliste, MonatMitUndOhneAufteilungszeilen) {
    const qint64 a = zeile({.text = "A", .erstelltAm = "2024-03-10 09:00:00"});
    zeile({.text = "A1", .konto = 1600, .gkonto = 4400, .erstelltAm = "2024-03-10 09:00:00"}, false,
          a);
    zeile({.text = "A2", .konto = 1600, .gkonto = 1000, .erstelltAm = "2024-03-10 09:00:00"}, false,
          a);
    const qint64 b = zeile({.text = "B", .gkonto = 9000, .erstelltAm = "2024-03-12 08:00:00"});
    zeile({.text = "April", .datum = "2024-04-01"});
    zeile({.text = "Bank", .bereich = 2, .konto = 1800});

    const tErfassungsAbfrage ohne = maerz(1, false, admin(), alle);
    EXPECT_EQ(alleTexte(ohne), QStringList({"B", "A"}));
    EXPECT_EQ(ErfassungenZaehlen(daten(), ohne), 2);
    EXPECT_EQ(texte(ErfassungenLesen(daten(), ohne, 1, 5)), QStringList({"A"}));
    EXPECT_EQ(texte(AufteilungszeilenLesen(daten(), QStringLiteral("Erfassungen"), {b, a})),
              QStringList({"A1", "A2"}));
    EXPECT_EQ(ErfassungsAnzahlImBereich(daten(), QStringLiteral("Erfassungen"), 1, 2024, 3), 2);
    EXPECT_TRUE(ErfassungGelistet(daten(), ohne, a));
    EXPECT_EQ(ErfassungLesen(daten(), QStringLiteral("Erfassungen"), a)->Buchungstext, u"A");

    tErfassungsAbfrage mit = maerz(1, true, admin(), alle);
    EXPECT_EQ(alleTexte(mit), QStringList({"B", "A", "A1", "A2"}));
    EXPECT_EQ(ErfassungenZaehlen(daten(), mit), 4);
    // Sorted by a value the split rows do not share, they still follow their main row.
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(mit, QStringLiteral("GKonto"), false));
    EXPECT_EQ(alleTexte(mit), QStringList({"A", "A1", "A2", "B"}));
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(mit, QStringLiteral("GKonto"), true));
    EXPECT_EQ(alleTexte(mit), QStringList({"B", "A", "A1", "A2"}));
}

// Pages read one after the other give the whole list, whichever way each page is read.
TEST_F(Erfassungsliste, SeitenLueckenlosUndOhneDoppelte) {
    {
        Transaktion t(daten());
        for (int i = 0; i < 450; ++i)
            zeile({.text = QString::number(i),
                   .datum = QDate(2024, 3, 1 + i % 31).toString(Qt::ISODate),
                   .cent = 100 + i % 7});
        t.bestaetigen();
    }
    tErfassungssuche ohne;
    tErfassungssuche betrag;
    betrag.BetragVon = Betrag::ausCent(102);
    for (const auto& s : {ohne, betrag}) {
        for (const char* feld : {"", "Belegdatum", "Betrag2"}) {
            tErfassungsAbfrage a = ErfassungsSuche(s, admin(), alle);
            if (*feld)
                ASSERT_TRUE(ErfassungsReihenfolgeSetzen(a, QString::fromLatin1(feld), true));
            const QStringList ganz = alleTexte(a);
            QStringList seiten;
            for (qint64 ab = 0; ab < 450; ab += 200)
                seiten += texte(ErfassungenLesen(daten(), a, ab, 200));
            EXPECT_EQ(seiten, ganz) << feld;
            EXPECT_EQ(ganz.size(), ErfassungenZaehlen(daten(), a)) << feld;
        }
    }
    EXPECT_EQ(alleTexte(ErfassungsSuche(ohne, admin(), alle)).size(), 450);
}

TEST_F(Erfassungsliste, OhnePrivatkontenrechtNurEigenePrivatbuchungen) {
    zeile({.text = "eigene privat", .gkonto = 2100, .von = "ab"});
    zeile({.text = "fremde privat", .gkonto = 2150, .von = "XY"});
    zeile({.text = "fremde privat Konto", .konto = 2299, .gkonto = 1600, .von = "XY"});
    zeile({.text = "fremde normal", .von = "XY"});
    tSichtbarkeit s;
    s.UserStatus = 2;
    s.Kuerzel = QStringLiteral("AB");
    s.Privatkonten = false;
    s.Kontenbereiche = Sitzung().Kontenbereiche;
    ASSERT_FALSE(BuchungsFilter(s, QStringLiteral("e")).sql.isEmpty());
    tErfassungsAbfrage liste = maerz(1, false, s, alle);
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(liste, QStringLiteral("ID"), false));
    EXPECT_EQ(alleTexte(liste), QStringList({"eigene privat", "fremde normal"}));
    tErfassungssuche suche;
    suche.Buchungstext = QStringLiteral("privat");
    EXPECT_EQ(alleTexte(ErfassungsSuche(suche, s, alle)), QStringList({"eigene privat"}));
    s.Privatkonten = true;
    EXPECT_EQ(ErfassungenZaehlen(daten(), maerz(1, false, s, alle)), 4);
}

TEST_F(Erfassungsliste, KlaerenListetMarkierteDesMonatsInSichtbarenBereichen) {
    zeile({.text = "Kasse", .klaeren = true, .erstelltAm = "2024-03-01 10:00:00"});
    zeile({.text = "Bank", .bereich = 2, .klaeren = true, .erstelltAm = "2024-03-02 10:00:00"});
    zeile({.text = "Waren ohne Recht", .bereich = 3, .klaeren = true});
    zeile({.text = "April", .datum = "2024-04-02", .klaeren = true});
    zeile({.text = "nicht markiert"});
    const tErfassungsAbfrage a = maerz(BereichErfassungenKlaeren, false, admin(), {1, 2});
    EXPECT_EQ(alleTexte(a), QStringList({"Bank", "Kasse"}));
    EXPECT_EQ(ErfassungenZaehlen(daten(), a), 2);
    EXPECT_EQ(ErfassungenZaehlen(daten(), maerz(BereichErfassungenKlaeren, false, admin(), {})), 0);
}

TEST_F(Erfassungsliste, SichtbareBereicheNachBereichsrechtOhne99) {
    bereich(4, 2, 1810, QString());
    daten().ausfuehren(QStringLiteral("UPDATE Buchungsbereiche SET Aktiv=0 WHERE BereichID=4"));
    bereich(99, 1, 1610, QString());
    EXPECT_EQ(SichtbareBereiche(daten(), dm.ADOConnection_Bereich), std::vector<int>({1, 2, 3, 4}));
    tSitzung& s = Sitzung();
    const int status = s.UserStatus;
    s.UserStatus = 2;
    dm.ADOConnection_Bereich.ausfuehren(
        QStringLiteral("INSERT INTO Benutzerrechte (ID, MNr, RID1, RID2) VALUES (?, ?, 0, 4), "
                       "(?, ?, 0, 99)"),
        {s.BenutzerID, s.MNr, s.BenutzerID, s.MNr});
    EXPECT_EQ(SichtbareBereiche(daten(), dm.ADOConnection_Bereich), std::vector<int>({4}));
    s.UserStatus = status;
}

TEST_F(Erfassungsliste, Suchkriterien) {
    bereich(4, 2, 1810, QString());
    daten().ausfuehren(QStringLiteral("UPDATE Buchungsbereiche SET Aktiv=0 WHERE BereichID=4"));
    zeile({.text = "Vormonat", .datum = "2024-02-29", .cent = 500});
    zeile({.text = "Porto 100% sicher", .datum = "2024-03-05", .belegnummer = "23_03_7"});
    zeile({.text = "Porto 100 Prozent", .datum = "2024-03-06", .cent = 1001});
    zeile({.text = "Bürobedarf",
           .bereich = 2,
           .datum = "2024-03-07",
           .konto = 1800,
           .gkonto = 4400,
           .cent = 2500,
           .seite = "E",
           .belegnummer = "B_03_12"});
    zeile({.text = "Miete_März",
           .bereich = 2,
           .datum = "2024-03-08",
           .konto = 1800,
           .gkonto = 90001,
           .cent = 999,
           .rechnungsnummer = "RE-2024_1"});
    zeile({.text = "MieteXMärz",
           .bereich = 2,
           .datum = "2024-03-08",
           .konto = 1800,
           .gkonto = 90002,
           .cent = 999,
           .belegnummer = "B0312",
           .rechnungsnummer = "RE-2024X1"});
    zeile({.text = "Wareneingang",
           .bereich = 3,
           .datum = "2024-03-09",
           .konto = 5400,
           .gkonto = 90002,
           .cent = 9999,
           .ts = "WARE"});
    zeile({.text = "Porto Bereich 99", .bereich = 99, .datum = "2024-03-09"});
    zeile({.text = "Porto stillgelegt", .bereich = 4, .datum = "2024-03-10", .konto = 1810});
    zeile({.text = "Porto gelöscht", .datum = "2024-03-11"}, true, 0,
          QStringLiteral("Erfassungen_geloescht"));

    struct Fall {
        const char* name;
        tErfassungssuche suche;
        std::vector<int> bereiche;
        QStringList erwartet;
    };
    const auto suche = [](auto setzen) {
        tErfassungssuche s;
        setzen(s);
        return s;
    };
    const auto cent = [](qint64 c) {
        return Betrag::ausCent(c);
    };
    const QStringList alleImArchivlosen = {"Vormonat",     "Porto 100% sicher", "Porto 100 Prozent",
                                           "Bürobedarf",   "Miete_März",        "MieteXMärz",
                                           "Wareneingang", "Porto stillgelegt"};
    const std::vector<Fall> faelle = {
        {"ohne Kriterien, ohne Bereich 99", {}, alle, alleImArchivlosen},
        {"Betrag von bis einschließlich",
         suche([&](auto& s) { s.BetragVon = cent(999), s.BetragBis = cent(1000); }),
         alle,
         {"Porto 100% sicher", "Miete_März", "MieteXMärz", "Porto stillgelegt"}},
        {"nur Betrag von: darüber",
         suche([&](auto& s) { s.BetragVon = cent(1000); }),
         alle,
         {"Porto 100 Prozent", "Bürobedarf", "Wareneingang"}},
        {"nur Betrag bis: bis dahin",
         suche([&](auto& s) { s.BetragBis = cent(999); }),
         alle,
         {"Vormonat", "Miete_März", "MieteXMärz"}},
        {"Prozentzeichen wörtlich",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("100%"); }),
         alle,
         {"Porto 100% sicher"}},
        {"Unterstrich wörtlich",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("miete_"); }),
         alle,
         {"Miete_März"}},
        {"Umlaute ohne Groß und Klein",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("BÜRO"); }),
         alle,
         {"Bürobedarf"}},
        {"Umlaut klein gesucht",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("märz"); }),
         alle,
         {"Miete_März", "MieteXMärz"}},
        {"Konto als Gegenkonto",
         suche([](auto& s) { s.Konto = 90002; }),
         alle,
         {"MieteXMärz", "Wareneingang"}},
        {"Konto als Konto", suche([](auto& s) { s.Konto = 1810; }), alle, {"Porto stillgelegt"}},
        {"Belegnummer mit Unterstrich",
         suche([](auto& s) { s.Belegnummer = QStringLiteral("_03_1"); }),
         alle,
         {"Bürobedarf"}},
        {"Rechnungsnummer",
         suche([](auto& s) { s.Rechnungsnummer = QStringLiteral("re-2024_"); }),
         alle,
         {"Miete_März"}},
        {"Textschlüssel",
         suche([](auto& s) { s.TSName = QStringLiteral("war"); }),
         alle,
         {"Wareneingang"}},
        {"nur Datum von, einschließlich",
         suche([](auto& s) { s.Von = QDate(2024, 3, 9); }),
         alle,
         {"Wareneingang", "Porto stillgelegt"}},
        {"nur Datum bis, einschließlich",
         suche([](auto& s) { s.Bis = QDate(2024, 3, 5); }),
         alle,
         {"Vormonat", "Porto 100% sicher"}},
        {"Zeitraum",
         suche([](auto& s) { s.Von = QDate(2024, 3, 6), s.Bis = QDate(2024, 3, 7); }),
         alle,
         {"Porto 100 Prozent", "Bürobedarf"}},
        {"Bereichsrecht: stillgelegter Bereich gefunden, 99 nie",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("porto"); }),
         {1, 4, 99},
         {"Porto 100% sicher", "Porto 100 Prozent", "Porto stillgelegt"}},
        {"Bereichsrecht: nur Bank",
         suche([](auto& s) { s.Buchungstext = QStringLiteral("e"); }),
         {2},
         {"Bürobedarf", "Miete_März", "MieteXMärz"}},
        {"gelöschte Erfassungen",
         suche([](auto& s) {
             s.Tabelle = QStringLiteral("Erfassungen_geloescht");
             s.Buchungstext = QStringLiteral("PORTO");
         }),
         alle,
         {"Porto gelöscht"}},
    };
    for (const Fall& f : faelle) {
        const tErfassungsAbfrage a = ErfassungsSuche(f.suche, admin(), f.bereiche);
        EXPECT_EQ(alleTexte(a), f.erwartet) << f.name;
        EXPECT_EQ(ErfassungenZaehlen(daten(), a), f.erwartet.size()) << f.name;
    }
    tErfassungssuche geloescht;
    geloescht.Tabelle = QStringLiteral("Erfassungen_geloescht");
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen_geloescht SET Loeschdatum=?"),
                       {QDateTime(QDate(2024, 3, 12), QTime(8, 30))});
    const auto archiv = ErfassungenLesen(daten(), ErfassungsSuche(geloescht, admin(), alle), 0, 5);
    ASSERT_EQ(archiv.size(), 1u);
    EXPECT_EQ(archiv[0].Loeschdatum, QDateTime(QDate(2024, 3, 12), QTime(8, 30)));
    tErfassungssuche falsch;
    falsch.Tabelle = QStringLiteral("Erfassungen; DROP TABLE Erfassungen");
    EXPECT_THROW(ErfassungsSuche(falsch, admin(), alle), DatenbankFehler);
}

TEST_F(Erfassungsliste, RechnungNachBereichsart) {
    bereich(4, 4, 1410, QString());
    zeile({.text = "Ausgang E", .bereich = 4, .cent = 1000, .seite = "E"});
    zeile({.text = "Ausgang A", .bereich = 4, .cent = 300, .seite = "A"});
    zeile({.text = "Kasse E", .bereich = 1, .cent = 1000, .seite = "E"});
    zeile({.text = "Kasse A", .bereich = 1, .cent = 300, .seite = "A"});
    tErfassungsAbfrage a = ErfassungsSuche({}, admin(), alle);
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(a, QStringLiteral("ID"), false));
    QStringList rechnung;
    for (const auto& z : ErfassungenLesen(daten(), a, 0, 10))
        rechnung << z.Buchungstext + u'=' + QString::number(z.Rechnung().cent()) + u'/' +
                        QString::number(z.Bereichsart);
    EXPECT_EQ(rechnung, QStringList({"Ausgang E=1000/4", "Ausgang A=-300/4", "Kasse E=-1000/1",
                                     "Kasse A=300/1"}));
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(a, QStringLiteral("Betrag2"), false));
    EXPECT_EQ(alleTexte(a), QStringList({"Kasse E", "Ausgang A", "Kasse A", "Ausgang E"}));
}

TEST_F(Erfassungsliste, BelegnummerNachEndziffernSortiert) {
    for (const char* nr : {"24_03_10", "24_03_9", "R-2", "24_03_100", "ohne", "A007"})
        zeile({.text = nr, .belegnummer = nr});
    tErfassungsAbfrage a = maerz(1, false, admin(), alle);
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(a, QStringLiteral("Belegnummer"), false));
    EXPECT_EQ(alleTexte(a),
              QStringList({"ohne", "R-2", "A007", "24_03_9", "24_03_10", "24_03_100"}));
    ASSERT_TRUE(ErfassungsReihenfolgeSetzen(a, QStringLiteral("Belegnummer"), true));
    EXPECT_EQ(alleTexte(a),
              QStringList({"24_03_100", "24_03_10", "24_03_9", "A007", "R-2", "ohne"}));
    for (const char* feld : {"Steuerbezeichnung", "Loeschdatum", "ID; DROP TABLE Erfassungen"})
        EXPECT_FALSE(ErfassungsReihenfolgeSetzen(a, QString::fromUtf8(feld), false)) << feld;
}

TEST_F(Erfassungsliste, SteuerbezeichnungNachGueltigkeit) {
    const tSteuerbezeichnungen st(dm.ADOConnection_Stamm);
    for (const QDate& tag : {QDate(2024, 3, 10), QDate(2020, 8, 1)})
        EXPECT_EQ(st.Bezeichnung(QStringLiteral("9"), tag),
                  SteuerBezeichnung(dm, QStringLiteral("9"), tag));
    EXPECT_EQ(st.Bezeichnung(QStringLiteral("9"), QDate(2020, 8, 1)),
              QStringLiteral("Vorsteuer 16 %"));
    EXPECT_EQ(st.Bezeichnung(QStringLiteral("0"), QDate(2024, 3, 10)),
              QStringLiteral("ohne Steuer"));
}

} // namespace
