#include "Buchungsbereiche.h"
#include "Belegmaske.h"
#include "Stammdatenumgebung.h"

namespace {

class Buchungsbereiche : public Stammdatenumgebung {
protected:
    void bereich(int id, int art, qint64 konto, bool aktiv = true, bool aktiviert = true) {
        daten().ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, "
                                          "Konto, Bezeichnung, Aktiv, Aktiviert, BelegNrVergabe) "
                                          "VALUES (?, ?, ?, ?, ?, ?, 1)"),
                           {id, art, konto, QStringLiteral("B%1").arg(id), aktiv, aktiviert});
    }
    tGeldkonto kasse(qint64 konto) {
        tGeldkonto g;
        g.Bereichsart = Bereichsart::Kasse;
        g.Konto = konto;
        g.Bezeichnung = QStringLiteral("Kasse");
        g.Aktiv = true;
        g.BelegMaske = QStringLiteral("ww_mm_");
        g.AnfangsMonat = QDate(2024, 3, 1);
        g.AnfangsSaldo = Betrag::ausCent(50000);
        return g;
    }
    qint64 zahl(const QString& sql, std::initializer_list<Wert> werte = {}) {
        return daten().ganzzahlWert(sql, werte).value_or(-1);
    }
};

TEST_F(Buchungsbereiche, NeueIDIstDieKleinsteFreieUnter50) {
    const struct {
        std::vector<int> vorhanden;
        int erwartet;
    } faelle[] = {{{}, 1}, {{1, 2, 60}, 3}, {{1, 3}, 2}, {{2, 49, 99}, 1}};
    for (const auto& f : faelle) {
        daten().ausfuehren(QStringLiteral("DELETE FROM Buchungsbereiche"));
        daten().ausfuehren(QStringLiteral("DELETE FROM Salden"));
        for (int id : f.vorhanden)
            bereich(id, 5, 6000 + id, false, false);
        tGeldkonto g = kasse(1600);
        ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
        EXPECT_EQ(g.BereichID, f.erwartet);
        EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Buchungsbereiche WHERE BereichID=? "
                                      "AND S_H='S' AND Aktiviert=1"),
                       {f.erwartet}),
                  1);
    }
}

TEST_F(Buchungsbereiche, SindAlle49VergebenWirdNichtsAngelegt) {
    for (int id = 1; id <= 49; ++id)
        bereich(id, 5, 6000 + id, false, false);
    tGeldkonto g = kasse(1600);
    EXPECT_FALSE(GeldkontoSpeichern(dm, g, true));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Es kann kein weiterer Erfassungsbereich "
                                                   "angelegt werden, da alle Bereichsnummern "
                                                   "vergeben sind!"));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Buchungsbereiche")), 49);
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Salden")), 0);
}

TEST_F(Buchungsbereiche, AnfangssaldoWirdGeschriebenOderVerweigert) {
    tGeldkonto g = kasse(1600);
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    g.AnfangsSaldo = Betrag::ausCent(12345);
    g.AnfangsMonat = QDate(2024, 2, 1);
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    tSaldoStart s = SaldoStartLaden(daten(), 1600);
    EXPECT_EQ(s.Saldo.cent(), 12345);
    EXPECT_EQ(s.Datum, QDate(2024, 2, 1));
    EXPECT_TRUE(s.EinzigerSaldo);

    // The account moves: the start row moves along.
    g.Konto = 1610;
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM Salden WHERE Konto=1600")), 0);
    EXPECT_EQ(SaldoStartLaden(daten(), 1610).Saldo.cent(), 12345);

    // With a carry-forward the start cannot change silently, and the area stays as it was.
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES "
                                      "(1610, '2024-03-01', 99)"));
    g.AnfangsSaldo = Betrag::ausCent(1);
    g.Bezeichnung = QStringLiteral("Neu");
    EXPECT_FALSE(GeldkontoSpeichern(dm, g, true));
    EXPECT_TRUE(fragen.letzterText().contains(QStringLiteral("Saldenvorträge")));
    EXPECT_EQ(BuchungsbereichLaden(daten(), g.BereichID).Bezeichnung, QStringLiteral("Kasse"));
    g.AnfangsSaldo = Betrag::ausCent(12345);
    EXPECT_TRUE(GeldkontoSpeichern(dm, g, true)) << "unchanged start passes";
}

TEST_F(Buchungsbereiche, BankSchreibtZahlungsverbindung) {
    tGeldkonto g = kasse(1700);
    g.Bereichsart = Bereichsart::Bank;
    g.Zahlung = {QStringLiteral("DE89370400440532013000"),
                 QStringLiteral("COBADEFFXXX"),
                 QStringLiteral("37040044"),
                 QStringLiteral("532013000"),
                 {},
                 true};
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    ASSERT_TRUE(GeldkontoSpeichern(dm, g, true));
    EXPECT_EQ(archiv().ganzzahlWert(QStringLiteral("SELECT count(*) FROM KontoBankverbindungen "
                                                   "WHERE MNr='1000' AND Konto=1700 AND ID=0")),
              1);
    const std::optional<tGeldkonto> geladen = GeldkontoLaden(dm, g.BereichID);
    ASSERT_TRUE(geladen);
    EXPECT_EQ(geladen->Zahlung.IBAN, QStringLiteral("DE89370400440532013000"));
    EXPECT_TRUE(geladen->Zahlung.Geprueft);
    EXPECT_EQ(geladen->AnfangsSaldo.cent(), 50000);
}

TEST_F(Buchungsbereiche, KontoKorrektPrueftBereichUndVergabe) {
    bereich(1, 1, 1610);
    bereich(2, 1, 1620, false, false);
    const struct {
        int art;
        int id;
        const char* text;
        const char* meldung;
    } faelle[] = {
        {1, -1, "abc", "Das Konto \"abc\" ist ungültig!"},
        {1, -1, "1700", "Das Konto \"1700\" ist ungültig!"},
        {2, -1, "1600", "Das Konto \"1600\" ist ungültig!"},
        {1, -1, "1610", "Das Konto \"1610\" ist bereits vergeben!"},
        {1, 1, "1610", nullptr},
        {1, -1, "1620", nullptr},
        {2, -1, "1750", nullptr},
        {5, 7, "4930", "Das Konto \"4930\" ist ungültig!"},
        {5, 7, "6300", nullptr},
        {3, 7, "12000", "Das Konto \"12000\" ist ungültig!"},
        {3, 7, "5400", nullptr},
    };
    for (const auto& f : faelle) {
        fragen.meldungen.clear();
        const bool ok =
            KontoKorrekt(dm, Sitzung().Kontenbereiche, f.art, f.id, QString::fromLatin1(f.text));
        EXPECT_EQ(ok, f.meldung == nullptr) << f.text;
        EXPECT_EQ(fragen.letzterText(), f.meldung ? QString::fromUtf8(f.meldung) : QString())
            << f.text;
    }
}

TEST_F(Buchungsbereiche, ListeFuerDieNavigation) {
    bereich(1, 1, 1600);
    bereich(2, 5, 6000);
    bereich(3, 2, 1700);
    bereich(4, 1, 1610, false);
    bereich(5, 3, 5400);
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES "
                                      "(1600, '2024-03-01', 100), (1700, '2024-01-01', 0)"));
    daten().ausfuehren(QStringLiteral("UPDATE Buchungsbereiche SET BelegNrVergabe=0, AutoBeleg=? "
                                      "WHERE BereichID=?"),
                       {false, 3});
    BuchungsbereichStatusSetzen(daten(), 5, 2, 2024, 1);
    auto ids = [](const tBereichsListe& l) {
        std::vector<int> v;
        for (const auto& b : l)
            v.push_back(b.BereichID);
        return v;
    };
    auto alle = [](int) {
        return true;
    };
    const tBereichsListe februar = BuchungsbereicheLaden(daten(), 2, 2024, false, alle);
    EXPECT_EQ(ids(februar), (std::vector<int>{3, 5, 2, -1}));
    EXPECT_EQ(februar[0].BelegNrVergabe, 3);
    EXPECT_EQ(februar[1].Symbol, 28);
    EXPECT_EQ(februar[2].Symbol, 52);
    EXPECT_EQ(februar[3].Bezeichnung, QStringLiteral("Erfassungen klären"));
    const tBereichsListe maerz = BuchungsbereicheLaden(daten(), 3, 2024, true, alle);
    EXPECT_EQ(ids(maerz), (std::vector<int>{1, 3, 5, 2, -1, -2}));
    EXPECT_EQ(maerz[0].AnfangsSaldo.cent(), 100);
    EXPECT_EQ(maerz[2].Symbol, 53) << "status of another month";
    EXPECT_EQ(maerz.back().Bezeichnung, QStringLiteral("Wiederk. Erfassungen"));
    const tBereichsListe ohneRecht =
        BuchungsbereicheLaden(daten(), 3, 2024, false, [](int id) { return id != 3; });
    EXPECT_EQ(ids(ohneRecht), (std::vector<int>{1, 5, 2, -1}));
}

TEST_F(Buchungsbereiche, LoeschenVerweigertBeiBuchungenUndPool) {
    const struct {
        const char* sql;
        const char* teil;
    } faelle[] = {
        {"INSERT INTO Erfassungen (BuchungsBereich, Konto, GKonto) VALUES (9, 4930, 1700)",
         "bereits Erfassungen getätigt"},
        {"INSERT INTO Erfassungen (BuchungsBereich, Konto, GKonto) VALUES (3, 1600, 4930)",
         "bereits Erfassungen getätigt"},
        {"INSERT INTO Erfassungen_Import (BuchungsBereich, Konto) VALUES (3, 4930)",
         "Import- oder Dauerpool"},
        {"INSERT INTO Erfassungen_DauerPool (BuchungsBereich, Konto) VALUES (3, 4930)",
         "Import- oder Dauerpool"},
    };
    for (const auto& f : faelle) {
        daten().ausfuehren(QStringLiteral("DELETE FROM Buchungsbereiche"));
        for (const char* t : {"Erfassungen", "Erfassungen_Import", "Erfassungen_DauerPool"})
            daten().ausfuehren(QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
        bereich(3, 2, 1700);
        daten().ausfuehren(QString::fromLatin1(f.sql));
        EXPECT_FALSE(BuchungsbereichLoeschen(dm, 3)) << f.sql;
        EXPECT_TRUE(fragen.letzterText().contains(QString::fromUtf8(f.teil))) << f.sql;
        EXPECT_EQ(BereichsartErmitteln(daten(), 3), 2);
    }
}

TEST_F(Buchungsbereiche, LoeschenEntferntAllesWasZurIDGehoert) {
    bereich(3, 2, 1700);
    bereich(4, 2, 1710);
    for (int id : {3, 4}) {
        daten().ausfuehren(
            QStringLiteral("INSERT INTO Erfassungen_Dauer (BuchungsBereich, Konto) VALUES (?, 1)"),
            {id});
        daten().ausfuehren(QStringLiteral("INSERT INTO AufteilungskontenBereich (BereichID, "
                                          "AufteilungsKonto, Reihenfolge) VALUES (?, 4930, 1)"),
                           {id});
        BuchungsbereichStatusSetzen(daten(), id, 3, 2024, 1);
        dm.ADOConnection_Bereich.ausfuehren(
            QStringLiteral("INSERT INTO Benutzerrechte (ID, MNr, RID1, RID2) VALUES (5, ?, 0, ?)"),
            {QStringLiteral("1000"), id});
        archiv().ausfuehren(QStringLiteral("INSERT INTO LernEintraege (BereichID, "
                                           "AngelegtVonMNr, Konto) VALUES (?, '1000', 4930)"),
                            {id});
    }
    dm.ADOConnection_Bereich.ausfuehren(QStringLiteral(
        "INSERT INTO Benutzerrechte (ID, MNr, RID1, RID2) VALUES (5, '2000', 0, 3)"));
    Sitzung().Optionen.StandardZahlbank = 3;
    OptionenSpeichern(dm, Sitzung().Optionen);

    ASSERT_TRUE(BuchungsbereichLoeschen(dm, 3));
    for (const char* sql : {"SELECT count(*) FROM Erfassungen_Dauer WHERE BuchungsBereich=?",
                            "SELECT count(*) FROM AufteilungskontenBereich WHERE BereichID=?",
                            "SELECT count(*) FROM BuchungsbereicheStatus WHERE BereichID=?",
                            "SELECT count(*) FROM Buchungsbereiche WHERE BereichID=?"}) {
        EXPECT_EQ(zahl(QString::fromLatin1(sql), {3}), 0) << sql;
        EXPECT_EQ(zahl(QString::fromLatin1(sql), {4}), 1) << sql;
    }
    Abfrage r(
        dm.ADOConnection_Bereich,
        QStringLiteral("SELECT MNr, RID2 FROM Benutzerrechte WHERE RID1=0 ORDER BY MNr, RID2"));
    QStringList rechte;
    while (r.naechste())
        rechte << r.text(0) + QLatin1Char('/') + QString::number(r.ganzzahl(1));
    EXPECT_EQ(rechte, (QStringList{QStringLiteral("1000/4"), QStringLiteral("2000/3")}));
    EXPECT_EQ(archiv().ganzzahlWert(QStringLiteral("SELECT count(*) FROM LernEintraege")), 1);
    tOptionen o;
    OptionenLaden(dm, o);
    EXPECT_EQ(o.StandardZahlbank, -1);
    EXPECT_EQ(Sitzung().Optionen.StandardZahlbank, -1);
}

TEST_F(Buchungsbereiche, StandardZahlbankNurFuerBanken) {
    bereich(1, 1, 1600);
    bereich(3, 2, 1700);
    EXPECT_FALSE(StandardZahlbankUmschalten(dm, 1));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Der ausgewählte Bereich konnte nicht als Standardzahlbank gesetzt "
                             "werden!"));
    ASSERT_TRUE(StandardZahlbankUmschalten(dm, 3));
    EXPECT_EQ(Sitzung().Optionen.StandardZahlbank, 3);
    ASSERT_TRUE(StandardZahlbankUmschalten(dm, 3));
    tOptionen o;
    OptionenLaden(dm, o);
    EXPECT_EQ(o.StandardZahlbank, -1);
}

TEST(Belegmaske, AufloesenUndNeubeginn) {
    const struct {
        const char* maske;
        int monat;
        int jahr;
        int wjBeginn;
        const char* erwartet;
    } faelle[] = {
        {"ww_mm_", 3, 2024, 7, "23_03_"},     {"ww_mm_", 3, 2024, 1, "24_03_"},
        {"wwww/mm-", 9, 2024, 7, "2024/09-"}, {"jj_aa/bb_", 1, 2025, 1, "25_aa/bb_"},
        {"KA-m-", 11, 2024, 1, "KA-11-"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(
            BelegMaskeAufloesen(f.jahr, f.monat, 0, 0, QString::fromLatin1(f.maske), f.wjBeginn),
            QString::fromLatin1(f.erwartet))
            << f.maske;
    EXPECT_EQ(BelegMaskeAufloesen(2024, 3, 7, 2, QStringLiteral("aa/b"), 1),
              QStringLiteral("07/2"));
    EXPECT_TRUE(NeubeginnWaehlbar(QStringLiteral("KA-")));
    EXPECT_FALSE(NeubeginnWaehlbar(QStringLiteral("ww_mm_")));
    EXPECT_FALSE(NeubeginnWaehlbar(QStringLiteral("Sammel_")));
    EXPECT_FALSE(NeubeginnWaehlbar(QStringLiteral("jj-")));
}

} // namespace
