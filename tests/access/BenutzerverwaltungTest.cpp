#include "Benutzerverwaltung.h"
#include "FakeRueckfragen.h"
#include "Kleininstallation.h"
#include "Programmversion.h"

#include <gtest/gtest.h>

namespace {

// Bereich "B" with Betriebe 100 and 200 and one user of each kind.
class Benutzerverwaltung : public ::testing::Test {
public:
    Kleininstallation inst;
    Datenbank db;
    const QString b = QStringLiteral("B");
    qint64 haupt = 0, admin = 0, leser = 0, verwalter = 0, ziel = 0, fremd = 0;

    void SetUp() override {
        inst.bereichAnlegen(b);
        inst.betriebAnlegen(b, QStringLiteral("100"), QStringLiteral("100"));
        inst.betriebAnlegen(b, QStringLiteral("200"), QStringLiteral("200"));
        inst.buchungsbereich(b, QStringLiteral("100"), 1, QStringLiteral("Kasse"));
        inst.buchungsbereich(b, QStringLiteral("100"), 2, QStringLiteral("Alte Bank"), false);
        haupt = inst.benutzer(b, QStringLiteral("Haupt"), QStringLiteral("H"), {}, 0);
        admin = inst.benutzer(b, QStringLiteral("Admin"), QStringLiteral("A"), {}, 1);
        leser = inst.benutzer(b, QStringLiteral("Leser"), QStringLiteral("L"), {}, 1, true);
        verwalter = inst.benutzer(b, QStringLiteral("Verwalter"), QStringLiteral("V"), {}, 2);
        ziel = inst.benutzer(b, QStringLiteral("Ziel"), QStringLiteral("Z"), {}, 2);
        fremd = inst.benutzer(b, QStringLiteral("Fremd"), QStringLiteral("F"), {}, 2);
        for (Recht r : {Rechte::Benutzerverwaltung, Rechte::Optionen, Rechte::Buchungsbereich(1)})
            inst.recht(b, verwalter, QStringLiteral("100"), r);
        inst.recht(b, ziel, QStringLiteral("100"), Rechte::Optionen);
        inst.recht(b, fremd, QStringLiteral("200"), Rechte::Optionen);
        db.oeffnen(BereichDateiname(inst.d(), b));
    }

    tHandelnder als(qint64 id) {
        const int status = int(
            *db.ganzzahlWert(QStringLiteral("SELECT UserStatus FROM Benutzer WHERE ID=?"), {id}));
        return {id, status, id == leser};
    }

    QStringList rechte(qint64 id) {
        QStringList r;
        Abfrage a(db,
                  QStringLiteral("SELECT MNr, RID1, RID2 FROM Benutzerrechte WHERE ID=? "
                                 "ORDER BY MNr, RID1, RID2"),
                  {id});
        while (a.naechste())
            r << QStringLiteral("%1:%2/%3").arg(a.text(0)).arg(a.ganzzahl(1)).arg(a.ganzzahl(2));
        return r;
    }
};

TEST_F(Benutzerverwaltung, HatRecht) {
    const struct {
        qint64 Benutzerverwaltung::*id;
        const char* mnr;
        Recht recht;
        bool erwartet;
    } faelle[] = {
        {&Benutzerverwaltung::haupt, "200", Rechte::Optionen, true},
        {&Benutzerverwaltung::leser, "200", Rechte::Optionen, true},
        {&Benutzerverwaltung::ziel, "100", Rechte::Optionen, true},
        {&Benutzerverwaltung::ziel, "200", Rechte::Optionen, false},
        {&Benutzerverwaltung::ziel, "100", Rechte::Firmendaten, false},
        {&Benutzerverwaltung::verwalter, "100", Rechte::Buchungsbereich(1), true},
        {&Benutzerverwaltung::verwalter, "100", Rechte::Buchungsbereich(2), false},
    };
    for (const auto& f : faelle) {
        const tHandelnder h = als(this->*f.id);
        EXPECT_EQ(HatRecht(db, QString::fromLatin1(f.mnr), h.ID, h.UserStatus, f.recht), f.erwartet)
            << this->*f.id << " " << f.mnr;
    }
}

TEST_F(Benutzerverwaltung, DarfBenutzerVerwalten) {
    const struct {
        qint64 Benutzerverwaltung::*handelnder;
        qint64 Benutzerverwaltung::*ziel;
        bool erwartet;
    } faelle[] = {
        {&Benutzerverwaltung::admin, &Benutzerverwaltung::ziel, true},
        {&Benutzerverwaltung::verwalter, &Benutzerverwaltung::ziel, true},
        {&Benutzerverwaltung::verwalter, &Benutzerverwaltung::fremd, false},
        {&Benutzerverwaltung::verwalter, &Benutzerverwaltung::verwalter, false},
        {&Benutzerverwaltung::verwalter, &Benutzerverwaltung::admin, false},
        {&Benutzerverwaltung::ziel, &Benutzerverwaltung::verwalter, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DarfBenutzerVerwalten(db, this->*f.handelnder, this->*f.ziel), f.erwartet)
            << this->*f.handelnder << " -> " << this->*f.ziel;
    EXPECT_FALSE(DarfBenutzerVerwalten(db, 999, ziel));
}

TEST_F(Benutzerverwaltung, RechtelisteUndBetriebe) {
    const tBenutzerFormular f = BenutzerFormularLaden(db, inst.d(), b, als(verwalter), ziel);
    ASSERT_EQ(f.Betriebe.size(), 2u);
    EXPECT_TRUE(f.Betriebe[0].angehakt);
    EXPECT_TRUE(f.Betriebe[0].verwaltbar);
    EXPECT_FALSE(f.Betriebe[1].verwaltbar);
    QStringList namen;
    for (const RechtEintrag& r : f.Betriebe[0].rechte)
        namen << r.bezeichnung + QString::fromLatin1(r.erteilt ? "+" : "");
    EXPECT_EQ(namen, (QStringList{"Kasse", "Firmendaten", "Benutzerverwaltung",
                                  "Datensicherung rückladen", "Monatstransfer", "Zahlungsverkehr",
                                  "Optionen+", "Privatkonten anzeigen", "Personalkonten anzeigen",
                                  "Geldkontensalden anzeigen"}));
}

TEST_F(Benutzerverwaltung, FormularPruefung) {
    tBenutzerFormular neu = NeuesBenutzerFormular(db, inst.d(), b, als(verwalter));
    neu.BenutzerName = QStringLiteral("Neu");
    neu.Kuerzel = QStringLiteral("N");
    BetriebAnhaken(neu, 0, true);
    const auto mit = [&](auto aendern) {
        tBenutzerFormular f = neu;
        aendern(f);
        return f;
    };
    const struct {
        const char* name;
        tBenutzerFormular f;
        qint64 handelnder;
        QString meldung;
    } faelle[] = {
        {"gueltig", neu, verwalter, {}},
        {"kein Name", mit([](auto& f) { f.BenutzerName = QStringLiteral(" "); }), verwalter,
         QStringLiteral("Geben Sie einen Benutzernamen ein!")},
        {"Passwoerter", mit([](auto& f) { f.Passwort = QStringLiteral("a"); }), verwalter,
         QStringLiteral("Die Passwörter stimmen nicht überein!")},
        {"mehr Rechte", mit([](auto& f) { f.Betriebe[0].rechte[1].erteilt = true; }), verwalter,
         QStringLiteral("Sie können keinem User mehr Rechte geben, als Sie selber besitzen!")},
        {"Admin durch Benutzer", mit([](auto& f) { f.Art = Benutzerrolle::Admin; }), verwalter,
         QStringLiteral("Sie können keinem User mehr Rechte geben, als Sie selber besitzen!")},
        {"Admin durch Admin", mit([](auto& f) { f.Art = Benutzerrolle::Admin; }), admin, {}},
        {"doppelter Name", mit([](auto& f) { f.BenutzerName = QStringLiteral("ziel"); }), admin,
         QStringLiteral("Ein Benutzer mit diesem Namen ist bereits vorhanden!")},
        {"doppeltes Kuerzel", mit([](auto& f) { f.Kuerzel = QStringLiteral("z"); }), admin,
         QStringLiteral("Ein Benutzer mit diesem Kürzel ist bereits vorhanden!")},
        {"Hauptadministrator neu", mit([](auto& f) { f.Art = Benutzerrolle::Hauptadministrator; }),
         admin, KeineBerechtigung},
        {"nur lesend", neu, leser, KeineBerechtigung},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BenutzerFormularPruefen(db, f.f, als(f.handelnder)).meldung, f.meldung) << f.name;
}

TEST_F(Benutzerverwaltung, BetriebOhneVerwaltungsrechtBleibtUnangehakt) {
    tBenutzerFormular f = NeuesBenutzerFormular(db, inst.d(), b, als(verwalter));
    EXPECT_FALSE(BetriebAnhaken(f, 1, true));
    EXPECT_FALSE(f.Betriebe[1].angehakt);
    EXPECT_TRUE(BetriebAnhaken(f, 0, true));
}

TEST_F(Benutzerverwaltung, SpeichernBehaeltRechteAusserhalbDerVerwaltung) {
    inst.recht(b, ziel, QStringLiteral("100"), Rechte::Buchungsbereich(2));
    inst.recht(b, ziel, QStringLiteral("300"), Rechte::Firmendaten);
    tBenutzerFormular f = BenutzerFormularLaden(db, inst.d(), b, als(admin), ziel);
    f.Betriebe[0].rechte[0].erteilt = true;
    f.Betriebe[0].rechte[6].erteilt = false;
    BenutzerSpeichern(db, f, als(admin));
    EXPECT_EQ(rechte(ziel), (QStringList{"100:0/1", "100:0/2", "300:1/0"}));
    EXPECT_EQ(*db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Benutzer WHERE ID=? AND "
                                              "LetzteVersion=?"),
                               {ziel, ProgrammVersionDreiteilig()}),
              1);
}

TEST_F(Benutzerverwaltung, LeseAdminBleibtLeseAdmin) {
    tBenutzerFormular f = BenutzerFormularLaden(db, inst.d(), b, als(admin), leser);
    EXPECT_EQ(f.Art, Benutzerrolle::AdminNurLesen);
    BenutzerSpeichern(db, f, als(admin));
    EXPECT_EQ(BenutzerrolleVon(als(leser).UserStatus, true), Benutzerrolle::AdminNurLesen);
    EXPECT_EQ(*db.ganzzahlWert(QStringLiteral("SELECT NurLesen FROM Benutzer WHERE ID=?"), {leser}),
              1);
}

TEST_F(Benutzerverwaltung, SpeichernIstEineTransaktion) {
    tBenutzerFormular f = BenutzerFormularLaden(db, inst.d(), b, als(admin), ziel);
    f.BenutzerName = QStringLiteral("Umbenannt");
    db.skript(QStringLiteral("CREATE TRIGGER kaputt BEFORE INSERT ON Benutzerrechte "
                             "BEGIN SELECT RAISE(ABORT, 'kaputt'); END"));
    EXPECT_THROW(BenutzerSpeichern(db, f, als(admin)), DatenbankFehler);
    EXPECT_EQ(rechte(ziel), QStringList{"100:6/0"});
    EXPECT_FALSE(db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE BenutzerName=?"),
                                 {QStringLiteral("Umbenannt")}));
}

TEST_F(Benutzerverwaltung, LoeschenUndBearbeitenVerweigert) {
    FakeRueckfragen fragen;
    const auto zeileVon = [](qint64 id, const QString& name, int status) {
        tBenutzerZeile z;
        z.ID = id;
        z.BenutzerName = name;
        z.UserStatus = status;
        return z;
    };
    const tBenutzerZeile zeile = zeileVon(ziel, QStringLiteral("Ziel"), 2);
    EXPECT_FALSE(BenutzerLoeschen(db, als(leser), zeile));
    EXPECT_FALSE(BenutzerLoeschen(db, als(fremd), zeile));
    EXPECT_FALSE(BenutzerBearbeitenErlaubt(db, als(leser), ziel));
    EXPECT_FALSE(BenutzerBearbeitenErlaubt(db, als(fremd), ziel));
    EXPECT_FALSE(LoeschenAngeboten(zeileVon(haupt, {}, 0), als(admin)));
    EXPECT_FALSE(LoeschenAngeboten(zeileVon(admin, {}, 1), als(admin)));
    EXPECT_EQ(
        fragen.texte(),
        (QStringList{KeineBerechtigung,
                     "Sie haben nicht die nötigen Rechte, um diesen Benutzer zu löschen!",
                     KeineBerechtigung,
                     "Sie haben nicht die nötigen Rechte, um diesen Benutzer zu bearbeiten!"}));
    fragen.antworten = {Antwort::Ja};
    EXPECT_TRUE(BenutzerLoeschen(db, als(verwalter), zeile));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie den Benuzter \"Ziel\" wirklich löschen?"));
    EXPECT_TRUE(rechte(ziel).isEmpty());
}

} // namespace
