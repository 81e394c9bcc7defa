#include "Datenbank.h"
#include "Definitionsdatei.h"
#include "Pfade.h"
#include "Strukturaktualisierung.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString quelle(const QString& relativ) {
    return QDir(QStringLiteral(KIVO_QUELL_DIR)).filePath(relativ);
}

// Statements as the program's operations run them; preparing one checks every table and column
// it names. The history table takes whole booking rows, so its layout must match.
const char* const DatenSql[] = {
    "SELECT MNr, Firmenname, Inhaber, Strasse, PLZ, Ort, Telefonnummer, Faxnummer, eMail, "
    "eMailASPZV, InternetAdresse, Amtsgericht, HRNummer, SteuerNummer, UmsatzIDNummer, "
    "GlaeubigerID, ErfassungsBeginn, WirtschaftsBeginn, Kontenplan, NiederlassungID, VBBerater, "
    "VBBeraterTelefon, VBBeraterEMail, VBSachbearbeiter, VBSachbearbeiterTelefon, "
    "VBSachbearbeiterEMail, VBLohnSachbearbeiter, VBLohnSachbearbeiterTelefon, "
    "VBLohnSachbearbeiterEMail FROM Firmendaten",
    "INSERT INTO Optionen (KontoAnzeige, AufteilungInBuchungsListeAnzeigen, DaSiVerzeichnis, "
    "DaSiVerzeichnisAuto, AutoSicherungBeimBeenden, AutoSicherungVorherNachfragen, DaSiMaske, "
    "OPOS, RechNrPflicht, ErstesEingabefeld, StandardZahlbank, ZVFaelligkeitstage, ZVSkontoTage, "
    "WannSkontoZiehen, UpdateCheckIntervall, DatenImportAktiv, WiederkErfassungenAktiv, "
    "BankensammlerDrucken, DiskettenBegleitzettelDrucken, KassenminusbestandIgnorieren) VALUES "
    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
    "UPDATE Optionen SET DTAUSVerschluesselung=1",
    "INSERT INTO OptionenKommunikation (FTPPassiveModus, FTPProxyModus, FTPProxyHost, "
    "FTPProxyUser, FTPProxyPasswort, FTPProxyPort, FTPAccount, FTPAuthCmd, FTPAutoLogin, "
    "FTPDataPort, FTPDataPortMax, FTPDataPortMin, FTPDataPortProtection, FTPExternalIP, "
    "FTPIPVersion, FTPListenTimeOut, FTPPassiveUseControlHost, FTPTransferPort, FTPReadTimeOut, "
    "FTPTransferTimeOut, FTPTryNATFastTrack, FTPUseCCC, FTPUseExtensionDataPort, FTPUseHost, "
    "FTPUseMLIS, FTPUseTLS) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
    "SELECT BereichID, Bereichsart, Konto, Bezeichnung, S_H, Aktiviert, Aktiv, BelegNrVergabe, "
    "AutoBeleg, BelegNrNeuBeginnen, BelegMaske, KeinHinweisDoppelteBNr, BelegMaskeAendern, "
    "BNrAlsRNr, ZVVerzeichnis, AlternativeGeprueft, AlternativeKontonummer, "
    "AlternativeBankleitzahl, AlternativeIBAN, AlternativeBIC, snSchnittstelle, "
    "snErfassungstext, snDateiVerzeichnis FROM Buchungsbereiche",
    "SELECT Monat, Jahr, BereichID, Status FROM BuchungsbereicheStatus",
    "INSERT INTO AufteilungskontenBereich (BereichID, AufteilungsKonto, Reihenfolge) "
    "VALUES (?,?,?)",
    "UPDATE Salden SET Einnahmen=?, Ausgaben=?, Endsaldo=?, Saldo=? WHERE Konto=? AND Datum=?",
    "SELECT ID, BuchungsID, Hauptbuchung, BuchungsBereich, Belegdatum, TSName, Konto, GKonto, "
    "Buchungstext, Betrag, Buchungsseite, Steuer, BelegMaske, BelegZaehler, Belegnummer, "
    "Rechnungsnummer, Bemerkung, NichtAufteilungskonto, AufteilungsSeite, ErstelltAm, "
    "ErstelltVon, LetzteAenderung, AenderungVon, AnzahlAenderungen, AenderungSteuerRelevant, "
    "BuchungKlaeren, Festgeschrieben, Systembuchung, ZVAusdruckID, Erfassungskennzeichen "
    "FROM Erfassungen",
    "INSERT INTO Erfassungen_Verlauf SELECT Erfassungen.* FROM Erfassungen WHERE BuchungsID=?",
    "INSERT INTO Erfassungen_geloescht (ID, BuchungsID, BuchungsBereich, Belegdatum, "
    "Hauptbuchung, TSName, Konto, GKonto, Buchungstext, Betrag, Buchungsseite, Steuer, "
    "Belegnummer, Rechnungsnummer, Bemerkung, BuchungKlaeren, NichtAufteilungskonto, "
    "AufteilungsSeite, ErstelltAm, ErstelltVon, LetzteAenderung, AenderungVon, Festgeschrieben, "
    "Systembuchung, Loeschdatum) SELECT ID, BuchungsID, BuchungsBereich, Belegdatum, "
    "Hauptbuchung, TSName, Konto, GKonto, Buchungstext, Betrag, Buchungsseite, Steuer, "
    "Belegnummer, Rechnungsnummer, ?, BuchungKlaeren, NichtAufteilungskonto, AufteilungsSeite, "
    "ErstelltAm, ErstelltVon, LetzteAenderung, AenderungVon, Festgeschrieben, Systembuchung, ? "
    "FROM Erfassungen WHERE BuchungsID=?",
    "INSERT INTO Erfassungen_Dauer (BuchungsID, BuchungsBereich, Belegdatum, Hauptbuchung, "
    "TSName, Konto, GKonto, Buchungstext, Betrag, Buchungsseite, Steuer, Bemerkung, "
    "BuchungKlaeren, NichtAufteilungskonto, AufteilungsSeite, ErstelltAm, ErstelltVon, "
    "LetzteAenderung, AenderungVon, Festgeschrieben, Systembuchung, IntervallOption, "
    "IntervallWert, Bankeinzug, NettoTage, ValutaTage, SkontoTage, SkontoSatz) SELECT "
    "BuchungsID, BuchungsBereich, ?, Hauptbuchung, TSName, Konto, GKonto, Buchungstext, Betrag, "
    "Buchungsseite, Steuer, Bemerkung, BuchungKlaeren, NichtAufteilungskonto, AufteilungsSeite, "
    "ErstelltAm, ErstelltVon, LetzteAenderung, AenderungVon, Festgeschrieben, Systembuchung, "
    "?, ?, ?, ?, ?, ?, ? FROM Erfassungen WHERE BuchungsID=?",
    "SELECT ID, BuchungsID, HauptBuchung, IntervallOption, IntervallWert, Bankeinzug, NettoTage, "
    "ValutaTage, SkontoTage, SkontoSatz FROM Erfassungen_DauerPool",
    "SELECT ID, BuchungsID, BuchungsBereich, Hauptbuchung, Konto, GKonto, Belegdatum, Betrag, "
    "Buchungsseite, Buchungstext, TSName, Steuer, Belegnummer, Rechnungsnummer, BuchungKlaeren, "
    "Bankeinzug, SkontoSatz, ErstelltAm, ErstelltVon, BelegnummerVergeben, BelegnummerErhoehen, "
    "BelegnummerNichtVergeben, LernID, AnzahlLerneintraege, BuchungsInfoArt, ZVDatenAusImport, "
    "StopMarkierung, mt940_Auszug, mt940_Blatt, mt940_Bankleitzahl, mt940_Kontonummer, "
    "mt940_Buchungstext, mt940_BuchungstextUrsprung, mt940_Empfaenger, mt940_Verwendung, "
    "mt940_Saldo, mt940_ZVID FROM Erfassungen_Import",
    "UPDATE Erfassungen_Import SET Belegmaske=? WHERE BuchungsID=?",
    "INSERT INTO Erfassungen_CSV (BenutzerID, Buchungsbereich, Buchungsseite, Belegdatum, Betrag, "
    "Konto, GKonto, Buchungstext, Belegnummer, BelegZaehler, Rechnungsnummer, SkontoSatz, Steuer, "
    "Bankeinzug, mt940_Auszug, mt940_Blatt, mt940_Verwendung, mt940_Saldo, mt940_Bankleitzahl, "
    "mt940_Kontonummer) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
    "INSERT INTO Erfassungen_DatevSelf (BenutzerID, Belegdatum, Buchungsbereich, Betrag, Konto, "
    "GKonto, Steuer, Rechnungsnummer, Faelligkeitsdatum, Skonto, Buchungstext, Skontosatz) "
    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
    "SELECT DateiName, DateiDatum, DateiGroesse, Monat, Jahr, ImportDatum FROM ImportierteDateien",
    "SELECT Rechnungsnummer, Konto, sum(RechBetrag) - sum(ZahlBetrag) FROM OffenePosten "
    "WHERE coalesce(Geloescht, 0) = 0 GROUP BY Rechnungsnummer, Konto",
    "SELECT ID, BuchungsID, Bankeinzug, Belegdatum, NettoTage, ValutaTage, SkontoTage, SkontoSatz, "
    "Skonto, ErstelltAm, ErstelltVon, Bemerkung, GeloeschtAm, GeloeschtVon, Ausgeglichen "
    "FROM OffenePosten",
    "SELECT ID, BenutzerID, Konto, Bezeichnung, Rechnungsnummer, Belegdatum, Faelligkeitsdatum, "
    "zuzahlen, RechBetrag, Skontodatum, SkontoSatz, Skonto, Zahlbetrag, Summe, Geloescht "
    "FROM ZVVorschlagslisten",
    "SELECT OffenePosten.*, Buchungsbereiche.Konto, Buchungsbereiche_1.Bezeichnung, "
    "ZVBegleitschreiben.ID AS SammlerID, ZVBegleitschreiben.AnBank FROM (((OffenePosten LEFT "
    "JOIN Erfassungen ON OffenePosten.BuchungsID = Erfassungen.ID) LEFT JOIN Buchungsbereiche ON "
    "Erfassungen.Konto = Buchungsbereiche.Konto) LEFT JOIN Buchungsbereiche AS "
    "Buchungsbereiche_1 ON Erfassungen.GKonto = Buchungsbereiche_1.Konto) LEFT JOIN "
    "((ZVUeberweisungBuchungsIDs LEFT JOIN ZVUeberweisungen ON "
    "ZVUeberweisungBuchungsIDs.ZVUeberweisungID = ZVUeberweisungen.AutoID) LEFT JOIN "
    "ZVBegleitschreiben ON ZVUeberweisungen.ID = ZVBegleitschreiben.ID) ON "
    "OffenePosten.BuchungsID = ZVUeberweisungBuchungsIDs.BuchungsID",
    "SELECT AnBank, BereichsBezeichnung, DTausDateiname, SEPADateiname, VolumeID, ErstelltAm, "
    "AusfuehrungsDatum, AnzahlCSaetze, SummeBankleitzahlen, SummeKontonummern, SummeBetraege, "
    "Ersteller, ErstellerBankleitzahl, ErstellerKontonummer, ErstellerIBAN, ErstellerBIC, "
    "AusgefuehrtVon, BuchungID, DTausVerzeichnis, SEPAVerzeichnis, DTausDateiname2, "
    "SEPADateiname2 FROM ZVBegleitschreiben",
    "SELECT Empfaenger, Bankleitzahl, Kontonummer, IBAN, BIC, Kundennummer, Rechnungsnummer, "
    "Belegdatum, ZahlBetrag, Summe FROM ZVUeberweisungen",
    "SELECT KHaupt, KPartner FROM Zentralregulierer",
    "SELECT Monat, Jahr, ErstelltAm, ErstelltVon, Uebertragen, UebertragenAm FROM Abschluss",
};

const char* const BereichSql[] = {
    "SELECT ID, BenutzerName, Kuerzel, Passwort, UserStatus, NurLesen, Aktiv, LetzteVersion, "
    "HinweisImportKundenRechnungen, HinweisAdminKennwort, HinweisAdminKennwortDatum, "
    "GridViewErfassungen, TastaturBelegungAusblenden, TextschluesselAusblenden, ZVSortierung, "
    "Schriftgroesse FROM Benutzer",
    "SELECT ID, MNr, RID1, RID2 FROM Benutzerrechte",
    "SELECT ID, MNr, EID1, EID2, anzeigen, Hoehe, Breite FROM Benutzereinstellungen",
    "INSERT INTO ProgrammUpdates (UpdateCheck, UpdateVersion) VALUES (?, ?)",
    "SELECT TransaktionsID, Bezeichnung, MNr, AktualisiertAm, AktualisiertVon, UpdateDatum, "
    "UpdateVersion, Kontenplan FROM UpdateTransaktionen",
};

const char* const ArchivSql[] = {
    "SELECT Konto, Bezeichnung, Steuer, Steuerbereich FROM Sachkonten",
    "INSERT INTO Kunden (Konto, Bezeichnung, Oeffentlich, AngelegtVonMNr) VALUES (?,?,?,?)",
    "SELECT ID, Konto, Bezeichnung, Titel, Nachname, Vorname, Bezeichnung2, Bezeichnung3, "
    "Strasse, PLZ, Ort, Postfach, Telefonnummer, Faxnummer, eMailAdresse, ZusatztextPopup, "
    "Zusatztext, Oeffentlich, AngelegtVonMNr, Verwendet, VBSuchname FROM Lieferanten",
    "INSERT INTO KontoZVDaten (MNr, Konto, Bankeinzug, OPOS) VALUES (?,?,?,?)",
    "SELECT ID, MNr, Konto, Kundennummer, SkontoSatz, SkontoTage, NettoTage, Bankeinzug, ZVBank, "
    "StandardBankVerbindung, OPOS, Mandatsreferenz, MandatsunterschriftDatum, "
    "NettoFaelligkeitMonatsende FROM KontoZVDaten",
    "SELECT ID, MNr, Konto, Bankleitzahl, Kontonummer, IBAN, BIC, Geprueft, "
    "AbweichenderKontoinhaber FROM KontoBankverbindungen",
    "SELECT Mandatsreferenz, IBAN, Datum FROM KundenSEPASequenz",
    "SELECT Textschluessel.TSName, AufteilungskontenTextschluessel.AufteilungsKonto, "
    "AufteilungskontenTextschluessel.Reihenfolge FROM Textschluessel INNER JOIN "
    "AufteilungskontenTextschluessel ON Textschluessel.ID = AufteilungskontenTextschluessel.TSID",
    "SELECT Buchungstext, Betrag, Buchungsseite, Steuer, Konto, Konto2, oeffentlich, "
    "AngelegtVonMNr, ArchivAufteilungsKontenAusblenden, ErstesAufteilungskontoHauptkonto, "
    "geaendert, Verwendet FROM Textschluessel",
    "SELECT ID, AngelegtVonMNr, Oeffentlich, BereichID, ErstelltAm, ErstelltVon, Suchtext, "
    "Suchtext2, Suchbetrag, Suchbetrag2, Suchart, Suchart2, SuchtextVollSuche, Konto, "
    "Buchungstext, Steuer, TSID FROM LernEintraege",
    "SELECT Konto FROM KontenImportBlackList",
    "SELECT Datum, Konto, Bezeichnung, Bezeichnung_alt, VBSuchname, Aktualisierungsart, "
    "FehlerBeiTSAnlage FROM KontenUpdateInfo",
    "SELECT Umgestellt, UmgestelltVon, UmgestelltAm, MandatsreferenzAuswahl, "
    "DiverseKundenOPOSAktiviert FROM SEPAInfo",
    "SELECT ID, Konto, Bezeichnung, IBAN, BIC, Kontonummer, Bankleitzahl FROM SEPAInfoKonten",
};

const char* const LogSql[] = {
    "SELECT ID, SicherungsDatei, SicherungsDatum, BetriebsBereich FROM LetzteSicherungen",
    "SELECT ID, Versandart, Datum, MNr, Username, EMailAdresse, Passwort, Dateiname, Status "
    "FROM OnlineVersandInfo",
    "SELECT ID, Datum, MNr, Buchungsbereich, Username, VonDatum, BisDatum FROM ErfassungsExport",
};

const char* const StammSql[] = {
    "SELECT Steuer, Bezeichnung FROM Steuerschluessel WHERE Kontenplan=? AND Steuerart=? AND "
    "GueltigVon<=? AND GueltigBis>=?",
    "SELECT Steuerart FROM ZulaessigeSteuerschluessel WHERE Kontenplan=? AND Steuerbereich1=? "
    "AND Steuerbereich2=?",
    "SELECT KontenbereichZuordnung.BereichsArt, Kontenbereiche.KontoVon, Kontenbereiche.KontoBis "
    "FROM KontenbereichZuordnung INNER JOIN Kontenbereiche ON "
    "KontenbereichZuordnung.KontenbereichID = Kontenbereiche.ID WHERE "
    "KontenbereichZuordnung.Kontenplan=? AND Kontenbereiche.Kontenplan=?",
    "SELECT ID, Bezeichnung, Kontentabelle FROM Kontenbereiche",
    "SELECT Bereichsart, Konto, KontoVon, KontoBis, GKontoVon, GKontoBis FROM "
    "ImportKontenbereichZuordnung WHERE Kontenplan=?",
    "SELECT Aufteilungskonto, Reihenfolge FROM AufteilungskontenArchiv WHERE Kontenplan=? AND "
    "Bereichsart=?",
    "SELECT Aufteilungskonto FROM AufteilungsVerrechnungskonten WHERE Kontenplan=? AND "
    "Bereichsart=?",
    "SELECT ID, Kontenplan, Bezeichnung FROM KontenstatistikBereiche",
    "SELECT KontoVon, KontoBis FROM KontenstatistikBereichsKonten WHERE KontoBereichID=?",
    "SELECT Kontonummer, KontobezeichnungFibu, Steuerschluessel, Steuerbereich FROM Sachkonten",
    "SELECT Debitorennummer, Kontobezeichnung, Suchname, Kontonummer1, Kontonummer5, "
    "Bankleitzahl1, Bankleitzahl5 FROM Kunden",
    "SELECT Kreditorennummer, Kontobezeichnung, Suchname, Kontonummer3, Bankleitzahl3 "
    "FROM Lieferanten",
    "SELECT TSName, Buchungstext, Betrag, Buchungsseite, Steuer, Konto FROM Textschluessel",
    "SELECT Datum FROM Kontenupdate",
    "SELECT Bankname, BIC FROM Banken WHERE Bankleitzahl=?",
    "SELECT Ort FROM PLZOrt WHERE PLZ=?",
    "SELECT ID, Kennzeichen, Bezeichnung, Strasse, PLZ, Ort, Telefonnummer FROM Niederlassungen",
    "SELECT ID, Schnittstelle, Bereichsart, Beschreibung, SpaltenTrenner, ErsteZeile, "
    "UeberschriftZeile, Dateiname, SollHabenSpalte, MT940Format, DatevSelfFormat, DatevCSVFormat "
    "FROM Schnittstellen",
    "SELECT ID, Nummer, DateiSpalte, ImportSpalte, ImportSpaltenName, Groesse FROM "
    "SchnittstellenSpalten",
    "SELECT VonDatum, BisDatum, Ueberschrift, Hinweistext FROM HinweisMeldungen",
    "SELECT ID, Version, Datum, Aenderungsart, Kurzbeschreibung, Gesamtbeschreibung, Wichtig "
    "FROM Updateinfo",
};

class DefinitionsdateienTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;

    void anlegen(const QString& definition, const QString& name, Datenbank& db) {
        const QString datei = dir.datei(name);
        ASSERT_TRUE(StrukturAktualisieren(quelle(definition), datei));
        db.oeffnen(datei, false);
    }

    template <size_t N> void allePruefen(Datenbank& db, const char* const (&sql)[N]) {
        for (const char* s : sql) {
            try {
                Abfrage a(db, QString::fromUtf8(s));
            } catch (const DatenbankFehler& e) {
                ADD_FAILURE() << e.text().toStdString();
            }
        }
    }
};

TEST_F(DefinitionsdateienTest, DatenTragenAlleSpaltenDerOperationen) {
    Datenbank db;
    anlegen(QStringLiteral("mdbdfs/daten.mdbdf"), QStringLiteral("daten.mdb"), db);
    allePruefen(db, DatenSql);
}

TEST_F(DefinitionsdateienTest, BereichArchivLogUndStammTragenAlleSpalten) {
    const struct {
        const char* definition;
        const char* datei;
    } dateien[] = {{"mdbdfs/bereich.mdbdf", "bereich.mdb"},
                   {"mdbdfs/archiv.mdbdf", "archiv_77.mdb"},
                   {"mdbdfs/kmb_log.mdbdf", "kmb_log.mdb"},
                   {"data/kmb_stamm.mdbdf", "kmb_stamm.mdb"}};
    Datenbank db[4];
    for (int i = 0; i < 4; ++i)
        anlegen(QString::fromUtf8(dateien[i].definition), QString::fromUtf8(dateien[i].datei),
                db[i]);
    allePruefen(db[0], BereichSql);
    allePruefen(db[1], ArchivSql);
    allePruefen(db[2], LogSql);
    allePruefen(db[3], StammSql);
}

TEST_F(DefinitionsdateienTest, KopienVonBuchungszeilenDuerfenDieselbeIdTragen) {
    Datenbank db;
    anlegen(QStringLiteral("mdbdfs/daten.mdbdf"), QStringLiteral("daten.mdb"), db);
    db.ausfuehren(QStringLiteral("INSERT INTO Erfassungen (BuchungsID, Betrag) VALUES (0, 1234)"));
    const qint64 id = db.letzteId();
    for (int stand = 0; stand < 2; ++stand) {
        db.ausfuehren(QStringLiteral("INSERT INTO Erfassungen_Verlauf SELECT * FROM Erfassungen"));
        db.ausfuehren(
            QStringLiteral("INSERT INTO Erfassungen_geloescht (ID, Betrag) VALUES (?, 1)"), {id});
    }
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Erfassungen_Verlauf WHERE ID=?"),
                              {id}),
              2);
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT sum(Betrag) FROM Erfassungen_Verlauf")), 2468)
        << "amounts are whole cents";
}

TEST_F(DefinitionsdateienTest, GeldspaltenSindCentBetraege) {
    // Every column of these names holds money and must be Currency.
    const QStringList geld = {"Betrag",     "Saldo",      "Einnahmen",     "Ausgaben",
                              "Endsaldo",   "RechBetrag", "ZahlBetrag",    "Skonto",
                              "Zahlbetrag", "Summe",      "SummeBetraege", "mt940_Saldo",
                              "Suchbetrag", "Suchbetrag2"};
    for (const char* art : {"bereich", "daten", "archiv", "kmb_log"}) {
        tMDBDefinitions d;
        DefinitionsdateiLesen(quelle(QStringLiteral("mdbdfs/%1.mdbdf").arg(QString::fromUtf8(art))),
                              d);
        for (const tMDBTable& t : d.Tables)
            for (const tMDBField& f : t.Fields) {
                if (geld.contains(f.Name)) {
                    EXPECT_EQ(f.fType, Feldtyp::Currency)
                        << t.Name.toStdString() << "." << f.Name.toStdString();
                }
            }
    }
}

} // namespace
