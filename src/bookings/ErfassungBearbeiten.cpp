#include "ErfassungBearbeiten.h"

#include "Benutzerrechte.h"
#include "Buchungsbereiche.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Datenbank.h"
#include "Datum.h"
#include "GespeicherteErfassung.h"
#include "Konten.h"
#include "OffenePosten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Uhr.h"

#include <QStringList>
#include <algorithm>

namespace {

// Every column of Erfassungen in its stored order; the history and the archive hold them all.
// The tables a booking may be deleted from; table names reach SQL only from this list.
bool LoeschtabelleGueltig(const QString& tabelle) {
    static const QStringList tabellen{"Erfassungen", "Erfassungen_Import", "Erfassungen_Dauer",
                                      "Erfassungen_DauerPool"};
    return tabellen.contains(tabelle);
}

const QString Bezahlt = QStringLiteral("Diese Rechnung kann nicht mehr bearbeitet oder gelöscht "
                                       "werden, da sie schon teilweise oder ganz bezahlt wurde!");
const QString Nichtgefunden = QStringLiteral("Die Erfassung konnte nicht gefunden werden!");
const QString BegruendungFehlt =
    QStringLiteral("Für das Löschen dieser Erfassung müssen Sie eine Begründung eingeben!");

QString MonatGeschlossen(int monat, int jahr, const QString& tun) {
    return QStringLiteral("Der Monat %1/%2 ist bereits abgeschlossen!\rSie können daher keine "
                          "Erfassungen in diesem Monat %3.")
        .arg(monat)
        .arg(jahr)
        .arg(tun);
}

// The same day in the target month, its last day when the month is shorter.
QDate TagImMonat(const QDate& datum, int monat, int jahr) {
    return QDate(jahr, monat, std::min(datum.day(), TageImMonat(monat, jahr)));
}

// A change that leaves a history copy: who, when, and one more change than the main row had,
// on every row.
void AenderungVermerken(Datenbank& daten, qint64 buchungsId, bool steuerRelevant) {
    const qint64 bisher =
        daten
            .ganzzahlWert(QStringLiteral("SELECT coalesce(AnzahlAenderungen, 0) FROM Erfassungen "
                                         "WHERE BuchungsID=? ORDER BY Hauptbuchung DESC, ID "
                                         "LIMIT 1"),
                          {buchungsId})
            .value_or(0);
    daten.ausfuehren(QStringLiteral("UPDATE Erfassungen SET LetzteAenderung=?, AenderungVon=?, "
                                    "AnzahlAenderungen=?, AenderungSteuerRelevant=? WHERE "
                                    "BuchungsID=?"),
                     {Jetzt(), Sitzung().Kuerzel, bisher + 1, steuerRelevant, buchungsId});
}

bool KannBezahltSein(Datenbank& daten, int bereich) {
    return BereichsartErmitteln(daten, bereich) >= Bereichsart::Wareneingang;
}

} // namespace

bool RechnungBezahlt(Datenbank& daten, qint64 buchungsId, bool meldung) {
    Abfrage e(daten,
              QStringLiteral("SELECT Rechnungsnummer, GKonto FROM Erfassungen WHERE BuchungsID=? "
                             "ORDER BY Hauptbuchung DESC, ID LIMIT 1"),
              {buchungsId});
    if (!e.naechste())
        return false;
    const QString nummer = e.text(0);
    const qint64 konto = e.ganzzahl(1);
    const int art = KontoArtErmitteln(konto);
    if (nummer.isEmpty() || art < 0)
        return false;
    // Rows marked deleted no longer pay anything: a deleted payment booking leaves its rows
    // behind marked, and they must not lock the invoice for good.
    Abfrage op(daten,
               QStringLiteral("SELECT RechBetrag, ZahlBetrag FROM OffenePosten WHERE Konto=? AND "
                              "Rechnungsnummer=? AND coalesce(BuchungsID, -1)<>? AND "
                              "coalesce(Geloescht, 0)=0"),
               {konto, nummer, buchungsId});
    bool bezahlt = false;
    while (!bezahlt && op.naechste()) {
        const qint64 rech = op.betrag(0).cent();
        const bool zahlung = !op.betrag(1).istNull();
        bezahlt = art == KontoArt::Kunde ? (rech > 0 || zahlung) : (rech < 0 || zahlung);
    }
    if (bezahlt && meldung)
        Benutzer().fehler(Bezahlt);
    return bezahlt;
}

std::optional<tLoeschAngaben> LoeschAngabenLesen(Datenbank& daten, const QString& tabelle,
                                                 qint64 buchungsId) {
    if (!LoeschtabelleGueltig(tabelle))
        return std::nullopt;
    Abfrage q(daten,
              QStringLiteral("SELECT t.Belegdatum, t.Buchungstext, t.Betrag, b.Bereichsart FROM %1 "
                             "t LEFT JOIN Buchungsbereiche b ON b.BereichID=t.BuchungsBereich "
                             "WHERE t.BuchungsID=? ORDER BY t.Hauptbuchung DESC, t.ID LIMIT 1")
                  .arg(tabelle),
              {buchungsId});
    if (!q.naechste()) {
        Benutzer().fehler(Nichtgefunden);
        return std::nullopt;
    }
    tLoeschAngaben a;
    a.Belegdatum = q.datum(0);
    a.Buchungstext = q.text(1);
    a.Betrag = q.betrag(2);
    a.BegruendungNoetig = q.ganzzahl(3) == Bereichsart::Rechnungsausgang;
    return a;
}

std::vector<qint64> LoeschbareErfassungen(TDataModule1& dm, const QString& tabelle,
                                          const std::vector<qint64>& buchungsIds) {
    if (!LoeschtabelleGueltig(tabelle) || !AenderungErlaubt())
        return {};
    Datenbank& daten = dm.ADOConnection_Daten;
    // Only stored bookings have cash effects, closing months and open items; the pools and
    // templates number their rows on their own.
    const bool erfassungen = tabelle == u"Erfassungen";
    if (!erfassungen)
        return buchungsIds;
    for (const qint64 id : buchungsIds)
        if (StoppenWegenKassenMinusPruefung(dm, tBuchung(), -1, id))
            return {};
    for (const qint64 id : buchungsIds) {
        const std::vector<tGespeicherteZeile> zeilen = GespeicherteZeilen(daten, id);
        if (zeilen.empty())
            continue;
        const QDate d = zeilen.front().Belegdatum;
        if (MonatAbgeschlossen(daten, d.month(), d.year())) {
            Benutzer().fehler(MonatGeschlossen(d.month(), d.year(), QStringLiteral("löschen")));
            return {};
        }
    }
    std::vector<qint64> bleiben;
    for (const qint64 id : buchungsIds) {
        const std::vector<tGespeicherteZeile> zeilen = GespeicherteZeilen(daten, id);
        if (!zeilen.empty() && KannBezahltSein(daten, zeilen.front().Bereich) &&
            RechnungBezahlt(daten, id, false))
            continue;
        bleiben.push_back(id);
    }
    if (bleiben.empty() && !buchungsIds.empty())
        Benutzer().fehler(Bezahlt);
    return bleiben;
}

bool ErfassungenLoeschen(TDataModule1& dm, const QString& tabelle,
                         const std::vector<qint64>& buchungsIds, const QString& begruendung) {
    if (!LoeschtabelleGueltig(tabelle) || buchungsIds.empty() || !AenderungErlaubt())
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    if (buchungsIds.size() == 1 && begruendung.trimmed().isEmpty()) {
        Abfrage q(daten,
                  QStringLiteral("SELECT b.Bereichsart FROM %1 t JOIN Buchungsbereiche b ON "
                                 "b.BereichID=t.BuchungsBereich WHERE t.BuchungsID=? LIMIT 1")
                      .arg(tabelle),
                  {buchungsIds.front()});
        if (q.naechste() && q.ganzzahl(0) == Bereichsart::Rechnungsausgang) {
            Benutzer().fehler(BegruendungFehlt);
            return false;
        }
    }
    const bool erfassungen = tabelle == u"Erfassungen";
    const bool archivieren = tabelle != u"Erfassungen_Dauer";
    QStringList quelle;
    const QStringList spalten = ErfassungsSpaltenliste().split(QStringLiteral(", "));
    for (const QString& s : spalten)
        quelle << (s == u"Bemerkung" ? QStringLiteral("?1") : s);
    const QString archiv =
        QStringLiteral("INSERT INTO Erfassungen_geloescht (%1, Loeschdatum) SELECT %2, ?2 FROM "
                       "%3 WHERE BuchungsID=?3")
            .arg(ErfassungsSpaltenliste(), quelle.join(QStringLiteral(", ")), tabelle);
    QStringList logzeilen;
    std::vector<int> loganzahl;
    try {
        Transaktion t(daten);
        const QDateTime jetzt = Jetzt();
        for (const qint64 id : buchungsIds) {
            if (archivieren)
                daten.ausfuehren(archiv, {begruendung, jetzt, id});
            if (erfassungen) {
                logzeilen << QStringLiteral("Löschen von OP-Einträgen durch Löschen von "
                                            "Erfassung: ") +
                                 BuchungsBeschreibung(daten, id);
                loganzahl.push_back(OPEintraegeDerBuchungLoeschen(daten, id));
                for (const tGespeicherteZeile& z : GespeicherteZeilen(daten, id))
                    SaldenvortraegeNachfuehren(daten, z.Belegdatum, z.Konto, z.GKonto,
                                               z.Buchungsseite, z.Betrag, -1);
            }
            daten.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE BuchungsID=?").arg(tabelle),
                             {id});
        }
        t.bestaetigen();
    } catch (const DatenbankFehler& f) {
        Benutzer().fehler(f.text());
        return false;
    }
    for (qsizetype i = 0; i < logzeilen.size(); ++i)
        OPLogSchreiben(loganzahl[size_t(i)], logzeilen[i]);
    return true;
}

std::vector<std::pair<int, int>> VerschiebeMonate(TDataModule1& dm, int bereichId) {
    const tSitzung& s = Sitzung();
    Datenbank& daten = dm.ADOConnection_Daten;
    QDate beginn = BuchungsbereichLaden(daten, bereichId).AnfangsMonat;
    if (!beginn.isValid() || beginn.year() < 1900)
        beginn = s.Firma.ErfassungsBeginn;
    if (!beginn.isValid() || beginn.year() < 1900)
        beginn = QDate(s.Jahr, s.Monat, 1);
    const QDate heute = Heute();
    std::vector<std::pair<int, int>> monate;
    for (QDate d(beginn.year(), beginn.month(), 1); d <= QDate(heute.year(), heute.month(), 1);
         d = d.addMonths(1)) {
        if (d.month() == s.Monat && d.year() == s.Jahr)
            continue;
        if (!MonatAbgeschlossen(daten, d.month(), d.year()))
            monate.emplace_back(d.month(), d.year());
    }
    return monate;
}

bool VerschiebenBestaetigen(TDataModule1& dm, const std::vector<qint64>& buchungsIds, int monat,
                            int jahr) {
    const tSitzung& s = Sitzung();
    if (!AenderungErlaubt())
        return false;
    if (MonatAbgeschlossen(dm.ADOConnection_Daten, s.Monat, s.Jahr)) {
        Benutzer().fehler(
            QStringLiteral("Der aktuelle Erfassungsmonat ist bereits abgeschlossen!"));
        return false;
    }
    if (buchungsIds.empty()) {
        Benutzer().fehler(QStringLiteral("Wählen Sie bitte die zu verschiebene Erfassung aus!"));
        return false;
    }
    return Benutzer().frage(Meldungsart::Warnung,
                            QStringLiteral("Sind Sie sicher, dass Sie die markierten Erfassungen "
                                           "in den Monat %1/%2 verschieben möchten?")
                                .arg(monat)
                                .arg(jahr),
                            Knoepfe::JaNein) == Antwort::Ja;
}

bool ErfassungenVerschieben(TDataModule1& dm, const std::vector<qint64>& buchungsIds, int monat,
                            int jahr) {
    if (!AenderungErlaubt() || monat < 1 || monat > 12)
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    if (MonatAbgeschlossen(daten, monat, jahr)) {
        Benutzer().fehler(QStringLiteral("Der Monat %1/%2 ist bereits abgeschlossen!\rSie können "
                                         "daher keine Erfassungen in diesen Monat verschieben.")
                              .arg(monat)
                              .arg(jahr));
        return false;
    }
    // Every check and question first, so that nothing waits for the user inside the write.
    std::vector<std::pair<qint64, std::vector<tGespeicherteZeile>>> buchungen;
    for (const qint64 id : buchungsIds) {
        std::vector<tGespeicherteZeile> zeilen = GespeicherteZeilen(daten, id);
        if (zeilen.empty()) {
            Benutzer().fehler(Nichtgefunden);
            return false;
        }
        const tGespeicherteZeile& h = zeilen.front();
        if (MonatAbgeschlossen(daten, h.Belegdatum.month(), h.Belegdatum.year())) {
            Benutzer().fehler(MonatGeschlossen(h.Belegdatum.month(), h.Belegdatum.year(),
                                               QStringLiteral("verschieben")));
            return false;
        }
        if (KannBezahltSein(daten, h.Bereich) && RechnungBezahlt(daten, id, true))
            return false;
        tBuchung b;
        b.BuchungsID = id;
        b.BuchungsListe.clear();
        for (const tGespeicherteZeile& z : zeilen) {
            tBuchungsListenEintrag e;
            e.BuchungsbereichID = z.Bereich;
            e.BelegDatum = TagImMonat(z.Belegdatum, monat, jahr);
            e.Konto = z.Konto;
            e.GKonto = z.GKonto;
            e.Betrag = z.Betrag;
            e.Buchungsseite = z.Buchungsseite;
            b.BuchungsListe.push_back(e);
        }
        if (StoppenWegenKassenMinusPruefung(dm, b, id, -1))
            return false;
        buchungen.emplace_back(id, std::move(zeilen));
    }
    try {
        Transaktion t(daten);
        for (const auto& [id, zeilen] : buchungen) {
            const QDate alt = zeilen.front().Belegdatum;
            if (alt.month() == monat && alt.year() == jahr)
                continue;
            VerlaufKopieren(daten, id);
            for (const tGespeicherteZeile& z : zeilen) {
                const QDate neu = TagImMonat(z.Belegdatum, monat, jahr);
                SaldenvortraegeNachfuehren(daten, z.Belegdatum, z.Konto, z.GKonto, z.Buchungsseite,
                                           z.Betrag, -1);
                SaldenvortraegeNachfuehren(daten, neu, z.Konto, z.GKonto, z.Buchungsseite, z.Betrag,
                                           1);
                daten.ausfuehren(QStringLiteral("UPDATE Erfassungen SET Belegdatum=? WHERE ID=?"),
                                 {neu, z.ID});
            }
            AenderungVermerken(daten, id, true);
            // Open items keep their days; they count from the receipt date.
            std::vector<std::pair<qint64, QDate>> posten;
            {
                Abfrage q(daten,
                          QStringLiteral("SELECT ID, Belegdatum FROM OffenePosten WHERE "
                                         "BuchungsID=? AND coalesce(Geloescht, 0)=0"),
                          {id});
                while (q.naechste())
                    posten.emplace_back(q.ganzzahl(0), q.datum(1));
            }
            for (const auto& [opId, datum] : posten)
                daten.ausfuehren(QStringLiteral("UPDATE OffenePosten SET Belegdatum=? WHERE ID=?"),
                                 {TagImMonat(datum.isValid() ? datum : alt, monat, jahr), opId});
        }
        t.bestaetigen();
    } catch (const DatenbankFehler& f) {
        Benutzer().fehler(f.text());
        return false;
    }
    return true;
}

bool BemerkungLoeschen(TDataModule1& dm, qint64 buchungsId) {
    if (!AenderungErlaubt())
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    const std::vector<tGespeicherteZeile> zeilen = GespeicherteZeilen(daten, buchungsId);
    if (zeilen.empty()) {
        Benutzer().fehler(Nichtgefunden);
        return false;
    }
    const QDate d = zeilen.front().Belegdatum;
    if (MonatAbgeschlossen(daten, d.month(), d.year())) {
        Benutzer().fehler(MonatAbgeschlossenText(d.month(), d.year()));
        return false;
    }
    if (!daten
             .ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen WHERE BuchungsID=? AND "
                                          "coalesce(Bemerkung, '')<>'' LIMIT 1"),
                           {buchungsId})
             .has_value())
        return true;
    try {
        Transaktion t(daten);
        VerlaufKopieren(daten, buchungsId);
        daten.ausfuehren(QStringLiteral("UPDATE Erfassungen SET Bemerkung='' WHERE BuchungsID=?"),
                         {buchungsId});
        // The remark is one of the fields a change of the booking is judged by.
        AenderungVermerken(daten, buchungsId, true);
        t.bestaetigen();
    } catch (const DatenbankFehler& f) {
        Benutzer().fehler(f.text());
        return false;
    }
    return true;
}
