#include "Erfassungsliste.h"

#include "Benutzerrechte.h"
#include "Buchungsbereiche.h"
#include "Sitzung.h"
#include "Text.h"

#include <QStringList>
#include <algorithm>

std::optional<Betrag> tErfassungsZeile::Einnahme() const {
    if (Buchungsseite == u"E")
        return Betrag;
    return std::nullopt;
}

std::optional<Betrag> tErfassungsZeile::Ausgabe() const {
    if (Buchungsseite == u"A")
        return Betrag;
    return std::nullopt;
}

Betrag tErfassungsZeile::Rechnung() const {
    const QString negativ = Bereichsart == 4 ? QStringLiteral("A") : QStringLiteral("E");
    return Buchungsseite == negativ ? -Betrag : Betrag;
}

QString ErfassungsSpalten(const QString& t, bool mitBereichsart, bool mitLoeschdatum) {
    QString spalten =
        QStringLiteral("%1.ID, %1.BuchungsID, %1.BuchungsBereich, %1.Hauptbuchung, "
                       "%1.Belegdatum, %1.TSName, %1.Konto, %1.GKonto, %1.Betrag, "
                       "%1.Buchungsseite, %1.Buchungstext, %1.Steuer, %1.Belegnummer, "
                       "%1.Rechnungsnummer, %1.Bemerkung, %1.BuchungKlaeren, %1.ErstelltAm, "
                       "%1.ErstelltVon, %1.LetzteAenderung, %1.AenderungVon, "
                       "%1.Erfassungskennzeichen, %1.AnzahlAenderungen, "
                       "%1.AenderungSteuerRelevant, ")
            .arg(t);
    spalten += mitBereichsart ? QStringLiteral("b.Bereichsart") : QStringLiteral("NULL");
    if (mitLoeschdatum)
        spalten += QStringLiteral(", %1.Loeschdatum").arg(t);
    return spalten;
}

tErfassungsZeile ErfassungsZeileLesen(const Abfrage& q, bool mitLoeschdatum) {
    tErfassungsZeile z;
    z.ID = q.ganzzahl(0);
    z.BuchungsID = q.ganzzahl(1);
    z.BuchungsBereich = int(q.ganzzahl(2));
    z.Hauptbuchung = q.wahr(3);
    z.Belegdatum = q.datum(4);
    z.TSName = q.text(5);
    z.Konto = q.ganzzahl(6);
    z.GKonto = q.ganzzahl(7);
    z.Betrag = q.betrag(8);
    z.Buchungsseite = q.text(9);
    z.Buchungstext = q.text(10);
    z.Steuer = q.text(11);
    z.Belegnummer = q.text(12);
    z.Rechnungsnummer = q.text(13);
    z.Bemerkung = q.text(14);
    z.BuchungKlaeren = q.wahr(15);
    z.ErstelltAm = q.zeitpunkt(16);
    z.ErstelltVon = q.text(17);
    z.LetzteAenderung = q.zeitpunkt(18);
    z.AenderungVon = q.text(19);
    z.Erfassungskennzeichen = int(q.ganzzahl(20));
    z.AnzahlAenderungen = int(q.ganzzahl(21));
    z.AenderungSteuerRelevant = q.wahr(22);
    z.Bereichsart = int(q.ganzzahl(23));
    if (mitLoeschdatum)
        z.Loeschdatum = q.zeitpunkt(24);
    return z;
}

namespace {

using tWerte = std::vector<std::pair<QString, Wert>>;

bool istArchiv(const QString& tabelle) {
    return tabelle == u"Erfassungen_geloescht";
}

// Rows an index may deliver before reading the table in date order is the better way.
constexpr int EingrenzungGrenze = 10000;
// Rows of the date order looked at to see whether a page lies among the first of them.
constexpr int Stichprobe = 10000;

QString bereichsliste(const std::vector<int>& bereiche, tWerte& werte) {
    QStringList namen;
    for (int id : bereiche) {
        const QString name = QStringLiteral(":bereich%1").arg(namen.size());
        namen << name;
        werte.emplace_back(name, id);
    }
    return namen.join(QStringLiteral(", "));
}

// Only areas the user holds the right for. "+" keeps the area index out of the search's
// plan: it would sort the whole table.
QString bereichsrecht(const std::vector<int>& sichtbareBereiche, tWerte& werte) {
    if (sichtbareBereiche.empty())
        return QStringLiteral("0");
    return QStringLiteral("+e.BuchungsBereich IN (%1)")
        .arg(bereichsliste(sichtbareBereiche, werte));
}

void filterAnhaengen(QString& bedingung, tWerte& werte, const tSichtbarkeit& sichtbarkeit) {
    const tBuchungsFilter filter = BuchungsFilter(sichtbarkeit, QStringLiteral("e"));
    bedingung += filter.sql;
    for (const auto& w : filter.werte)
        werte.push_back(w);
}

// A LIKE pattern finding the text anywhere, with "%", "_" and the escape character literal.
// vorfilter: characters beyond ASCII become "_", so SQLite's own LIKE (which folds the case of
// ASCII letters only) can reject most rows before GROSS has to look at them.
QString suchmuster(const QString& text, bool vorfilter) {
    const QString literal = LikeLiteral(text);
    QString muster = QStringLiteral("%");
    for (const QChar c : literal) {
        if (!vorfilter || c.unicode() <= 0x7f)
            muster += c;
        else if (!c.isHighSurrogate())
            muster += u'_';
    }
    return muster + u'%';
}

void textBedingung(QStringList& teile, tWerte& werte, const QString& spalte, const QString& text,
                   const QString& name) {
    if (text.isEmpty())
        return;
    const QString gross = GrossSchreiben(text);
    werte.emplace_back(name + QStringLiteral("Vor"), suchmuster(gross, true));
    werte.emplace_back(name, suchmuster(gross, false));
    teile << QStringLiteral("(e.%1 LIKE %2Vor ESCAPE '\\' AND GROSS(e.%1) LIKE %2 ESCAPE '\\')")
                 .arg(spalte, name);
}

QString sortierFolge(Erfassungssortierung sortierung, const QString& q) {
    switch (sortierung) {
    case Erfassungssortierung::ErstelltAm:
        return QStringLiteral("%1.ErstelltAm").arg(q);
    case Erfassungssortierung::ErstelltAmAbsteigend:
        return QStringLiteral("%1.ErstelltAm DESC").arg(q);
    case Erfassungssortierung::Belegdatum:
        return QStringLiteral("%1.Belegdatum, %1.ErstelltAm").arg(q);
    case Erfassungssortierung::BelegdatumAbsteigend:
        return QStringLiteral("%1.Belegdatum DESC, %1.ErstelltAm").arg(q);
    }
    return QStringLiteral("%1.ErstelltAm").arg(q);
}

// The order of a list: a key of the main row, the booking as tie breaker and, when split rows
// are listed, each booking's main row first and then its split rows.
void reihenfolgeSetzen(tErfassungsAbfrage& a, const QString& schluessel, bool hauptzeile,
                       const QString& richtung) {
    a.Hauptzeile = a.Aufteilungszeilen && hauptzeile;
    if (a.Aufteilungszeilen)
        a.Reihenfolge = schluessel + QStringLiteral(", e.BuchungsID") + richtung +
                        QStringLiteral(", e.Hauptbuchung DESC, e.ID");
    else
        a.Reihenfolge = schluessel + QStringLiteral(", e.ID") + richtung;
}

// The listed table "e" with its area "b" and, when the order needs it, its main row "h".
// ohneIndex: "e" is read in one pass over the table.
QString quellen(const tErfassungsAbfrage& a, bool ohneIndex = false) {
    QString sql = QStringLiteral("%1 e%2 LEFT JOIN Buchungsbereiche b ON b.BereichID = "
                                 "e.BuchungsBereich")
                      .arg(a.Tabelle, ohneIndex ? QStringLiteral(" NOT INDEXED") : QString());
    if (a.Hauptzeile)
        sql += QStringLiteral(" LEFT JOIN %1 h ON h.BuchungsID = e.BuchungsID AND "
                              "h.Hauptbuchung = 1")
                   .arg(a.Tabelle);
    return sql;
}

QString listenSql(const tErfassungsAbfrage& a, const QString& bedingung) {
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3")
        .arg(ErfassungsSpalten(QStringLiteral("e"), true, istArchiv(a.Tabelle)), quellen(a),
             bedingung);
}

void pruefen(const tErfassungsAbfrage& a) {
    if (!ErfassungstabelleGueltig(a.Tabelle))
        throw DatenbankFehler(QStringLiteral("Unbekannte Erfassungstabelle %1").arg(a.Tabelle));
}

void binden(Abfrage& q, const tWerte& werte) {
    for (const auto& [name, wert] : werte)
        q.binden(name, wert);
}

// The list's condition with the Eingrenzung whose index finds the fewest rows, when it finds
// fewer than EingrenzungGrenze; eingegrenzt tells whether one was taken.
QString bedingungEingrenzen(Datenbank& daten, const tErfassungsAbfrage& a, tWerte& werte,
                            bool& eingegrenzt) {
    werte = a.Werte;
    const tEingrenzung* beste = nullptr;
    qint64 wenigste = EingrenzungGrenze;
    for (const tEingrenzung& e : a.Eingrenzungen) {
        Abfrage probe(daten, QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 e WHERE %2 "
                                            "LIMIT :grenze)")
                                 .arg(a.Tabelle, e.Bedingung));
        binden(probe, e.Werte);
        probe.binden(QStringLiteral(":grenze"), EingrenzungGrenze);
        if (probe.naechste() && probe.ganzzahl(0) < wenigste) {
            wenigste = probe.ganzzahl(0);
            beste = &e;
        }
    }
    eingegrenzt = beste != nullptr;
    if (!beste)
        return a.Bedingung;
    werte.insert(werte.end(), beste->Werte.begin(), beste->Werte.end());
    return a.Bedingung + QStringLiteral(" AND ") + beste->Bedingung;
}

// Whether reading in date order reaches the page's last row within the first rows of the
// table: then it stops early; otherwise it would read the whole table row by row through the
// date index.
bool seiteFruehInDatumsfolge(Datenbank& daten, const tErfassungsAbfrage& a,
                             const QString& bedingung, const tWerte& werte, qint64 bis) {
    if (!a.Reihenfolge.startsWith(QStringLiteral("e.Belegdatum")))
        return false;
    const bool absteigend = a.Reihenfolge.startsWith(QStringLiteral("e.Belegdatum DESC"));
    Abfrage q(daten,
              QStringLiteral("SELECT count(*) FROM (SELECT rowid AS r FROM %1 ORDER BY "
                             "Belegdatum%2 LIMIT :stichprobe) p JOIN %1 e ON e.rowid = "
                             "p.r WHERE %3")
                  .arg(a.Tabelle, absteigend ? QStringLiteral(" DESC") : QString(), bedingung));
    binden(q, werte);
    q.binden(QStringLiteral(":stichprobe"), Stichprobe);
    return q.naechste() && q.ganzzahl(0) >= bis;
}

} // namespace

bool ErfassungstabelleGueltig(const QString& tabelle) {
    static const QStringList tabellen{
        QStringLiteral("Erfassungen"), QStringLiteral("Erfassungen_geloescht"),
        QStringLiteral("Erfassungen_Import"), QStringLiteral("Erfassungen_Dauer"),
        QStringLiteral("Erfassungen_DauerPool")};
    return tabellen.contains(tabelle);
}

std::vector<int> SichtbareBereiche(Datenbank& daten, Datenbank& bereich) {
    std::vector<int> ids;
    Abfrage q(daten, QStringLiteral("SELECT BereichID FROM Buchungsbereiche WHERE BereichID <> 99 "
                                    "ORDER BY BereichID"));
    while (q.naechste()) {
        const int id = int(q.ganzzahl(0));
        if (HatRecht(bereich, Rechte::Buchungsbereich(id)))
            ids.push_back(id);
    }
    return ids;
}

tErfassungsAbfrage ErfassungsListeBereich(const QString& tabelle, int bereichId, const QDate& von,
                                          const QDate& bis, bool mitAufteilungen,
                                          Erfassungssortierung sortierung,
                                          const tSichtbarkeit& sichtbarkeit,
                                          const std::vector<int>& sichtbareBereiche) {
    tErfassungsAbfrage a;
    a.Tabelle = tabelle;
    a.Aufteilungszeilen = mitAufteilungen;
    pruefen(a);
    QStringList teile;
    if (bereichId == BereichErfassungenKlaeren) {
        teile << QStringLiteral("e.BuchungKlaeren = 1")
              << bereichsrecht(sichtbareBereiche, a.Werte);
    } else {
        teile << QStringLiteral("e.BuchungsBereich = :bereich");
        a.Werte.emplace_back(QStringLiteral(":bereich"), bereichId);
    }
    teile << QStringLiteral("e.Belegdatum >= :von") << QStringLiteral("e.Belegdatum <= :bis");
    a.Werte.emplace_back(QStringLiteral(":von"), von);
    a.Werte.emplace_back(QStringLiteral(":bis"), bis);
    if (!mitAufteilungen)
        teile << QStringLiteral("e.Hauptbuchung = 1");
    a.Bedingung = teile.join(QStringLiteral(" AND "));
    filterAnhaengen(a.Bedingung, a.Werte, sichtbarkeit);
    // Split rows are ordered by their main row's values and follow it.
    // Newest first: of two bookings saved in the same second the later one is newer.
    const QString richtung = sortierung == Erfassungssortierung::ErstelltAmAbsteigend
                                 ? QStringLiteral(" DESC")
                                 : QString();
    a.Hauptzeile = mitAufteilungen;
    a.Reihenfolge =
        mitAufteilungen
            ? sortierFolge(sortierung, QStringLiteral("h")) + QStringLiteral(", e.BuchungsID") +
                  richtung + QStringLiteral(", e.Hauptbuchung DESC, e.ID")
            : sortierFolge(sortierung, QStringLiteral("e")) + QStringLiteral(", e.ID") + richtung;
    return a;
}

tErfassungsAbfrage ErfassungsSuche(const tErfassungssuche& suche, const tSichtbarkeit& sichtbarkeit,
                                   const std::vector<int>& sichtbareBereiche) {
    tErfassungsAbfrage a;
    a.Tabelle = suche.Tabelle;
    a.Aufteilungszeilen = true;
    a.GanzeTabelle = true;
    pruefen(a);
    // "+" keeps every index out of the plan; bedingungEingrenzen puts back the one that pays.
    // SQLite tests the terms in their order: the texts, which reject most rows at little cost,
    // come first.
    QStringList teile;
    textBedingung(teile, a.Werte, QStringLiteral("Buchungstext"), suche.Buchungstext,
                  QStringLiteral(":text"));
    textBedingung(teile, a.Werte, QStringLiteral("Belegnummer"), suche.Belegnummer,
                  QStringLiteral(":belegnummer"));
    textBedingung(teile, a.Werte, QStringLiteral("Rechnungsnummer"), suche.Rechnungsnummer,
                  QStringLiteral(":rechnungsnummer"));
    textBedingung(teile, a.Werte, QStringLiteral("TSName"), suche.TSName, QStringLiteral(":ts"));
    if (suche.Von.isValid() || suche.Bis.isValid()) {
        tEingrenzung zeitraum;
        QStringList grenzen;
        const auto grenze = [&](const QDate& tag, const QString& vergleich, const QString& name) {
            if (!tag.isValid())
                return;
            teile << QStringLiteral("+e.Belegdatum %1 :%2").arg(vergleich, name);
            grenzen << QStringLiteral("e.Belegdatum %1 :ix%2").arg(vergleich, name);
            a.Werte.emplace_back(u':' + name, tag);
            zeitraum.Werte.emplace_back(QStringLiteral(":ix") + name, tag);
        };
        grenze(suche.Von, QStringLiteral(">="), QStringLiteral("von"));
        grenze(suche.Bis, QStringLiteral("<="), QStringLiteral("bis"));
        zeitraum.Bedingung = grenzen.join(QStringLiteral(" AND "));
        a.Eingrenzungen.push_back(zeitraum);
    }
    if (suche.Konto > 0) {
        teile << QStringLiteral("(+e.Konto = :konto OR +e.GKonto = :konto)");
        a.Werte.emplace_back(QStringLiteral(":konto"), suche.Konto);
        a.Eingrenzungen.push_back({QStringLiteral("(e.Konto = :ixkonto OR e.GKonto = :ixkonto)"),
                                   {{QStringLiteral(":ixkonto"), suche.Konto}}});
    }
    // Amounts are whole cents: "above von" is the range from von + 1 cent on.
    if (!suche.BetragBis.istNull()) {
        teile << QStringLiteral("+e.Betrag BETWEEN :betragvon AND :betragbis");
        a.Werte.emplace_back(QStringLiteral(":betragvon"), suche.BetragVon);
        a.Werte.emplace_back(QStringLiteral(":betragbis"), suche.BetragBis);
        a.Eingrenzungen.push_back({QStringLiteral("e.Betrag BETWEEN :ixbetragvon AND :ixbetragbis"),
                                   {{QStringLiteral(":ixbetragvon"), suche.BetragVon},
                                    {QStringLiteral(":ixbetragbis"), suche.BetragBis}}});
    } else if (!suche.BetragVon.istNull()) {
        teile << QStringLiteral("+e.Betrag > :betragvon");
        a.Werte.emplace_back(QStringLiteral(":betragvon"), suche.BetragVon);
        a.Eingrenzungen.push_back({QStringLiteral("e.Betrag > :ixbetragvon"),
                                   {{QStringLiteral(":ixbetragvon"), suche.BetragVon}}});
    }
    teile << bereichsrecht(sichtbareBereiche, a.Werte) << QStringLiteral("e.BuchungsBereich <> 99");
    a.Bedingung = teile.join(QStringLiteral(" AND "));
    filterAnhaengen(a.Bedingung, a.Werte, sichtbarkeit);
    a.Reihenfolge = QStringLiteral("e.Belegdatum, e.BuchungsID, e.Hauptbuchung DESC, e.ID");
    return a;
}

bool ErfassungsReihenfolgeSetzen(tErfassungsAbfrage& abfrage, const QString& feld,
                                 bool absteigend) {
    static const QStringList spalten{QStringLiteral("ID"),
                                     QStringLiteral("BuchungsBereich"),
                                     QStringLiteral("BuchungKlaeren"),
                                     QStringLiteral("TSName"),
                                     QStringLiteral("Konto"),
                                     QStringLiteral("GKonto"),
                                     QStringLiteral("Betrag"),
                                     QStringLiteral("Buchungsseite"),
                                     QStringLiteral("Buchungstext"),
                                     QStringLiteral("Steuer"),
                                     QStringLiteral("Rechnungsnummer"),
                                     QStringLiteral("Bemerkung"),
                                     QStringLiteral("ErstelltVon"),
                                     QStringLiteral("ErstelltAm"),
                                     QStringLiteral("AenderungVon"),
                                     QStringLiteral("LetzteAenderung"),
                                     QStringLiteral("Erfassungskennzeichen"),
                                     QStringLiteral("AnzahlAenderungen"),
                                     QStringLiteral("AenderungSteuerRelevant")};
    const QString richtung = absteigend ? QStringLiteral(" DESC") : QString();
    // Split rows are sorted by their main row's value.
    const QString q = abfrage.Aufteilungszeilen ? QStringLiteral("h") : QStringLiteral("e");
    QString schluessel;
    bool hauptzeile = true;
    if (spalten.contains(feld)) {
        schluessel = QStringLiteral("%1.%2%3").arg(q, feld, richtung);
    } else if (feld == u"Belegdatum") {
        // Every row of a booking has its date: no main row needed.
        schluessel = QStringLiteral("e.Belegdatum") + richtung;
        hauptzeile = false;
    } else if (feld == u"Loeschdatum" && istArchiv(abfrage.Tabelle)) {
        schluessel = QStringLiteral("%1.Loeschdatum%2").arg(q, richtung);
    } else if (feld == u"Belegnummer") {
        schluessel = QStringLiteral("ENDZAHL(%1.Belegnummer)%2, %1.Belegnummer%2").arg(q, richtung);
    } else if (feld == u"Einnahme" || feld == u"Ausgabe") {
        schluessel =
            QStringLiteral("CASE WHEN %1.Buchungsseite = '%2' THEN %1.Betrag END%3")
                .arg(q, feld == u"Einnahme" ? QStringLiteral("E") : QStringLiteral("A"), richtung);
    } else if (feld == u"Betrag2") {
        schluessel = QStringLiteral("CASE WHEN %1.Buchungsseite = CASE WHEN b.Bereichsart = 4 "
                                    "THEN 'A' ELSE 'E' END THEN -%1.Betrag ELSE %1.Betrag END%2")
                         .arg(q, richtung);
    } else {
        return false;
    }
    reihenfolgeSetzen(abfrage, schluessel, hauptzeile, richtung);
    return true;
}

std::vector<tErfassungsZeile> ErfassungenLesen(Datenbank& daten, const tErfassungsAbfrage& abfrage,
                                               qint64 ab, qint64 anzahl) {
    pruefen(abfrage);
    tWerte werte;
    bool eingegrenzt = false;
    const QString bedingung = bedingungEingrenzen(daten, abfrage, werte, eingegrenzt);
    const QString reihenfolge = QStringLiteral(" ORDER BY ") + abfrage.Reihenfolge;
    QString sql;
    if (!abfrage.GanzeTabelle || eingegrenzt ||
        seiteFruehInDatumsfolge(daten, abfrage, bedingung, werte, ab + anzahl))
        sql = listenSql(abfrage, bedingung) + reihenfolge +
              QStringLiteral(" LIMIT :anzahl OFFSET :ab");
    else
        // One pass over the table keeps only the page's row numbers in order; then the page's
        // rows are read by number.
        sql = listenSql(abfrage, QStringLiteral("e.rowid IN (SELECT e.rowid FROM %1 WHERE %2%3 "
                                                "LIMIT :anzahl OFFSET :ab)")
                                     .arg(quellen(abfrage, true), bedingung, reihenfolge)) +
              reihenfolge;
    Abfrage q(daten, sql);
    binden(q, werte);
    q.binden(QStringLiteral(":anzahl"), anzahl);
    q.binden(QStringLiteral(":ab"), ab);
    std::vector<tErfassungsZeile> zeilen;
    const bool archiv = istArchiv(abfrage.Tabelle);
    while (q.naechste())
        zeilen.push_back(ErfassungsZeileLesen(q, archiv));
    return zeilen;
}

qint64 ErfassungenZaehlen(Datenbank& daten, const tErfassungsAbfrage& abfrage) {
    pruefen(abfrage);
    tWerte werte;
    bool eingegrenzt = false;
    const QString bedingung = bedingungEingrenzen(daten, abfrage, werte, eingegrenzt);
    Abfrage q(daten,
              QStringLiteral("SELECT count(*) FROM %1 e WHERE %2").arg(abfrage.Tabelle, bedingung));
    binden(q, werte);
    return q.naechste() ? q.ganzzahl(0) : 0;
}

std::vector<tErfassungsZeile> AufteilungszeilenLesen(Datenbank& daten, const QString& tabelle,
                                                     const std::vector<qint64>& buchungsIds) {
    tErfassungsAbfrage a;
    a.Tabelle = tabelle;
    pruefen(a);
    std::vector<tErfassungsZeile> zeilen;
    constexpr size_t Block = 500;
    for (size_t anfang = 0; anfang < buchungsIds.size(); anfang += Block) {
        const size_t ende = std::min(buchungsIds.size(), anfang + Block);
        QStringList platzhalter;
        for (size_t i = anfang; i < ende; ++i)
            platzhalter << QStringLiteral("?");
        Abfrage q(daten, listenSql(a, QStringLiteral("e.Hauptbuchung = 0 AND e.BuchungsID IN (%1)")
                                          .arg(platzhalter.join(u','))) +
                             QStringLiteral(" ORDER BY e.BuchungsID, e.ID"));
        for (size_t i = anfang; i < ende; ++i)
            q.binden(int(i - anfang + 1), buchungsIds[i]);
        while (q.naechste())
            zeilen.push_back(ErfassungsZeileLesen(q, istArchiv(tabelle)));
    }
    return zeilen;
}

std::optional<tErfassungsZeile> ErfassungLesen(Datenbank& daten, const QString& tabelle,
                                               qint64 buchungsId) {
    tErfassungsAbfrage a;
    a.Tabelle = tabelle;
    pruefen(a);
    Abfrage q(daten,
              listenSql(a, QStringLiteral("e.BuchungsID = ?")) +
                  QStringLiteral(" ORDER BY e.Hauptbuchung DESC, e.ID LIMIT 1"),
              {buchungsId});
    if (!q.naechste())
        return std::nullopt;
    return ErfassungsZeileLesen(q, istArchiv(tabelle));
}

bool ErfassungGelistet(Datenbank& daten, const tErfassungsAbfrage& abfrage, qint64 buchungsId) {
    pruefen(abfrage);
    Abfrage q(daten, QStringLiteral("SELECT 1 FROM %1 e WHERE e.BuchungsID = :gelistet AND "
                                    "e.Hauptbuchung = 1 AND %2 LIMIT 1")
                         .arg(abfrage.Tabelle, abfrage.Bedingung));
    binden(q, abfrage.Werte);
    q.binden(QStringLiteral(":gelistet"), buchungsId);
    return q.naechste();
}

qint64 ErfassungsAnzahlImBereich(Datenbank& daten, const QString& tabelle, int bereichId, int jahr,
                                 int monat) {
    tErfassungsAbfrage a;
    a.Tabelle = tabelle;
    pruefen(a);
    const QDate von(jahr, monat, 1);
    return daten
        .ganzzahlWert(QStringLiteral("SELECT count(*) FROM %1 WHERE BuchungsBereich = ? AND "
                                     "Belegdatum >= ? AND Belegdatum <= ? AND Hauptbuchung = 1")
                          .arg(tabelle),
                      {bereichId, von, von.addMonths(1).addDays(-1)})
        .value_or(0);
}

tSteuerbezeichnungen::tSteuerbezeichnungen(Datenbank& stamm) {
    const int plan = Sitzung().Firma.Kontenplan;
    Abfrage q(stamm,
              QStringLiteral("SELECT Steuer, GueltigVon, GueltigBis, Bezeichnung FROM "
                             "Steuerschluessel WHERE Kontenplan = ? ORDER BY rowid"),
              {plan == 0 ? 77 : plan});
    while (q.naechste())
        eintraege.push_back({q.text(0).trimmed(), q.datum(1), q.datum(2), q.text(3)});
}

QString tSteuerbezeichnungen::Bezeichnung(const QString& schluessel, const QDate& datum) const {
    const QString s = schluessel.trimmed();
    if (!IstGanzzahl(s) || s.toLongLong() == 0)
        return QStringLiteral("ohne Steuer");
    for (const Eintrag& e : eintraege)
        if (TexteGleich(e.Steuer, s) && e.Von <= datum && datum <= e.Bis)
            return e.Bezeichnung;
    return QString();
}
