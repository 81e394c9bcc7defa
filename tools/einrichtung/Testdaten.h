#pragma once

#include <QString>

// Fills a business with generated bookings for trials and benchmarks: a cash box (area 1,
// account 1600), a bank (area 2, account 1800) and a goods journal (area 3, account 5400),
// anzahl bookings spread evenly over the 25 years up to the current month, receipt numbers
// per month, open items for the goods invoices and the monthly carried balances that month
// closings leave in Salden. The same seed gives the same data. The business must exist and hold
// no areas yet.
void TestdatenErzeugen(const QString& datenverzeichnis, const QString& bereich, const QString& mnr,
                       qint64 anzahl);
