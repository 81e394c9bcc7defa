#include "OffenePosten.h"

#include "Buchungsbereiche.h"
#include "Datenbank.h"
#include "Datum.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Uhr.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <map>

void OPLogSchreiben(int anzahl, const QString& text) {
    const tSitzung& s = Sitzung();
    const QString verzeichnis = s.Datenverzeichnis + QStringLiteral("/logs");
    QDir().mkpath(verzeichnis);
    QFile datei(verzeichnis + u'/' + s.MNr + QStringLiteral("_logfile.csv"));
    const bool neu = !datei.exists();
    if (!datei.open(QIODevice::Append | QIODevice::Text))
        return;
    QTextStream aus(&datei);
    if (neu)
        aus << "Datum;OPOS-Aktiv;User;gelöscht;Text\n";
    aus << Jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) << ';'
        << (s.Optionen.OPOS ? "ja" : "nein") << ';' << s.BenutzerName << ';' << anzahl << ';'
        << text << '\n';
}

QString BuchungsBeschreibung(Datenbank& daten, qint64 buchungsId) {
    Abfrage q(daten,
              QStringLiteral("SELECT Belegdatum, Konto, GKonto, Buchungstext, Rechnungsnummer, "
                             "Betrag FROM Erfassungen WHERE ID=?"),
              {buchungsId});
    if (!q.naechste())
        return QStringLiteral("n. v.");
    const QString t = QStringLiteral(" / ");
    return DatumText(q.datum(0)) + t + QString::number(q.ganzzahl(1)) + t +
           QString::number(q.ganzzahl(2)) + t + q.text(3) + t + q.text(4) + t +
           BetragText(q.betrag(5));
}

QString OPBeschreibung(Datenbank& daten, qint64 id) {
    Abfrage q(daten,
              QStringLiteral("SELECT BuchungsID, Belegdatum, Konto, RechBetrag, ZahlBetrag, "
                             "Rechnungsnummer FROM OffenePosten WHERE ID=?"),
              {id});
    if (!q.naechste())
        return QStringLiteral("n. v.");
    const QString t = QStringLiteral(" / ");
    return QString::number(q.ganzzahl(0)) + t + DatumText(q.datum(1)) + t +
           QString::number(q.ganzzahl(2)) + t + BetragText(q.betrag(3) + q.betrag(4)) + t +
           q.text(5);
}

bool OPEintragAnlegen(Datenbank& daten, qint64 buchungsId, qint64 konto,
                      const QString& rechnungsnummer, bool bankeinzug, const QDate& belegdatum,
                      Betrag rechBetrag, Betrag zahlBetrag, int nettoTage, int valutaTage,
                      int skontoTage, double skontoSatz, Betrag skonto, const QString& bemerkung,
                      bool erzwingen, qint64 bearbeitungsId) {
    const tSitzung& s = Sitzung();
    if (!((s.Optionen.OPOS && konto != 0) || erzwingen))
        return false;
    if (bearbeitungsId >= 0)
        OPLogSchreiben(0, QStringLiteral("Anlegen eines OP-Eintrags: %1 / %2 / %3")
                              .arg(konto)
                              .arg(rechnungsnummer, BetragText(rechBetrag + zahlBetrag)));
    daten.ausfuehren(QStringLiteral("INSERT INTO OffenePosten (BuchungsID, Konto, "
                                    "Rechnungsnummer, Bankeinzug, Belegdatum, RechBetrag, "
                                    "ZahlBetrag, NettoTage, ValutaTage, SkontoTage, SkontoSatz, "
                                    "Skonto, ErstelltAm, ErstelltVon, Bemerkung, Geloescht) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
                     {buchungsId, konto, rechnungsnummer, bankeinzug, belegdatum, rechBetrag,
                      zahlBetrag, nettoTage, valutaTage, skontoTage, skontoSatz, skonto, Jetzt(),
                      s.Kuerzel, bemerkung});
    return true;
}

void OPAusBuchungAnlegen(Datenbank& daten, const tBuchung& b, qint64 buchungsId, int bereichsart,
                         const std::vector<tFaelligkeitsteil>* teile, qint64 bearbeitungsId) {
    const tBuchungsListenEintrag& h = b.BuchungsListe.front();
    const tZVDaten& zv = h.ZVDaten;
    const bool ausgabe = h.Buchungsseite.toUpper() == u"A";
    const bool geld = bereichsart == Bereichsart::Kasse || bereichsart == Bereichsart::Bank;
    const Betrag betrag = ausgabe ? h.Betrag : -h.Betrag;
    const Betrag skonto = ausgabe ? zv.SkontoBetrag : -zv.SkontoBetrag;
    auto anlegen = [&](const QString& nummer, Betrag rech, Betrag zahl, int valuta) {
        OPEintragAnlegen(daten, buchungsId, h.GKonto, nummer, zv.Bankeinzug, h.BelegDatum, rech,
                         zahl, zv.Nettotage, valuta, zv.SkontoTage, zv.SkontoSatz, skonto,
                         QString(), false, bearbeitungsId);
    };
    if (!teile) {
        anlegen(h.Rechungsnummer, geld ? Betrag() : betrag, geld ? betrag : Betrag(),
                zv.Valutatage);
        return;
    }
    int nummer = 0;
    for (const tFaelligkeitsteil& t : *teile) {
        ++nummer;
        if (t.Betrag.istNull())
            continue;
        const Betrag teil = ausgabe ? t.Betrag : -t.Betrag;
        anlegen(h.Rechungsnummer + QStringLiteral("#%1").arg(nummer, 2, 10, QLatin1Char('0')),
                ausgabe ? teil : Betrag(), ausgabe ? Betrag() : teil,
                int(h.BelegDatum.daysTo(t.Datum)));
    }
}

int OPEintraegeDerBuchungLoeschen(Datenbank& daten, qint64 buchungsId) {
    return daten.ausfuehren(QStringLiteral("UPDATE OffenePosten SET Geloescht=1, GeloeschtAm=?, "
                                           "GeloeschtVon=? WHERE BuchungsID=? AND "
                                           "coalesce(Geloescht, 0)=0"),
                            {Heute(), Sitzung().Kuerzel, buchungsId});
}

bool OPZeileLoeschen(Datenbank& daten, qint64 id) {
    if (Sitzung().NurLesen) {
        Benutzer().fehler(QStringLiteral("Sie haben hierfür keine Berechtigung!"));
        return false;
    }
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie den ausgewählten Posten wirklich löschen?"),
                         Knoepfe::JaNein) != Antwort::Ja)
        return false;
    OPLogSchreiben(
        int(AnzahlDatensaetze(daten, QStringLiteral("SELECT ID FROM OffenePosten WHERE ID=?"),
                              {id})),
        QStringLiteral("Manuell OP-Eintrag gelöscht - OPInfo: ") + OPBeschreibung(daten, id));
    daten.ausfuehren(QStringLiteral("UPDATE OffenePosten SET Geloescht=1, GeloeschtAm=?, "
                                    "GeloeschtVon=? WHERE ID=?"),
                     {Heute(), Sitzung().Kuerzel, id});
    return true;
}

void OPPostenLoeschen(Datenbank& daten, qint64 konto, const QString& rechnungsnummer) {
    OPLogSchreiben(int(AnzahlDatensaetze(daten,
                                         QStringLiteral("SELECT ID FROM OffenePosten WHERE "
                                                        "Rechnungsnummer=? AND Konto=?"),
                                         {rechnungsnummer, konto})),
                   QStringLiteral("Mehrfach OP-Eintrag gelöscht - OPInfo: %1 %2 %3")
                       .arg(DatumText(Heute()))
                       .arg(konto)
                       .arg(rechnungsnummer));
    daten.ausfuehren(QStringLiteral("UPDATE OffenePosten SET Geloescht=1, GeloeschtAm=?, "
                                    "GeloeschtVon=? WHERE Rechnungsnummer=? AND Konto=?"),
                     {Heute(), Sitzung().Kuerzel, rechnungsnummer, konto});
}

bool MehrereSkontosaetzeVorhanden(Datenbank& daten, qint64 konto, const QString& rechnungsnummer) {
    return AnzahlDatensaetze(daten,
                             QStringLiteral("SELECT SkontoSatz FROM OffenePosten WHERE "
                                            "Rechnungsnummer=? AND Konto=? AND RechBetrag<>0 AND "
                                            "SkontoSatz<>0 AND coalesce(Geloescht, 0)=0 GROUP BY "
                                            "SkontoSatz"),
                             {rechnungsnummer, konto}) > 1;
}

QString FaelligkeitsAufteilungPruefen(Betrag rechnungsbetrag,
                                      const std::vector<tFaelligkeitsteil>& teile) {
    if (teile.empty())
        return QString();
    const QDate erste = teile.front().Datum;
    Betrag summe;
    // An amount without a valid date has no due date at all: it is refused as too early.
    for (const tFaelligkeitsteil& t : teile)
        if (!t.Betrag.istNull() && (!t.Datum.isValid() || t.Datum < erste))
            return QStringLiteral("Datum liegt vor der ersten Fälligkeit!");
    for (const tFaelligkeitsteil& t : teile) {
        if (t.Betrag.cent() < 0)
            return QStringLiteral("Negative Beträge sind nicht zulässig!");
        summe += t.Betrag;
    }
    if (summe != rechnungsbetrag)
        return QStringLiteral("Der Rechnungsbetrag (%1) ist nicht komplett aufgeteilt!")
            .arg(BetragText(rechnungsbetrag));
    return QString();
}

namespace {

tFaelligkeitsAbfrage& Faelligkeitsabfrage() {
    static tFaelligkeitsAbfrage abfrage;
    return abfrage;
}

} // namespace

void FaelligkeitsAufteilungAnmelden(tFaelligkeitsAbfrage abfrage) {
    Faelligkeitsabfrage() = std::move(abfrage);
}

std::optional<std::vector<tFaelligkeitsteil>>
FaelligkeitenAufteilen(Betrag rechnungsbetrag, const QDate& ersteFaelligkeit) {
    if (!Faelligkeitsabfrage())
        return std::nullopt;
    return Faelligkeitsabfrage()(rechnungsbetrag, ersteFaelligkeit);
}

tOPBetraege OPBetraegeNachArt(int art, bool kunde, Betrag betrag, Betrag skonto) {
    const bool negativ = (art == OPArt::Gutschrift || art == OPArt::GezahlteGutschrift) != kunde;
    const Betrag b = negativ ? -betrag : betrag;
    const Betrag s = negativ ? -skonto : skonto;
    if (art == OPArt::Rechnung || art == OPArt::Gutschrift)
        return {b, Betrag(), s};
    return {Betrag(), b, s};
}

int OPArtErmitteln(bool kunde, Betrag rechBetrag, Betrag zahlBetrag) {
    if (!rechBetrag.istNull())
        return (rechBetrag.cent() > 0) != kunde ? OPArt::Rechnung : OPArt::Gutschrift;
    return (zahlBetrag.cent() > 0) != kunde ? OPArt::Bezahlung : OPArt::GezahlteGutschrift;
}

tOPPruefung OPEingabePruefen(const tOPEingabe& e) {
    if (e.Konto == 0)
        return {OPFeld::Konto, QStringLiteral("Wählen Sie bitte ein Konto aus!")};
    if (e.Art < OPArt::Rechnung || e.Art > OPArt::GezahlteGutschrift)
        return {OPFeld::Art, QStringLiteral("Wählen Sie die Art des offenen Posten aus!")};
    if (e.Rechnungsnummer.trimmed().isEmpty())
        return {OPFeld::Rechnungsnummer, QStringLiteral("Geben Sie eine Rechnungsnummer ein!")};
    if (e.Betrag.cent() <= 0)
        return {OPFeld::Betrag, QStringLiteral("Geben Sie einen positiven Betrag ein!")};
    return {};
}

bool OPManuellAnlegen(Datenbank& daten, const tOPEingabe& e) {
    const tOPBetraege b =
        OPBetraegeNachArt(e.Art, KontoArtErmitteln(e.Konto) == KontoArt::Kunde, e.Betrag, e.Skonto);
    return OPEintragAnlegen(daten, -1, e.Konto, e.Rechnungsnummer, e.Bankeinzug, e.Belegdatum,
                            b.RechBetrag, b.ZahlBetrag, e.Nettotage, e.Valutatage, e.Skontotage,
                            e.SkontoSatz, b.Skonto, QString(), false);
}

std::optional<std::pair<qint64, tOPEingabe>> OPLaden(Datenbank& daten, qint64 id,
                                                     qint64 buchungsId) {
    const bool nachBuchung = buchungsId >= 0;
    Abfrage q(daten,
              QStringLiteral("SELECT ID, Konto, Rechnungsnummer, Bankeinzug, Belegdatum, "
                             "RechBetrag, ZahlBetrag, ValutaTage, SkontoTage, NettoTage, "
                             "SkontoSatz, Skonto FROM OffenePosten WHERE %1=? ORDER BY ID LIMIT 1")
                  .arg(nachBuchung ? QStringLiteral("BuchungsID") : QStringLiteral("ID")),
              {nachBuchung ? buchungsId : id});
    if (!q.naechste())
        return std::nullopt;
    tOPEingabe e;
    e.Konto = q.ganzzahl(1);
    e.Rechnungsnummer = q.text(2);
    e.Bankeinzug = q.wahr(3);
    e.Belegdatum = q.datum(4);
    const Betrag rech = q.betrag(5);
    const Betrag zahl = q.betrag(6);
    e.Art = OPArtErmitteln(KontoArtErmitteln(e.Konto) == KontoArt::Kunde, rech, zahl);
    e.Betrag = Betrag::ausCent(qAbs((rech.istNull() ? zahl : rech).cent()));
    e.Valutatage = int(q.ganzzahl(7));
    e.Skontotage = int(q.ganzzahl(8));
    e.Nettotage = int(q.ganzzahl(9));
    e.SkontoSatz = q.zahl(10);
    e.Skonto = Betrag::ausCent(qAbs(q.betrag(11).cent()));
    return std::pair{q.ganzzahl(0), e};
}

bool OPAendern(Datenbank& daten, qint64 id, const tOPEingabe& e) {
    if (AnzahlDatensaetze(daten, QStringLiteral("SELECT ID FROM OffenePosten WHERE ID=?"), {id}) ==
        0) {
        Benutzer().fehler(QStringLiteral("Fehler beim Ändern des offenen Posten!"));
        return false;
    }
    const tOPBetraege b =
        OPBetraegeNachArt(e.Art, KontoArtErmitteln(e.Konto) == KontoArt::Kunde, e.Betrag, e.Skonto);
    const bool zahlung = e.Art == OPArt::Bezahlung || e.Art == OPArt::GezahlteGutschrift;
    daten.ausfuehren(QStringLiteral("UPDATE OffenePosten SET Belegdatum=?, Rechnungsnummer=?, "
                                    "Bankeinzug=?, RechBetrag=?, ZahlBetrag=?, "
                                    "Skonto=CASE WHEN ? THEN Skonto ELSE ? END, NettoTage=?, "
                                    "ValutaTage=?, SkontoTage=?, SkontoSatz=? WHERE ID=?"),
                     {e.Belegdatum, e.Rechnungsnummer, e.Bankeinzug, b.RechBetrag, b.ZahlBetrag,
                      zahlung, b.Skonto, e.Nettotage, e.Valutatage, e.Skontotage, e.SkontoSatz,
                      id});
    return true;
}

tFaelligeOPs FaelligeOPsZaehlen(Datenbank& daten, bool bankeinzug, qint64 kontoVon,
                                qint64 kontoBis) {
    const tSitzung& s = Sitzung();
    tFaelligeOPs ergebnis;
    // The first row of an item is its undeleted row with the lowest ID; deleted rows count
    // nowhere, neither in the item nor in the account's balance.
    std::map<qint64, Betrag> kontosaldo;
    {
        Abfrage q(daten,
                  QStringLiteral("SELECT Konto, sum(RechBetrag)-sum(ZahlBetrag) FROM OffenePosten "
                                 "WHERE coalesce(Geloescht, 0)=0 AND Konto BETWEEN ? AND ? "
                                 "GROUP BY Konto"),
                  {kontoVon, kontoBis});
        while (q.naechste())
            kontosaldo[q.ganzzahl(0)] = q.betrag(1);
    }
    Abfrage q(
        daten,
        QStringLiteral("SELECT o.Konto, sum(o.RechBetrag)-sum(o.ZahlBetrag), f.Bankeinzug, "
                       "f.Belegdatum, f.ValutaTage, f.NettoTage, f.SkontoTage, f.SkontoSatz "
                       "FROM OffenePosten o JOIN OffenePosten f ON f.ID=(SELECT min(ID) FROM "
                       "OffenePosten WHERE Konto=o.Konto AND Rechnungsnummer=o.Rechnungsnummer AND "
                       "coalesce(Geloescht, 0)=0) WHERE coalesce(o.Geloescht, 0)=0 AND o.Konto "
                       "BETWEEN ? AND ? GROUP BY o.Konto, o.Rechnungsnummer "
                       "HAVING f.Bankeinzug=? AND sum(o.RechBetrag)-sum(o.ZahlBetrag)<>0"),
        {kontoVon, kontoBis, bankeinzug});
    const QDate heute = Heute();
    while (q.naechste()) {
        ++ergebnis.Anzahl;
        const Betrag saldo = q.betrag(1);
        const bool richtung = bankeinzug ? saldo.cent() < 0 : saldo.cent() > 0;
        const Betrag konto = kontosaldo[q.ganzzahl(0)];
        const bool kontoRichtung = bankeinzug ? konto.cent() < 0 : konto.cent() > 0;
        const QDate valuta = q.datum(3).addDays(q.ganzzahl(4));
        const bool faellig =
            valuta.addDays(q.ganzzahl(5)) <= heute.addDays(s.Optionen.ZVFaelligkeitstage) ||
            (valuta.addDays(q.ganzzahl(6)) <= heute.addDays(s.Optionen.ZVSkontoTage) &&
             q.zahl(7) > 0);
        if (richtung && kontoRichtung && faellig)
            ++ergebnis.Faellig;
    }
    return ergebnis;
}

bool ZahlungsverkehrAktiv(Datenbank& daten, bool zahlungsrecht) {
    if (!zahlungsrecht)
        return false;
    if (Sitzung().Optionen.OPOS)
        return true;
    auto offen = [&](qint64 von, qint64 bis, bool bankeinzug) {
        return daten
                   .ganzzahlWert(QStringLiteral("SELECT coalesce(sum(RechBetrag)-sum(ZahlBetrag), "
                                                "0) FROM OffenePosten WHERE Konto BETWEEN ? AND "
                                                "? AND Bankeinzug=? AND coalesce(Geloescht, 0)=0"),
                                 {von, bis, bankeinzug})
                   .value_or(0) != 0;
    };
    return offen(80000, 99999, false) || offen(10000, 69999, true);
}
