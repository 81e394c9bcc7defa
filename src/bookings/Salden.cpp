#include "Salden.h"

#include "Buchungsbereiche.h"
#include "Datenbank.h"
#include "Datum.h"

#include <QSet>

Betrag SaldoWirkung(qint64 k, qint64 konto, qint64 gkonto, const QString& seite, Betrag betrag) {
    const QString s = seite.toUpper();
    const int vorzeichen = s == u"E" ? 1 : s == u"A" ? -1 : 0;
    Betrag wirkung;
    if (konto == k)
        wirkung += Betrag::ausCent(vorzeichen * betrag.cent());
    if (gkonto == k)
        wirkung -= Betrag::ausCent(vorzeichen * betrag.cent());
    return wirkung;
}

tSaldo SaldoBerechnen(Datenbank& daten, qint64 konto, const QDate& datumBis,
                      const QDate& datumVon) {
    tSaldo ergebnis;
    if (konto == 0)
        return ergebnis;
    QDate start = datumVon;
    {
        Abfrage q(daten,
                  QStringLiteral("SELECT Datum, Saldo FROM Salden WHERE Konto=? AND Datum<=? "
                                 "ORDER BY Datum DESC LIMIT 1"),
                  {konto, datumVon});
        if (q.naechste()) {
            start = q.datum(0);
            ergebnis.Anfangssaldo = q.betrag(1);
        }
    }
    // The sign rule written once in SQL so that the sums run inside the engine.
    Abfrage q(
        daten,
        QStringLiteral("SELECT count(*), "
                       "coalesce(sum(CASE WHEN Belegdatum<?2 THEN w END), 0), "
                       "coalesce(sum(CASE WHEN Belegdatum>=?2 AND w>0 THEN w END), 0), "
                       "coalesce(sum(CASE WHEN Belegdatum>=?2 AND w<0 THEN -w END), 0) FROM ("
                       "SELECT Belegdatum, "
                       "(CASE WHEN Konto=?1 THEN (CASE upper(Buchungsseite) WHEN 'E' THEN Betrag "
                       "WHEN 'A' THEN -Betrag ELSE 0 END) ELSE 0 END) - "
                       "(CASE WHEN GKonto=?1 THEN (CASE upper(Buchungsseite) WHEN 'E' THEN Betrag "
                       "WHEN 'A' THEN -Betrag ELSE 0 END) ELSE 0 END) AS w "
                       "FROM Erfassungen WHERE Konto=?1 AND Belegdatum BETWEEN ?3 AND ?4 "
                       "UNION ALL SELECT Belegdatum, "
                       "(CASE upper(Buchungsseite) WHEN 'A' THEN Betrag WHEN 'E' THEN -Betrag "
                       "ELSE 0 END) AS w "
                       "FROM Erfassungen WHERE GKonto=?1 AND Konto<>?1 AND Belegdatum BETWEEN ?3 "
                       "AND ?4)"),
        {konto, datumVon, start, datumBis});
    if (q.naechste()) {
        ergebnis.Anzahl = q.ganzzahl(0);
        ergebnis.Anfangssaldo += q.betrag(1);
        ergebnis.Einnahmen = q.betrag(2);
        ergebnis.Ausgaben = q.betrag(3);
    }
    return ergebnis;
}

void SaldenVortraegeAnpassen(Datenbank& daten, qint64 konto, const QDate& datum, Betrag delta) {
    if (delta.istNull() || konto == 0)
        return;
    daten.ausfuehren(QStringLiteral("UPDATE Salden SET Saldo=Saldo+?1, Endsaldo=Endsaldo+?1 "
                                    "WHERE Konto=?2 AND Datum>?3 AND Datum>(SELECT min(Datum) "
                                    "FROM Salden WHERE Konto=?2)"),
                     {delta, konto, datum});
}

namespace {

Betrag Summe(Datenbank& daten, const QString& sql, std::initializer_list<Wert> werte) {
    Abfrage q(daten, sql, werte);
    return q.naechste() ? q.betrag(0) : Betrag();
}

// Rows count by their tax key or by a ledger account whose automatic key is one of the two;
// the ledger accounts live in another file, so the match is made here.
Betrag Steuersumme(Datenbank& daten, Datenbank& archiv, int bereichId, const QDate& von,
                   const QDate& bis, const QString& seite, const QString& a, const QString& b) {
    QSet<qint64> konten;
    {
        Abfrage q(archiv, QStringLiteral("SELECT Konto FROM Sachkonten WHERE Steuer IN (?, ?)"),
                  {a, b});
        while (q.naechste())
            konten.insert(q.ganzzahl(0));
    }
    Betrag summe;
    Abfrage q(daten,
              QStringLiteral("SELECT Konto, Steuer, sum(Betrag) FROM Erfassungen WHERE "
                             "Belegdatum BETWEEN ? AND ? AND Buchungsseite=? AND "
                             "BuchungsBereich=? GROUP BY Konto, Steuer"),
              {von, bis, seite, bereichId});
    while (q.naechste()) {
        const QString steuer = q.text(1);
        if (steuer == a || steuer == b || konten.contains(q.ganzzahl(0)))
            summe += q.betrag(2);
    }
    return summe;
}

} // namespace

tSaldenAnzeige SaldenAnzeige(Datenbank& daten, Datenbank& archiv, int bereichId, int monat,
                             int jahr) {
    tSaldenAnzeige anzeige;
    const tBuchungsbereich bereich = BuchungsbereichLaden(daten, bereichId);
    const QDate von(jahr, monat, 1);
    const QDate bis(jahr, monat, TageImMonat(monat, jahr));
    const int art = bereich.Bereichsart;
    if (art == Bereichsart::Kasse || art == Bereichsart::Bank) {
        const tSaldo s = SaldoBerechnen(daten, bereich.Konto, bis, von);
        anzeige.Bezeichnung[0] = QStringLiteral("Anfangssaldo:");
        anzeige.Bezeichnung[1] = QStringLiteral("Saldo Erfassungen:");
        anzeige.Bezeichnung[2] = QStringLiteral("Endsaldo:");
        anzeige.Wert[0] = s.Anfangssaldo;
        anzeige.Wert[1] = s.Einnahmen - s.Ausgaben;
        anzeige.Wert[2] = s.Endsaldo();
        anzeige.Anzahl = s.Anzahl;
        return anzeige;
    }
    if (art != Bereichsart::Wareneingang && art != Bereichsart::Rechnungsausgang &&
        art != Bereichsart::Kosten)
        return anzeige;
    const bool ausgang = art == Bereichsart::Rechnungsausgang;
    const QString hauptseite = ausgang ? QStringLiteral("E") : QStringLiteral("A");
    const QString gutschriftseite = ausgang ? QStringLiteral("A") : QStringLiteral("E");
    anzeige.Bezeichnung[0] =
        ausgang ? QStringLiteral("Verkauf normal:") : QStringLiteral("Einkauf normal:");
    anzeige.Bezeichnung[1] =
        ausgang ? QStringLiteral("Verkauf ermäßigt:") : QStringLiteral("Einkauf ermäßigt:");
    anzeige.Bezeichnung[2] = QStringLiteral("Gutschriften:");
    anzeige.Wert[0] = Steuersumme(daten, archiv, bereichId, von, bis, hauptseite,
                                  QStringLiteral("3"), QStringLiteral("9"));
    anzeige.Wert[1] = Steuersumme(daten, archiv, bereichId, von, bis, hauptseite,
                                  QStringLiteral("2"), QStringLiteral("8"));
    anzeige.Wert[2] = Summe(daten,
                            QStringLiteral("SELECT coalesce(sum(Betrag), 0) FROM Erfassungen "
                                           "WHERE Belegdatum BETWEEN ? AND ? AND Buchungsseite=? "
                                           "AND Hauptbuchung=1 AND BuchungsBereich=?"),
                            {von, bis, gutschriftseite, bereichId});
    return anzeige;
}
