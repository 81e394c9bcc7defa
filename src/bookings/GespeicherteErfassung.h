#pragma once

#include "Betrag.h"

#include <QDate>
#include <QString>
#include <vector>

class Datenbank;

// Every stored column of the booking tables, in the order of their definition ("ID, BuchungsID,
// ..."); the history and the archive of deleted bookings copy rows with it.
const QString& ErfassungsSpaltenliste();

// One stored row of a booking in Erfassungen, as far as balances and moves need it.
struct tGespeicherteZeile {
    qint64 ID = 0;
    bool Hauptbuchung = false;
    int Bereich = 0;
    QDate Belegdatum;
    qint64 Konto = 0;
    qint64 GKonto = 0;
    QString Buchungsseite;
    ::Betrag Betrag;
};

// The rows of a booking of Erfassungen, main row first.
std::vector<tGespeicherteZeile> GespeicherteZeilen(Datenbank& daten, qint64 buchungsId);

// Carried balances after the date take a row's effect on both its accounts out (-1) or in (+1).
void SaldenvortraegeNachfuehren(Datenbank& daten, const QDate& datum, qint64 konto, qint64 gkonto,
                                const QString& seite, Betrag betrag, int richtung);

// Copies the booking's current rows into Erfassungen_Verlauf before they change.
void VerlaufKopieren(Datenbank& daten, qint64 buchungsId);
