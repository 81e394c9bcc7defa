#include "Anmeldung.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Kleininstallation.h"
#include "Sitzung.h"

#include <gtest/gtest.h>

namespace {

TEST(Anmeldung, BereicheNachParameter) {
    Kleininstallation inst;
    for (const char* b : {"NORD", "Sued", "alt_temp", ".versteckt"})
        QDir().mkpath(BereichsVerzeichnis(inst.d(), QString::fromLatin1(b)));
    const struct {
        const char* parameter;
        QStringList erwartet;
    } faelle[] = {
        {"", {"NORD", "Sued"}}, {"/runtime", {"NORD", "Sued"}},
        {"nord", {"NORD"}},     {"/RUNTIME", {}},
        {"West", {}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BereicheErmitteln(inst.d(), QString::fromLatin1(f.parameter)), f.erwartet)
            << f.parameter;
}

TEST(Anmeldung, BetriebeSortiertUndNurGueltigeAngeboten) {
    Kleininstallation inst;
    FakeRueckfragen fragen;
    inst.bereichAnlegen(QStringLiteral("B"));
    inst.betriebAnlegen(QStringLiteral("B"), QStringLiteral("99"), QStringLiteral("99"),
                        QStringLiteral("Zorn"), QStringLiteral("Neun; und Neunzig"));
    inst.betriebAnlegen(QStringLiteral("B"), QStringLiteral("100"), QStringLiteral("100"));
    inst.betriebAnlegen(QStringLiteral("B"), QStringLiteral("leer"), QString());
    inst.betriebAnlegen(QStringLiteral("B"), QStringLiteral("300"), QStringLiteral("301"));
    inst.betriebAnlegen(QStringLiteral("B"), QStringLiteral("400_TEMP"),
                        QStringLiteral("400_TEMP"));
    QDir().mkpath(BetriebsVerzeichnis(inst.d(), QStringLiteral("B"), QStringLiteral("ohneDaten")));

    TDataModule1 dm(inst.d());
    const auto betriebe = BetriebeErmitteln(dm, QStringLiteral("B"));
    QStringList angezeigt;
    for (const auto& b : betriebe)
        angezeigt << b.anzeige();
    EXPECT_EQ(angezeigt, (QStringList{QStringLiteral("100 - Apotheke"),
                                      QStringLiteral("99 - Neun; und Neunzig")}));
    EXPECT_EQ(betriebe[1].Inhaber, QStringLiteral("Zorn"));
    ASSERT_EQ(fragen.meldungen.size(), 1u);
    EXPECT_EQ(fragen.meldungen[0].art, Meldungsart::Warnung);
    EXPECT_TRUE(fragen.meldungen[0].text.contains(QStringLiteral("\"301\"")));
    EXPECT_TRUE(dm.ADOConnection_Bereich.offen());
    EXPECT_FALSE(dm.ADOConnection_Daten.offen());
}

TEST(Anmeldung, BereichOhneDateiWirdGemeldetUndNichtAngelegt) {
    Kleininstallation inst;
    FakeRueckfragen fragen;
    QDir().mkpath(BereichsVerzeichnis(inst.d(), QStringLiteral("B")));
    TDataModule1 dm(inst.d());
    EXPECT_TRUE(BetriebeErmitteln(dm, QStringLiteral("B")).empty());
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Im Bereich \"B\" fehlt die Datei bereich.mdb!\r"
                                         "Der Bereich kann nicht geöffnet werden.")});
    EXPECT_FALSE(QFileInfo::exists(BereichDateiname(inst.d(), QStringLiteral("B"))));
}

TEST(Anmeldung, AngeboteneBenutzerUndSymbole) {
    Kleininstallation inst;
    const QString b = QStringLiteral("B");
    inst.bereichAnlegen(b);
    inst.benutzer(b, QStringLiteral("Haupt"), QStringLiteral("H"), {}, 0);
    inst.benutzer(b, QStringLiteral("Lesend"), QStringLiteral("L"), {}, 1, true);
    const qint64 mit = inst.benutzer(b, QStringLiteral("Mit Recht"), QStringLiteral("M1"), {}, 2);
    const qint64 ohne = inst.benutzer(b, QStringLiteral("Ohne Recht"), QStringLiteral("O"), {}, 2);
    const qint64 inaktiv =
        inst.benutzer(b, QStringLiteral("Inaktiv"), QStringLiteral("I"), {}, 1, false, false);
    const qint64 gleich =
        inst.benutzer(b, QStringLiteral("Mit Recht"), QStringLiteral("M2"), {}, 3);
    inst.recht(b, mit, QStringLiteral("100"), Rechte::Optionen);
    inst.recht(b, gleich, QStringLiteral("100"), Rechte::Buchungsbereich(1));
    inst.recht(b, ohne, QStringLiteral("200"), Rechte::Optionen);
    inst.recht(b, inaktiv, QStringLiteral("100"), Rechte::Optionen);

    Datenbank db;
    db.oeffnen(BereichDateiname(inst.d(), b));
    QStringList namen;
    std::vector<int> symbole;
    std::vector<qint64> ids;
    for (const auto& e : BenutzerErmitteln(db, QStringLiteral("100"))) {
        namen << e.BenutzerName + u'/' + e.Kuerzel;
        symbole.push_back(AnmeldeSymbol(e.UserStatus, e.NurLesen));
        ids.push_back(e.ID);
    }
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Haupt/H"), QStringLiteral("Lesend/L"),
                                  QStringLiteral("Mit Recht/M1"), QStringLiteral("Mit Recht/M2")}));
    EXPECT_EQ(symbole, (std::vector<int>{1, 3, 2, 2}));
    EXPECT_EQ(ids[3], gleich);
}

TEST(Anmeldung, PasswortWirdAlsHashGespeichertUndNurFuerDenGewaehltenGeprueft) {
    Kleininstallation inst;
    const QString b = QStringLiteral("B");
    inst.bereichAnlegen(b);
    const qint64 a = inst.benutzer(b, QStringLiteral("Anna"), {}, QStringLiteral("Geheim"), 2);
    const qint64 c = inst.benutzer(b, QStringLiteral("Carl"), {}, QString(), 2);
    Datenbank db;
    db.oeffnen(BereichDateiname(inst.d(), b));
    EXPECT_EQ(AnzahlDatensaetze(db, QStringLiteral("SELECT 1 FROM Benutzer WHERE Passwort=?"),
                                {QStringLiteral("Geheim")}),
              0);
    EXPECT_TRUE(PasswortKorrekt(db, a, QStringLiteral("Geheim")));
    EXPECT_FALSE(PasswortKorrekt(db, a, QStringLiteral("geheim")));
    EXPECT_FALSE(PasswortKorrekt(db, c, QStringLiteral("Geheim")));
    EXPECT_TRUE(PasswortKorrekt(db, c, QString()));
}

TEST(Anmeldung, AbschlussFuelltDieSitzungUndOeffnetDenBetrieb) {
    Kleininstallation inst;
    FakeRueckfragen fragen;
    const QString b = QStringLiteral("B");
    inst.bereichAnlegen(b);
    inst.betriebAnlegen(b, QStringLiteral("100"), QStringLiteral("100"));
    TDataModule1 dm(inst.d());
    ASSERT_EQ(BetriebeErmitteln(dm, b).size(), 1u);
    tBenutzerEintrag e{7, QStringLiteral("Anna"), QStringLiteral("AN"), 2, true, true};
    ASSERT_TRUE(AnmeldungAbschliessen(dm, b, QStringLiteral("100"), e));
    const tSitzung& s = Sitzung();
    EXPECT_EQ(s.Bereich, b);
    EXPECT_EQ(s.MNr, QStringLiteral("100"));
    EXPECT_EQ(s.BenutzerID, 7);
    EXPECT_EQ(s.Kuerzel, QStringLiteral("AN"));
    EXPECT_TRUE(s.NurLesen);
    EXPECT_EQ(s.Firma.Kontenplan, 77);
    EXPECT_EQ(s.Firma.HRNummer, QStringLiteral("HRA"));
    EXPECT_TRUE(dm.ADOConnection_Daten.offen());
    EXPECT_TRUE(dm.ADOConnection_Archiv.offen());
    EXPECT_TRUE(fragen.meldungen.empty());
    AnmeldungAbbrechen(dm);
    EXPECT_FALSE(dm.ADOConnection_Daten.offen() || dm.ADOConnection_Archiv.offen() ||
                 dm.ADOConnection_Stamm.offen() || dm.ADOConnection_Bereich.offen());
}

} // namespace
