#include "Buchungspruefung.h"

#include "Belegmaske.h"
#include "Belegnummer.h"
#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "Datum.h"
#include "Konten.h"
#include "Kontenbereiche.h"
#include "Optionen.h"
#include "Rueckfragen.h"
#include "Salden.h"
#include "Sitzung.h"
#include "Steuer.h"
#include "Text.h"
#include "Textschluessel.h"

#include <map>
#include <set>

bool MonatAbgeschlossen(Datenbank& daten, int monat, int jahr) {
    return daten
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Abschluss WHERE Monat=? AND Jahr=? LIMIT 1"),
                      {monat, jahr})
        .has_value();
}

QString MonatAbgeschlossenText(int monat, int jahr) {
    return QStringLiteral("Der Monat %1/%2 ist bereits abgeschlossen!\rSie können daher keine "
                          "weiteren Erfassungen in diesem Monat mehr vornehmen.")
        .arg(monat)
        .arg(jahr);
}

namespace {

int Kontenplan() {
    const int plan = Sitzung().Firma.Kontenplan;
    return plan == 0 ? 77 : plan;
}

bool IstGeldkonto(qint64 konto) {
    const auto& b = Sitzung().Kontenbereiche;
    return KontoImKontenbereich(b, konto, Kontenbereich::Kasse) ||
           KontoImKontenbereich(b, konto, Kontenbereich::Bank);
}

bool IstKasse(qint64 konto) {
    return KontoImKontenbereich(Sitzung().Kontenbereiche, konto, Kontenbereich::Kasse);
}

bool IstRechnungsbereich(int art) {
    return art == Bereichsart::Wareneingang || art == Bereichsart::Rechnungsausgang ||
           art == Bereichsart::Kosten;
}

bool KontoInBereichsart(TDataModule1& dm, int art, qint64 konto) {
    return dm.ADOConnection_Stamm
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM KontenbereichZuordnung z JOIN Kontenbereiche "
                                     "k ON z.KontenbereichID=k.ID WHERE z.BereichsArt=?1 AND "
                                     "k.KontoVon<=?2 AND k.KontoBis>=?2 AND z.Kontenplan=?3 AND "
                                     "k.Kontenplan=?3 LIMIT 1"),
                      {art, konto, Kontenplan()})
        .has_value();
}

bool Fehler(tBuchung& b, int code, int spalte, const QString& text) {
    b.FehlerCode = code;
    b.FehlerSpalte = spalte;
    b.FehlerString = text;
    return false;
}

int ArtDesBereichs(TDataModule1& dm, int bereichId) {
    return BereichsartErmitteln(dm.ADOConnection_Daten, bereichId);
}

QDate LetzterTagDesArbeitsmonats() {
    const tSitzung& s = Sitzung();
    return QDate(s.Jahr, s.Monat, TageImMonat(s.Monat, s.Jahr));
}

bool KontoBekannt(TDataModule1& dm, qint64 konto) {
    if (IstPersonenkonto(konto))
        return KontoVorhanden(dm.ADOConnection_Archiv, Sitzung().MNr, konto);
    return SachkontoLaden(dm.ADOConnection_Archiv, QString::number(konto)).has_value();
}

// Split lines are refused at save time as the split list refuses them while typing.
bool AufteilungPruefen(TDataModule1& dm, tBuchung& b, int art) {
    for (size_t i = 1; i < b.BuchungsListe.size(); ++i) {
        const tBuchungsListenEintrag& z = b.BuchungsListe[i];
        if (z.Betrag.istNull())
            continue;
        const qint64 konto = IstRechnungsbereich(art) ? z.Konto : z.GKonto;
        if (konto == 0 || IstGeldkonto(konto) || !KontoBekannt(dm, konto))
            return Fehler(b, Pruefcode::Buchungszeile, 3, QStringLiteral("Ungültige Kontierung!"));
        const QString steuer = z.Steuer.trimmed();
        if (!steuer.isEmpty() && steuer != u"0" &&
            !SteuerschluesselErmitteln(dm, art, z.Konto, z.GKonto, steuer,
                                       LetzterTagDesArbeitsmonats())
                 .SchluesselErlaubt)
            return Fehler(b, Pruefcode::Buchungszeile, 6, QStringLiteral("Ungültige Steuer!"));
    }
    return true;
}

tKassenminusAbfrage& Kassenminusabfrage() {
    static tKassenminusAbfrage abfrage;
    return abfrage;
}

struct tMinuspunkt {
    QDate Datum;
    Betrag Saldo;
};

// The first day whose closing balance of cash account k falls below zero, with the old rows
// of the edited or deleted booking taken out and the new lines put in at their own dates.
std::optional<tMinuspunkt> ErsterMinustag(Datenbank& daten, qint64 k,
                                          const std::map<QDate, Betrag>& neu, qint64 ohneBuchung,
                                          const QDate& ab) {
    // The balance at the start of the first day, so that an opening balance dated that very
    // day counts.
    Betrag s = SaldoBerechnen(daten, k, ab, ab).Anfangssaldo;
    std::map<QDate, Betrag> tage = neu;
    Abfrage q(daten,
              QStringLiteral(
                  "SELECT Belegdatum, sum(w) FROM ("
                  "SELECT Belegdatum, (CASE upper(Buchungsseite) WHEN 'E' THEN Betrag WHEN 'A' "
                  "THEN -Betrag ELSE 0 END) AS w FROM Erfassungen WHERE Konto=?1 AND "
                  "GKonto<>?1 AND Belegdatum>=?2 AND BuchungsID<>?3 "
                  "UNION ALL SELECT Belegdatum, (CASE upper(Buchungsseite) WHEN 'A' THEN Betrag "
                  "WHEN 'E' THEN -Betrag ELSE 0 END) FROM Erfassungen WHERE GKonto=?1 AND "
                  "Konto<>?1 AND Belegdatum>=?2 AND BuchungsID<>?3) GROUP BY Belegdatum"),
              {k, ab, ohneBuchung});
    while (q.naechste())
        tage[q.datum(0)] += q.betrag(1);
    for (const auto& [tag, wirkung] : tage) {
        s += wirkung;
        if (s.cent() < 0)
            return tMinuspunkt{tag, s};
    }
    return std::nullopt;
}

} // namespace

bool KontenstellungPruefen(TDataModule1& dm, int bereichsart, qint64 konto, qint64 gkonto) {
    if (konto == 0 || gkonto == 0 || bereichsart == -1)
        return true;
    if (!KontoInBereichsart(dm, bereichsart, konto) || !KontoInBereichsart(dm, bereichsart, gkonto))
        return false;
    return !(IstGeldkonto(konto) && IstGeldkonto(gkonto));
}

bool SeiteGueltig(const QString& text) {
    const QString s = text.toUpper();
    return s == u"E" || s == u"A";
}

QStringList DoppelteErfassungSuchen(Datenbank& daten, qint64 buchungsId, qint64 konto,
                                    qint64 gkonto, const QString& rechnungsnummer, Betrag betrag,
                                    const QDate& belegdatum) {
    QStringList liste;
    Abfrage q(daten,
              QStringLiteral("SELECT Belegdatum, Buchungstext, Betrag, Belegnummer FROM "
                             "Erfassungen WHERE BuchungsID<>? AND Belegdatum=? AND Konto=? AND "
                             "GKonto=? AND Betrag=? AND Rechnungsnummer=? ORDER BY ID"),
              {buchungsId, belegdatum, konto, gkonto, betrag, rechnungsnummer});
    while (q.naechste())
        liste << DatumText(q.datum(0)) + QStringLiteral(" - ") + q.text(1) + QStringLiteral("  ") +
                     AuffuellenLinks(BetragText(q.betrag(2)), 10, QLatin1Char(' ')) +
                     QStringLiteral("   (BelegNr.: ") + q.text(3) + QStringLiteral(")     \r");
    return liste;
}

bool BuchungPruefenRecord(TDataModule1& dm, tBuchung& b, const tMaskenZustand& maske) {
    const tSitzung& s = Sitzung();
    tBuchungsListenEintrag& h = b.BuchungsListe.front();
    const bool vorlage = maske.Reiter == Erfassungsreiter::WiederkVorgabe;
    const bool importPool = maske.Reiter == Erfassungsreiter::ImportPool;
    const int art = ArtDesBereichs(dm, h.BuchungsbereichID);
    if (!vorlage && (!h.BelegDatum.isValid() || h.BelegDatum.month() != s.Monat ||
                     h.BelegDatum.year() != s.Jahr))
        return Fehler(b, Pruefcode::Buchungszeile, 0, QStringLiteral("Ungültiges Belegdatum!"));
    if (!b.TSName.isEmpty() && !TextschluesselHolen(dm.ADOConnection_Archiv, s.MNr, b.TSName))
        return Fehler(b, Pruefcode::Buchungszeile, 1, QStringLiteral("Ungültiger Textschlüssel!"));
    if (importPool && h.Konto == 0)
        return Fehler(b, Pruefcode::Buchungszeile, 2, QStringLiteral("Ungültiges Konto!"));
    if (importPool && h.GKonto == 0)
        return Fehler(b, Pruefcode::Buchungszeile, 3, QStringLiteral("Ungültiges Gegenkonto!"));
    if (maske.BereichID != BereichWiederkErfassungen &&
        !KontenstellungPruefen(dm, art, h.Konto, h.GKonto))
        return Fehler(b, Pruefcode::Buchungszeile, 3, QStringLiteral("Ungültige Kontenstellung!"));
    if (h.Betrag.cent() <= 0)
        return Fehler(b, Pruefcode::Buchungszeile, 4, QStringLiteral("Ungültiger Betrag!"));
    if (!SeiteGueltig(h.Buchungsseite))
        return Fehler(b, Pruefcode::Buchungszeile, 5,
                      QStringLiteral("Zulässig sind: E (Einnahme) oder A (Ausgabe)!"));
    const QString steuer = h.Steuer.trimmed();
    if (!steuer.isEmpty() && steuer != u"0" &&
        !SteuerschluesselErmitteln(dm, art, h.Konto, h.GKonto, steuer, LetzterTagDesArbeitsmonats())
             .SchluesselErlaubt)
        return Fehler(b, Pruefcode::Buchungszeile, 6, QStringLiteral("Ungültige Steuer!"));
    // A typed counter is checked in split bookings too; only pool rows bring receipt numbers
    // of their own, which the save keeps as text.
    if (!importPool && !b.Belegnummer.trimmed().isEmpty()) {
        bool ok = false;
        const qint64 zaehler = b.Belegnummer.trimmed().toLongLong(&ok);
        if (!ok || zaehler < 1 || zaehler > 999999)
            return Fehler(b, Pruefcode::Buchungszeile, 8, QStringLiteral("Ungültige Belegnummer!"));
    }
    if (!AufteilungPruefen(dm, b, art))
        return false;
    if (h.Buchungstext.trimmed().isEmpty())
        return Fehler(b, Pruefcode::Buchungszeile, 9,
                      QStringLiteral("Geben Sie bitte einen Buchungstext ein!"));
    const bool opos = s.Optionen.OPOS;
    if ((opos || s.Optionen.RechNrPflicht) && IstRechnungsbereich(art) && !vorlage &&
        h.Rechungsnummer.isEmpty())
        return Fehler(b, Pruefcode::Rechnungsnummer, 0, QStringLiteral("Rechnungsnummer fehlt!"));
    if (h.Rechungsnummer.contains(QLatin1Char('"')))
        return Fehler(b, Pruefcode::Rechnungsnummer, 10,
                      QStringLiteral("Ungültige Rechnungsnummer (Anführungszeichen)!"));
    const tZVDaten& zv = h.ZVDaten;
    if (zv.Valutatage >= 1000)
        return Fehler(b, Pruefcode::Valutatage, 0, QStringLiteral("Ungültige Valutatage!"));
    if (zv.SkontoTage >= 1000)
        return Fehler(b, Pruefcode::Skontotage, 0, QStringLiteral("Ungültige Skontotage!"));
    if (zv.Nettotage >= 1000)
        return Fehler(b, Pruefcode::Nettotage, 0, QStringLiteral("Ungültige Nettotage!"));
    if (IstRechnungsbereich(art) && opos &&
        KontoZVDatenLaden(dm.ADOConnection_Archiv, s.MNr, QString::number(h.GKonto)).OPOS) {
        if (zv.Nettotage < zv.SkontoTage)
            return Fehler(b, Pruefcode::Nettotage, 0,
                          QStringLiteral("Fälligkeitsdatum liegt vor Skontodatum!"));
        if (h.Betrag < zv.SkontoBetrag)
            return Fehler(b, Pruefcode::Skontobetrag, 0,
                          QStringLiteral("Ungültiger Skontobertrag!"));
        if (zv.SkontoSatz > 100)
            return Fehler(b, Pruefcode::Skontosatz, 0, QStringLiteral("Ungültiger Skontosatz!"));
    }
    if (StoppenWegenKassenMinusPruefung(dm, b, maske.BearbeitungsID, -1))
        return Fehler(b, Pruefcode::Kassenminus, 0, QStringLiteral("Minussaldo!"));
    b.FehlerCode = Pruefcode::Ok;
    return true;
}

void KassenminusAbfrageAnmelden(tKassenminusAbfrage abfrage) {
    Kassenminusabfrage() = std::move(abfrage);
}

bool StoppenWegenKassenMinusPruefung(TDataModule1& dm, const tBuchung& buchung,
                                     qint64 bearbeitungsId, qint64 loeschBuchungsId) {
    tSitzung& s = Sitzung();
    if (s.Optionen.KassenminusbestandIgnorieren)
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    const bool loeschen = loeschBuchungsId >= 0;
    const qint64 alteBuchung = loeschen ? loeschBuchungsId : bearbeitungsId;
    // Cash accounts the new lines and the old rows move, each with the first day it changes.
    std::map<qint64, std::map<QDate, Betrag>> neu;
    std::map<qint64, QDate> ab;
    auto beruehrt = [&](qint64 k, const QDate& d) {
        if (!IstKasse(k))
            return;
        auto [it, eingefuegt] = ab.emplace(k, d);
        if (!eingefuegt && d < it->second)
            it->second = d;
    };
    if (!loeschen) {
        for (const tBuchungsListenEintrag& z : buchung.BuchungsListe) {
            for (const qint64 k : {z.Konto, z.GKonto}) {
                beruehrt(k, z.BelegDatum);
                if (IstKasse(k))
                    neu[k][z.BelegDatum] +=
                        SaldoWirkung(k, z.Konto, z.GKonto, z.Buchungsseite, z.Betrag);
            }
        }
    }
    if (alteBuchung >= 0) {
        Abfrage q(daten,
                  QStringLiteral("SELECT Konto, GKonto, Belegdatum FROM Erfassungen WHERE "
                                 "BuchungsID=?"),
                  {alteBuchung});
        while (q.naechste()) {
            beruehrt(q.ganzzahl(0), q.datum(2));
            beruehrt(q.ganzzahl(1), q.datum(2));
        }
    }
    for (const auto& [k, erster] : ab) {
        const auto minus = ErsterMinustag(daten, k, neu[k], alteBuchung, erster);
        if (!minus)
            continue;
        const QString anfang = loeschen
                                   ? QStringLiteral("Das Löschen der aktuellen Erfassung wird am ")
                                   : QStringLiteral("Die Verbuchung Ihrer aktuellen Erfassung "
                                                    "wird am ");
        const QString ende =
            loeschen ? QStringLiteral("trotzdem löschen?") : QStringLiteral("trotzdem speichern?");
        const QString meldung = anfang + DatumText(minus->Datum) +
                                QStringLiteral(" zu einem negativen Kassenbestand von ") +
                                BetragText(minus->Saldo) +
                                QStringLiteral(" € führen. Möchten Sie die Erfassung ") + ende;
        bool nichtMehrAnzeigen = false;
        const bool ja = Kassenminusabfrage() ? Kassenminusabfrage()(meldung, nichtMehrAnzeigen)
                                             : Benutzer().frage(Meldungsart::Warnung, meldung,
                                                                Knoepfe::JaNein) == Antwort::Ja;
        if (nichtMehrAnzeigen) {
            s.Optionen.KassenminusbestandIgnorieren = true;
            OptionenSpeichern(dm, s.Optionen);
        }
        return !ja;
    }
    return false;
}

tBuchung BuchungAusMaske(TDataModule1& dm, const tMaskenZustand& m) {
    const tSitzung& s = Sitzung();
    tBuchung b;
    b.BuchungsID = m.BearbeitungsID;
    tBuchungsListenEintrag& h = b.BuchungsListe.front();
    h.BuchungsbereichID = m.BereichID < 0 ? m.KlaerBereichID : m.BereichID;
    h.Bemerkung = m.BuchungsBemerkung;
    h.BelegDatum = DatumAusText(m.Spalten[0], s.Monat, s.Jahr).value_or(QDate());
    b.TSName = m.Spalten[1];
    h.Konto = m.Spalten[2].trimmed().toLongLong();
    h.GKonto = m.Spalten[3].trimmed().toLongLong();
    h.Betrag = BetragAusText(m.Spalten[4]).value_or(Betrag());
    h.Buchungsseite = m.Spalten[5].toUpper();
    h.Steuer = m.Spalten[6];
    b.BelegMaske = m.Spalten[7];
    b.Belegnummer = m.Spalten[8];
    h.Buchungstext = m.Spalten[9].trimmed();
    const tBuchungsbereich bereich =
        BuchungsbereichLaden(dm.ADOConnection_Daten, h.BuchungsbereichID);
    const QString rechnungsnummer =
        bereich.BNrAlsRNr ? m.Spalten[7] + m.Spalten[8] : m.Rechnungsnummer;
    h.BelegMaske = m.Spalten[7];
    h.Belegnummer = bereich.BelegMaske.isEmpty() && NurZiffern(m.Spalten[8])
                        ? AuffuellenLinks(m.Spalten[8], 4, QLatin1Char('0'))
                        : m.Spalten[8];
    h.ZVDaten.Bankeinzug = m.Bankeinzug;
    h.ZVDaten.Valutatage = m.Valutatage;
    h.ZVDaten.SkontoTage = m.Skontotage;
    h.ZVDaten.Nettotage = m.Nettotage;
    h.ZVDaten.SkontoSatz = m.SkontoSatz;
    h.ZVDaten.SkontoBetrag = m.SkontoBetrag;
    b.ZVDaten = h.ZVDaten;
    if (m.AufteilungAktiv) {
        const bool rechnung = IstRechnungsbereich(bereich.Bereichsart);
        // A copy: adding lines moves the main line in memory.
        const tBuchungsListenEintrag haupt = h;
        for (const auto& zeile : m.Aufteilung) {
            if (zeile.Betrag.trimmed().isEmpty())
                continue;
            tBuchungsListenEintrag z;
            z.BuchungsbereichID = haupt.BuchungsbereichID;
            z.BelegDatum = haupt.BelegDatum;
            z.Buchungsseite = haupt.Buchungsseite;
            const qint64 konto = zeile.Konto.trimmed().toLongLong();
            z.Konto = rechnung ? konto : haupt.GKonto;
            z.GKonto = rechnung ? haupt.Konto : konto;
            z.Betrag = BetragAusText(zeile.Betrag).value_or(Betrag());
            z.Steuer = zeile.Steuer;
            z.Buchungstext = zeile.Text;
            b.BuchungsListe.push_back(z);
        }
    }
    for (tBuchungsListenEintrag& z : b.BuchungsListe)
        z.Rechungsnummer = rechnungsnummer;
    return b;
}

namespace {

// Warnings of pool postings name the row they are about.
QString Kontextzusatz(const tMaskenZustand& m, const tBuchung& b) {
    if (m.Reiter != Erfassungsreiter::ImportPool && m.Reiter != Erfassungsreiter::WiederkPool)
        return QString();
    const tBuchungsListenEintrag& h = b.BuchungsListe.front();
    return DatumText(h.BelegDatum) + QLatin1Char(' ') + h.Buchungstext + QLatin1Char(' ') +
           AuffuellenLinks(BetragText(h.Betrag), 10, QLatin1Char(' ')) + QStringLiteral("\r\r");
}

bool Frage(Meldungsart art, const QString& text) {
    return Benutzer().frage(art, text, Knoepfe::JaNein) == Antwort::Ja;
}

} // namespace

bool BuchungPruefenMaske(TDataModule1& dm, const tMaskenZustand& m, tBuchung& b) {
    tSitzung& s = Sitzung();
    if (m.BereichID < 0 && m.KlaerBereichID < 0)
        return false;
    if (MonatAbgeschlossen(dm.ADOConnection_Daten, s.Monat, s.Jahr)) {
        Benutzer().fehler(MonatAbgeschlossenText(s.Monat, s.Jahr));
        return false;
    }
    if (s.NurLesen) {
        Benutzer().fehler(QStringLiteral("Sie haben hierfür keine Berechtigung!"));
        return false;
    }
    b = BuchungAusMaske(dm, m);
    if (!BuchungPruefenRecord(dm, b, m))
        return false;
    if (m.WiederholungenAktiv && m.Intervall <= 0) {
        Benutzer().fehler(QStringLiteral("Geben Sie einen Intervall ein!"));
        return false;
    }
    const tBuchungsListenEintrag& h = b.BuchungsListe.front();
    if (m.Faelligkeitsaufteilung) {
        Betrag summe;
        for (const tFaelligkeitsteil& t : *m.Faelligkeitsaufteilung)
            summe += t.Betrag;
        if (summe != h.Betrag) {
            Benutzer().fehler(QStringLiteral("Die Summe der Aufteilungsbeträge stimmt nicht mit "
                                             "dem Rechnungsbetrag überein!"));
            return false;
        }
    }
    const QString zusatz = Kontextzusatz(m, b);
    const tBuchungsListenEintrag& letzte = b.BuchungsListe.back();
    const QStringList doppelte = DoppelteErfassungSuchen(
        dm.ADOConnection_Daten, m.BearbeitungsID, letzte.Konto, letzte.GKonto,
        letzte.Rechungsnummer, letzte.Betrag, letzte.BelegDatum);
    if (!doppelte.isEmpty() &&
        !Frage(Meldungsart::Bestaetigung,
               QStringLiteral("Es wurden folgende Erfassungen bereits getätigt:\r\r") +
                   doppelte.join(QString()) +
                   QStringLiteral("\rMöchten Sie die Erfassung "
                                  "trotzdem speichern?")))
        return false;
    if (h.ZVDaten.SkontoSatz > 5 &&
        !Frage(Meldungsart::Warnung,
               QStringLiteral("Der von Ihnen eingegebene Skontosatz liegt über 5 %!\r\rMöchten Sie "
                              "die Erfassung trotzdem speichern?\r\r") +
                   zusatz))
        return Fehler(b, Pruefcode::Skontosatz, 0, QStringLiteral("Achtung: Skontosatz über 5 %!"));
    const tBuchungsbereich bereich =
        BuchungsbereichLaden(dm.ADOConnection_Daten, h.BuchungsbereichID);
    const bool oposBereich = IstRechnungsbereich(bereich.Bereichsart) && s.Optionen.OPOS;
    if (oposBereich) {
        if (!h.ZVDaten.SkontoBetrag.istNull() && h.ZVDaten.SkontoTage == 0 &&
            !Frage(Meldungsart::Warnung,
                   QStringLiteral("Sie haben einen Skontosatz, aber keine Skontotage "
                                  "hinterlegt!\rMöchten Sie die Erfassung trotzdem "
                                  "speichern?\r\r") +
                       zusatz))
            return Fehler(b, Pruefcode::Skontobetrag, 0, QString());
        if (h.ZVDaten.SkontoTage != 0 && h.ZVDaten.SkontoSatz == 0 &&
            !Frage(Meldungsart::Warnung,
                   QStringLiteral("Sie haben Skontotage, aber keinen Skontosatz hinterlegt!\r"
                                  "Möchten Sie die Erfassung trotzdem speichern?\r\r") +
                       zusatz))
            return Fehler(b, Pruefcode::Skontosatz, 0, QString());
    }
    if (m.BearbeitungsID == -1 && !bereich.KeinHinweisDoppelteBNr &&
        !b.Belegnummer.trimmed().isEmpty() &&
        BelegnummerVergeben(dm.ADOConnection_Daten, s.Monat, s.Jahr, bereich.BelegNrNeuBeginnen,
                            b.Belegnummer.trimmed().toLongLong(), b.BelegMaske,
                            s.Firma.WirtschaftsBeginn) &&
        !Frage(Meldungsart::Warnung,
               QStringLiteral("Die von Ihnen eingegebene Belegnummer ist bereits vergeben!\r"
                              "Möchten Sie die Erfassung trotzdem speichern?\r\r") +
                   zusatz +
                   QStringLiteral("(Hinweis: Sie können die Belegnummer für jeden "
                                  "Erfassungsbereich auch schleppend vergeben lassen!)")))
        return Fehler(b, Pruefcode::Buchungszeile, 8,
                      QStringLiteral("Diese Belegnummer ist bereits vergeben!"));
    if (oposBereich && h.GKonto != 0 &&
        (m.Reiter == Erfassungsreiter::Erfassungen || m.Reiter == Erfassungsreiter::WiederkPool ||
         m.Reiter == Erfassungsreiter::WiederkVorgabe) &&
        KontoZVDatenLaden(dm.ADOConnection_Archiv, s.MNr, QString::number(h.GKonto)).Bankeinzug !=
            h.ZVDaten.Bankeinzug &&
        !Frage(Meldungsart::Warnung,
               QStringLiteral("Der Bankeinzug dieser Rechnung weicht von dem im Stamm "
                              "hinterlegten Bankeinzug ab!\r\r") +
                   zusatz + QStringLiteral("Möchten Sie die Erfassung trotzdem speichern?")))
        return Fehler(b, Pruefcode::Rechnungsnummer, 0, QString());
    b.FehlerCode = Pruefcode::Ok;
    b.FehlerString.clear();
    return true;
}

bool BuchungPruefenBuchungsID(TDataModule1& dm, const QString& tabelle, qint64 id, tBuchung& b,
                              const tMaskenZustand& maske) {
    static const QStringList tabellen{"Erfassungen", "Erfassungen_Import", "Erfassungen_Dauer",
                                      "Erfassungen_DauerPool"};
    if (!tabellen.contains(tabelle))
        return false;
    const tSitzung& s = Sitzung();
    Datenbank& daten = dm.ADOConnection_Daten;
    b = tBuchung();
    tBuchungsListenEintrag& h = b.BuchungsListe.front();
    const bool pool = tabelle != u"Erfassungen";
    // The table name comes from the fixed list above, never from input.
    Abfrage q(daten, QStringLiteral("SELECT * FROM %1 WHERE ID=?").arg(tabelle), {id});
    if (q.naechste()) {
        b.BuchungsID = q.ganzzahl("BuchungsID");
        b.TSName = q.text("TSName");
        h.BuchungsbereichID = int(q.ganzzahl("BuchungsBereich"));
        const tBuchungsbereich bereich = BuchungsbereichLaden(daten, h.BuchungsbereichID);
        if (q.ganzzahl("BelegZaehler") > 0) {
            b.BelegMaske = q.text("BelegMaske");
            b.Belegnummer = QString::number(q.ganzzahl("BelegZaehler"));
        } else if (!q.text("Belegnummer").isEmpty()) {
            b.Belegnummer = q.text("Belegnummer");
        } else if (bereich.BelegNrVergabe != BelegNrVergabe::Keine) {
            b.BelegMaske = q.text("BelegMaske");
            if (b.BelegMaske.isEmpty())
                b.BelegMaske = BelegMaskeAufloesen(s.Jahr, s.Monat, 0, 0, bereich.BelegMaske,
                                                   s.Firma.WirtschaftsBeginn);
            b.Belegnummer = QString::number(NaechsterBelegZaehler(
                daten, s.Monat, s.Jahr, b.BelegMaske, bereich.BelegNrNeuBeginnen,
                bereich.BelegNrVergabe, s.Firma.WirtschaftsBeginn));
        }
        h.Betrag = q.betrag("Betrag");
        h.BelegDatum = q.datum("Belegdatum");
        h.Konto = q.ganzzahl("Konto");
        h.GKonto = q.ganzzahl("GKonto");
        h.Buchungstext = q.text("Buchungstext");
        h.Buchungsseite = q.text("Buchungsseite");
        h.Steuer = q.text("Steuer");
        h.Bemerkung = q.text("Bemerkung");
        h.Rechungsnummer = q.text("Rechnungsnummer");
        h.Festgeschrieben = q.wahr("Festgeschrieben");
        h.Systembuchung = q.wahr("Systembuchung");
        if (pool) {
            h.ZVDaten.Bankeinzug = q.wahr("Bankeinzug");
            h.ZVDaten.SkontoTage = int(q.ganzzahl("Skontotage"));
            h.ZVDaten.Nettotage = int(q.ganzzahl("Nettotage"));
            h.ZVDaten.Valutatage = int(q.ganzzahl("Valutatage"));
            h.ZVDaten.SkontoSatz = q.zahl("Skontosatz");
        } else {
            Abfrage op(daten,
                       QStringLiteral("SELECT * FROM OffenePosten WHERE BuchungsID=? AND "
                                      "coalesce(Geloescht, 0)=0 ORDER BY ID"),
                       {id});
            if (op.naechste()) {
                h.ZVDaten.Bankeinzug = op.wahr("Bankeinzug");
                h.ZVDaten.SkontoTage = int(op.ganzzahl("SkontoTage"));
                h.ZVDaten.Nettotage = int(op.ganzzahl("NettoTage"));
                h.ZVDaten.Valutatage = int(op.ganzzahl("ValutaTage"));
                h.ZVDaten.SkontoSatz = op.zahl("SkontoSatz");
                h.ZVDaten.RechBetrag = op.betrag("RechBetrag");
                h.ZVDaten.ZahlBetrag = op.betrag("ZahlBetrag");
            }
        }
        h.ZVDaten.SkontoBetrag = Anteil(h.ZVDaten.RechBetrag, h.ZVDaten.SkontoSatz / 100);
        b.ZVDaten = h.ZVDaten;
    }
    return BuchungPruefenRecord(dm, b, maske);
}
