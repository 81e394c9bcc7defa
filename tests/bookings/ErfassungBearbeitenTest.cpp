#include "ErfassungBearbeiten.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "Buchungsumgebung.h"
#include "Erfassungsverlauf.h"
#include "OffenePosten.h"
#include "Salden.h"

namespace {

class ErfassungBearbeiten : public Buchungsumgebung {
protected:
    void SetUp() override {
        Buchungsumgebung::SetUp();
        bereich(4, 4, 8400, QString());
        daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES "
                                          "(1800, '2023-01-01', 0)"));
    }

    // A main row as earlier saves left it, with every column filled; returns its BuchungsID.
    qint64 buchung(int bereichId, const char* datum, qint64 konto, qint64 gkonto, qint64 cent,
                   const char* seite, const QString& rechnungsnummer = {},
                   const QString& tabelle = QStringLiteral("Erfassungen")) {
        daten().ausfuehren(
            QStringLiteral(
                "INSERT INTO %1 (BuchungsID, Hauptbuchung, BuchungsBereich, Belegdatum, TSName, "
                "Konto, GKonto, Buchungstext, Betrag, Buchungsseite, Steuer, BelegMaske, "
                "BelegZaehler, Belegnummer, Rechnungsnummer, Bemerkung, NichtAufteilungskonto, "
                "AufteilungsSeite, ErstelltAm, ErstelltVon, LetzteAenderung, AenderungVon, "
                "AnzahlAenderungen, AenderungSteuerRelevant, BuchungKlaeren, Festgeschrieben, "
                "Systembuchung, ZVAusdruckID, Erfassungskennzeichen) VALUES (0, 1, ?, ?, 'TS', ?, "
                "?, 'Miete', ?, ?, '9', '24_03_', 7, '24_03_7', ?, 'eigene', 3, 2, "
                "'2024-03-02 08:15:00', 'AB', '2024-03-03 09:00:00', 'CD', 2, 0, 1, 1, 1, 5, 1)")
                .arg(tabelle),
            {bereichId, QString::fromLatin1(datum), konto, gkonto, cent, QString::fromLatin1(seite),
             rechnungsnummer});
        const qint64 id = daten().letzteId();
        daten().ausfuehren(QStringLiteral("UPDATE %1 SET BuchungsID=ID WHERE ID=?").arg(tabelle),
                           {id});
        return id;
    }
    void aufteilung(qint64 buchungsId, const char* datum, qint64 konto, qint64 gkonto, qint64 cent,
                    const char* seite) {
        daten().ausfuehren(
            QStringLiteral("INSERT INTO Erfassungen (BuchungsID, Hauptbuchung, BuchungsBereich, "
                           "Belegdatum, Konto, GKonto, Betrag, Buchungsseite, Bemerkung, "
                           "ErstelltAm, ErstelltVon) SELECT BuchungsID, 0, BuchungsBereich, ?, ?, "
                           "?, ?, ?, Bemerkung, ErstelltAm, ErstelltVon FROM Erfassungen WHERE "
                           "ID=?"),
            {QString::fromLatin1(datum), konto, gkonto, cent, QString::fromLatin1(seite),
             buchungsId});
    }
    void op(qint64 buchungsId, qint64 konto, const QString& nr, qint64 rech, qint64 zahl,
            bool geloescht = false, const char* datum = "2024-03-05") {
        daten().ausfuehren(
            QStringLiteral("INSERT INTO OffenePosten (BuchungsID, Konto, "
                           "Rechnungsnummer, Belegdatum, RechBetrag, ZahlBetrag, "
                           "NettoTage, ValutaTage, Geloescht) VALUES (?, ?, ?, ?, "
                           "?, ?, 30, 10, ?)"),
            {buchungsId, konto, nr, QString::fromLatin1(datum), rech, zahl, geloescht});
    }
    void abschliessen(int monat, int jahr) {
        daten().ausfuehren(QStringLiteral("INSERT INTO Abschluss (Monat, Jahr) VALUES (?, ?)"),
                           {monat, jahr});
    }
    qint64 saldo(qint64 konto, const char* datum) {
        return zahl(QStringLiteral("SELECT Saldo FROM Salden WHERE Konto=? AND Datum=?"),
                    {konto, QString::fromLatin1(datum)});
    }
    QString opLog() {
        QFile f(Sitzung().Datenverzeichnis + QStringLiteral("/logs/1000_logfile.csv"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll());
    }
    bool speichern(const tMaskenZustand& m, tBuchung& b) {
        return BuchungPruefenMaske(dm, m, b) && AktuelleBuchungSpeichern(dm, b, m);
    }
};

TEST_F(ErfassungBearbeiten, LoeschenArchiviertJedeSpalteMarkiertPostenUndFuehrtVortraegeNach) {
    const qint64 id = buchung(2, "2024-03-05", 1800, 90001, 10000, "A", QStringLiteral("R1"));
    aufteilung(id, "2024-03-05", 1800, 6300, 2000, "A");
    const qint64 andere = buchung(2, "2024-03-06", 1800, 90002, 500, "A", QStringLiteral("R2"));
    op(id, 90001, QStringLiteral("R1"), 0, 10000);
    op(id, 90001, QStringLiteral("R1"), 0, 500);
    op(andere, 90002, QStringLiteral("R2"), 0, 500);
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES (1800, "
                                      "'2024-04-01', 5000)"));
    const QString beschreibung = BuchungsBeschreibung(daten(), id);

    std::vector<std::vector<QString>> vorher;
    QStringList spalten;
    {
        Abfrage q(daten(),
                  QStringLiteral("SELECT * FROM Erfassungen WHERE BuchungsID=? ORDER BY "
                                 "ID"),
                  {id});
        for (int i = 0; i < q.spaltenAnzahl(); ++i)
            spalten << q.spaltenName(i);
        while (q.naechste()) {
            vorher.emplace_back();
            for (int i = 0; i < q.spaltenAnzahl(); ++i)
                vorher.back().push_back(q.text(i));
        }
    }
    ASSERT_EQ(spalten.size(), 30);
    const QString grund = QStringLiteral("Storno \"doppelt\" O'Neil; DROP TABLE Salden");

    EXPECT_EQ(LoeschbareErfassungen(dm, QStringLiteral("Erfassungen"), {id}),
              std::vector<qint64>{id});
    ASSERT_TRUE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {id}, grund));

    Abfrage q(daten(), QStringLiteral("SELECT * FROM Erfassungen_geloescht ORDER BY ID"));
    size_t zeile = 0;
    for (; q.naechste(); ++zeile) {
        ASSERT_LT(zeile, vorher.size());
        for (int i = 0; i < spalten.size(); ++i) {
            const QString erwartet = spalten[i] == u"Bemerkung" ? grund : vorher[zeile][size_t(i)];
            EXPECT_EQ(q.text(spalten[i]), erwartet) << spalten[i].toStdString();
        }
        EXPECT_EQ(q.text("Loeschdatum"), QStringLiteral("2024-03-20 10:00:00"));
    }
    EXPECT_EQ(zeile, 2u);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=?"), {id}), 0);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE BuchungsID=? AND "
                                  "Geloescht=1 AND GeloeschtVon='AD'"),
                   {id}),
              2);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE BuchungsID=? AND "
                                  "coalesce(Geloescht, 0)=0"),
                   {andere}),
              1);
    // The deleted expenses of 100,00 and 20,00 no longer lower the April carry.
    EXPECT_EQ(saldo(1800, "2024-04-01"), 5000 + 12000);
    EXPECT_EQ(
        SaldoBerechnen(daten(), 1800, QDate(2024, 4, 1), QDate(2024, 4, 1)).Anfangssaldo.cent(),
        17000);
    EXPECT_TRUE(opLog().contains(
        QStringLiteral(";2;Löschen von OP-Einträgen durch Löschen von Erfassung: ") +
        beschreibung));
}

// Pool rows and templates number their rows on their own: open items of the stored booking
// with the same number stay, templates are not archived.
TEST_F(ErfassungBearbeiten, PoolsUndVorlagenLassenOffenePostenInRuhe) {
    const struct {
        const char* tabelle;
        qint64 archiviert;
    } faelle[] = {
        {"Erfassungen_DauerPool", 1}, {"Erfassungen_Import", 1}, {"Erfassungen_Dauer", 0}};
    for (const auto& f : faelle) {
        const QString tabelle = QString::fromLatin1(f.tabelle);
        daten().skript(QStringLiteral("DELETE FROM Erfassungen; DELETE FROM OffenePosten; DELETE "
                                      "FROM Erfassungen_geloescht; DELETE FROM %1")
                           .arg(tabelle));
        const qint64 poolId = buchung(3, "2024-03-05", 5400, 90001, 1000, "A", "P1", tabelle);
        daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen (ID, BuchungsID, Hauptbuchung, "
                                          "BuchungsBereich, Belegdatum, Konto, GKonto, Betrag, "
                                          "Buchungsseite) VALUES (?1, ?1, 1, 3, '2024-03-05', "
                                          "5400, 90001, 1000, 'A')"),
                           {poolId});
        op(poolId, 90001, QStringLiteral("P1"), -1000, 0);
        EXPECT_EQ(LoeschbareErfassungen(dm, tabelle, {poolId}), std::vector<qint64>{poolId});
        ASSERT_TRUE(ErfassungenLoeschen(dm, tabelle, {poolId}, QString()));
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM %1").arg(tabelle)), 0) << f.tabelle;
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_geloescht")), f.archiviert)
            << f.tabelle;
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE "
                                      "coalesce(Geloescht, 0)=0")),
                  1)
            << f.tabelle;
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen")), 1);
    }
    EXPECT_TRUE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen_geloescht"), {1}, {}) == false);
}

TEST_F(ErfassungBearbeiten, FehlerMittenImLoeschenLaesstAllesWieVorher) {
    const qint64 erste = buchung(2, "2024-03-05", 1800, 90001, 10000, "A", QStringLiteral("R1"));
    const qint64 zweite = buchung(2, "2024-03-06", 1800, 90002, 500, "A", QStringLiteral("R2"));
    op(erste, 90001, QStringLiteral("R1"), 0, 10000);
    op(zweite, 90002, QStringLiteral("R2"), 0, 500);
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES (1800, "
                                      "'2024-04-01', 5000)"));
    const QString vorher = tabelleninhalt();
    for (const char* ausloeser : {"BEFORE INSERT ON Erfassungen_geloescht WHEN NEW.BuchungsID=%1",
                                  "BEFORE DELETE ON Erfassungen WHEN OLD.BuchungsID=%1"}) {
        daten().skript(QStringLiteral("CREATE TRIGGER kaputt %1 BEGIN SELECT RAISE(ABORT, 'Platte "
                                      "voll'); END")
                           .arg(QString::fromLatin1(ausloeser).arg(zweite)));
        EXPECT_FALSE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {erste, zweite},
                                         QStringLiteral("weg")));
        EXPECT_TRUE(fragen.letzterText().contains(QStringLiteral("Platte voll")));
        EXPECT_EQ(tabelleninhalt(), vorher) << ausloeser;
        daten().skript(QStringLiteral("DROP TRIGGER kaputt"));
    }
    daten().skript(QStringLiteral("ALTER TABLE Erfassungen_geloescht RENAME TO weg"));
    EXPECT_FALSE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {erste}, {}));
    daten().skript(QStringLiteral("ALTER TABLE weg RENAME TO Erfassungen_geloescht"));
    EXPECT_EQ(tabelleninhalt(), vorher);
    EXPECT_EQ(opLog(), QString());
}

TEST_F(ErfassungBearbeiten, AusgangsrechnungBrauchtEineBegruendung) {
    const qint64 ausgang = buchung(4, "2024-03-08", 8400, 10001, 23456, "E", "A-1");
    const qint64 kasse = buchung(1, "2024-03-08", 1600, 6300, 100, "E");
    const auto a = LoeschAngabenLesen(daten(), QStringLiteral("Erfassungen"), ausgang);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->BegruendungNoetig);
    EXPECT_EQ(a->Belegdatum, QDate(2024, 3, 8));
    EXPECT_EQ(a->Buchungstext, QStringLiteral("Miete"));
    EXPECT_EQ(a->Betrag.cent(), 23456);
    EXPECT_FALSE(
        LoeschAngabenLesen(daten(), QStringLiteral("Erfassungen"), kasse)->BegruendungNoetig);
    EXPECT_FALSE(LoeschAngabenLesen(daten(), QStringLiteral("Erfassungen"), 999));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Die Erfassung konnte nicht gefunden werden!"));

    EXPECT_FALSE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {ausgang}, "  "));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Für das Löschen dieser Erfassung müssen Sie "
                                                   "eine Begründung eingeben!"));
    EXPECT_TRUE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {kasse}, {}));
    EXPECT_TRUE(ErfassungenLoeschen(dm, QStringLiteral("Erfassungen"), {ausgang}, "Irrtum"));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_geloescht WHERE "
                                  "Bemerkung='Irrtum' AND BuchungsID=?"),
                   {ausgang}),
              1);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_geloescht WHERE "
                                  "Bemerkung='' AND BuchungsID=?"),
                   {kasse}),
              1);
}

TEST_F(ErfassungBearbeiten, LoeschbarePruefungenInIhrerReihenfolge) {
    const QString t = QStringLiteral("Erfassungen");
    const qint64 bezahlt = buchung(3, "2024-03-05", 5400, 90001, 10000, "A", "R7");
    const qint64 offen = buchung(3, "2024-03-05", 5400, 90002, 10000, "A", "R8");
    const qint64 zahlung = buchung(2, "2024-03-09", 1800, 90001, 10000, "A", "R7");
    op(bezahlt, 90001, QStringLiteral("R7"), 10000, 0);
    op(zahlung, 90001, QStringLiteral("R7"), 0, 10000);
    op(offen, 90002, QStringLiteral("R8"), 10000, 0);
    // A bank payment is no invoice journal: its paid item does not hold it.
    EXPECT_EQ(LoeschbareErfassungen(dm, t, {bezahlt, offen, zahlung}),
              (std::vector<qint64>{offen, zahlung}));
    EXPECT_TRUE(fragen.meldungen.empty());
    EXPECT_TRUE(LoeschbareErfassungen(dm, t, {bezahlt}).empty());
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Diese Rechnung kann nicht mehr bearbeitet "
                                                   "oder gelöscht werden, da sie schon teilweise "
                                                   "oder ganz bezahlt wurde!"));

    // Cash: 100,00 + 50,00 - 120,00; without the receipt the box runs short on 10 March.
    const qint64 einnahme = buchung(1, "2024-03-05", 1600, 6300, 5000, "E");
    buchung(1, "2024-03-10", 1600, 6300, 12000, "A");
    fragen.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_TRUE(LoeschbareErfassungen(dm, t, {einnahme}).empty());
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Das Löschen der aktuellen Erfassung wird am 10.03.2024 zu einem "
                             "negativen Kassenbestand von -20,00 € führen. Möchten Sie die "
                             "Erfassung trotzdem löschen?"));
    EXPECT_EQ(LoeschbareErfassungen(dm, t, {einnahme}), std::vector<qint64>{einnahme});

    abschliessen(3, 2024);
    EXPECT_TRUE(LoeschbareErfassungen(dm, t, {offen}).empty());
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Der Monat 3/2024 ist bereits abgeschlossen!\r"
                                                   "Sie können daher keine Erfassungen in diesem "
                                                   "Monat löschen."));
    Sitzung().NurLesen = true;
    EXPECT_TRUE(LoeschbareErfassungen(dm, t, {offen}).empty());
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben hierfür keine Berechtigung!"));
    EXPECT_FALSE(ErfassungenLoeschen(dm, t, {offen}, QStringLiteral("x")));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=?"), {offen}),
              1);
}

TEST_F(ErfassungBearbeiten, RechnungBezahltNurDurchPostenAndererBuchungen) {
    const struct Fall {
        qint64 gkonto;
        const char* nummer;
        const char* opNummer;
        bool eigene;
        qint64 rech, zahl;
        bool geloescht;
        bool bezahlt;
    } faelle[] = {
        {90001, "R1", "R1", false, -5000, 0, false, true},  // supplier credit
        {90001, "R1", "R1", false, 0, 3000, false, true},   // part payment
        {90001, "R1", "r1", false, 0, 3000, false, true},   // any case
        {90001, "R1", "R1", false, 5000, 0, false, false},  // another invoice row only
        {90001, "R1", "R1", true, 0, 3000, false, false},   // its own payment
        {90001, "R1", "R1", false, 0, 3000, true, false},   // deleted payment
        {90001, "R1", "R2", false, 0, 3000, false, false},  // other invoice
        {90001, "", "", false, 0, 3000, false, false},      // no invoice number
        {85001, "R1", "R1", false, 0, 3000, false, true},   // cost supplier
        {10001, "R1", "R1", false, 5000, 0, false, true},   // customer invoice
        {10001, "R1", "R1", false, -5000, 0, false, false}, // customer credit
        {10001, "R1", "R1", false, 0, -3000, false, true},  // customer payment
        {6300, "R1", "R1", false, 0, 3000, false, false},   // ledger account
        {75000, "R1", "R1", false, 0, 3000, false, false},  // no person account
    };
    for (const Fall& f : faelle) {
        daten().skript(QStringLiteral("DELETE FROM Erfassungen; DELETE FROM OffenePosten"));
        const qint64 id =
            buchung(3, "2024-03-05", 5400, f.gkonto, 10000, "A", QString::fromLatin1(f.nummer));
        op(f.eigene ? id : id + 100, f.gkonto, QString::fromLatin1(f.opNummer), f.rech, f.zahl,
           f.geloescht);
        EXPECT_EQ(RechnungBezahlt(daten(), id, false), f.bezahlt)
            << f.gkonto << " " << f.opNummer << " " << f.rech << " " << f.zahl;
    }
    EXPECT_TRUE(fragen.meldungen.empty());
    const qint64 id = buchung(3, "2024-03-05", 5400, 90001, 10000, "A", "X");
    op(id + 1, 90001, QStringLiteral("X"), 0, 100);
    EXPECT_TRUE(RechnungBezahlt(daten(), id, true));
    EXPECT_EQ(fragen.meldungen.size(), 1u);
}

TEST_F(ErfassungBearbeiten, VerschiebenAmMonatsendeMitVerlaufPostenUndVortraegen) {
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES (1800, "
                                      "'2024-02-01', -12000), (1800, '2024-03-01', -12000)"));
    Sitzung().Kuerzel = QStringLiteral("XY");
    const struct {
        const char* datum;
        int monat, jahr;
        const char* neu;
    } faelle[] = {{"2024-01-31", 2, 2024, "2024-02-29"}, {"2023-01-31", 2, 2023, "2023-02-28"}};
    for (const auto& f : faelle) {
        const qint64 id = buchung(2, f.datum, 1800, 90001, 10000, "A", "R1");
        aufteilung(id, f.datum, 1800, 6300, 2000, "A");
        op(id, 90001, QStringLiteral("R1"), 0, 10000, false, f.datum);
        op(id, 90001, QStringLiteral("R1"), 0, 500, true, f.datum);
        ASSERT_TRUE(ErfassungenVerschieben(dm, {id}, f.monat, f.jahr))
            << fragen.letzterText().toStdString();
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=? AND "
                                      "Belegdatum=? AND AnzahlAenderungen=3 AND "
                                      "AenderungSteuerRelevant=1 AND AenderungVon='XY' AND "
                                      "LetzteAenderung='2024-03-20 10:00:00'"),
                       {id, QString::fromLatin1(f.neu)}),
                  2)
            << f.datum;
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf WHERE "
                                      "BuchungsID=? AND Belegdatum=?"),
                       {id, QString::fromLatin1(f.datum)}),
                  2);
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE BuchungsID=? AND "
                                      "Belegdatum=? AND NettoTage=30 AND ValutaTage=10 AND "
                                      "Geloescht=0"),
                       {id, QString::fromLatin1(f.neu)}),
                  1);
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE BuchungsID=? AND "
                                      "Belegdatum=? AND Geloescht=1"),
                       {id, QString::fromLatin1(f.datum)}),
                  1);
    }
    // The 2024 booking (-120,00) left January's carry into February; the 2023 one moved
    // inside a period without carry rows.
    EXPECT_EQ(saldo(1800, "2024-02-01"), 0);
    EXPECT_EQ(saldo(1800, "2024-03-01"), -12000);
    EXPECT_EQ(saldo(1800, "2023-01-01"), 0);
}

TEST_F(ErfassungBearbeiten, VerschiebenVerweigert) {
    const qint64 bank = buchung(2, "2024-03-05", 1800, 6300, 1000, "A");
    const qint64 bezahlt = buchung(3, "2024-03-05", 5400, 90001, 10000, "A", "R7");
    op(bezahlt + 50, 90001, QStringLiteral("R7"), 0, 10000);
    const qint64 einnahme = buchung(1, "2024-03-05", 1600, 6300, 5000, "E");
    const qint64 ausgabe = buchung(1, "2024-03-10", 1600, 6300, 12000, "A");
    const struct Fall {
        std::function<void()> vorher;
        qint64 id;
        int monat;
        const char* meldung;
    } faelle[] = {
        {[] { Sitzung().NurLesen = true; }, bank, 2, "Sie haben hierfür keine Berechtigung!"},
        {[this] { abschliessen(2, 2024); }, bank, 2,
         "Der Monat 2/2024 ist bereits abgeschlossen!\rSie können daher keine Erfassungen in "
         "diesen Monat verschieben."},
        {[this] { abschliessen(3, 2024); }, bank, 4,
         "Der Monat 3/2024 ist bereits abgeschlossen!\rSie können daher keine Erfassungen in "
         "diesem Monat verschieben."},
        {[] {}, bezahlt, 2,
         "Diese Rechnung kann nicht mehr bearbeitet oder gelöscht werden, da sie schon teilweise "
         "oder ganz bezahlt wurde!"},
        {[this] { fragen.antworten = {Antwort::Nein}; }, einnahme, 4,
         "Die Verbuchung Ihrer aktuellen Erfassung wird am 10.03.2024 zu einem negativen "
         "Kassenbestand von -20,00 € führen. Möchten Sie die Erfassung trotzdem speichern?"},
    };
    const QString vorher = tabelleninhalt();
    for (const Fall& f : faelle) {
        f.vorher();
        EXPECT_FALSE(ErfassungenVerschieben(dm, {f.id}, f.monat, 2024));
        EXPECT_EQ(fragen.letzterText(), QString::fromUtf8(f.meldung));
        Sitzung().NurLesen = false;
        daten().skript(QStringLiteral("DELETE FROM Abschluss"));
        EXPECT_EQ(tabelleninhalt(), vorher) << f.meldung;
    }
    // The expense moved into April finds the receipt before it.
    EXPECT_TRUE(ErfassungenVerschieben(dm, {ausgabe}, 4, 2024));
    EXPECT_EQ(
        zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE Belegdatum='2024-04-10'")), 1);
}

TEST_F(ErfassungBearbeiten, VerschiebeMonateUndRueckfrage) {
    using Monate = std::vector<std::pair<int, int>>;
    EXPECT_EQ(VerschiebeMonate(dm, 1), Monate{});
    UhrFestsetzen(QDateTime(QDate(2024, 6, 15), QTime(9, 0)));
    abschliessen(5, 2024);
    EXPECT_EQ(VerschiebeMonate(dm, 1), (Monate{{4, 2024}, {6, 2024}}));
    // Journals have no opening balance: the business's first booking month counts.
    EXPECT_EQ(VerschiebeMonate(dm, 3), (Monate{{1, 2024}, {2, 2024}, {4, 2024}, {6, 2024}}));

    const qint64 id = buchung(2, "2024-03-05", 1800, 6300, 1000, "A");
    EXPECT_FALSE(VerschiebenBestaetigen(dm, {}, 2, 2024));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Wählen Sie bitte die zu verschiebene Erfassung aus!"));
    fragen.antworten = {Antwort::Ja};
    EXPECT_TRUE(VerschiebenBestaetigen(dm, {id}, 2, 2024));
    EXPECT_EQ(fragen.meldungen.back().art, Meldungsart::Warnung);
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sind Sie sicher, dass Sie die markierten "
                                                   "Erfassungen in den Monat 2/2024 verschieben "
                                                   "möchten?"));
    abschliessen(3, 2024);
    EXPECT_FALSE(VerschiebenBestaetigen(dm, {id}, 2, 2024));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Der aktuelle Erfassungsmonat ist bereits abgeschlossen!"));
    Sitzung().NurLesen = true;
    EXPECT_FALSE(VerschiebenBestaetigen(dm, {id}, 2, 2024));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben hierfür keine Berechtigung!"));
}

TEST_F(ErfassungBearbeiten, BemerkungLoeschenMitVerlauf) {
    const qint64 id = buchung(2, "2024-03-05", 1800, 6300, 1000, "A");
    aufteilung(id, "2024-03-05", 1800, 6310, 200, "A");
    const QString vorher = tabelleninhalt();
    Sitzung().NurLesen = true;
    EXPECT_FALSE(BemerkungLoeschen(dm, id));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Sie haben hierfür keine Berechtigung!"));
    EXPECT_EQ(tabelleninhalt(), vorher);
    Sitzung().NurLesen = false;

    ASSERT_TRUE(BemerkungLoeschen(dm, id));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen WHERE BuchungsID=? AND "
                                  "Bemerkung='' AND AnzahlAenderungen=3"),
                   {id}),
              2);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf WHERE BuchungsID=? "
                                  "AND Bemerkung='eigene'"),
                   {id}),
              2);
    // Nothing left to delete: no further history.
    ASSERT_TRUE(BemerkungLoeschen(dm, id));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf")), 2);
}

TEST_F(ErfassungBearbeiten, VerlaufZeigtJedenStandMitSeinerZeile) {
    tBuchung b;
    tMaskenZustand m = maske(1, "4", 1600, 6300, "50,00", "E", "1", QStringLiteral("Einlage"));
    ASSERT_TRUE(speichern(m, b));
    const qint64 id = b.BuchungsID;
    std::vector<tVerlaufsZeile> v = ErfassungsVerlauf(daten(), id);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].Aenderung, QStringLiteral("20.03.2024 10:00:00 durch AD: Ursprungserfassung - "
                                             "Erfassungsart: manuell"));
    EXPECT_EQ(ErfassungsInfoText(v[0].Zeile),
              QStringLiteral("Erfassungsinfo:\r\rerfasst am 20.03.2024 10:00:00\rerfasst von "
                             "User \"AD\"\rArt der Erfassung: manuell"));

    UhrFestsetzen(QDateTime(QDate(2024, 3, 21), QTime(8, 0, 5)));
    Sitzung().Kuerzel = QStringLiteral("XY");
    m.BearbeitungsID = id;
    m.Spalten[4] = QStringLiteral("60,00");
    ASSERT_TRUE(speichern(m, b));
    UhrFestsetzen(QDateTime(QDate(2024, 3, 22), QTime(9, 30)));
    m.Klaeren = true;
    ASSERT_TRUE(speichern(m, b));

    v = ErfassungsVerlauf(daten(), id);
    QStringList zeilen;
    for (const tVerlaufsZeile& z : v)
        zeilen << z.Aenderung;
    EXPECT_EQ(zeilen.join(u'\n').toStdString(),
              (QStringList{"20.03.2024 10:00:00 durch AD: Ursprungserfassung - Erfassungsart: "
                           "manuell",
                           "21.03.2024 08:00:05 durch XY",
                           "22.03.2024 09:30:00 durch XY (keine Änderung steuerrelevanter "
                           "Felder)"})
                  .join(u'\n')
                  .toStdString());
    EXPECT_EQ(v[0].Zeile.Betrag.cent(), 5000);
    EXPECT_EQ(v[1].Zeile.Betrag.cent(), 6000);
    EXPECT_EQ(v[1].Zeile.Bereichsart, 1);

    const qint64 import = buchung(2, "2024-03-05", 1800, 6300, 1000, "A");
    daten().ausfuehren(QStringLiteral("UPDATE Erfassungen SET AnzahlAenderungen=0, "
                                      "LetzteAenderung=NULL WHERE ID=?"),
                       {import});
    v = ErfassungsVerlauf(daten(), import);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].Aenderung, QStringLiteral("02.03.2024 08:15:00 durch AB: Ursprungserfassung - "
                                             "Erfassungsart: Import"));
    EXPECT_TRUE(
        ErfassungsInfoText(v[0].Zeile).endsWith(QStringLiteral("Art der Erfassung: Import")));
}

} // namespace
