#pragma once

#include "Betriebsdaten.h"

class Datenbank;

// Reads the company data of the connected business file. An empty table gets its first row
// (client number, "Firma (MNr)", registration from the first of this month, fiscal year from
// January) in one transaction. An empty HRNummer reads as "HRA", a Kontenplan of 0 as 77.
tFirma FirmendatenLaden(Datenbank& daten, const QString& mnr);

// The account ranges of a chart from the reference database, ordered by ID and KontoVon.
std::vector<tKontenbereich> KontenbereicheLaden(Datenbank& stamm, int kontenplan);

// Whether the account lies in one of the rows of the range (both ends inclusive).
bool KontoImKontenbereich(const std::vector<tKontenbereich>& bereiche, qint64 konto, int id);
