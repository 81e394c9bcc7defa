#pragma once

#include <QString>
#include <vector>

class Datenbank;
class TDataModule1;

// Central settlement: a supplier account (the settler) pays for its partner accounts. A group
// is one head row (KHaupt, KPartner 0) and one row per partner, in the business file.

inline const QString KontoNichtGefunden = QStringLiteral("< Konto nicht gefunden >");

// One line of the settler or partner list; symbol 0 for a found account, 1 for a missing one.
struct tZRKonto {
    qint64 Konto = 0;
    QString Bezeichnung;
    int Symbol = 0;
};

// The settlers in account order, also those whose account no longer exists.
std::vector<tZRKonto> ZentralreguliererListe(TDataModule1& dm);
// The partners of a settler in account order.
std::vector<tZRKonto> ZentralregulierungPartner(TDataModule1& dm, qint64 haupt);

// Whether the account is a settler or a partner.
bool ZentralregulierungVorhanden(Datenbank& daten, qint64 konto);
// The partner accounts of a settler in account order (the head row is no partner).
std::vector<qint64> ZentralreguliererPartnerListe(Datenbank& daten, qint64 konto);

// The four commands of the page; each shows its question or message and tells whether the
// groups changed.
bool ZentralreguliererNeu(TDataModule1& dm, qint64 konto);
bool ZentralreguliererEntfernen(TDataModule1& dm, qint64 konto);
bool ZentralregulierungPartnerHinzufuegen(TDataModule1& dm, qint64 haupt, qint64 konto);
bool ZentralregulierungPartnerEntfernen(TDataModule1& dm, qint64 konto);
