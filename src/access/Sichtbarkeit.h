#pragma once

#include "Betriebsdaten.h"
#include "Datenbank.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// Which bookings on private (range 104) and personnel (range 105) accounts a user may see.
// A user lacking a right sees a booking in that range only when he created it (ErstelltVon
// equals his Kuerzel); administrators see everything; a range the chart does not define hides
// nothing; a Null account lies in no range.
struct tSichtbarkeit {
    int UserStatus = 0;
    QString Kuerzel;
    bool Privatkonten = true;
    bool Personalkonten = true;
    std::vector<tKontenbereich> Kontenbereiche;
};

inline constexpr int KontenbereichPrivat = 104;
inline constexpr int KontenbereichPersonal = 105;

// The rules of the logged-in user: his rights in the logged-in business and the chart's ranges.
tSichtbarkeit SichtbarkeitLaden(Datenbank& bereich);

bool BuchungSichtbar(const tSichtbarkeit& s, const QString& erstelltVon,
                     std::optional<qint64> konto, std::optional<qint64> gKonto);

// A condition to append to a WHERE clause over the booking table (or its alias) `tabelle`,
// with named parameters that bindenAn() fills. Empty when nothing is hidden.
struct tBuchungsFilter {
    QString sql;
    std::vector<std::pair<QString, Wert>> werte;

    void bindenAn(Abfrage& abfrage) const;
};

tBuchungsFilter BuchungsFilter(const tSichtbarkeit& s, const QString& tabelle);
