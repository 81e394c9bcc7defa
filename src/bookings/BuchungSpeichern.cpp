#include "BuchungSpeichern.h"

#include "Belegnummer.h"
#include "Buchungsbereiche.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "GespeicherteErfassung.h"
#include "Konten.h"
#include "OffenePosten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Textschluessel.h"
#include "Uhr.h"

#include <QStringList>

namespace {

// The booking tables the mask works on; table names reach SQL only from this list.
bool BuchungstabelleGueltig(const QString& tabelle) {
    static const QStringList tabellen{"Erfassungen", "Erfassungen_Import", "Erfassungen_Dauer",
                                      "Erfassungen_DauerPool"};
    return tabellen.contains(tabelle);
}

tKontoAnlage& Kontoanlage() {
    static tKontoAnlage anlage;
    return anlage;
}

bool FehlendesKontoAnlegen(TDataModule1& dm, const tBuchungsListenEintrag& h) {
    tSitzung& s = Sitzung();
    if (!s.HinweisImportKundenRechnungen &&
        Benutzer().hinweis(
            QStringLiteral("Import Kundenrechnungen"),
            QStringLiteral(
                "Sie importieren Kundenrechnungen mit Debitorennummern (FIBU-/Datev Konto). "
                "Sofern der Kundenstammsatz in KIVO-Online noch nicht vorhanden ist, müssen Sie "
                "diesen im Rahmen des Imports anlegen. Vorsorglich werden diese Kunden als nicht "
                "filialübergreifend geschlüsselt, um zu verhindern, dass verschiedene Kunden mit "
                "gleicher Debitorennummer in unterschiedlichen Apotheken überschrieben werden. "
                "Sofern Sie sicher sind, dass die Debitorennummern apothekenübergreifend nur für "
                "identische Kunden sind, können Sie den Haken in den Kundenstammdaten setzen."),
            true)) {
        dm.ADOConnection_Bereich.ausfuehren(
            QStringLiteral("UPDATE Benutzer SET HinweisImportKundenRechnungen=1 WHERE ID=?"),
            {s.BenutzerID});
        s.HinweisImportKundenRechnungen = true;
    }
    return Kontoanlage() && Kontoanlage()(h.GKonto, KontoArtErmitteln(h.GKonto), h.Buchungstext);
}

} // namespace

void KontoAnlageAnmelden(tKontoAnlage anlage) {
    Kontoanlage() = std::move(anlage);
}

bool AenderungSteuerRelevantPruefen(Datenbank& daten, const tBuchung& b, const QString& tabelle,
                                    qint64 buchungsId) {
    if (buchungsId < 0 || !BuchungstabelleGueltig(tabelle))
        return false;
    // The same lines the save stores: the remainder row stays even when it is 0.
    std::vector<const tBuchungsListenEintrag*> zeilen;
    for (size_t i = 0; i < b.BuchungsListe.size(); ++i)
        if (!b.BuchungsListe[i].Betrag.istNull() || i == 1)
            zeilen.push_back(&b.BuchungsListe[i]);
    // Main row first: it is the one with Hauptbuchung set.
    Abfrage q(daten,
              QStringLiteral("SELECT Belegdatum, Konto, GKonto, Betrag, Buchungsseite, "
                             "Buchungstext, Steuer, Rechnungsnummer, Belegnummer, Bemerkung FROM "
                             "%1 WHERE BuchungsID=? ORDER BY Hauptbuchung DESC, ID")
                  .arg(tabelle),
              {buchungsId});
    size_t i = 0;
    for (; q.naechste(); ++i) {
        if (i >= zeilen.size())
            return true;
        const tBuchungsListenEintrag& z = *zeilen[i];
        if (q.datum(0) != z.BelegDatum || q.ganzzahl(1) != z.Konto || q.ganzzahl(2) != z.GKonto ||
            q.betrag(3) != z.Betrag || q.text(4) != z.Buchungsseite ||
            q.text(5) != z.Buchungstext.left(255) || q.text(6) != z.Steuer ||
            q.text(7) != z.Rechungsnummer || q.text(9) != b.BuchungsListe.front().Bemerkung)
            return true;
        if (i == 0 && q.text(8) != (b.Belegnummer.trimmed().isEmpty()
                                        ? QString()
                                        : b.BelegMaske + b.Belegnummer.trimmed()))
            return true;
    }
    return i != zeilen.size();
}

bool AktuelleBuchungSpeichern(TDataModule1& dm, tBuchung& b, const tMaskenZustand& m) {
    tSitzung& s = Sitzung();
    Datenbank& daten = dm.ADOConnection_Daten;
    const tBuchungsListenEintrag& h = b.BuchungsListe.front();
    const tBuchungsbereich bereich = BuchungsbereichLaden(daten, h.BuchungsbereichID);
    const bool importPool = m.Reiter == Erfassungsreiter::ImportPool;
    const QString quelle = m.ErfassungsTabelle;
    QString ziel = QStringLiteral("Erfassungen");
    if (m.Reiter == Erfassungsreiter::Erfassungen || m.Reiter == Erfassungsreiter::WiederkVorgabe)
        ziel = quelle;
    if (!BuchungstabelleGueltig(quelle) || !BuchungstabelleGueltig(ziel))
        return false;
    if (IstPersonenkonto(h.GKonto) && !KontoVorhanden(dm.ADOConnection_Archiv, s.MNr, h.GKonto) &&
        !FehlendesKontoAnlegen(dm, h))
        return false;
    const bool erfassungen = quelle == u"Erfassungen";
    const qint64 id = importPool ? -1 : m.BearbeitungsID;
    QStringList logzeilen;
    std::vector<int> loganzahl;
    QString hinweis;
    try {
        Transaktion t(daten);
        const QDateTime jetzt = Jetzt();
        QDateTime erstelltAm = jetzt;
        QString erstelltVon = s.Kuerzel;
        qint64 hauptId = -1;
        qint64 bisherigeAenderungen = 0;
        bool verlauf = false;
        const bool relevant =
            importPool ? false : AenderungSteuerRelevantPruefen(daten, b, quelle, id);
        if (id >= 0) {
            Abfrage q(daten,
                      QStringLiteral("SELECT ID, ErstelltAm, ErstelltVon, AnzahlAenderungen, "
                                     "Belegdatum FROM %1 WHERE Hauptbuchung=1 AND BuchungsID=?")
                          .arg(quelle),
                      {id});
            if (q.naechste()) {
                hauptId = q.ganzzahl(0);
                erstelltAm = q.zeitpunkt(1);
                erstelltVon = q.text(2);
                bisherigeAenderungen = q.ganzzahl(3);
                const QDate alt = q.datum(4);
                if (erfassungen && MonatAbgeschlossen(daten, alt.month(), alt.year())) {
                    Benutzer().fehler(MonatAbgeschlossenText(alt.month(), alt.year()));
                    return false;
                }
            }
            if (erfassungen) {
                // Carried balances after the old rows lose their effect before they go.
                for (const tGespeicherteZeile& z : GespeicherteZeilen(daten, id))
                    SaldenvortraegeNachfuehren(daten, z.Belegdatum, z.Konto, z.GKonto,
                                               z.Buchungsseite, z.Betrag, -1);
                VerlaufKopieren(daten, id);
                verlauf = true;
                daten.ausfuehren(QStringLiteral("DELETE FROM Erfassungen WHERE Hauptbuchung<>1 "
                                                "AND BuchungsID=?"),
                                 {id});
            } else {
                daten.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE BuchungsID=?").arg(quelle),
                                 {id});
                hauptId = -1;
            }
        }
        if (m.PoolZeilenID >= 0 && (importPool || m.Reiter == Erfassungsreiter::WiederkPool)) {
            const QString pool = importPool ? QStringLiteral("Erfassungen_Import")
                                            : QStringLiteral("Erfassungen_DauerPool");
            daten.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE BuchungsID=(SELECT BuchungsID "
                                            "FROM %1 WHERE ID=?1) OR ID=?1")
                                 .arg(pool),
                             {m.PoolZeilenID});
        }
        // The counter: a kept proposal that was drawn elsewhere meanwhile is drawn again.
        QString praefix = b.BelegMaske;
        std::optional<qint64> zaehler;
        bool zahl = false;
        const qint64 gelesen = b.Belegnummer.trimmed().toLongLong(&zahl);
        if (zahl)
            zaehler = gelesen;
        else if (b.Belegnummer.trimmed().isEmpty())
            praefix.clear();
        if (zaehler && id < 0 && bereich.BelegNrVergabe == BelegNrVergabe::Automatisch &&
            b.Belegnummer.trimmed() == m.BelegnummerVorschlag.trimmed() &&
            BelegnummerVergeben(daten, s.Monat, s.Jahr, bereich.BelegNrNeuBeginnen, *zaehler,
                                praefix, s.Firma.WirtschaftsBeginn)) {
            const qint64 neu =
                NaechsterBelegZaehler(daten, s.Monat, s.Jahr, praefix, bereich.BelegNrNeuBeginnen,
                                      BelegNrVergabe::Automatisch, s.Firma.WirtschaftsBeginn);
            hinweis = QStringLiteral("Die Belegnummer %1 wurde inzwischen an einem anderen "
                                     "Arbeitsplatz vergeben.\rDie Erfassung erhält die "
                                     "Belegnummer %2.")
                          .arg(praefix + QString::number(*zaehler), praefix + QString::number(neu));
            zaehler = neu;
            b.Belegnummer = QString::number(neu);
        }
        const QString alteNummer = id >= 0 ? m.BelegnummerBehalten : QString();
        const int kennzeichen = importPool ? 1 : m.Reiter == Erfassungsreiter::Erfassungen ? 0 : 2;
        const bool geaendert = id >= 0;
        const qint64 anzahl = verlauf ? bisherigeAenderungen + 1 : bisherigeAenderungen;
        const bool hauptzeileBleibt = hauptId >= 0 && erfassungen && ziel == u"Erfassungen";
        qint64 buchungsId = hauptzeileBleibt ? hauptId : -1;
        for (size_t i = 0; i < b.BuchungsListe.size(); ++i) {
            const tBuchungsListenEintrag& z = b.BuchungsListe[i];
            if (z.Betrag.istNull() && i != 1)
                continue;
            const std::initializer_list<Wert> werte{buchungsId,
                                                    i == 0,
                                                    z.BuchungsbereichID,
                                                    z.BelegDatum,
                                                    b.TSName,
                                                    z.Konto,
                                                    z.GKonto,
                                                    z.Buchungstext.left(255),
                                                    z.Betrag,
                                                    z.Buchungsseite,
                                                    z.Steuer,
                                                    praefix,
                                                    zaehler && alteNummer.isEmpty() ? Wert(*zaehler)
                                                                                    : Wert(),
                                                    !alteNummer.isEmpty() ? alteNummer
                                                    : zaehler ? praefix + QString::number(*zaehler)
                                                              : praefix + b.Belegnummer.trimmed(),
                                                    z.Rechungsnummer,
                                                    h.Bemerkung,
                                                    m.NichtAufteilungskonto,
                                                    m.AufteilungsSeite,
                                                    erstelltAm,
                                                    erstelltVon,
                                                    geaendert ? Wert(jetzt) : Wert(),
                                                    geaendert ? s.Kuerzel : QString(),
                                                    anzahl,
                                                    relevant,
                                                    m.Klaeren,
                                                    z.Festgeschrieben,
                                                    z.Systembuchung,
                                                    m.ZVAusdruckID,
                                                    kennzeichen};
            const QString felder = QStringLiteral(
                "BuchungsID=?, Hauptbuchung=?, BuchungsBereich=?, Belegdatum=?, TSName=?, "
                "Konto=?, GKonto=?, Buchungstext=?, Betrag=?, Buchungsseite=?, Steuer=?, "
                "BelegMaske=?, BelegZaehler=?, Belegnummer=?, Rechnungsnummer=?, Bemerkung=?, "
                "NichtAufteilungskonto=?, AufteilungsSeite=?, ErstelltAm=?, ErstelltVon=?, "
                "LetzteAenderung=?, AenderungVon=?, AnzahlAenderungen=?, "
                "AenderungSteuerRelevant=?, BuchungKlaeren=?, Festgeschrieben=?, "
                "Systembuchung=?, ZVAusdruckID=?, Erfassungskennzeichen=?");
            if (i == 0 && hauptzeileBleibt) {
                Abfrage q(daten, QStringLiteral("UPDATE Erfassungen SET %1 WHERE ID=?").arg(felder),
                          werte);
                q.binden(int(werte.size()) + 1, hauptId);
                q.ausfuehren();
            } else {
                daten.ausfuehren(QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?, ?, "
                                                "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                                "?, ?, ?, ?, ?, ?)")
                                     .arg(ziel, QString(ErfassungsSpaltenliste())
                                                    .remove(0, QStringLiteral("ID, ").size())),
                                 werte);
                if (i == 0) {
                    buchungsId = daten.letzteId();
                    daten.ausfuehren(
                        QStringLiteral("UPDATE %1 SET BuchungsID=ID WHERE ID=?").arg(ziel),
                        {buchungsId});
                }
            }
            if (ziel == u"Erfassungen")
                SaldenvortraegeNachfuehren(daten, z.BelegDatum, z.Konto, z.GKonto, z.Buchungsseite,
                                           z.Betrag, 1);
        }
        const tKontoZVDaten zv =
            KontoZVDatenLaden(dm.ADOConnection_Archiv, s.MNr, QString::number(h.GKonto));
        if (s.Optionen.OPOS && zv.OPOS && IstPersonenkonto(h.GKonto) && h.GKonto != 20110 &&
            ziel == u"Erfassungen") {
            if (b.OPListe.empty()) {
                if (geaendert && m.Reiter == Erfassungsreiter::Erfassungen) {
                    const QString beschreibung = BuchungsBeschreibung(daten, id);
                    loganzahl.push_back(OPEintraegeDerBuchungLoeschen(daten, id));
                    logzeilen << QStringLiteral("Löschen von OP-Einträgen durch Bearbeiten (%1): ")
                                         .arg(id) +
                                     beschreibung;
                }
                OPAusBuchungAnlegen(daten, b, buchungsId, bereich.Bereichsart,
                                    m.Faelligkeitsaufteilung ? &*m.Faelligkeitsaufteilung : nullptr,
                                    -1);
            } else {
                for (const tOffenerPosten& op : b.OPListe)
                    OPEintragAnlegen(
                        daten, buchungsId, op.Konto, op.Rechnungsnummer, op.ZVDaten.Bankeinzug,
                        op.Belegdatum, op.ZVDaten.RechBetrag, op.ZVDaten.ZahlBetrag,
                        op.ZVDaten.Nettotage, op.ZVDaten.Valutatage, op.ZVDaten.SkontoTage,
                        op.ZVDaten.SkontoSatz, op.ZVDaten.SkontoBetrag, op.Bemerkung, false);
            }
        }
        if (m.ZVAusdruckID >= 0)
            daten.ausfuehren(QStringLiteral("UPDATE ZVBegleitschreiben SET BuchungID=? WHERE ID=?"),
                             {buchungsId, m.ZVAusdruckID});
        t.bestaetigen();
        b.BuchungsID = buchungsId;
    } catch (const DatenbankFehler& f) {
        Benutzer().fehler(f.text());
        return false;
    }
    for (qsizetype i = 0; i < logzeilen.size(); ++i)
        OPLogSchreiben(loganzahl[size_t(i)], logzeilen[i]);
    if (!b.TSName.isEmpty())
        TextschluesselVerwendet(dm.ADOConnection_Archiv, b.TSName);
    if (!hinweis.isEmpty())
        Benutzer().information(hinweis);
    return true;
}
