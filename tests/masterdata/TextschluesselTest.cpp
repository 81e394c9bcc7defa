#include "Textschluessel.h"
#include "Aufteilungskonten.h"
#include "AufteilungskontenListen.h"
#include "Stammdatenumgebung.h"

namespace {

class Textschluessel : public Stammdatenumgebung {
protected:
    void SetUp() override {
        Stammdatenumgebung::SetUp();
        lieferant(91001, QStringLiteral("Phoenix"), true, QString());
        lieferant(91002, QStringLiteral("Privat 2000"), false, QStringLiteral("2000"));
    }

    void lieferant(qint64 konto, const QString& name, bool oeffentlich, const QString& mnr) {
        archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, "
                                           "Oeffentlich, AngelegtVonMNr) VALUES (?, ?, ?, ?)"),
                            {konto, name, oeffentlich, mnr});
    }

    tTextschluessel speichern(const QString& mnr, const QString& name, qint64 konto,
                              bool oeffentlich, const QString& text = QString()) {
        tTextschluessel ts;
        ts.TSName = name;
        ts.Konto = konto;
        ts.Oeffentlich = oeffentlich;
        ts.Buchungstext = text;
        ts.Buchungsseite = QStringLiteral("A");
        EXPECT_TRUE(TextschluesselSpeichern(archiv(), mnr, ts, false));
        return ts;
    }

    QStringList namen(const tTextschluesselFilter& f = {}) {
        QStringList n;
        for (const auto& z :
             TextschluesselListe(archiv(), QStringLiteral("1000"), Sitzung().Kontenbereiche, f))
            n << z.TSName;
        return n;
    }
};

TEST_F(Textschluessel, HolenFindetOhneGrossKleinUndFuelltDenTextAusDemKonto) {
    tTextschluessel ts = speichern(QStringLiteral("1000"), QStringLiteral("Phönix"), 91001, true);
    ts.Aufteilungskonten = {5400, 4400, 5300};
    ASSERT_TRUE(TextschluesselSpeichern(archiv(), QStringLiteral("1000"), ts, true, true));

    const auto gefunden =
        TextschluesselHolen(archiv(), QStringLiteral("1000"), QStringLiteral("PHÖNIX"));
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(gefunden->Buchungstext, QStringLiteral("Phoenix"));
    EXPECT_EQ(gefunden->Buchungsseite, QStringLiteral("A"));
    EXPECT_EQ(gefunden->Aufteilungskonten, (std::vector<qint64>{5400, 4400, 5300}));
    EXPECT_FALSE(
        TextschluesselHolen(archiv(), QStringLiteral("1000"), QStringLiteral("x\" OR \"1\"=\"1")));
    EXPECT_FALSE(TextschluesselNameVergeben(archiv(), QStringLiteral("x\" OR \"1\"=\"1"), -1));
}

TEST_F(Textschluessel, EinNameIstAuchBeiFremdenPrivatenSchluesselnVergeben) {
    speichern(QStringLiteral("2000"), QStringLiteral("Miete"), 0, false);
    EXPECT_TRUE(TextschluesselNameVergeben(archiv(), QStringLiteral("MIETE"), -1));
    tTextschluessel zweiter;
    zweiter.TSName = QStringLiteral("miete");
    EXPECT_FALSE(TextschluesselSpeichern(archiv(), QStringLiteral("1000"), zweiter, false));
    EXPECT_EQ(zweiter.ID, -1);
    EXPECT_FALSE(TSNameZeichenErlaubt(QStringLiteral("A+B")));
    EXPECT_FALSE(TSNameZeichenErlaubt(QStringLiteral("10%")));
}

TEST_F(Textschluessel, SichtbarSindEigeneOeffentlicheUndBesitzloseSchluessel) {
    speichern(QStringLiteral("1000"), QStringLiteral("Eigen"), 0, false);
    speichern(QStringLiteral("2000"), QStringLiteral("Fremd"), 0, false);
    speichern(QStringLiteral("2000"), QStringLiteral("Geteilt"), 0, true);
    tTextschluessel alt = speichern(QStringLiteral("2000"), QStringLiteral("Alt"), 0, false);
    archiv().ausfuehren(QStringLiteral("UPDATE Textschluessel SET AngelegtVonMNr=NULL WHERE ID=?"),
                        {alt.ID});
    EXPECT_EQ(namen(), (QStringList{QStringLiteral("Alt"), QStringLiteral("Eigen"),
                                    QStringLiteral("Geteilt")}));
}

TEST_F(Textschluessel, ListeZeigtNurDenSichtbarenLieferantennamenUndSuchtWoertlich) {
    speichern(QStringLiteral("1000"), QStringLiteral("Fremdkonto"), 91002, true);
    speichern(QStringLiteral("1000"), QStringLiteral("Rabatt 10%"), 0, true,
              QStringLiteral("Rabatt"));
    speichern(QStringLiteral("1000"), QStringLiteral("Rabatt 105"), 0, true,
              QStringLiteral("Rabatt"));
    const auto zeilen = TextschluesselListe(archiv(), QStringLiteral("1000"),
                                            Sitzung().Kontenbereiche, tTextschluesselFilter{});
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[0].TSName, QStringLiteral("Fremdkonto"));
    EXPECT_TRUE(zeilen[0].Buchungstext2.isEmpty());
    tTextschluesselFilter f;
    f.Suchtext = QStringLiteral("10%");
    EXPECT_EQ(namen(f), QStringList{QStringLiteral("Rabatt 10%")});
    f.Suchtext = QStringLiteral("RABATT 10_");
    EXPECT_TRUE(namen(f).isEmpty());
}

TEST_F(Textschluessel, OhnePersonalkontenrechtFehlenNurSchluesselDesPersonalbereichs) {
    speichern(QStringLiteral("1000"), QStringLiteral("Lohn"), 6010, true);
    speichern(QStringLiteral("1000"), QStringLiteral("Ohne"), 0, true);
    archiv().ausfuehren(QStringLiteral("INSERT INTO Textschluessel (TSName, oeffentlich) VALUES "
                                       "('Leer', 1)"));
    tTextschluesselFilter f;
    f.Personalkonten = false;
    EXPECT_EQ(namen(f), (QStringList{QStringLiteral("Leer"), QStringLiteral("Ohne")}));
    f = {};
    f.Listenfilter = 5;
    EXPECT_EQ(namen(f), (QStringList{QStringLiteral("Leer"), QStringLiteral("Ohne")}));
}

TEST_F(Textschluessel, BearbeitenBehaeltDenBesitzer) {
    tTextschluessel ts = speichern(QStringLiteral("2000"), QStringLiteral("Porto"), 0, true);
    ts.Buchungstext = QStringLiteral("Briefmarken");
    ASSERT_TRUE(TextschluesselSpeichern(archiv(), QStringLiteral("1000"), ts, true));
    EXPECT_EQ(*archiv().ganzzahlWert(
                  QStringLiteral("SELECT AngelegtVonMNr FROM Textschluessel WHERE ID=?"), {ts.ID}),
              2000);
}

TEST_F(Textschluessel, EinGeteilterSchluesselEinesAnderenBetriebsBleibtGeteilt) {
    tTextschluessel ts = speichern(QStringLiteral("1000"), QStringLiteral("Porto"), 0, true);
    archiv().ausfuehren(QStringLiteral("INSERT INTO LernEintraege (AngelegtVonMNr, TSID) VALUES "
                                       "('2000', ?)"),
                        {ts.ID});
    EXPECT_FALSE(TextschluesselBeschraenkenPruefen(dm, ts.ID, false).isEmpty());
    EXPECT_TRUE(TextschluesselBeschraenkenPruefen(dm, ts.ID, true).isEmpty());
}

TEST_F(Textschluessel, AufteilungskontenStehenInIhrerReihenfolge) {
    tTextschluessel ts = speichern(QStringLiteral("1000"), QStringLiteral("Bar"), 0, true);
    AufteilungskontenTSSpeichern(archiv(), ts.ID, {4400, 4100});
    Abfrage a(archiv(),
              QStringLiteral("SELECT Aufteilungskonto, Reihenfolge FROM "
                             "AufteilungskontenTextschluessel WHERE TSID=? ORDER BY Reihenfolge"),
              {ts.ID});
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.ganzzahl(1), 0);
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.ganzzahl(0), 4100);
    EXPECT_EQ(a.ganzzahl(1), 1);

    daten().ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, "
                                      "Aktiviert, Aktiv) VALUES (7, 3, 1, 1)"));
    AufteilungskontenBestuecken(dm, 7, 77);
    EXPECT_EQ(AufteilungskontenBereichLaden(daten(), 7), (std::vector<qint64>{5400, 5300, 5200}));
    AufteilungskontenBereichSpeichern(daten(), 7, {5200, 5400});
    EXPECT_EQ(AufteilungskontenBereichLaden(daten(), 7), (std::vector<qint64>{5200, 5400}));
    EXPECT_EQ(*daten().ganzzahlWert(QStringLiteral("SELECT min(Reihenfolge) FROM "
                                                   "AufteilungskontenBereich WHERE BereichID=7")),
              1);
}

TEST_F(Textschluessel, LoeschenNenntUndEntferntDieLerneintraege) {
    tTextschluessel ts = speichern(QStringLiteral("1000"), QStringLiteral("Porto"), 0, true);
    for (int i = 0; i < 2; ++i)
        archiv().ausfuehren(QStringLiteral("INSERT INTO LernEintraege (TSID) VALUES (?)"), {ts.ID});
    fragen.antworten.push_back(Antwort::Ja);
    ASSERT_TRUE(TextschluesselLoeschen(archiv(), QStringLiteral("Porto")));
    EXPECT_TRUE(fragen.letzterText().contains(QStringLiteral("Diese werden auch gelöscht!")));
    EXPECT_EQ(AnzahlDatensaetze(archiv(), QStringLiteral("SELECT 1 FROM LernEintraege")), 0);
    EXPECT_FALSE(TextschluesselLesen(archiv(), QStringLiteral("Porto")));
}

} // namespace
