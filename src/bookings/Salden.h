#pragma once

#include "Betrag.h"

#include <QDate>
#include <QString>

class Datenbank;

// The balance of an account over a period: Anfangssaldo at the start of DatumVon, Einnahmen
// and Ausgaben from DatumVon to DatumBis, Anzahl the booking rows read from the carried
// balance on.
struct tSaldo {
    Betrag Anfangssaldo;
    Betrag Einnahmen;
    Betrag Ausgaben;
    qint64 Anzahl = 0;
    Betrag Endsaldo() const { return Anfangssaldo + Einnahmen - Ausgaben; }
};

// The effect of one booking row on account k: + for (Konto k, "E") and (GKonto k, "A"),
// - for (Konto k, "A") and (GKonto k, "E"); a row with k on both sides moves nothing.
Betrag SaldoWirkung(qint64 k, qint64 konto, qint64 gkonto, const QString& seite, Betrag betrag);

// From the last Salden row on or before DatumVon plus the bookings after it.
tSaldo SaldoBerechnen(Datenbank& daten, qint64 konto, const QDate& datumBis, const QDate& datumVon);

// Keeps carried balances right when a booking dated datum changes the account by delta: every
// Salden row after that date, except the opening row, moves along.
void SaldenVortraegeAnpassen(Datenbank& daten, qint64 konto, const QDate& datum, Betrag delta);

// The three values under the entry mask and their labels.
struct tSaldenAnzeige {
    QString Bezeichnung[3];
    Betrag Wert[3];
    qint64 Anzahl = 0;
};

// For the working month and an area: opening, bookings and end balance for cash and bank;
// normal, reduced and credit-note sums for the invoice journals; nothing for other kinds.
tSaldenAnzeige SaldenAnzeige(Datenbank& daten, Datenbank& archiv, int bereichId, int monat,
                             int jahr);
