#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <utility>

class Datenbank;

// Receipt-number methods (BelegNrVergabe) and restart rules (BelegNrNeuBeginnen) of an area.
namespace BelegNrVergabe {
inline constexpr int Alt = 0;
inline constexpr int Automatisch = 1;
inline constexpr int Schleppend = 2;
inline constexpr int Keine = 3;
} // namespace BelegNrVergabe

// The dates a counter runs through before it restarts: 2 the calendar year, 3 the fiscal year
// of the month, 4 the month; nothing for a counter that never restarts.
std::optional<std::pair<QDate, QDate>> BelegZeitraum(int monat, int jahr, int neuBeginnen,
                                                     int wirtschaftsBeginn);

// The counter to propose for an expanded prefix. All areas whose masks expand to the same
// prefix share one sequence. "Schleppend" repeats the last counter until the user raises it.
qint64 NaechsterBelegZaehler(Datenbank& daten, int monat, int jahr, const QString& praefix,
                             int neuBeginnen, int methode, int wirtschaftsBeginn);

// Whether the counter is already used for the prefix within the restart range.
// ausserBuchung leaves out the rows of one booking (the one being edited).
bool BelegnummerVergeben(Datenbank& daten, int monat, int jahr, int neuBeginnen, qint64 zaehler,
                         const QString& praefix, int wirtschaftsBeginn, qint64 ausserBuchung = -1);

// The counter text of the mask: a given counter stays, counter 0 draws the next one.
QString BelegnummerText(Datenbank& daten, int jahr, int monat, int neuBeginnen, int methode,
                        qint64 zaehler, const QString& praefix, int wirtschaftsBeginn);
