#include "Textschluessel.h"

#include "AufteilungskontenListen.h"
#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "Datenbank.h"
#include "Konten.h"
#include "Kontenbereiche.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Names are compared as Jet compared them: without regard to case, umlauts included.
const QString NameGleich = QStringLiteral("TSName=? COLLATE DEUTSCH");

std::optional<qint64> idZumNamen(Datenbank& archiv, const QString& name) {
    return archiv.ganzzahlWert(
        QStringLiteral("SELECT ID FROM Textschluessel WHERE %1 ORDER BY ID LIMIT 1")
            .arg(NameGleich),
        {name});
}

bool dateiVerwendetTextschluessel(const QString& datei, const QString& name) {
    Datenbank db;
    db.oeffnen(datei, false);
    for (const char* t :
         {"Erfassungen", "Erfassungen_Dauer", "Erfassungen_DauerPool", "Erfassungen_Import"}) {
        const QString tabelle = QString::fromLatin1(t);
        if (db.tabelleVorhanden(tabelle) &&
            db.ganzzahlWert(
                QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1").arg(tabelle, NameGleich),
                {name}))
            return true;
    }
    return false;
}

struct tBereichsgrenze {
    qint64 von;
    qint64 bis;
};

std::vector<tBereichsgrenze> grenzenDerId(const std::vector<tKontenbereich>& bereiche, int id) {
    std::vector<tBereichsgrenze> g;
    for (const tKontenbereich& b : bereiche)
        if (b.ID == id)
            g.push_back({b.KontoVon, b.KontoBis});
    return g;
}

} // namespace

std::optional<tTextschluessel> TextschluesselLesen(Datenbank& archiv, const QString& name) {
    tTextschluessel ts;
    {
        Abfrage a(archiv,
                  QStringLiteral("SELECT * FROM Textschluessel WHERE %1 ORDER BY ID LIMIT 1")
                      .arg(NameGleich),
                  {name});
        if (!a.naechste())
            return std::nullopt;
        ts.ID = a.ganzzahl("ID");
        ts.TSName = a.text("TSName");
        ts.Buchungstext = a.text("Buchungstext");
        ts.Betrag = a.betrag("Betrag");
        ts.Buchungsseite = a.text("Buchungsseite");
        ts.Steuer = a.text("Steuer");
        ts.Konto = a.ganzzahl("Konto");
        ts.ArchivAufteilungsKontenAusblenden = a.wahr("ArchivAufteilungsKontenAusblenden", true);
        ts.ErstesAufteilungskontoHauptkonto = a.wahr("ErstesAufteilungskontoHauptkonto", true);
        ts.Oeffentlich = a.wahr("oeffentlich", true);
    }
    ts.Aufteilungskonten = AufteilungskontenTSLaden(archiv, ts.ID);
    return ts;
}

std::optional<tTextschluessel> TextschluesselHolen(Datenbank& archiv, const QString& mnr,
                                                   const QString& name) {
    std::optional<tTextschluessel> ts = TextschluesselLesen(archiv, name);
    if (!ts)
        return std::nullopt;
    ts->Buchungsseite = ts->Buchungsseite.left(1);
    if (ts->Buchungstext.isEmpty())
        if (const auto p = PersonenkontoLaden(archiv, mnr, ts->Konto))
            ts->Buchungstext = p->Bezeichnung;
    return ts;
}

bool TextschluesselNameVergeben(Datenbank& archiv, const QString& name, qint64 id) {
    return archiv
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Textschluessel WHERE %1 AND ID<>? LIMIT 1")
                          .arg(NameGleich),
                      {name, id})
        .has_value();
}

bool TSNameZeichenErlaubt(const QString& name) {
    for (const QChar c : TSNameVerboteneZeichen)
        if (name.contains(c))
            return false;
    return true;
}

bool TextschluesselSpeichern(Datenbank& archiv, const QString& mnr, tTextschluessel& ts,
                             bool ueberschreiben, bool mitAufteilungskonten) {
    // The name check and the write share one write transaction, so two workstations cannot
    // both take a free name.
    Transaktion t(archiv);
    std::optional<qint64> id;
    QString besitzer;
    {
        Abfrage a = ts.ID < 0
                        ? Abfrage(archiv,
                                  QStringLiteral("SELECT ID, AngelegtVonMNr FROM "
                                                 "Textschluessel WHERE %1 ORDER BY ID LIMIT 1")
                                      .arg(NameGleich),
                                  {ts.TSName})
                        : Abfrage(archiv,
                                  QStringLiteral("SELECT ID, AngelegtVonMNr FROM "
                                                 "Textschluessel WHERE ID=?"),
                                  {ts.ID});
        if (a.naechste()) {
            id = a.ganzzahl(0);
            besitzer = a.text(1);
        }
    }
    if (id && !ueberschreiben)
        return false;
    if (TextschluesselNameVergeben(archiv, ts.TSName, id.value_or(-1)))
        return false;
    // Editing never moves a key to the editing business: it would vanish from its owner.
    if (besitzer.isEmpty())
        besitzer = mnr;
    const std::initializer_list<Wert> werte = {ts.TSName,
                                               ts.Buchungstext,
                                               ts.Betrag,
                                               ts.Buchungsseite,
                                               ts.Steuer,
                                               ts.Konto,
                                               ts.Oeffentlich,
                                               ts.ArchivAufteilungsKontenAusblenden,
                                               ts.ErstesAufteilungskontoHauptkonto,
                                               besitzer};
    if (id) {
        Abfrage a(archiv,
                  QStringLiteral("UPDATE Textschluessel SET TSName=?, Buchungstext=?, "
                                 "Betrag=?, Buchungsseite=?, Steuer=?, Konto=?, "
                                 "oeffentlich=?, ArchivAufteilungsKontenAusblenden=?, "
                                 "ErstesAufteilungskontoHauptkonto=?, AngelegtVonMNr=?, "
                                 "geaendert=0 WHERE ID=?"),
                  werte);
        a.binden(11, *id);
        a.ausfuehren();
    } else {
        archiv.ausfuehren(
            QStringLiteral("INSERT INTO Textschluessel (TSName, Buchungstext, Betrag, "
                           "Buchungsseite, Steuer, Konto, oeffentlich, "
                           "ArchivAufteilungsKontenAusblenden, ErstesAufteilungskontoHauptkonto, "
                           "AngelegtVonMNr, geaendert, Verwendet) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, 0, 0)"),
            werte);
        id = archiv.letzteId();
    }
    if (mitAufteilungskonten)
        AufteilungskontenTSSpeichern(archiv, *id, ts.Aufteilungskonten);
    t.bestaetigen();
    ts.ID = *id;
    return true;
}

QStringList TextschluesselVerwendetInBetrieben(TDataModule1& dm, const QString& name) {
    const tSitzung& s = Sitzung();
    QStringList betriebe;
    if (const auto id = idZumNamen(dm.ADOConnection_Archiv, name)) {
        Abfrage a(dm.ADOConnection_Archiv,
                  QStringLiteral("SELECT DISTINCT AngelegtVonMNr FROM LernEintraege WHERE TSID=?"),
                  {*id});
        while (a.naechste())
            betriebe << a.text(0);
    }
    const QDir bereich(BereichsVerzeichnis(s.Datenverzeichnis, s.Bereich));
    for (const QString& o : bereich.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString datei = DatenDateiname(s.Datenverzeichnis, s.Bereich, o);
        if (o.startsWith(QLatin1Char('.')) || betriebe.contains(o) || !QFileInfo::exists(datei))
            continue;
        try {
            if (dateiVerwendetTextschluessel(datei, name))
                betriebe << o;
        } catch (const DatenbankFehler&) {
            // A file that cannot be read may use the key: never count it as unused.
            betriebe << o;
        }
    }
    return betriebe;
}

QString TextschluesselBeschraenkenPruefen(TDataModule1& dm, qint64 id, bool oeffentlich) {
    if (oeffentlich || id < 0)
        return {};
    Abfrage a(dm.ADOConnection_Archiv,
              QStringLiteral("SELECT oeffentlich, AngelegtVonMNr, TSName FROM Textschluessel "
                             "WHERE ID=?"),
              {id});
    if (!a.naechste() || !a.wahr(0, true))
        return {};
    const QString besitzer = a.text(1).isEmpty() ? Sitzung().MNr : a.text(1);
    for (const QString& betrieb : TextschluesselVerwendetInBetrieben(dm, a.text(2)))
        if (betrieb != besitzer)
            return QStringLiteral("Dieser Textschlüssel kann nicht auf einen Betrieb beschränkt "
                                  "werden, da er in anderen Betrieben verwendet wird!");
    return {};
}

bool TextschluesselLoeschen(Datenbank& archiv, const QString& name) {
    const qint64 id = idZumNamen(archiv, name).value_or(-1);
    const qint64 lerneintraege =
        AnzahlDatensaetze(archiv, QStringLiteral("SELECT 1 FROM LernEintraege WHERE TSID=?"), {id});
    QString frage =
        QStringLiteral("Sind Sie sicher, dass Sie den Textschlüssel \"%1\" löschen möchten?")
            .arg(name);
    if (lerneintraege > 0)
        frage += QStringLiteral("\r\r(Achtung: Es wurden Lerneinträge gefunden, die auf\rden "
                                "Textschlüssel \"%1\" verweisen. Diese werden auch gelöscht!)")
                     .arg(name);
    if (Benutzer().frage(Meldungsart::Warnung, frage, Knoepfe::JaNein) != Antwort::Ja)
        return false;
    Transaktion t(archiv);
    archiv.ausfuehren(QStringLiteral("DELETE FROM Textschluessel WHERE ID=?"), {id});
    archiv.ausfuehren(QStringLiteral("DELETE FROM LernEintraege WHERE TSID=?"), {id});
    archiv.ausfuehren(QStringLiteral("DELETE FROM AufteilungskontenTextschluessel WHERE TSID=?"),
                      {id});
    t.bestaetigen();
    return true;
}

void TextschluesselVerwendet(Datenbank& archiv, const QString& name) {
    archiv.ausfuehren(
        QStringLiteral("UPDATE Textschluessel SET Verwendet=1 WHERE %1").arg(NameGleich), {name});
}

QString KontoBezeichnung(Datenbank& archiv, const QString& mnr, qint64 konto) {
    if (const auto s = SachkontoLaden(archiv, QString::number(konto)))
        return s->Bezeichnung;
    if (const auto p = PersonenkontoLaden(archiv, mnr, konto))
        return p->Bezeichnung;
    return {};
}

qint64 AufteilungsVerrechnungskonto(Datenbank& stamm, int kontenplan, int bereichsart) {
    return stamm
        .ganzzahlWert(QStringLiteral("SELECT Aufteilungskonto FROM AufteilungsVerrechnungskonten "
                                     "WHERE Kontenplan=? AND Bereichsart=?"),
                      {kontenplan, bereichsart})
        .value_or(0);
}

QStringList SteuerschluesselEintraege(Datenbank& stamm, int kontenplan, const QDate& stichtag) {
    QStringList eintraege{QStringLiteral("0")};
    Abfrage a(stamm,
              QStringLiteral("SELECT Steuer, Bezeichnung FROM Steuerschluessel WHERE Kontenplan=? "
                             "AND GueltigVon<=? AND GueltigBis>=? ORDER BY CAST(Steuer AS "
                             "INTEGER), Steuer"),
              {kontenplan, stichtag, stichtag});
    while (a.naechste())
        eintraege << a.text(0).trimmed() + QLatin1Char(' ') + a.text(1);
    return eintraege;
}

int TSKlasseFuerBereichsart(int bereichsart, bool aufteilungAktiv) {
    if (aufteilungAktiv)
        return TSKlasse::Sachkonten;
    switch (bereichsart) {
    case Bereichsart::Wareneingang:
        return TSKlasse::Lieferanten;
    case Bereichsart::Rechnungsausgang:
        return TSKlasse::Kunden;
    case Bereichsart::Kosten:
        return TSKlasse::LieferantenKosten;
    default:
        return TSKlasse::Alle;
    }
}

std::vector<tTextschluesselZeile> TextschluesselListe(Datenbank& archiv, const QString& mnr,
                                                      const std::vector<tKontenbereich>& bereiche,
                                                      const tTextschluesselFilter& filter) {
    // Only the row of a person account the business sees gives a key its name, its own row
    // first, so a key is listed once and never shows another business's private name.
    const QString personenName = QStringLiteral(
        "(SELECT P.Bezeichnung FROM %1 P WHERE P.Konto=T.Konto AND (P.Oeffentlich=1 OR "
        "P.AngelegtVonMNr=?) ORDER BY (P.AngelegtVonMNr=?) DESC, P.ID LIMIT 1)");
    QString sql =
        QStringLiteral("SELECT * FROM (SELECT GROSS(substr(T.TSName, 1, 1)) AS TSNameGruppe, "
                       "T.TSName, T.oeffentlich, T.Buchungstext AS TSBuchungstext, "
                       "T.AngelegtVonMNr, %1 AS LieferantenBezeichnung, %2 AS KundenBezeichnung, "
                       "T.Betrag, T.Buchungsseite, T.Steuer, T.Konto, T.Konto2, T.Verwendet "
                       "FROM Textschluessel T) WHERE ")
            .arg(personenName.arg(QStringLiteral("Lieferanten")),
                 personenName.arg(QStringLiteral("Kunden")));
    std::vector<Wert> werte = {mnr, mnr, mnr, mnr};

    if (!filter.Suchtext.isEmpty()) {
        // instr instead of LIKE: "%" and "_" in the search text stay ordinary characters.
        const QString bedingung = filter.Suchmodus == 1 ? QStringLiteral("instr(%1, GROSS(?))=1")
                                                        : QStringLiteral("instr(%1, GROSS(?))>0");
        QStringList teile;
        for (const char* feld : {"GROSS(TSBuchungstext)", "GROSS(TSName)", "CAST(Konto AS TEXT)",
                                 "GROSS(LieferantenBezeichnung)", "GROSS(KundenBezeichnung)"}) {
            teile << bedingung.arg(QString::fromLatin1(feld));
            werte.emplace_back(filter.Suchtext);
        }
        sql += QStringLiteral("(") + teile.join(QStringLiteral(" OR ")) + QStringLiteral(") AND ");
    }
    if (filter.NurVerwendete)
        sql += QStringLiteral("Verwendet=1 AND ");
    sql += QStringLiteral("(oeffentlich=1 OR AngelegtVonMNr=? OR AngelegtVonMNr IS NULL)");
    werte.emplace_back(mnr);

    // A key without account belongs to no range, so the rights never hide it.
    const auto bereichAusschliessen = [&](int id) {
        for (const tBereichsgrenze& g : grenzenDerId(bereiche, id)) {
            sql += QStringLiteral(" AND (Konto IS NULL OR Konto NOT BETWEEN ? AND ?)");
            werte.emplace_back(g.von);
            werte.emplace_back(g.bis);
        }
    };
    if (!filter.Privatkonten)
        bereichAusschliessen(Kontenbereich::Privat);
    if (!filter.Personalkonten)
        bereichAusschliessen(Kontenbereich::Personal);

    const auto zwischen = [&](qint64 von, qint64 bis) {
        sql += QStringLiteral(" AND (Konto BETWEEN ? AND ?)");
        werte.emplace_back(von);
        werte.emplace_back(bis);
    };
    switch (filter.Listenfilter) {
    case 1:
        zwischen(90000, 99999);
        break;
    case 2:
        zwischen(80000, 89999);
        break;
    case 3:
        zwischen(10000, 69999);
        break;
    case 4:
        sql += QStringLiteral(" AND (Konto<10000 OR Konto IS NULL)");
        break;
    case 5:
        sql += QStringLiteral(" AND (Konto=0 OR Konto IS NULL)");
        break;
    default:
        break;
    }
    switch (filter.Klasse) {
    case TSKlasse::Lieferanten:
        zwischen(90000, 99999);
        break;
    case TSKlasse::Kunden:
        zwischen(10000, 69999);
        break;
    case TSKlasse::LieferantenKosten:
        zwischen(80000, 89999);
        break;
    case TSKlasse::Sachkonten: {
        const tKontenGrenzen g = KontenbereichGrenzen(bereiche, Kontenbereich::Sachkonten);
        zwischen(g.KontoVon, g.KontoBis);
        break;
    }
    default:
        break;
    }
    if (filter.Konto != 0) {
        sql += QStringLiteral(" AND Konto=?");
        werte.emplace_back(filter.Konto);
    }
    sql += QStringLiteral(" ORDER BY TSName COLLATE DEUTSCH");

    Abfrage a(archiv, sql);
    for (size_t i = 0; i < werte.size(); ++i)
        a.binden(int(i) + 1, werte[i]);
    std::vector<tTextschluesselZeile> zeilen;
    while (a.naechste()) {
        tTextschluesselZeile z;
        z.Gruppe = a.text("TSNameGruppe");
        z.TSName = a.text("TSName");
        z.Oeffentlich = a.wahr("oeffentlich");
        z.TSBuchungstext = a.text("TSBuchungstext");
        z.AngelegtVonMNr = a.text("AngelegtVonMNr");
        z.LieferantenBezeichnung = a.text("LieferantenBezeichnung");
        z.KundenBezeichnung = a.text("KundenBezeichnung");
        z.Betrag = a.betrag("Betrag");
        z.Buchungsseite = a.text("Buchungsseite");
        z.Steuer = a.text("Steuer");
        z.Konto = a.ganzzahl("Konto");
        z.Konto2 = a.ganzzahl("Konto2");
        z.Verwendet = a.wahr("Verwendet");
        z.Buchungstext2 = z.TSBuchungstext.isEmpty()
                              ? z.LieferantenBezeichnung + z.KundenBezeichnung
                              : z.TSBuchungstext;
        zeilen.push_back(z);
    }
    return zeilen;
}
