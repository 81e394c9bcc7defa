#include "Optionen.h"
#include "DataModule.h"
#include "TestVerzeichnis.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const char* const optionenTabellen =
    "CREATE TABLE Optionen (KontoAnzeige, AufteilungInBuchungsListeAnzeigen, DaSiVerzeichnis, "
    "DaSiVerzeichnisAuto, AutoSicherungBeimBeenden, AutoSicherungVorherNachfragen, DaSiMaske, "
    "OPOS, RechNrPflicht, ErstesEingabefeld, StandardZahlbank, ZVFaelligkeitstage, ZVSkontoTage, "
    "WannSkontoZiehen, UpdateCheckIntervall, DatenImportAktiv, WiederkErfassungenAktiv, "
    "DTAUSVerschluesselung, BankensammlerDrucken, DiskettenBegleitzettelDrucken, "
    "KassenminusbestandIgnorieren);"
    "CREATE TABLE OptionenKommunikation (FTPPassiveModus, FTPProxyModus, FTPProxyHost, "
    "FTPProxyUser, FTPProxyPasswort, FTPProxyPort, FTPAccount, FTPAuthCmd, FTPAutoLogin, "
    "FTPDataPort, FTPDataPortMax, FTPDataPortMin, FTPDataPortProtection, FTPExternalIP, "
    "FTPIPVersion, FTPListenTimeOut, FTPPassiveUseControlHost, FTPTransferPort, FTPReadTimeOut, "
    "FTPTransferTimeOut, FTPTryNATFastTrack, FTPUseCCC, FTPUseExtensionDataPort, FTPUseHost, "
    "FTPUseMLIS, FTPUseTLS);";

class OptionenTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    TDataModule1 dm{dir.pfad()};

    void SetUp() override {
        dm.ADOConnection_Daten.oeffnen(dir.datei(QStringLiteral("daten.mdb")));
        dm.ADOConnection_Daten.skript(QString::fromLatin1(optionenTabellen));
        dm.ADOConnection_Archiv.oeffnen(dir.datei(QStringLiteral("archiv_77.mdb")));
        dm.ADOConnection_Archiv.skript(
            QStringLiteral("CREATE TABLE SEPAInfo (Umgestellt, UmgestelltVon, UmgestelltAm, "
                           "MandatsreferenzAuswahl, DiverseKundenOPOSAktiviert)"));
    }

    tOptionen laden() {
        tOptionen o;
        o.OPOS = false; // loading must not depend on what the record held before
        o.UpdateCheckIntervall = 0;
        OptionenLaden(dm, o);
        return o;
    }
};

TEST_F(OptionenTest, LeereTabellenGebenDieStandardwerte) {
    EXPECT_EQ(laden(), tOptionen());
    const tOptionen o;
    EXPECT_TRUE(o.OPOS && o.RechNrPflicht && o.KontoAnzeige && o.AutoSicherungBeimBeenden);
    EXPECT_EQ(o.ErstesEingabeFeld, 1);
    EXPECT_EQ(o.StandardZahlbank, -1);
    EXPECT_EQ(o.UpdateCheckIntervall, 7);
    EXPECT_EQ(o.FTPUebertragung.ListenTimeout, 10000);
    EXPECT_EQ(o.FTPUebertragung.TransferPort, 21);
    EXPECT_EQ(o.FTPUebertragung.ProxyModus, 3);
    EXPECT_FALSE(o.SEPAInfo.Umgestellt);
}

TEST_F(OptionenTest, NullSpaltenGebenDenStandardwertDesFeldes) {
    dm.ADOConnection_Daten.skript(
        QStringLiteral("INSERT INTO Optionen (OPOS) VALUES (NULL);"
                       "INSERT INTO OptionenKommunikation (FTPProxyModus) VALUES (0);"));
    EXPECT_EQ(laden(), tOptionen());
}

TEST_F(OptionenTest, OposErzwingtRechnungsnummerPflicht) {
    dm.ADOConnection_Daten.skript(
        QStringLiteral("INSERT INTO Optionen (OPOS, RechNrPflicht) VALUES (1, 0)"));
    EXPECT_TRUE(laden().RechNrPflicht);
    dm.ADOConnection_Daten.skript(QStringLiteral("UPDATE Optionen SET OPOS=0"));
    EXPECT_FALSE(laden().RechNrPflicht);
}

TEST_F(OptionenTest, SpeichernUndLadenErgebenDieselbenWerte) {
    tOptionen o;
    o.KontoAnzeige = false;
    o.DaSiVerzeichnis = QStringLiteral("/srv/sicherung \"x\"");
    o.OPOS = false;
    o.RechNrPflicht = false;
    o.ErstesEingabeFeld = 3;
    o.StandardZahlbank = 12;
    o.UpdateCheckIntervall = 30;
    o.KassenminusbestandIgnorieren = true;
    o.FTPUebertragung.ProxyModus = 9;
    o.FTPUebertragung.ProxyPasswort = QStringLiteral("geheim'");
    o.FTPUebertragung.UseTLS = 3;
    o.FTPUebertragung.UseMLIS = false;
    OptionenSpeichern(dm, o);
    OptionenSpeichern(dm, o);
    EXPECT_EQ(*dm.ADOConnection_Daten.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Optionen")),
              1);
    EXPECT_EQ(laden(), o);

    // Saving never writes the mail dialog's remembered state.
    dm.ADOConnection_Daten.skript(QStringLiteral("UPDATE Optionen SET DTAUSVerschluesselung=1"));
    tOptionen geladen = laden();
    EXPECT_TRUE(geladen.DTAUSVerschluesselung);
    geladen.DTAUSVerschluesselung = false;
    OptionenSpeichern(dm, geladen);
    EXPECT_TRUE(laden().DTAUSVerschluesselung);
}

TEST_F(OptionenTest, OnlineInstallationNimmtDieUebertragungsStandards) {
    dm.ADOConnection_Daten.skript(
        QStringLiteral("INSERT INTO OptionenKommunikation (FTPTransferPort) VALUES (2121)"));
    EXPECT_EQ(laden().FTPUebertragung.TransferPort, 2121);
    dir.schreiben(QStringLiteral("optionen.ini"), "[System]\nOnline=1\n");
    const tOptionen o = laden();
    EXPECT_TRUE(o.Online);
    EXPECT_EQ(o.FTPUebertragung.TransferPort, 21);
}

TEST_F(OptionenTest, SepaStandKommtAusDemArchiv) {
    dm.ADOConnection_Archiv.skript(
        QStringLiteral("INSERT INTO SEPAInfo VALUES (1, 'Steuer', '2014-01-31 10:20:30', 2, 1)"));
    const TSEPAInfo s = laden().SEPAInfo;
    EXPECT_TRUE(s.Umgestellt);
    EXPECT_EQ(s.UmgestelltVon, QStringLiteral("Steuer"));
    EXPECT_EQ(s.UmgestelltAm, QDateTime(QDate(2014, 1, 31), QTime(10, 20, 30)));
    EXPECT_EQ(s.MandatsreferenzAuswahl, 2);
}

TEST(OptionenIni, SchalterUndTypischeFehler) {
    struct Fall {
        const char* ini;
        bool online;
        bool verschluesselung;
        QDate von;
    };
    const Fall faelle[] = {
        {nullptr, false, false, {}},
        {"[System]\nOnline=1\nKelmbrandMailVerschluesselung=-1\nSteuerErmaessigungVon=01.07.2020\n",
         true, true, QDate(2020, 7, 1)},
        {"[SYSTEM]\nonline=true\nSteuerErmaessigungVon=2020-07-01\n", true, false,
         QDate(2020, 7, 1)},
        {"[System]\nOnline=vielleicht\nSteuerErmaessigungVon=31.02.2020\n", false, false, {}},
        {"\xff\xfe kaputt", false, false, {}},
    };
    for (const auto& f : faelle) {
        TestVerzeichnis dir;
        if (f.ini)
            dir.schreiben(QStringLiteral("optionen.ini"), f.ini);
        tOptionen o;
        OptionenIniLesen(dir.pfad(), o);
        EXPECT_EQ(o.Online, f.online) << (f.ini ? f.ini : "(keine)");
        EXPECT_EQ(o.KelmbrandMailVerschluesselung, f.verschluesselung);
        EXPECT_EQ(o.SteuerErmaessigungVon, f.von);
        EXPECT_FALSE(o.SteuerErmaessigungBis.isValid());
    }
}

} // namespace
