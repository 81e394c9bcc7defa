#include "Zentralregulierung.h"
#include "Stammdatenumgebung.h"

namespace {

class Zentralregulierung : public Stammdatenumgebung {
protected:
    void SetUp() override {
        Stammdatenumgebung::SetUp();
        for (const qint64 k : {91001, 91002, 91003, 81001})
            archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, "
                                               "Oeffentlich) VALUES (?, ?, 1)"),
                                {k, QStringLiteral("Lieferant %1").arg(k)});
    }
};

TEST_F(Zentralregulierung, EinPartnerGehoertHoechstensEinerGruppe) {
    ASSERT_TRUE(ZentralreguliererNeu(dm, 91001));
    ASSERT_TRUE(ZentralreguliererNeu(dm, 91002));
    EXPECT_FALSE(ZentralreguliererNeu(dm, 91001));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Eine Zentralregulierung mit dem Lieferanten "
                                                   "\"Lieferant 91001\" besteht bereits!"));
    ASSERT_TRUE(ZentralregulierungPartnerHinzufuegen(dm, 91001, 91003));
    EXPECT_FALSE(ZentralregulierungPartnerHinzufuegen(dm, 91002, 91003));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Der Lieferant \"Lieferant 91003\" befindet "
                                                   "sich bereits in einer Zentralregulierung!"));
    EXPECT_FALSE(ZentralregulierungPartnerHinzufuegen(dm, 91001, 91001));
    // A partner may still settle for others.
    EXPECT_TRUE(ZentralreguliererNeu(dm, 91003));
    EXPECT_TRUE(ZentralregulierungVorhanden(daten(), 91003));
    EXPECT_FALSE(ZentralregulierungVorhanden(daten(), 81001));
    EXPECT_EQ(ZentralreguliererPartnerListe(daten(), 91001), std::vector<qint64>{91003});
}

TEST_F(Zentralregulierung, EntfernenEinesReguliererEntferntSeinePartner) {
    ASSERT_TRUE(ZentralreguliererNeu(dm, 91001));
    ASSERT_TRUE(ZentralregulierungPartnerHinzufuegen(dm, 91001, 91002));
    ASSERT_TRUE(ZentralregulierungPartnerHinzufuegen(dm, 91001, 81001));
    fragen.antworten.push_back(Antwort::Ja);
    ASSERT_TRUE(ZentralreguliererEntfernen(dm, 91001));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie die Zentralregulierung für das Konto 91001 wirklich "
                             "löschen?"));
    EXPECT_EQ(AnzahlDatensaetze(daten(), QStringLiteral("SELECT 1 FROM Zentralregulierer")), 0);
}

TEST_F(Zentralregulierung, EinReguliererOhneKontoBleibtSichtbarUndEntfernbar) {
    ASSERT_TRUE(ZentralreguliererNeu(dm, 91001));
    archiv().ausfuehren(QStringLiteral("DELETE FROM Lieferanten WHERE Konto=91001"));
    const auto liste = ZentralreguliererListe(dm);
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0].Konto, 91001);
    EXPECT_EQ(liste[0].Bezeichnung, QStringLiteral("< Konto nicht gefunden >"));
    EXPECT_EQ(liste[0].Symbol, 1);
    fragen.antworten.push_back(Antwort::Ja);
    EXPECT_TRUE(ZentralreguliererEntfernen(dm, 91001));
    EXPECT_TRUE(ZentralreguliererListe(dm).empty());
}

} // namespace
