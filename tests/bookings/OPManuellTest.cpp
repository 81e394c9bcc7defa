#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "Buchungsumgebung.h"
#include "Konten.h"
#include "OffenePosten.h"

namespace {

const Betrag B100 = Betrag::ausCent(10000);
const Betrag B3 = Betrag::ausCent(300);

TEST(OPManuell, VorzeichenJeArtUndKontoUndZurueck) {
    const struct {
        int art;
        bool kunde;
        qint64 rech, zahl, skonto;
    } faelle[] = {
        {OPArt::Rechnung, false, 10000, 0, 300},
        {OPArt::Rechnung, true, -10000, 0, -300},
        {OPArt::Gutschrift, false, -10000, 0, -300},
        {OPArt::Gutschrift, true, 10000, 0, 300},
        {OPArt::Bezahlung, false, 0, 10000, 300},
        {OPArt::Bezahlung, true, 0, -10000, -300},
        {OPArt::GezahlteGutschrift, false, 0, -10000, -300},
        {OPArt::GezahlteGutschrift, true, 0, 10000, 300},
    };
    for (const auto& f : faelle) {
        const tOPBetraege b = OPBetraegeNachArt(f.art, f.kunde, B100, B3);
        EXPECT_EQ(b.RechBetrag.cent(), f.rech) << f.art << f.kunde;
        EXPECT_EQ(b.ZahlBetrag.cent(), f.zahl) << f.art << f.kunde;
        EXPECT_EQ(b.Skonto.cent(), f.skonto) << f.art << f.kunde;
        EXPECT_EQ(OPArtErmitteln(f.kunde, b.RechBetrag, b.ZahlBetrag), f.art);
    }
}

TEST(OPManuell, PruefungInIhrerReihenfolge) {
    tOPEingabe voll;
    voll.Konto = 10001;
    voll.Art = OPArt::Rechnung;
    voll.Rechnungsnummer = QStringLiteral("R1");
    voll.Betrag = B100;
    const struct {
        std::function<void(tOPEingabe&)> aendern;
        OPFeld feld;
        const char* text;
    } faelle[] = {
        {[](tOPEingabe&) {}, OPFeld::Keins, ""},
        {[](tOPEingabe& e) { e = tOPEingabe(); }, OPFeld::Konto, "Wählen Sie bitte ein Konto aus!"},
        {[](tOPEingabe& e) { e.Art = -1; }, OPFeld::Art,
         "Wählen Sie die Art des offenen Posten aus!"},
        {[](tOPEingabe& e) { e.Rechnungsnummer = QStringLiteral("  "); }, OPFeld::Rechnungsnummer,
         "Geben Sie eine Rechnungsnummer ein!"},
        {[](tOPEingabe& e) { e.Betrag = Betrag(); }, OPFeld::Betrag,
         "Geben Sie einen positiven Betrag ein!"},
    };
    for (const auto& f : faelle) {
        tOPEingabe e = voll;
        f.aendern(e);
        const tOPPruefung p = OPEingabePruefen(e);
        EXPECT_EQ(p.Feld, f.feld);
        EXPECT_EQ(p.Text, QString::fromUtf8(f.text));
    }
}

class OffenerPostenVonHand : public Buchungsumgebung {
protected:
    QStringList logzeilen() {
        QFile log(Sitzung().Datenverzeichnis + QStringLiteral("/logs/1000_logfile.csv"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
};

// A customer's credit note, changed into a payment and deleted: the row stays, marked deleted.
TEST_F(OffenerPostenVonHand, AnlegenAendernUndWeichLoeschen) {
    tOPEingabe e;
    e.Konto = 10001;
    e.Art = OPArt::Gutschrift;
    e.Rechnungsnummer = QStringLiteral("G\"1'");
    e.Belegdatum = QDate(2024, 3, 20);
    e.Skontotage = 10;
    e.SkontoSatz = 3;
    e.Betrag = Betrag::ausCent(5000);
    e.Skonto = Betrag::ausCent(150);
    ASSERT_TRUE(OPManuellAnlegen(daten(), e));
    const qint64 id = zahl(QStringLiteral("SELECT max(ID) FROM OffenePosten"));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE ID=? AND "
                                  "BuchungsID=-1 AND RechBetrag=5000 AND ZahlBetrag=0 AND "
                                  "Skonto=150 AND SkontoTage=10 AND ErstelltVon='AD'"),
                   {id}),
              1);
    const auto geladen = OPLaden(daten(), id, -1);
    ASSERT_TRUE(geladen);
    EXPECT_EQ(geladen->first, id);
    EXPECT_EQ(geladen->second.Art, OPArt::Gutschrift);
    EXPECT_EQ(geladen->second.Betrag.cent(), 5000);
    EXPECT_EQ(geladen->second.Rechnungsnummer, QStringLiteral("G\"1'"));

    tOPEingabe zahlung = geladen->second;
    zahlung.Art = OPArt::Bezahlung;
    zahlung.Betrag = Betrag::ausCent(4000);
    zahlung.Skonto = Betrag::ausCent(999);
    ASSERT_TRUE(OPAendern(daten(), id, zahlung));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE ID=? AND "
                                  "RechBetrag=0 AND ZahlBetrag=-4000 AND Skonto=150"),
                   {id}),
              1);

    fragen.antworten = {Antwort::Ja};
    ASSERT_TRUE(OPZeileLoeschen(daten(), id));
    EXPECT_EQ(zahl(QStringLiteral("SELECT count(*) FROM OffenePosten WHERE ID=? AND Geloescht=1 "
                                  "AND GeloeschtAm='2024-03-20' AND GeloeschtVon='AD'"),
                   {id}),
              1);
    const QStringList log = logzeilen();
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[1].endsWith(QStringLiteral(";1;Manuell OP-Eintrag gelöscht - OPInfo: -1 / "
                                               "20.03.2024 / 10001 / -40,00 / G\"1'")))
        << log[1].toStdString();

    EXPECT_FALSE(OPAendern(daten(), id + 1, zahlung));
    EXPECT_EQ(fragen.letzterText(), QStringLiteral("Fehler beim Ändern des offenen Posten!"));

    Sitzung().Optionen.OPOS = false;
    EXPECT_FALSE(OPManuellAnlegen(daten(), e));
}

TEST_F(OffenerPostenVonHand, FaelligkeitsaufteilungUeberDieAnmeldung) {
    EXPECT_FALSE(FaelligkeitenAufteilen(B100, QDate(2024, 4, 1)));
    FaelligkeitsAufteilungAnmelden([](Betrag betrag, const QDate& erste) {
        return std::optional{std::vector<tFaelligkeitsteil>{{erste, betrag}}};
    });
    const auto teile = FaelligkeitenAufteilen(B100, QDate(2024, 4, 1));
    FaelligkeitsAufteilungAnmelden({});
    ASSERT_TRUE(teile);
    ASSERT_EQ(teile->size(), 1u);
    EXPECT_EQ(teile->front().Datum, QDate(2024, 4, 1));
    EXPECT_EQ(teile->front().Betrag, B100);
}

class FehlendesKonto : public Buchungsumgebung {
protected:
    void TearDown() override {
        KontoAnlageAnmelden({});
        Buchungsumgebung::TearDown();
    }
    qint64 buchungen() { return zahl(QStringLiteral("SELECT count(*) FROM Erfassungen")); }
};

// A booking on a supplier that does not exist asks for the account first; cancelling stores
// nothing, creating it lets the save go on.
TEST_F(FehlendesKonto, AbbrechenSpeichertNichtsAnlegenSpeichert) {
    tMaskenZustand m = maske(3, "5", 5400, 90005, "100,00", "A", {}, QStringLiteral("Großhandel"));
    m.Rechnungsnummer = QStringLiteral("R7");
    m.Bankeinzug = true;
    tBuchung b;
    ASSERT_TRUE(BuchungPruefenMaske(dm, m, b));
    std::vector<std::tuple<qint64, int, QString>> aufrufe;
    bool anlegen = false;
    KontoAnlageAnmelden([&](qint64 konto, int art, const QString& name) {
        aufrufe.emplace_back(konto, art, name);
        if (anlegen)
            archiv().ausfuehren(QStringLiteral("INSERT INTO Lieferanten (Konto, Bezeichnung, "
                                               "Oeffentlich, AngelegtVonMNr) VALUES (?, ?, 1, "
                                               "?)"),
                                {konto, name, inst.mnr()});
        return anlegen;
    });
    fragen.checkboxAnkreuzen = true;
    fragen.meldungen.clear();
    EXPECT_FALSE(AktuelleBuchungSpeichern(dm, b, m));
    EXPECT_EQ(buchungen(), 0);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0],
              std::tuple(qint64(90005), KontoArt::Lieferant, QStringLiteral("Großhandel")));
    ASSERT_EQ(fragen.texte().size(), 1);
    EXPECT_TRUE(fragen.texte().first().startsWith(
        QStringLiteral("Import Kundenrechnungen\rSie importieren Kundenrechnungen")));
    EXPECT_TRUE(Sitzung().HinweisImportKundenRechnungen);
    EXPECT_EQ(dm.ADOConnection_Bereich
                  .ganzzahlWert(QStringLiteral("SELECT HinweisImportKundenRechnungen FROM "
                                               "Benutzer WHERE ID=?"),
                                {inst.benutzerId()})
                  .value_or(0),
              1);

    anlegen = true;
    const qsizetype gezeigt = fragen.texte().size();
    ASSERT_TRUE(AktuelleBuchungSpeichern(dm, b, m));
    EXPECT_EQ(fragen.texte().size(), gezeigt);
    EXPECT_EQ(buchungen(), 1);
    ASSERT_TRUE(AktuelleBuchungSpeichern(dm, b, m));
    EXPECT_EQ(aufrufe.size(), 2u);
}

} // namespace
