#pragma once

#include <QString>

// The fiscal year of a month: the year itself from the fiscal-year start month on, else the
// year before.
int Wirtschaftsjahr(int monat, int jahr, int wirtschaftsBeginn);

// Expands a receipt-number mask for the working month, tokens matched without regard to case
// in this order: WWWW, WW (fiscal year), MM, M (month), JJJJ, JJ (calendar year), and only
// when a statement or sheet number is given AA, A (statement), BB, B (sheet).
QString BelegMaskeAufloesen(int jahr, int monat, int auszug, int blatt, const QString& maske,
                            int wirtschaftsBeginn);
