#pragma once

#include <QDate>
#include <QString>
#include <optional>

// 0 for a month outside 1-12.
int TageImMonat(int monat, int jahr);

// The day stays; where the target month is shorter, its last day is taken. anzahl may be negative.
QDate MonateAddieren(const QDate& datum, int anzahl);

// A date typed as day.month.year, "," counting as ".". A missing or empty month or year part
// takes the default; a one- or two-digit year yy means 20yy, otherwise the year has four
// digits. Day and month have one or two digits. Anything else, or a date that does not
// exist, gives nothing.
std::optional<QDate> DatumAusText(const QString& text, int standardMonat, int standardJahr);

// Sunday = 1 ... Saturday = 7; 0 for an invalid date.
int WochentagNummer(const QDate& datum);
// "So" ... "Sa" and "Sonntag" ... "Samstag"; empty for an invalid date.
QString WochentagKurz(const QDate& datum);
QString WochentagLang(const QDate& datum);

// "dd.MM.yyyy" whatever the machine's locale; empty for an invalid date.
QString DatumText(const QDate& datum);
