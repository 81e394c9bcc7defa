#pragma once

#include "Betriebsdaten.h"

#include <QString>
#include <vector>

class Datenbank;

// Reads the company data of the business by its client number. A business without its row
// gets one (client number, "Firma (MNr)", registration from the first of this month, fiscal
// year from January) in one transaction. An empty HRNummer reads as "HRA", a Kontenplan of 0
// as 77.
tFirma FirmendatenLaden(Datenbank& daten, const QString& mnr);

// Writes the company's own data into its row (inserted when missing); ErfassungsBeginn only
// with mitErfassungsBeginn. The chart number is never written here.
void FirmendatenSpeichern(Datenbank& daten, const tFirma& firma, bool mitErfassungsBeginn);

// Writes the nine contacts of the advisory firm and the branch into the business's row
// (inserted when missing).
void KMBDatenSpeichern(Datenbank& daten, const tFirma& firma, int niederlassungId);
int NiederlassungLaden(Datenbank& daten, const QString& mnr);

// The registration start may change only while no booking exists, the fiscal-year start only
// while no month is closed.
bool ErfassungsBeginnAenderbar(Datenbank& daten);
bool WirtschaftsBeginnAenderbar(Datenbank& daten);

enum class Firmenfeld { Keines, Monat, Jahr };

// The checks of saving the registration start, in order; shows the message of the first that
// fails and names its field. monat 0 means no month chosen. On success beginn holds the first
// day of the month.
Firmenfeld ErfassungsBeginnPruefen(Datenbank& daten, int monat, const QString& jahr, QDate& beginn);

// The town of a postal code from table PLZOrt, empty when unknown.
QString OrtZurPLZ(Datenbank& stamm, const QString& plz);

struct tNiederlassungsEintrag {
    int ID = 0;
    QString Anzeige; // Kennzeichen, a blank, Bezeichnung
};

// The branches offered to the business: kinds "ZNL", "NL" and "RB", by name.
std::vector<tNiederlassungsEintrag> NiederlassungenLaden(Datenbank& stamm);

// The German month names, January first.
const QStringList& Monatsnamen();
