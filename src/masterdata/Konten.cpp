#include "Konten.h"

#include "DataModule.h"
#include "Datenbank.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Text.h"
#include "Textschluessel.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Buchstabenblock {
    const char* anfang;
    qint64 erstesKonto;
};

// Ordered as the letters run; matched from the end, so SCH and ST come before S.
constexpr Buchstabenblock Buchstabentabelle[] = {
    {"A", 20100}, {"B", 20200},   {"C", 20300},  {"D", 20400}, {"E", 20500}, {"F", 20600},
    {"G", 20700}, {"H", 20800},   {"I", 20900},  {"J", 21000}, {"K", 21100}, {"L", 21200},
    {"M", 21300}, {"N", 21400},   {"O", 21500},  {"P", 21600}, {"Q", 21700}, {"R", 21800},
    {"S", 21900}, {"SCH", 22000}, {"ST", 22100}, {"T", 22200}, {"U", 22300}, {"V", 22400},
    {"W", 22500}, {"X", 22600},   {"Y", 22700},  {"Z", 22800}};
constexpr qint64 BuchstabentabelleEnde = 22900;

const QString Mandatszeichen =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz()+,-./:?");

qint64 ersteFreieNummer(Datenbank& archiv, const QString& tabelle, qint64 von, qint64 bis) {
    Abfrage a(archiv,
              QStringLiteral("SELECT DISTINCT Konto FROM %1 WHERE Konto BETWEEN ? AND ? "
                             "ORDER BY Konto")
                  .arg(tabelle),
              {von, bis});
    qint64 kandidat = von;
    while (a.naechste() && a.ganzzahl(0) == kandidat)
        ++kandidat;
    return kandidat <= bis ? kandidat : 0;
}

QString sichtbarkeitsBedingung() {
    return QStringLiteral("(Oeffentlich=1 OR AngelegtVonMNr=?)");
}

tBankverbindung bankverbindungAusZeile(const Abfrage& a) {
    return {a.text("IBAN").trimmed(),
            a.text("BIC").trimmed(),
            a.text("Bankleitzahl").trimmed(),
            a.text("Kontonummer").trimmed(),
            a.text("AbweichenderKontoinhaber").trimmed(),
            a.wahr("Geprueft")};
}

void zeilenAnhaengen(Datenbank& archiv, const QString& tabelle, const QString& muster,
                     qint64 merkKonto, QStringList& zeilen, bool& voll) {
    Abfrage a(archiv,
              QStringLiteral("SELECT Konto, Bezeichnung FROM %1 WHERE GROSS(Bezeichnung) LIKE "
                             "GROSS(?) ESCAPE '\\' AND Konto<>? ORDER BY Bezeichnung, Konto")
                  .arg(tabelle),
              {muster, merkKonto});
    while (!voll && a.naechste()) {
        zeilen << QString::number(a.ganzzahl(0)) + QLatin1Char(' ') + a.text(1);
        voll = zeilen.size() >= 10;
    }
}

const QStringList& Verwendungstabellen() {
    static const QStringList t = {
        QStringLiteral("Erfassungen"), QStringLiteral("Erfassungen_Import"),
        QStringLiteral("Erfassungen_Dauer"), QStringLiteral("Erfassungen_DauerPool")};
    return t;
}

bool dateiVerwendetKonto(const QString& datei, qint64 konto) {
    Datenbank db;
    db.oeffnen(datei, false);
    for (const QString& t : Verwendungstabellen())
        if (db.ganzzahlWert(
                QStringLiteral("SELECT 1 FROM %1 WHERE Konto=? OR GKonto=? LIMIT 1").arg(t),
                {konto, konto}))
            return true;
    return db
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM OffenePosten WHERE Konto=? LIMIT 1"), {konto})
        .has_value();
}

QString firmennameIn(const QString& datei, const QString& ordner) {
    Datenbank db;
    db.oeffnen(datei, false);
    Abfrage a(db,
              QStringLiteral("SELECT Firmenname FROM Firmendaten WHERE MNr=? "
                             "UNION ALL SELECT Firmenname FROM Firmendaten LIMIT 1"),
              {ordner});
    return a.naechste() ? a.text(0) : QString();
}

// The row of an account this business sees; its own row wins over a shared one. Binds the
// account, then the MNr twice.
QString sichtbareKontozeile(const QString& tabelle) {
    return QStringLiteral("SELECT * FROM %1 WHERE Konto=? AND %2 "
                          "ORDER BY (AngelegtVonMNr=?) DESC, ID LIMIT 1")
        .arg(tabelle, sichtbarkeitsBedingung());
}

} // namespace

int KontoArtErmitteln(qint64 konto) {
    if (konto >= 90000 && konto <= 99999)
        return KontoArt::Lieferant;
    if (konto >= 10000 && konto <= 69999)
        return KontoArt::Kunde;
    if (konto >= 80000 && konto <= 89999)
        return KontoArt::LieferantKosten;
    return -1;
}

QString KontoTabelle(int kontoArt) {
    if (kontoArt == KontoArt::Lieferant || kontoArt == KontoArt::LieferantKosten)
        return QStringLiteral("Lieferanten");
    if (kontoArt == KontoArt::Kunde)
        return QStringLiteral("Kunden");
    return {};
}

tKontenGrenzen KontoArtGrenzen(int kontoArt) {
    switch (kontoArt) {
    case KontoArt::Lieferant:
        return {90000, 99999};
    case KontoArt::Kunde:
        return {10000, 69999};
    case KontoArt::LieferantKosten:
        return {80000, 89999};
    default:
        return {};
    }
}

bool IstPersonenkonto(qint64 konto) {
    return KontoArtErmitteln(konto) >= 0;
}

std::optional<tPersonenkonto> PersonenkontoLaden(Datenbank& archiv, const QString& mnr,
                                                 qint64 konto) {
    const QString tabelle = KontoTabelle(KontoArtErmitteln(konto));
    if (tabelle.isEmpty())
        return std::nullopt;
    Abfrage a(archiv, sichtbareKontozeile(tabelle), {konto, mnr, mnr});
    if (!a.naechste())
        return std::nullopt;
    return tPersonenkonto{konto,
                          a.text("Bezeichnung"),
                          a.text("Nachname"),
                          a.text("Strasse"),
                          a.text("PLZ"),
                          a.text("Ort"),
                          a.wahr("ZusatztextPopup", true),
                          a.text("Zusatztext")};
}

std::optional<tSachkonto> SachkontoLaden(Datenbank& archiv, const QString& konto) {
    const QString t = konto.trimmed();
    if (!IstGanzzahl(t))
        return std::nullopt;
    Abfrage a(archiv, QStringLiteral("SELECT * FROM Sachkonten WHERE Konto=?"), {t.toLongLong()});
    if (!a.naechste())
        return std::nullopt;
    tSachkonto s{a.ganzzahl("Konto"), a.text("Bezeichnung"), a.text("Steuer"),
                 a.text("Steuerbereich")};
    if (s.Steuerbereich.isEmpty())
        s.Steuerbereich = QStringLiteral("kb");
    return s;
}

bool KontoVorhanden(Datenbank& archiv, const QString& mnr, qint64 konto) {
    return SachkontoLaden(archiv, QString::number(konto)) || PersonenkontoLaden(archiv, mnr, konto);
}

tKontoZVDaten KontoZVDatenLaden(Datenbank& archiv, const QString& mnr, const QString& konto) {
    tKontoZVDaten z;
    const QString t = konto.trimmed();
    const qint64 nummer = IstGanzzahl(t) ? t.toLongLong() : 0;
    z.Bankeinzug = nummer >= 80000 && nummer <= 99999;
    Abfrage a(archiv,
              QStringLiteral("SELECT * FROM KontoZVDaten WHERE Konto=? AND MNr=? ORDER BY ID "
                             "LIMIT 1"),
              {nummer, mnr});
    if (!a.naechste())
        return z;
    z.Zahlbank = int(a.ganzzahl("ZVBank"));
    z.StandardBank = int(a.ganzzahl("StandardBankVerbindung", -1));
    z.NTage = int(a.ganzzahl("NettoTage"));
    z.STage = int(a.ganzzahl("SkontoTage"));
    z.SSatz = a.zahl("SkontoSatz");
    z.Bankeinzug = a.wahr("Bankeinzug");
    z.Kundennummer = a.text("Kundennummer");
    z.OPOS = a.wahr("OPOS", true);
    z.Gefunden = true;
    z.Mandatsreferenz = a.text("Mandatsreferenz");
    z.MandatsunterschriftDatum = a.datum("MandatsunterschriftDatum");
    z.NettofaelligkeitMonatsende = a.wahr("NettoFaelligkeitMonatsende");
    return z;
}

tKontenGrenzen KundenNummernblock(const QString& name) {
    const QString n = GrossSchreiben(name.trimmed());
    if (n.isEmpty())
        return {10000, 69999};
    constexpr int anzahl = int(std::size(Buchstabentabelle));
    for (int i = anzahl - 1; i >= 0; --i) {
        if (n.startsWith(QLatin1String(Buchstabentabelle[i].anfang))) {
            const qint64 ende =
                i + 1 < anzahl ? Buchstabentabelle[i + 1].erstesKonto : BuchstabentabelleEnde;
            return {Buchstabentabelle[i].erstesKonto, ende - 1};
        }
    }
    return {29000, 69999};
}

qint64 NaechsteFreieKontonummer(Datenbank& archiv, int kontoArt, const QString& name) {
    const QString tabelle = KontoTabelle(kontoArt);
    tKontenGrenzen bereich;
    if (kontoArt == KontoArt::Lieferant)
        bereich = {94000, 99999};
    else if (kontoArt == KontoArt::LieferantKosten)
        bereich = {89000, 89999};
    else if (kontoArt == KontoArt::Kunde)
        bereich = KundenNummernblock(name);
    else
        return 0;
    qint64 nummer = ersteFreieNummer(archiv, tabelle, bereich.KontoVon, bereich.KontoBis);
    if (nummer == 0 && kontoArt == KontoArt::Kunde)
        nummer = ersteFreieNummer(archiv, tabelle, 23000, 69999);
    return nummer;
}

tAehnlicheKonten BezeichnungsPruefung(Datenbank& archiv, int kontoArt, const QString& name,
                                      qint64 merkKonto) {
    const QString n = name.trimmed();
    const QString tabelle = KontoTabelle(kontoArt);
    if (n.isEmpty() || tabelle.isEmpty())
        return {};
    QStringList zeilen;
    bool voll = false;
    zeilenAnhaengen(archiv, tabelle, LikeLiteral(n) + QLatin1Char('%'), merkKonto, zeilen, voll);
    tAehnlicheKonten ergebnis;
    if (zeilen.isEmpty()) {
        static const QStringList ohne = {QStringLiteral("GMBH"), QStringLiteral("PHARMA"),
                                         QStringLiteral("DEUTSCHLAND"),
                                         QStringLiteral("ARZNEIMITTEL")};
        for (const QString& wort : n.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (voll)
                break;
            if (wort.size() >= 4 && !ohne.contains(GrossSchreiben(wort)))
                zeilenAnhaengen(archiv, tabelle,
                                QLatin1Char('%') + LikeLiteral(wort) + QLatin1Char('%'), merkKonto,
                                zeilen, voll);
        }
        zeilen.removeDuplicates();
        ergebnis.Symbol = zeilen.isEmpty() ? 2 : 1;
    }
    if (!zeilen.isEmpty()) {
        if (voll)
            zeilen << QStringLiteral("...");
        ergebnis.Hinweis = QStringLiteral("Ähnliche Konten:\r") + zeilen.join(QLatin1Char('\r'));
    }
    return ergebnis;
}

QString PersonenName(const QString& nachname, const QString& titel, const QString& vorname) {
    QString name = (nachname + QLatin1Char(' ') + titel);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (!vorname.trimmed().isEmpty())
        name += QStringLiteral(", ") + vorname;
    return name;
}

QString MandatsreferenzAusName(const QString& name) {
    QString t = name;
    const std::pair<const char16_t*, const char*> umlaute[] = {
        {u"Ä", "Ae"}, {u"Ö", "Oe"}, {u"Ü", "Ue"}, {u"ä", "ae"},
        {u"ö", "oe"}, {u"ü", "ue"}, {u"ß", "ss"}};
    for (const auto& [u, ersatz] : umlaute)
        t.replace(QString::fromUtf16(u), QLatin1String(ersatz));
    QString ergebnis;
    for (QChar c : t)
        if (Mandatszeichen.contains(c))
            ergebnis += c;
    return ergebnis.left(35);
}

bool MandatsreferenzGueltig(const QString& referenz) {
    if (referenz.size() > 35)
        return false;
    for (QChar c : referenz)
        if (!Mandatszeichen.contains(c))
            return false;
    return true;
}

std::optional<tKontoDaten> KontoDatenLaden(Datenbank& archiv, const QString& mnr, int kontoArt,
                                           qint64 konto) {
    const QString tabelle = KontoTabelle(kontoArt);
    if (tabelle.isEmpty())
        return std::nullopt;
    Abfrage a(archiv, sichtbareKontozeile(tabelle), {konto, mnr, mnr});
    if (!a.naechste())
        return std::nullopt;
    tKontoDaten k;
    k.ID = a.ganzzahl("ID");
    k.Konto = konto;
    k.KontoArt = kontoArt;
    k.Bezeichnung = a.text("Bezeichnung");
    k.Titel = a.text("Titel");
    k.Nachname = a.text("Nachname");
    k.Vorname = a.text("Vorname");
    k.Bezeichnung2 = a.text("Bezeichnung2");
    k.Bezeichnung3 = a.text("Bezeichnung3");
    k.Strasse = a.text("Strasse");
    k.PLZ = a.text("PLZ");
    k.Ort = a.text("Ort");
    k.Postfach = a.text("Postfach");
    k.Telefonnummer = a.text("Telefonnummer");
    k.Faxnummer = a.text("Faxnummer");
    k.eMailAdresse = a.text("eMailAdresse");
    k.ZusatztextPopup = a.wahr("ZusatztextPopup");
    k.Zusatztext = a.text("Zusatztext");
    k.Oeffentlich = a.wahr("Oeffentlich", true);
    k.AngelegtVonMNr = a.text("AngelegtVonMNr");
    k.ZV = KontoZVDatenLaden(archiv, mnr, QString::number(konto));
    for (bool eigene : {true, false}) {
        Abfrage b(archiv,
                  eigene ? QStringLiteral("SELECT * FROM KontoBankverbindungen WHERE Konto=? "
                                          "AND MNr=? ORDER BY ID")
                         : QStringLiteral("SELECT * FROM KontoBankverbindungen WHERE Konto=? "
                                          "AND MNr=(SELECT MNr FROM KontoBankverbindungen "
                                          "WHERE Konto=? ORDER BY MNr LIMIT 1) ORDER BY ID"),
                  {konto, eigene ? Wert(mnr) : Wert(konto)});
        while (b.naechste())
            k.Bankverbindungen.push_back(bankverbindungAusZeile(b));
        if (!k.Bankverbindungen.empty())
            break;
    }
    return k;
}

QString FilialuebergreifendPruefen(TDataModule1& dm, const tKontoDaten& k) {
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const QString mnr = Sitzung().MNr;
    const QString tabelle = KontoTabelle(k.KontoArt);
    if (k.ID >= 0) {
        const bool warGeteilt =
            archiv
                .ganzzahlWert(QStringLiteral("SELECT Oeffentlich FROM %1 WHERE ID=?").arg(tabelle),
                              {k.ID})
                .value_or(0) != 0;
        // Un-sharing would hide the account from the businesses that book on it.
        if (warGeteilt && !k.Oeffentlich) {
            const QStringList andere = KontoVerwendetInBetrieben(dm, k.Konto, QString());
            for (const QString& zeile : andere)
                if (zeile.section(QLatin1Char(' '), 0, 0) != mnr)
                    return QStringLiteral("Dieses Konto kann nicht auf diesen Betrieb beschränkt "
                                          "werden, da es in anderen Betrieben verwendet wird!");
        }
    }
    if (k.KontoArt != KontoArt::Kunde)
        return {};
    if (k.ID >= 0) {
        if (k.Oeffentlich &&
            archiv.ganzzahlWert(
                QStringLiteral("SELECT 1 FROM Kunden WHERE Konto=? AND ID<>? LIMIT 1"),
                {k.Konto, k.ID}))
            return QStringLiteral("Dieses Konto kann nicht filialübergreifend geschlüsselt "
                                  "werden, da dieses Konto bereits in anderen Filialen vorhanden "
                                  "ist!");
        return {};
    }
    if (!k.Oeffentlich) {
        if (archiv.ganzzahlWert(QStringLiteral("SELECT 1 FROM Kunden WHERE Konto=? AND %1 LIMIT 1")
                                    .arg(sichtbarkeitsBedingung()),
                                {k.Konto, mnr}))
            return QStringLiteral("Dieses Konto kann nicht angelegt werden, da dieses Konto "
                                  "bereits in diesem Betrieb vorhanden ist!");
        return {};
    }
    if (archiv.ganzzahlWert(QStringLiteral("SELECT 1 FROM Kunden WHERE Konto=? LIMIT 1"),
                            {k.Konto}))
        return QStringLiteral("Dieses Konto kann nicht filialübergreifend angelegt werden, da "
                              "dieses Konto bereits filialübergreifend oder in anderen Betrieben "
                              "vorhanden ist!");
    return {};
}

bool KontoSpeichern(TDataModule1& dm, tKontoDaten& k, const QString& textschluessel) {
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const QString mnr = Sitzung().MNr;
    const QString tabelle = KontoTabelle(k.KontoArt);
    Transaktion t(archiv);
    const bool neu = k.ID < 0;
    const qint64 vorgabe = k.Konto;
    if (neu && k.Konto == 0) {
        k.Konto = NaechsteFreieKontonummer(archiv, k.KontoArt, k.Bezeichnung);
        if (k.Konto == 0) {
            Benutzer().fehler(QStringLiteral(
                "Es ist keine Anlage von Konten mehr möglich! Maximalanzahl erreicht!"));
            return false;
        }
    }
    if (neu) {
        tTextschluessel ts;
        ts.TSName = textschluessel;
        ts.Buchungstext = k.Bezeichnung;
        ts.Buchungsseite =
            k.KontoArt == KontoArt::Kunde ? QStringLiteral("E") : QStringLiteral("A");
        ts.Steuer = k.KontoArt == KontoArt::LieferantKosten ? QStringLiteral("9") : QString();
        ts.Konto = k.Konto;
        ts.Oeffentlich = k.Oeffentlich;
        if (!TextschluesselSpeichern(archiv, mnr, ts, false)) {
            Benutzer().fehler(QStringLiteral("Der Textschlüsselname \"%1\" ist bereits vergeben!")
                                  .arg(textschluessel));
            k.Konto = vorgabe;
            return false;
        }
        archiv.ausfuehren(
            QStringLiteral("INSERT INTO %1 (Konto, AngelegtVonMNr) VALUES (?, ?)").arg(tabelle),
            {k.Konto, mnr});
        k.ID = archiv.letzteId();
        k.AngelegtVonMNr = mnr;
    }
    const bool person = !k.Nachname.isEmpty();
    Abfrage u(archiv,
              QStringLiteral("UPDATE %1 SET Konto=?, Bezeichnung=?, Titel=?, Nachname=?, "
                             "Vorname=?, Bezeichnung2=?, Bezeichnung3=?, Strasse=?, PLZ=?, Ort=?, "
                             "Postfach=?, Telefonnummer=?, Faxnummer=?, eMailAdresse=?, "
                             "ZusatztextPopup=?, Zusatztext=?, Oeffentlich=? WHERE ID=?")
                  .arg(tabelle),
              {k.Konto, k.Bezeichnung, person ? k.Titel : QString(),
               person ? k.Nachname : QString(), person ? k.Vorname : QString(), k.Bezeichnung2,
               k.Bezeichnung3, k.Strasse, k.PLZ, k.Ort, k.Postfach, k.Telefonnummer, k.Faxnummer,
               k.eMailAdresse, k.ZusatztextPopup, k.Zusatztext, k.Oeffentlich, k.ID});
    u.ausfuehren();
    const bool kunde = k.KontoArt == KontoArt::Kunde;
    // The same values for the update and, when this business has no row yet, the insert.
    const std::initializer_list<Wert> zvWerte = {k.ZV.Kundennummer,
                                                 k.ZV.SSatz,
                                                 k.ZV.STage,
                                                 k.ZV.NTage,
                                                 k.ZV.Bankeinzug,
                                                 k.ZV.Zahlbank,
                                                 k.ZV.StandardBank,
                                                 k.ZV.OPOS,
                                                 kunde ? k.ZV.Mandatsreferenz : QString(),
                                                 kunde && k.ZV.MandatsunterschriftDatum.isValid()
                                                     ? Wert(k.ZV.MandatsunterschriftDatum)
                                                     : Wert(),
                                                 k.ZV.NettofaelligkeitMonatsende,
                                                 k.Konto,
                                                 mnr};
    if (archiv.ausfuehren(QStringLiteral("UPDATE KontoZVDaten SET Kundennummer=?, SkontoSatz=?, "
                                         "SkontoTage=?, NettoTage=?, Bankeinzug=?, ZVBank=?, "
                                         "StandardBankVerbindung=?, OPOS=?, Mandatsreferenz=?, "
                                         "MandatsunterschriftDatum=?, "
                                         "NettoFaelligkeitMonatsende=? WHERE Konto=? AND MNr=?"),
                          zvWerte) == 0)
        archiv.ausfuehren(
            QStringLiteral("INSERT INTO KontoZVDaten (Kundennummer, SkontoSatz, SkontoTage, "
                           "NettoTage, Bankeinzug, ZVBank, StandardBankVerbindung, OPOS, "
                           "Mandatsreferenz, MandatsunterschriftDatum, "
                           "NettoFaelligkeitMonatsende, Konto, MNr) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            zvWerte);
    archiv.ausfuehren(QStringLiteral("DELETE FROM KontoBankverbindungen WHERE Konto=? AND MNr=?"),
                      {k.Konto, mnr});
    int position = 0;
    for (const tBankverbindung& b : k.Bankverbindungen)
        archiv.ausfuehren(
            QStringLiteral("INSERT INTO KontoBankverbindungen (ID, MNr, Konto, IBAN, BIC, "
                           "Bankleitzahl, Kontonummer, AbweichenderKontoinhaber, Geprueft) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {position++, mnr, k.Konto, b.IBAN, b.BIC, b.Bankleitzahl, b.Kontonummer,
             b.AbweichenderKontoinhaber, b.Geprueft});
    t.bestaetigen();
    return true;
}

QStringList KontoVerwendetInBetrieben(TDataModule1& dm, qint64 konto, const QString& nurBetrieb) {
    const tSitzung& s = Sitzung();
    QStringList zeilen;
    QStringList lernende;
    {
        Abfrage a(dm.ADOConnection_Archiv,
                  QStringLiteral("SELECT DISTINCT AngelegtVonMNr FROM LernEintraege WHERE Konto=?"),
                  {konto});
        while (a.naechste())
            lernende << a.text(0);
    }
    const QDir bereich(BereichsVerzeichnis(s.Datenverzeichnis, s.Bereich));
    const QStringList ordner = bereich.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& o : ordner) {
        if (o.startsWith(QLatin1Char('.')) || (!nurBetrieb.isEmpty() && o != nurBetrieb))
            continue;
        const QString datei = DatenDateiname(s.Datenverzeichnis, s.Bereich, o);
        if (!QFileInfo::exists(datei))
            continue;
        try {
            if (dateiVerwendetKonto(datei, konto) || lernende.contains(o)) {
                const QString name = firmennameIn(datei, o);
                zeilen << (name.isEmpty() ? o : o + QLatin1Char(' ') + name);
            }
        } catch (const DatenbankFehler&) {
            zeilen << o + QStringLiteral(" (Datei kann nicht gelesen werden)");
        }
    }
    return zeilen;
}

bool KontoLoeschen(TDataModule1& dm, int kontoArt, qint64 konto) {
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const QString mnr = Sitzung().MNr;
    const std::optional<tKontoDaten> k = KontoDatenLaden(archiv, mnr, kontoArt, konto);
    if (!k) {
        Benutzer().fehler(QStringLiteral("Das Konto konnte nicht gefunden werden!"));
        return false;
    }
    if (kontoArt != KontoArt::Kunde &&
        ((konto >= 90000 && konto <= 93999) || (konto >= 80000 && konto <= 88999))) {
        Benutzer().fehler(QStringLiteral("Das Konto \"%1\" kann nicht gelöscht werden, da es von "
                                         "der Kelmbrand Nortal GmbH vorgegeben wurde!")
                              .arg(k->Bezeichnung));
        return false;
    }
    const bool eigenes = !k->Oeffentlich;
    const QStringList verwendet = KontoVerwendetInBetrieben(dm, konto, eigenes ? mnr : QString());
    if (!verwendet.isEmpty()) {
        Benutzer().fehler(QStringLiteral("Das Konto \"%1\" kann nicht gelöscht werden, da bereits "
                                         "Erfassungen bzw. offene Posten in folgenden Betrieben"
                                         "\r\r%2\r\rvorhanden sind!")
                              .arg(k->Bezeichnung, verwendet.join(QLatin1Char('\r'))));
        return false;
    }
    if (Benutzer().frage(
            Meldungsart::Warnung,
            QStringLiteral("Möchten Sie das Konto \"%1\" wirklich löschen!").arg(konto),
            Knoepfe::JaNein) != Antwort::Ja)
        return false;
    const QString tabelle = KontoTabelle(kontoArt);
    Transaktion ta(archiv);
    Transaktion td(dm.ADOConnection_Daten);
    archiv.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE ID=?").arg(tabelle), {k->ID});
    if (eigenes) {
        for (const char* t : {"KontoZVDaten", "KontoBankverbindungen"})
            archiv.ausfuehren(
                QStringLiteral("DELETE FROM %1 WHERE Konto=? AND MNr=?").arg(QLatin1String(t)),
                {konto, mnr});
        for (const char* t : {"Textschluessel", "LernEintraege"})
            archiv.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE Konto=? AND AngelegtVonMNr=?")
                                  .arg(QLatin1String(t)),
                              {konto, mnr});
    } else {
        // Businesses with their own account of this number keep everything of it.
        const QString andere =
            QStringLiteral("(SELECT AngelegtVonMNr FROM %1 WHERE Konto=? AND Oeffentlich=0)")
                .arg(tabelle);
        for (const char* t : {"KontoZVDaten", "KontoBankverbindungen"})
            archiv.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE Konto=? AND MNr NOT IN %2")
                                  .arg(QLatin1String(t), andere),
                              {konto, konto});
        for (const char* t : {"Textschluessel", "LernEintraege"})
            archiv.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE Konto=? AND (Oeffentlich=1 OR "
                                             "AngelegtVonMNr NOT IN %2)")
                                  .arg(QLatin1String(t), andere),
                              {konto, konto});
    }
    dm.ADOConnection_Daten.ausfuehren(
        QStringLiteral("DELETE FROM Zentralregulierer WHERE KHaupt=? OR KPartner=?"),
        {konto, konto});
    td.bestaetigen();
    ta.bestaetigen();
    return true;
}
