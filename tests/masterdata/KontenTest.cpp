#include "Konten.h"
#include "Bankverbindungen.h"
#include "Einrichtung.h"
#include "Stammdatenumgebung.h"
#include "Textschluessel.h"

#include <QFile>

namespace {

TEST(Kontenplan, ArtTabelleUndGrenzen) {
    const struct {
        qint64 konto;
        int art;
    } faelle[] = {{9999, -1}, {10000, 1}, {69999, 1}, {70000, -1}, {80000, 2},
                  {89999, 2}, {90000, 0}, {99999, 0}, {100000, -1}};
    for (const auto& f : faelle) {
        EXPECT_EQ(KontoArtErmitteln(f.konto), f.art) << f.konto;
        EXPECT_EQ(IstPersonenkonto(f.konto), f.art >= 0) << f.konto;
    }
    EXPECT_EQ(KontoTabelle(0), QStringLiteral("Lieferanten"));
    EXPECT_EQ(KontoTabelle(2), QStringLiteral("Lieferanten"));
    EXPECT_EQ(KontoTabelle(1), QStringLiteral("Kunden"));
    EXPECT_EQ(KontoTabelle(-1), QString());
}

TEST(Kontenplan, KundenblockNachName) {
    const struct {
        const char16_t* name;
        qint64 von;
        qint64 bis;
    } faelle[] = {
        {u"Schmidt", 22000, 22099}, {u"Stein", 22100, 22199},   {u"Sauer", 21900, 21999},
        {u"Zander", 22800, 22899},  {u"  adler", 20100, 20199}, {u"Ömer", 29000, 69999},
        {u"3M", 29000, 69999},      {u"", 10000, 69999},        {u"Tee", 22200, 22299},
    };
    for (const auto& f : faelle) {
        const tKontenGrenzen g = KundenNummernblock(QString::fromUtf16(f.name));
        EXPECT_EQ(g.KontoVon, f.von) << QString::fromUtf16(f.name).toStdString();
        EXPECT_EQ(g.KontoBis, f.bis) << QString::fromUtf16(f.name).toStdString();
    }
}

TEST(Kontenplan, PersonenNameUndMandatsreferenz) {
    EXPECT_EQ(PersonenName(QStringLiteral("Meier"), QStringLiteral("Dr."), QStringLiteral("Hans")),
              QStringLiteral("Meier Dr., Hans"));
    EXPECT_EQ(PersonenName(QStringLiteral("Meier"), QString(), QStringLiteral("Hans")),
              QStringLiteral("Meier, Hans"));
    EXPECT_EQ(PersonenName(QStringLiteral("Meier"), QString(), QString()), QStringLiteral("Meier"));
    EXPECT_EQ(MandatsreferenzAusName(QStringLiteral("Müller & Söhne GmbH")),
              QStringLiteral("MuellerSoehneGmbH"));
    EXPECT_EQ(MandatsreferenzAusName(QStringLiteral("Straße")), QStringLiteral("Strasse"));
    EXPECT_EQ(MandatsreferenzAusName(QString(40, QLatin1Char('x'))).size(), 35);
    const struct {
        const char* ref;
        bool ok;
    } faelle[] = {
        {"", true}, {"AB-1/2:(3)?+,.", true}, {"AB 1", false}, {"A&B", false}, {"X ", false}};
    for (const auto& f : faelle)
        EXPECT_EQ(MandatsreferenzGueltig(QString::fromLatin1(f.ref)), f.ok) << f.ref;
    EXPECT_FALSE(MandatsreferenzGueltig(QString(36, QLatin1Char('A'))));
}

class Konten : public Stammdatenumgebung {
protected:
    qint64 konto(const char* tabelle, qint64 nummer, const QString& name, bool oeffentlich,
                 const QString& mnr) {
        archiv().ausfuehren(QStringLiteral("INSERT INTO %1 (Konto, Bezeichnung, Oeffentlich, "
                                           "AngelegtVonMNr) VALUES (?, ?, ?, ?)")
                                .arg(QLatin1String(tabelle)),
                            {nummer, name, oeffentlich, mnr});
        return archiv().letzteId();
    }
    void zweiterBetrieb() {
        BetriebAnlegen(inst.datenverzeichnis(), inst.bereich(),
                       {QStringLiteral("2000"), QStringLiteral("Zweite Apotheke"), QString(),
                        QDate(2024, 1, 1)});
    }
    // Opened anew for every use, as another workstation would.
    Datenbank zweite;
    Datenbank& zweiteDaten() {
        zweite.schliessen();
        zweite.oeffnen(
            DatenDateiname(inst.datenverzeichnis(), inst.bereich(), QStringLiteral("2000")), false);
        return zweite;
    }
    tKontoDaten neu(int art, const QString& name) {
        tKontoDaten k;
        k.KontoArt = art;
        k.Bezeichnung = name;
        return k;
    }
};

TEST_F(Konten, NummernziehungUeberAlleBetriebe) {
    konto("Kunden", 22000, QStringLiteral("Schulz"), false, QStringLiteral("2000"));
    konto("Kunden", 22001, QStringLiteral("Schuster"), true, QStringLiteral("1000"));
    EXPECT_EQ(NaechsteFreieKontonummer(archiv(), KontoArt::Kunde, QStringLiteral("Schmidt")),
              22002);
    for (qint64 n = 20100; n <= 20199; ++n)
        konto("Kunden", n, QStringLiteral("A"), true, QStringLiteral("1000"));
    EXPECT_EQ(NaechsteFreieKontonummer(archiv(), KontoArt::Kunde, QStringLiteral("Adler")), 23000);
    EXPECT_EQ(NaechsteFreieKontonummer(archiv(), KontoArt::LieferantKosten, QString()), 89000);
    {
        Transaktion t(archiv());
        for (qint64 n = 94000; n <= 99999; ++n)
            konto("Lieferanten", n, QStringLiteral("L"), true, QStringLiteral("1000"));
        t.bestaetigen();
    }
    EXPECT_EQ(NaechsteFreieKontonummer(archiv(), KontoArt::Lieferant, QStringLiteral("X")), 0);
    tKontoDaten k = neu(KontoArt::Lieferant, QStringLiteral("Voll"));
    EXPECT_FALSE(KontoSpeichern(dm, k, QStringLiteral("VOLL")));
    EXPECT_EQ(
        fragen.letzterText(),
        QStringLiteral("Es ist keine Anlage von Konten mehr möglich! Maximalanzahl erreicht!"));
    EXPECT_EQ(archiv().ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM Textschluessel WHERE TSName='VOLL'")),
              0);
}

TEST_F(Konten, SpeichernMitTextschluesselBankverbindungenUndEigentuemer) {
    tKontoDaten k = neu(KontoArt::Lieferant, QStringLiteral("Phoenix Pharmahandel"));
    k.ZV.Bankeinzug = false;
    k.ZV.StandardBank = 1;
    k.Bankverbindungen = {{QStringLiteral("DE89370400440532013000"), {}, {}, {}, {}, true},
                          {QStringLiteral("DE02120300000000202051"), {}, {}, {}, {}, false}};
    ASSERT_TRUE(KontoSpeichern(dm, k, QStringLiteral("PHOENIX")));
    EXPECT_EQ(k.Konto, 94000);
    EXPECT_EQ(archiv().ganzzahlWert(QStringLiteral(
                  "SELECT count(*) FROM Textschluessel WHERE TSName='phoenix' AND Konto=94000 "
                  "AND Buchungsseite='A'")),
              1);
    tBankverbindung b;
    EXPECT_FALSE(
        BankverbindungLaden(archiv(), Sitzung().Kontenbereiche, QStringLiteral("1000"), 94000, b))
        << "no bank code or account number";
    EXPECT_EQ(b.IBAN, QStringLiteral("DE02120300000000202051")) << "the standard row";

    // A second key of the same name refuses the whole save.
    tKontoDaten zweiter = neu(KontoArt::Lieferant, QStringLiteral("Andere"));
    EXPECT_FALSE(KontoSpeichern(dm, zweiter, QStringLiteral("Phoenix")));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Der Textschlüsselname \"Phoenix\" ist bereits vergeben!"));
    EXPECT_EQ(zweiter.Konto, 0);
    EXPECT_EQ(archiv().ganzzahlWert(QStringLiteral("SELECT count(*) FROM Lieferanten")), 1);

    // Another business edits the shared account: the owner stays.
    Sitzung().MNr = QStringLiteral("2000");
    std::optional<tKontoDaten> geladen =
        KontoDatenLaden(archiv(), QStringLiteral("2000"), KontoArt::Lieferant, 94000);
    ASSERT_TRUE(geladen);
    EXPECT_EQ(geladen->Bankverbindungen.size(), 2u) << "another business's connections";
    geladen->Strasse = QStringLiteral("Hauptstr. 1");
    ASSERT_TRUE(KontoSpeichern(dm, *geladen, QString()));
    EXPECT_EQ(archiv().ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM Lieferanten WHERE AngelegtVonMNr='1000'")),
              1);
    EXPECT_EQ(archiv().ganzzahlWert(
                  QStringLiteral("SELECT count(*) FROM KontoBankverbindungen WHERE MNr='2000'")),
              2);
}

TEST_F(Konten, ErsterTextschluesselNachKontoart) {
    const struct {
        int art;
        const char* name;
        const char* seite;
        const char* steuer;
    } faelle[] = {{KontoArt::Lieferant, "WARE", "A", ""},
                  {KontoArt::LieferantKosten, "KOSTEN", "A", "9"},
                  {KontoArt::Kunde, "KUNDE", "E", ""}};
    for (const auto& f : faelle) {
        const QString name = QString::fromLatin1(f.name);
        tKontoDaten k = neu(f.art, name.toLower());
        k.Oeffentlich = false;
        ASSERT_TRUE(KontoSpeichern(dm, k, name)) << f.name;
        const std::optional<tTextschluessel> ts = TextschluesselLesen(archiv(), name);
        ASSERT_TRUE(ts) << f.name;
        EXPECT_EQ(ts->Konto, k.Konto) << f.name;
        EXPECT_EQ(ts->Buchungstext, name.toLower()) << f.name;
        EXPECT_EQ(ts->Buchungsseite, QString::fromLatin1(f.seite)) << f.name;
        EXPECT_EQ(ts->Steuer, QString::fromLatin1(f.steuer)) << f.name;
        EXPECT_FALSE(ts->Oeffentlich) << f.name;
        EXPECT_FALSE(ts->ArchivAufteilungsKontenAusblenden) << f.name;
        EXPECT_FALSE(ts->ErstesAufteilungskontoHauptkonto) << f.name;
    }
}

TEST_F(Konten, SichtbarkeitEigeneZeileVorGeteilter) {
    archiv().ausfuehren(QStringLiteral("INSERT INTO Sachkonten (Konto, Bezeichnung, Steuer) "
                                       "VALUES (650, 'Büroeinrichtung', '0')"));
    konto("Kunden", 20150, QStringLiteral("Geteilt"), true, QStringLiteral("2000"));
    konto("Kunden", 20150, QStringLiteral("Eigen"), false, QStringLiteral("1000"));
    konto("Kunden", 20160, QStringLiteral("Fremd"), false, QStringLiteral("2000"));
    EXPECT_EQ(PersonenkontoLaden(archiv(), QStringLiteral("1000"), 20150)->Bezeichnung,
              QStringLiteral("Eigen"));
    EXPECT_EQ(PersonenkontoLaden(archiv(), QStringLiteral("2000"), 20150)->Bezeichnung,
              QStringLiteral("Geteilt"));
    EXPECT_FALSE(PersonenkontoLaden(archiv(), QStringLiteral("1000"), 20160));
    EXPECT_FALSE(PersonenkontoLaden(archiv(), QStringLiteral("1000"), 4930));
    EXPECT_TRUE(KontoVorhanden(archiv(), QStringLiteral("1000"), 650));
    EXPECT_FALSE(KontoVorhanden(archiv(), QStringLiteral("1000"), 20160));
    const std::optional<tSachkonto> s = SachkontoLaden(archiv(), QStringLiteral("650"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Bezeichnung, QStringLiteral("Büroeinrichtung"));
    EXPECT_EQ(s->Steuerbereich, QStringLiteral("kb"));
    EXPECT_FALSE(SachkontoLaden(archiv(), QStringLiteral("65x")));
}

TEST_F(Konten, ZVDatenVorgaben) {
    const tKontoZVDaten l =
        KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("95000"));
    EXPECT_TRUE(l.Bankeinzug);
    EXPECT_EQ(l.StandardBank, -1);
    EXPECT_TRUE(l.OPOS);
    EXPECT_FALSE(l.Gefunden);
    EXPECT_FALSE(
        KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("20000")).Bankeinzug);
    archiv().ausfuehren(QStringLiteral("INSERT INTO KontoZVDaten (MNr, Konto, SkontoSatz) "
                                       "VALUES ('1000', 95000, 2.5)"));
    const tKontoZVDaten z =
        KontoZVDatenLaden(archiv(), QStringLiteral("1000"), QStringLiteral("95000"));
    EXPECT_TRUE(z.Gefunden);
    EXPECT_TRUE(z.OPOS) << "Null counts as open items";
    EXPECT_FALSE(z.Bankeinzug) << "Null counts as no direct debit";
    EXPECT_DOUBLE_EQ(z.SSatz, 2.5);
}

TEST_F(Konten, FilialuebergreifendRegeln) {
    const qint64 geteilt =
        konto("Kunden", 20150, QStringLiteral("A"), true, QStringLiteral("1000"));
    tKontoDaten k = neu(KontoArt::Kunde, QStringLiteral("B"));
    k.Konto = 20150;
    k.Oeffentlich = false;
    EXPECT_EQ(FilialuebergreifendPruefen(dm, k),
              QStringLiteral("Dieses Konto kann nicht angelegt werden, da dieses Konto bereits "
                             "in diesem Betrieb vorhanden ist!"));
    k.Oeffentlich = true;
    EXPECT_TRUE(FilialuebergreifendPruefen(dm, k).contains(QStringLiteral("filialübergreifend "
                                                                          "angelegt")));
    k.Konto = 20170;
    EXPECT_EQ(FilialuebergreifendPruefen(dm, k), QString());

    // Un-sharing while another business books on it is refused.
    zweiterBetrieb();
    zweiteDaten().ausfuehren(
        QStringLiteral("INSERT INTO OffenePosten (Konto, RechBetrag) VALUES (20150, 100)"));
    tKontoDaten vorhanden =
        *KontoDatenLaden(archiv(), QStringLiteral("1000"), KontoArt::Kunde, 20150);
    ASSERT_EQ(vorhanden.ID, geteilt);
    vorhanden.Oeffentlich = false;
    EXPECT_TRUE(FilialuebergreifendPruefen(dm, vorhanden)
                    .contains(QStringLiteral("anderen "
                                             "Betrieben")));
    zweiteDaten().ausfuehren(QStringLiteral("DELETE FROM OffenePosten"));
    EXPECT_EQ(FilialuebergreifendPruefen(dm, vorhanden), QString());
}

TEST_F(Konten, LoeschenNurEigeneDatenUndMitPruefungAllerBetriebe) {
    zweiterBetrieb();
    konto("Kunden", 20150, QStringLiteral("Eigen"), false, QStringLiteral("1000"));
    konto("Kunden", 20150, QStringLiteral("Andere Filiale"), false, QStringLiteral("2000"));
    for (const char* mnr : {"1000", "2000"}) {
        archiv().ausfuehren(
            QStringLiteral("INSERT INTO KontoZVDaten (MNr, Konto) VALUES (?, 20150)"),
            {QString::fromLatin1(mnr)});
        archiv().ausfuehren(QStringLiteral("INSERT INTO KontoBankverbindungen (ID, MNr, Konto) "
                                           "VALUES (0, ?, 20150)"),
                            {QString::fromLatin1(mnr)});
        archiv().ausfuehren(
            QStringLiteral("INSERT INTO Textschluessel (TSName, Konto, "
                           "oeffentlich, AngelegtVonMNr) VALUES (?, 20150, 0, ?)"),
            {QStringLiteral("K") + QString::fromLatin1(mnr), QString::fromLatin1(mnr)});
    }
    // The other business books on its own account 20150: no reason to refuse ours.
    zweiteDaten().ausfuehren(
        QStringLiteral("INSERT INTO Erfassungen (Konto, GKonto) VALUES (1600, 20150)"));
    fragen.antworten = {Antwort::Ja};
    ASSERT_TRUE(KontoLoeschen(dm, KontoArt::Kunde, 20150));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Möchten Sie das Konto \"20150\" wirklich löschen!"));
    for (const char* t : {"Kunden", "KontoZVDaten", "KontoBankverbindungen", "Textschluessel"})
        EXPECT_EQ(
            archiv().ganzzahlWert(
                QStringLiteral("SELECT count(*) FROM %1 WHERE Konto=20150").arg(QLatin1String(t))),
            1)
            << t;

    // A shared account used in the second business names it and stays.
    konto("Lieferanten", 95000, QStringLiteral("Geteilt"), true, QStringLiteral("1000"));
    zweiteDaten().ausfuehren(
        QStringLiteral("INSERT INTO Erfassungen_DauerPool (Konto, GKonto) VALUES (95000, 1600)"));
    EXPECT_FALSE(KontoLoeschen(dm, KontoArt::Lieferant, 95000));
    EXPECT_EQ(fragen.letzterText(),
              QStringLiteral("Das Konto \"Geteilt\" kann nicht gelöscht werden, da bereits "
                             "Erfassungen bzw. offene Posten in folgenden Betrieben\r\r"
                             "2000 Zweite Apotheke\r\rvorhanden sind!"));

    // An unreadable business file refuses as well.
    zweiteDaten().ausfuehren(QStringLiteral("DELETE FROM Erfassungen_DauerPool"));
    const QString datei =
        DatenDateiname(inst.datenverzeichnis(), inst.bereich(), QStringLiteral("2000"));
    zweite.schliessen();
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("kaputt, keine Datenbank");
    f.close();
    EXPECT_FALSE(KontoLoeschen(dm, KontoArt::Lieferant, 95000));
    EXPECT_TRUE(
        fragen.letzterText().contains(QStringLiteral("2000 (Datei kann nicht gelesen werden)")));
    EXPECT_EQ(archiv().ganzzahlWert(QStringLiteral("SELECT count(*) FROM Lieferanten")), 1);
}

TEST_F(Konten, VorgegebeneLieferantenNichtLoeschbar) {
    konto("Lieferanten", 92000, QStringLiteral("Großhandel"), true, QStringLiteral("1000"));
    EXPECT_FALSE(KontoLoeschen(dm, KontoArt::Lieferant, 92000));
    EXPECT_EQ(fragen.texte(),
              QStringList{QStringLiteral("Das Konto \"Großhandel\" kann nicht gelöscht werden, da "
                                         "es von der Kelmbrand Nortal GmbH vorgegeben wurde!")});
}

TEST_F(Konten, AehnlicheNamenMitGebundenemText) {
    konto("Lieferanten", 95001, QStringLiteral("Müller Pharma"), true, QStringLiteral("1000"));
    konto("Lieferanten", 95002, QStringLiteral("Apotheke Müller"), true, QStringLiteral("1000"));
    konto("Lieferanten", 95003, QStringLiteral("100%_Quote\"s"), true, QStringLiteral("1000"));
    const tAehnlicheKonten leer = BezeichnungsPruefung(archiv(), 0, QStringLiteral("  "), 0);
    EXPECT_EQ(leer.Symbol, 0);
    const tAehnlicheKonten anfang = BezeichnungsPruefung(archiv(), 0, QStringLiteral("MÜLLER"), 0);
    EXPECT_EQ(anfang.Symbol, 0);
    EXPECT_EQ(anfang.Hinweis, QStringLiteral("Ähnliche Konten:\r95001 Müller Pharma"));
    const tAehnlicheKonten wort =
        BezeichnungsPruefung(archiv(), 0, QStringLiteral("Neue Müller GmbH"), 0);
    EXPECT_EQ(wort.Symbol, 1);
    EXPECT_EQ(wort.Hinweis, QStringLiteral("Ähnliche Konten:\r95002 Apotheke Müller\r95001 "
                                           "Müller Pharma"));
    EXPECT_EQ(BezeichnungsPruefung(archiv(), 0, QStringLiteral("Müller Pharma"), 95001).Symbol, 1);
    EXPECT_EQ(BezeichnungsPruefung(archiv(), 0, QStringLiteral("100%"), 0).Hinweis,
              QStringLiteral("Ähnliche Konten:\r95003 100%_Quote\"s"));
    EXPECT_EQ(BezeichnungsPruefung(archiv(), 0, QStringLiteral("10_%"), 0).Symbol, 2);
    EXPECT_EQ(BezeichnungsPruefung(archiv(), 0, QStringLiteral("Quote\"s"), 0).Symbol, 1);
}

TEST_F(Konten, BankverzeichnisUndZahlbank) {
    Datenbank& stamm = dm.ADOConnection_Stamm;
    EXPECT_EQ(BICZurBLZ(stamm, QStringLiteral(" 37040044 ")), QStringLiteral("COBADEFFXXX"));
    EXPECT_EQ(BanknameZurBLZ(stamm, QStringLiteral("37040044")), QStringLiteral("Commerzbank"));
    for (const char* blz : {"", "-", "3704004X", "99999999"}) {
        EXPECT_EQ(BICZurBLZ(stamm, QString::fromLatin1(blz)), QString()) << blz;
        EXPECT_EQ(BanknameZurBLZ(stamm, QString::fromLatin1(blz)), QString()) << blz;
    }
    daten().ausfuehren(
        QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, Konto, "
                       "Bezeichnung, Aktiv) VALUES (3, 2, 1700, 'Commerzbank', 1), "
                       "(4, 2, 1710, 'Alte Bank', 0)"));
    archiv().ausfuehren(QStringLiteral("INSERT INTO KontoBankverbindungen (ID, MNr, Konto, "
                                       "Bankleitzahl, Kontonummer) VALUES (0, '1000', 1700, "
                                       "'37040044', '0532013000'), (0, '1000', 1710, '10000000', "
                                       "'99123')"));
    const struct {
        const char* blz;
        const char* nummer;
        const char* name;
    } faelle[] = {
        {"37040044", "532013000", "Commerzbank"},
        {"37040044", "0532013000", "Commerzbank"},
        {"", "532013000", ""},
        {"37040044", "", ""},
        {"", "", ""},
        {"37040044", "13000", ""},
        {"10000000", "99123", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZahlbankBezeichnung(dm, QStringLiteral("1000"), QString::fromLatin1(f.blz),
                                      QString::fromLatin1(f.nummer)),
                  QString::fromLatin1(f.name))
            << f.blz << "/" << f.nummer;
    tBankverbindung b;
    EXPECT_TRUE(
        BankverbindungLaden(archiv(), Sitzung().Kontenbereiche, QStringLiteral("1000"), 1700, b));
    EXPECT_EQ(b.Kontonummer, QStringLiteral("0532013000"));
    EXPECT_FALSE(
        BankverbindungLaden(archiv(), Sitzung().Kontenbereiche, QStringLiteral("2000"), 1700, b));
    EXPECT_TRUE(b.leer());
}

} // namespace
