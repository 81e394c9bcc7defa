#include "GespeicherteErfassung.h"

#include "Datenbank.h"
#include "Salden.h"

const QString& ErfassungsSpaltenliste() {
    static const QString spalten = QStringLiteral(
        "ID, BuchungsID, Hauptbuchung, BuchungsBereich, Belegdatum, TSName, Konto, GKonto, "
        "Buchungstext, Betrag, Buchungsseite, Steuer, BelegMaske, BelegZaehler, Belegnummer, "
        "Rechnungsnummer, Bemerkung, NichtAufteilungskonto, AufteilungsSeite, ErstelltAm, "
        "ErstelltVon, LetzteAenderung, AenderungVon, AnzahlAenderungen, AenderungSteuerRelevant, "
        "BuchungKlaeren, Festgeschrieben, Systembuchung, ZVAusdruckID, Erfassungskennzeichen");
    return spalten;
}

std::vector<tGespeicherteZeile> GespeicherteZeilen(Datenbank& daten, qint64 buchungsId) {
    std::vector<tGespeicherteZeile> zeilen;
    Abfrage q(daten,
              QStringLiteral("SELECT ID, Hauptbuchung, BuchungsBereich, Belegdatum, Konto, "
                             "GKonto, Buchungsseite, Betrag FROM Erfassungen WHERE BuchungsID=? "
                             "ORDER BY Hauptbuchung DESC, ID"),
              {buchungsId});
    while (q.naechste())
        zeilen.push_back({q.ganzzahl(0), q.wahr(1), int(q.ganzzahl(2)), q.datum(3), q.ganzzahl(4),
                          q.ganzzahl(5), q.text(6), q.betrag(7)});
    return zeilen;
}

void SaldenvortraegeNachfuehren(Datenbank& daten, const QDate& datum, qint64 konto, qint64 gkonto,
                                const QString& seite, Betrag betrag, int richtung) {
    for (const qint64 k : {konto, gkonto}) {
        const Betrag w = SaldoWirkung(k, konto, gkonto, seite, betrag);
        SaldenVortraegeAnpassen(daten, k, datum, richtung > 0 ? w : -w);
        if (konto == gkonto)
            break;
    }
}

void VerlaufKopieren(Datenbank& daten, qint64 buchungsId) {
    daten.ausfuehren(QStringLiteral("INSERT INTO Erfassungen_Verlauf (%1) SELECT %1 FROM "
                                    "Erfassungen WHERE BuchungsID=?")
                         .arg(ErfassungsSpaltenliste()),
                     {buchungsId});
}
