#include "Einrichtung.h"

#include "Belegmaske.h"
#include "Belegnummer.h"
#include "BuchungSpeichern.h"
#include "Buchungsbereiche.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Dateien.h"
#include "Datenbank.h"
#include "Datum.h"
#include "Definitionsdatei.h"
#include "Einrichtungsfehler.h"
#include "Firmendaten.h"
#include "Konten.h"
#include "Kontenbereiche.h"
#include "Optionen.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Sitzung.h"
#include "Strukturaktualisierung.h"
#include "Text.h"
#include "Textschluessel.h"
#include "Uhr.h"
#include "Zentralregulierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace {

const QStringList Datenbankarten = {QStringLiteral("bereich"), QStringLiteral("daten"),
                                    QStringLiteral("archiv"), QStringLiteral("kmb_log")};

constexpr QFileDevice::Permissions NurGruppe = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::WriteGroup | QFileDevice::ExeGroup;

void verzeichnisAnlegen(const QString& pfad) {
    if (!VerzeichnisErstellen(pfad))
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" kann nicht angelegt werden.").arg(pfad));
    QFile::setPermissions(pfad, NurGruppe);
}

constexpr QFileDevice::Permissions DateiNurGruppe =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup;

void kopieren(const QString& quelle, const QString& ziel) {
    if (!DateiKopieren(quelle, ziel, false))
        throw Einrichtungsfehler(
            QStringLiteral("Die Datei \"%1\" kann nicht nach \"%2\" kopiert werden.")
                .arg(quelle, ziel));
    QFile::setPermissions(ziel, DateiNurGruppe);
}

void strukturAnlegen(const QString& datenverzeichnis, const QString& art, const QString& datei) {
    try {
        StrukturAktualisieren(DefinitionsDateiname(datenverzeichnis, art), datei);
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
}

void installationPruefen(const QString& datenverzeichnis) {
    if (!QFileInfo::exists(StammDateiname(datenverzeichnis)))
        throw Einrichtungsfehler(
            QStringLiteral("Im Verzeichnis \"%1\" ist keine KIVO-Installation.")
                .arg(datenverzeichnis));
}

void bereichPruefen(const QString& datenverzeichnis, const QString& bereich) {
    installationPruefen(datenverzeichnis);
    if (bereich.isEmpty() || !QFileInfo::exists(BereichDateiname(datenverzeichnis, bereich)))
        throw Einrichtungsfehler(QStringLiteral("Den Bereich \"%1\" gibt es nicht.").arg(bereich));
}

// Bereich and Betrieb folders are built under a hidden name and renamed into place, so the
// login never lists a half-built one. Whatever goes wrong, the hidden folder goes too.
void verdecktAufbauen(const QString& ziel, const QString& schonDa,
                      const std::function<void(const QDir& bau)>& aufbauen) {
    const QFileInfo info(ziel);
    const QString bau = info.dir().filePath(u'.' + info.fileName() + QStringLiteral(".neu"));
    QDir(bau).removeRecursively();
    verzeichnisAnlegen(bau);
    try {
        aufbauen(QDir(bau));
    } catch (const DatenbankFehler& e) {
        QDir(bau).removeRecursively();
        throw Einrichtungsfehler(e.text());
    } catch (const Einrichtungsfehler&) {
        QDir(bau).removeRecursively();
        throw;
    }
    if (!QDir().rename(bau, ziel)) {
        QDir(bau).removeRecursively();
        throw Einrichtungsfehler(schonDa);
    }
}

void namePruefen(const QString& was, const QString& name) {
    if (name.trimmed().isEmpty() || name != name.trimmed() || name.contains(u'/') ||
        name.contains(u'\\') || name == u".." || VerzeichnisAusgeblendet(name))
        throw Einrichtungsfehler(
            QStringLiteral("\"%1\" ist als Name für %2 nicht zulässig.").arg(name, was));
}

void laengePruefen(const tMDBDefinitions& definition, const QString& tabelle, const QString& feld,
                   const QString& wert, const QString& bezeichnung) {
    const tMDBField* f = FeldSuchen(definition, tabelle, feld);
    if (f && f->Size > 0 && wert.size() > f->Size)
        throw Einrichtungsfehler(QStringLiteral("%1 darf höchstens %2 Zeichen lang sein.")
                                     .arg(bezeichnung)
                                     .arg(f->Size));
}

tMDBDefinitions definitionLesen(const QString& datenverzeichnis, const QString& art) {
    tMDBDefinitions d;
    try {
        DefinitionsdateiLesen(DefinitionsDateiname(datenverzeichnis, art), d);
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
    return d;
}

} // namespace

void DatenverzeichnisAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis) {
    const QDir d(datenverzeichnis);
    if (d.exists() && !d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" ist nicht leer.").arg(datenverzeichnis));
    verzeichnisAnlegen(datenverzeichnis);
    if (!QFileInfo(datenverzeichnis).isWritable())
        throw Einrichtungsfehler(
            QStringLiteral("Das Verzeichnis \"%1\" ist nicht beschreibbar.").arg(datenverzeichnis));

    const QString stamm = QDir(programmverzeichnis).filePath(QStringLiteral("kmb_stamm.mdb"));
    if (!QFileInfo::exists(stamm))
        throw Einrichtungsfehler(QStringLiteral("Die Referenzdatenbank \"%1\" fehlt.").arg(stamm));
    for (const QString& art : Datenbankarten)
        kopieren(DefinitionsDateiname(programmverzeichnis, art),
                 DefinitionsDateiname(datenverzeichnis, art));
    QFile::setPermissions(
        QFileInfo(DefinitionsDateiname(datenverzeichnis, Datenbankarten[0])).path(), NurGruppe);
    kopieren(stamm, StammDateiname(datenverzeichnis));
    strukturAnlegen(datenverzeichnis, QStringLiteral("kmb_log"), LogDateiname(datenverzeichnis));

    QFile ini(OptionenIniDateiname(datenverzeichnis));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text) ||
        ini.write("[System]\nOnline=0\nKelmbrandMailVerschluesselung=0\n") < 0)
        throw Einrichtungsfehler(
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(ini.fileName()));
    ini.close();
    QFile::setPermissions(ini.fileName(), DateiNurGruppe);
    verzeichnisAnlegen(QDir(datenverzeichnis).filePath(QStringLiteral("daten")));
}

void BereichAnlegen(const QString& datenverzeichnis, const QString& bereich) {
    installationPruefen(datenverzeichnis);
    namePruefen(QStringLiteral("einen Bereich"), bereich);
    const QString ziel = BereichsVerzeichnis(datenverzeichnis, bereich);
    const QString schonDa = QStringLiteral("Den Bereich \"%1\" gibt es bereits.").arg(bereich);
    if (QFileInfo::exists(ziel))
        throw Einrichtungsfehler(schonDa);
    verdecktAufbauen(ziel, schonDa, [&](const QDir& bau) {
        strukturAnlegen(datenverzeichnis, QStringLiteral("bereich"),
                        bau.filePath(QStringLiteral("bereich.mdb")));
        strukturAnlegen(
            datenverzeichnis, QStringLiteral("archiv"),
            bau.filePath(QFileInfo(ArchivDateiname(datenverzeichnis, bereich, 77)).fileName()));
    });
}

void BetriebAnlegen(const QString& datenverzeichnis, const QString& bereich,
                    const Betriebsangaben& angaben) {
    bereichPruefen(datenverzeichnis, bereich);
    if (!NurZiffern(angaben.mnr) || angaben.mnr.toLongLong() <= 0)
        throw Einrichtungsfehler(
            QStringLiteral("Die Mandantennummer \"%1\" ist keine positive Zahl.").arg(angaben.mnr));
    const tMDBDefinitions definition = definitionLesen(datenverzeichnis, QStringLiteral("daten"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("MNr"), angaben.mnr,
                  QStringLiteral("Die Mandantennummer"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("Firmenname"),
                  angaben.firmenname, QStringLiteral("Der Firmenname"));
    laengePruefen(definition, QStringLiteral("Firmendaten"), QStringLiteral("Inhaber"),
                  angaben.inhaber, QStringLiteral("Der Inhaber"));
    if (angaben.firmenname.trimmed().isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Der Firmenname fehlt."));
    const QString ziel = BetriebsVerzeichnis(datenverzeichnis, bereich, angaben.mnr);
    const QString schonDa =
        QStringLiteral("Den Betrieb mit der Mandantennummer %1 gibt es bereits.").arg(angaben.mnr);
    if (QFileInfo::exists(ziel))
        throw Einrichtungsfehler(schonDa);

    verdecktAufbauen(ziel, schonDa, [&](const QDir& bau) {
        verzeichnisAnlegen(bau.filePath(
            QFileInfo(ImportVerzeichnis(datenverzeichnis, bereich, angaben.mnr)).fileName()));
        const QString datei = bau.filePath(
            QFileInfo(DatenDateiname(datenverzeichnis, bereich, angaben.mnr)).fileName());
        strukturAnlegen(datenverzeichnis, QStringLiteral("daten"), datei);
        const QDate beginn =
            angaben.erfassungsBeginn.isValid() ? angaben.erfassungsBeginn : Heute();
        Datenbank db;
        db.oeffnen(datei, false);
        db.ausfuehren(QStringLiteral("INSERT INTO Firmendaten (MNr, Firmenname, Inhaber, "
                                     "ErfassungsBeginn, WirtschaftsBeginn, Kontenplan) VALUES "
                                     "(?, ?, ?, ?, 1, 77)"),
                      {angaben.mnr, angaben.firmenname.trimmed(), angaben.inhaber.trimmed(),
                       QDate(beginn.year(), beginn.month(), 1)});
    });
}

qint64 BenutzerAnlegen(const QString& datenverzeichnis, const QString& bereich,
                       const Benutzerangaben& angaben) {
    bereichPruefen(datenverzeichnis, bereich);
    const QString name = angaben.name.trimmed();
    const QString kuerzel = angaben.kuerzel.trimmed();
    if (name.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Der Benutzername fehlt."));
    if (kuerzel.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Das Kürzel fehlt."));
    if (angaben.passwort.isEmpty())
        throw Einrichtungsfehler(QStringLiteral("Das Passwort darf nicht leer sein."));
    const tMDBDefinitions definition = definitionLesen(datenverzeichnis, QStringLiteral("bereich"));
    laengePruefen(definition, QStringLiteral("Benutzer"), QStringLiteral("BenutzerName"), name,
                  QStringLiteral("Der Benutzername"));
    laengePruefen(definition, QStringLiteral("Benutzer"), QStringLiteral("Kuerzel"), kuerzel,
                  QStringLiteral("Das Kürzel"));
    const QString hash = PasswortHashBilden(angaben.passwort);

    try {
        Datenbank db;
        db.oeffnen(BereichDateiname(datenverzeichnis, bereich), false);
        Transaktion t(db);
        if (db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE BenutzerName=?"), {name}))
            throw Einrichtungsfehler(
                QStringLiteral("Einen Benutzer \"%1\" gibt es bereits.").arg(name));
        if (db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE Kuerzel=?"), {kuerzel}))
            throw Einrichtungsfehler(
                QStringLiteral("Das Kürzel \"%1\" ist bereits vergeben.").arg(kuerzel));
        const bool erster = !db.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer"));
        db.ausfuehren(QStringLiteral("INSERT INTO Benutzer (BenutzerName, Kuerzel, Passwort, "
                                     "UserStatus, NurLesen, Aktiv) VALUES (?, ?, ?, ?, 0, 1)"),
                      {name, kuerzel, hash, erster ? 0 : int(angaben.art)});
        const qint64 id = db.letzteId();
        t.bestaetigen();
        return id;
    } catch (const DatenbankFehler& e) {
        throw Einrichtungsfehler(e.text());
    }
}

namespace {

tGeldkonto demoBereich(int art, qint64 konto, const QString& name, const QDate& anfang,
                       Betrag saldo) {
    tGeldkonto g;
    g.Bereichsart = art;
    g.Konto = konto;
    g.Bezeichnung = name;
    g.Aktiv = true;
    g.BelegMaske = QStringLiteral("ww_mm_");
    g.AnfangsMonat = anfang;
    g.AnfangsSaldo = saldo;
    return g;
}

tKontoDaten demoKonto(int art, const QString& name, const QString& ort,
                      const tBankverbindung& bank) {
    tKontoDaten k;
    k.KontoArt = art;
    k.Bezeichnung = name;
    k.Ort = ort;
    k.Bankverbindungen = {bank};
    k.ZV.StandardBank = 0;
    k.ZV.Bankeinzug = art == KontoArt::Kunde;
    k.ZV.NTage = 30;
    return k;
}

// Typical text keys of a pharmacy and Phoenix settling for Sanacorp and the public utility.
void DemoTextschluesselAnlegen(TDataModule1& dm, const QString& mnr) {
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const struct {
        const char16_t* name;
        const char16_t* text;
        qint64 konto;
        const char* seite;
        const char* steuer;
        std::vector<qint64> aufteilung;
    } schluessel[] = {
        {u"TAGESLOSUNG", u"Tageslosung", 0, "E", "0", {4400, 4300, 4100}},
        {u"GELDTRANSIT", u"Geldtransit zur Bank", 1460, "A", "0", {}},
        {u"MIETE", u"Miete Apothekenräume", 6310, "A", "0", {}},
        {u"TELEFON", u"Telefon und Internet", 6805, "A", "9", {}},
        {u"BUEROBEDARF", u"Bürobedarf", 6815, "A", "9", {}},
    };
    for (const auto& e : schluessel) {
        tTextschluessel ts;
        ts.TSName = QString::fromUtf16(e.name);
        ts.Buchungstext = QString::fromUtf16(e.text);
        ts.Konto = e.konto;
        ts.Buchungsseite = QString::fromLatin1(e.seite);
        ts.Steuer = QString::fromLatin1(e.steuer);
        ts.Aufteilungskonten = e.aufteilung;
        ts.ArchivAufteilungsKontenAusblenden = false;
        if (!TextschluesselSpeichern(archiv, mnr, ts, false, true))
            throw Einrichtungsfehler(
                QStringLiteral("Der Textschlüssel \"%1\" kann nicht angelegt werden.")
                    .arg(ts.TSName));
    }
    const auto konto = [&archiv](const char* textschluessel) {
        const auto ts = TextschluesselLesen(archiv, QString::fromLatin1(textschluessel));
        return ts ? ts->Konto : 0;
    };
    const qint64 phoenix = konto("PHOENIX");
    if (!ZentralreguliererNeu(dm, phoenix) ||
        !ZentralregulierungPartnerHinzufuegen(dm, phoenix, konto("SANACORP")) ||
        !ZentralregulierungPartnerHinzufuegen(dm, phoenix, konto("STADTWERKE")))
        throw Einrichtungsfehler(
            QStringLiteral("Die Zentralregulierung kann nicht angelegt werden."));
}

// A month of a pharmacy's bookings in the working month, typed as the entry mask would hand them
// to the booking check and save: cash receipts and payments, a split day's takings and a
// supplier invoice with payment terms. Days lie no later than today.
void DemoBuchungenAnlegen(TDataModule1& dm, const DemoZugang& zugang, qint64 benutzerId) {
    tSitzung& s = Sitzung();
    const QDate heute = Heute();
    s.Monat = heute.month();
    s.Jahr = heute.year();
    s.BenutzerID = benutzerId;
    s.Kuerzel = QStringLiteral("ADM");
    s.Firma = FirmendatenLaden(dm.ADOConnection_Daten, zugang.mnr);
    s.Kontenbereiche = KontenbereicheLaden(dm.ADOConnection_Stamm, 77);
    OptionenLaden(dm, s.Optionen);
    // Until a chart-of-accounts update fills it, the archive takes its ledger accounts from the
    // reference chart, so that the demo's bookings and its users find them.
    {
        Datenbank& archiv = dm.ADOConnection_Archiv;
        Transaktion t(archiv);
        Abfrage q(dm.ADOConnection_Stamm,
                  QStringLiteral("SELECT Kontonummer, KontobezeichnungFibu, Steuerschluessel, "
                                 "Steuerbereich FROM Sachkonten WHERE Kontenplan=?"),
                  {77});
        while (q.naechste())
            archiv.ausfuehren(QStringLiteral("INSERT OR IGNORE INTO Sachkonten (Konto, "
                                             "Bezeichnung, Steuer, Steuerbereich) VALUES (?, ?, "
                                             "?, ?)"),
                              {q.ganzzahl(0), q.text(1), q.text(2), q.text(3)});
        t.bestaetigen();
    }
    const tBereichsListe bereiche = BuchungsbereicheLaden(dm.ADOConnection_Daten, s.Monat, s.Jahr,
                                                          false, [](int) { return true; });
    const auto bereichMit = [&bereiche](qint64 konto) {
        for (const tBuchungsbereich& b : bereiche)
            if (b.Konto == konto)
                return b;
        throw Einrichtungsfehler(
            QStringLiteral("Der Erfassungsbereich zum Konto %1 fehlt.").arg(konto));
    };
    const auto speichern = [&](tMaskenZustand& m, const tBuchungsbereich& bereich, int tag) {
        m.BereichID = bereich.BereichID;
        m.Spalten[0] = DatumText(QDate(s.Jahr, s.Monat, std::min(tag, heute.day())));
        m.Spalten[2] = QString::number(bereich.Konto);
        // The automatic tax key of the ledger account, as the mask takes it over.
        const auto steuer = [&](qint64 konto, qint64 gkonto) {
            for (const qint64 k : {gkonto, konto})
                if (const auto sk = SachkontoLaden(dm.ADOConnection_Archiv, QString::number(k)))
                    return sk->Steuer;
            return QStringLiteral("0");
        };
        const qint64 gkonto = m.Spalten[3].toLongLong();
        m.Spalten[6] = steuer(bereich.Konto, gkonto);
        for (auto& z : m.Aufteilung)
            if (!z.Konto.isEmpty())
                z.Steuer = steuer(gkonto, z.Konto.toLongLong());
        m.Spalten[7] = BelegMaskeAufloesen(s.Jahr, s.Monat, 0, 0, bereich.BelegMaske,
                                           s.Firma.WirtschaftsBeginn);
        m.Spalten[8] =
            BelegnummerText(dm.ADOConnection_Daten, s.Jahr, s.Monat, bereich.BelegNrNeuBeginnen,
                            bereich.BelegNrVergabe, 0, m.Spalten[7], s.Firma.WirtschaftsBeginn);
        tBuchung b;
        if (!BuchungPruefenMaske(dm, m, b) || !AktuelleBuchungSpeichern(dm, b, m))
            throw Einrichtungsfehler(
                QStringLiteral("Die Buchung \"%1\" kann nicht gespeichert werden: %2")
                    .arg(m.Spalten[9], b.FehlerString));
    };
    const auto zeile = [](qint64 gkonto, const char* betrag, const char* seite,
                          const QString& text) {
        tMaskenZustand m;
        m.Spalten[3] = QString::number(gkonto);
        m.Spalten[4] = QString::fromLatin1(betrag);
        m.Spalten[5] = QString::fromLatin1(seite);
        m.Spalten[9] = text;
        return m;
    };
    const tBuchungsbereich kasse = bereichMit(1600);
    const struct {
        int tag;
        qint64 gkonto;
        const char* betrag;
        const char* seite;
        const char16_t* text;
    } kassenbuch[] = {
        {1, 4400, "1.285,40", "E", u"Tageslosung"},
        {2, 6800, "17,00", "A", u"Briefmarken"},
        {3, 4400, "1.102,75", "E", u"Tageslosung"},
        {4, 1460, "2.000,00", "A", u"Geldtransit zur Bank"},
        {5, 6815, "23,80", "A", u"Druckerpapier"},
        {8, 4300, "412,30", "E", u"Handverkauf 7 %"},
        {9, 6640, "38,50", "A", u"Bewirtung Lieferantenbesuch"},
        {10, 6330, "120,00", "A", u"Reinigung Offizin"},
        {11, 4400, "1.340,10", "E", u"Tageslosung"},
        {12, 1460, "1.500,00", "A", u"Geldtransit zur Bank"},
    };
    for (const auto& k : kassenbuch) {
        tMaskenZustand m = zeile(k.gkonto, k.betrag, k.seite, QString::fromUtf16(k.text));
        speichern(m, kasse, k.tag);
    }
    // The takings of one day split by VAT rate through the split clearing account.
    tMaskenZustand geteilt = zeile(1490, "980,00", "E", QStringLiteral("Tageslosung aufgeteilt"));
    geteilt.AufteilungAktiv = true;
    geteilt.Aufteilung = {
        {QStringLiteral("4400"), QStringLiteral("720,00"), {}, QStringLiteral("Tageslosung 19 %")},
        {QStringLiteral("4300"), QStringLiteral("260,00"), {}, QStringLiteral("Tageslosung 7 %")}};
    speichern(geteilt, kasse, 15);
    const auto lieferant = TextschluesselLesen(dm.ADOConnection_Archiv, QStringLiteral("PHOENIX"));
    if (!lieferant)
        throw Einrichtungsfehler(QStringLiteral("Der Lieferant Phoenix fehlt."));
    tMaskenZustand rechnung =
        zeile(lieferant->Konto, "2.380,00", "A", QStringLiteral("Phoenix Sammelrechnung"));
    rechnung.Rechnungsnummer =
        QStringLiteral("PH-") + QString::number(s.Jahr) + QStringLiteral("-0815");
    const tKontoZVDaten zv =
        KontoZVDatenLaden(dm.ADOConnection_Archiv, zugang.mnr, QString::number(lieferant->Konto));
    rechnung.Bankeinzug = zv.Bankeinzug;
    rechnung.Skontotage = 10;
    rechnung.SkontoSatz = 2;
    rechnung.SkontoBetrag = Betrag::ausCent(4760);
    rechnung.Nettotage = std::max(zv.NTage, 10);
    speichern(rechnung, bereichMit(5400), 6);
}

// The master data a demo user needs to start booking: a cash box, a bank account, a
// goods-received journal, suppliers and customers with bank connections. The master-data
// functions work on the session, so it is borrowed for the time and given back.
void DemoStammdatenAnlegen(const QString& datenverzeichnis, const DemoZugang& zugang,
                           qint64 benutzerId) {
    const tSitzung vorher = Sitzung();
    tSitzung& s = Sitzung();
    s = tSitzung();
    s.Datenverzeichnis = datenverzeichnis;
    s.Bereich = zugang.bereich;
    s.MNr = zugang.mnr;
    try {
        TDataModule1 dm(datenverzeichnis);
        dm.ADOConnection_DatenVerbinden(
            DatenDateiname(datenverzeichnis, zugang.bereich, zugang.mnr), false);
        dm.ADOConnection_ArchivVerbinden(ArchivDateiname(datenverzeichnis, zugang.bereich, 77),
                                         false, 77);
        const QDate anfang(Heute().year(), 1, 1);
        tGeldkonto kasse = demoBereich(Bereichsart::Kasse, 1600, QStringLiteral("Kasse"), anfang,
                                       Betrag::ausCent(50000));
        tGeldkonto bank = demoBereich(Bereichsart::Bank, 1800, QStringLiteral("Commerzbank"),
                                      anfang, Betrag::ausCent(1250000));
        bank.Zahlung = {QStringLiteral("DE89370400440532013000"),
                        QStringLiteral("COBADEFFXXX"),
                        QStringLiteral("37040044"),
                        QStringLiteral("532013000"),
                        {},
                        true};
        tGeldkonto wareneingang = demoBereich(Bereichsart::Wareneingang, 5400,
                                              QStringLiteral("Wareneingang"), anfang, Betrag());
        for (tGeldkonto* g : {&kasse, &bank, &wareneingang})
            if (!GeldkontoSpeichern(dm, *g, true))
                throw Einrichtungsfehler(QStringLiteral("Der Erfassungsbereich \"%1\" kann "
                                                        "nicht angelegt werden.")
                                             .arg(g->Bezeichnung));
        const tBankverbindung phoenix{QStringLiteral("DE02500105170137075030"),
                                      QStringLiteral("INGDDEFFXXX"),
                                      QStringLiteral("50010517"),
                                      QStringLiteral("137075030"),
                                      {},
                                      true};
        const tBankverbindung kunde{QStringLiteral("DE02120300000000202051"),
                                    QStringLiteral("BYLADEM1001"),
                                    QStringLiteral("12030000"),
                                    QStringLiteral("202051"),
                                    {},
                                    true};
        const struct {
            tKontoDaten konto;
            const char* textschluessel;
        } konten[] = {
            {demoKonto(KontoArt::Lieferant, QStringLiteral("Phoenix Pharmahandel"),
                       QStringLiteral("Mannheim"), phoenix),
             "PHOENIX"},
            {demoKonto(KontoArt::Lieferant, QStringLiteral("Sanacorp Pharmahandel"),
                       QStringLiteral("Planegg"), phoenix),
             "SANACORP"},
            {demoKonto(KontoArt::LieferantKosten, QStringLiteral("Stadtwerke"),
                       QStringLiteral("Musterstadt"), bank.Zahlung),
             "STADTWERKE"},
            {demoKonto(KontoArt::Kunde, QStringLiteral("Pflegeheim Sonnenhof"),
                       QStringLiteral("Musterstadt"), kunde),
             "SONNENHOF"},
            {demoKonto(KontoArt::Kunde, QStringLiteral("Arztpraxis Dr. Weber"),
                       QStringLiteral("Musterstadt"), kunde),
             "WEBER"},
        };
        for (const auto& eintrag : konten) {
            tKontoDaten k = eintrag.konto;
            if (k.KontoArt == KontoArt::Kunde)
                k.ZV.Mandatsreferenz = MandatsreferenzAusName(k.Bezeichnung);
            if (!KontoSpeichern(dm, k, QString::fromLatin1(eintrag.textschluessel)))
                throw Einrichtungsfehler(QStringLiteral("Das Konto \"%1\" kann nicht angelegt "
                                                        "werden.")
                                             .arg(k.Bezeichnung));
        }
        DemoTextschluesselAnlegen(dm, zugang.mnr);
        dm.ADOConnection_StammVerbinden();
        dm.ADOConnection_BereichVerbinden(BereichDateiname(datenverzeichnis, zugang.bereich),
                                          false);
        DemoBuchungenAnlegen(dm, zugang, benutzerId);
    } catch (const DatenbankFehler& e) {
        Sitzung() = vorher;
        throw Einrichtungsfehler(e.text());
    } catch (...) {
        Sitzung() = vorher;
        throw;
    }
    Sitzung() = vorher;
}

} // namespace

DemoZugang DemoAnlegen(const QString& programmverzeichnis, const QString& datenverzeichnis) {
    const DemoZugang zugang{QStringLiteral("Demo"), QStringLiteral("10001"),
                            QStringLiteral("Administrator"), QStringLiteral("demo")};
    DatenverzeichnisAnlegen(programmverzeichnis, datenverzeichnis);
    BereichAnlegen(datenverzeichnis, zugang.bereich);
    BetriebAnlegen(datenverzeichnis, zugang.bereich,
                   {zugang.mnr, QStringLiteral("Sonnen-Apotheke"),
                    QStringLiteral("Dr. Anna Berger"), QDate(Heute().year(), 1, 1)});
    const qint64 benutzerId = BenutzerAnlegen(
        datenverzeichnis, zugang.bereich,
        {zugang.benutzer, QStringLiteral("ADM"), zugang.passwort, Benutzerart::Administrator});
    DemoStammdatenAnlegen(datenverzeichnis, zugang, benutzerId);
    return zugang;
}
