#pragma once

#include "Betriebsdaten.h"

#include <QString>
#include <vector>

class Datenbank;

// The fixed roles of the account ranges of table Kontenbereiche.
namespace Kontenbereich {
inline constexpr int Sachkonten = 100;
inline constexpr int Kasse = 102;
inline constexpr int Bank = 103;
inline constexpr int Privat = 104;
inline constexpr int Personal = 105;
inline constexpr int Kostenbereich = 108;
inline constexpr int Geldtransit = 109;
inline constexpr int WareneingangOhneSteuer = 110;
inline constexpr int WareneingangSteuer8 = 111;
inline constexpr int WareneingangSteuer9 = 112;
inline constexpr int ErloeseOhneSteuer = 113;
inline constexpr int ErloeseSteuer2 = 114;
inline constexpr int ErloeseSteuer3 = 115;
inline constexpr int Kostenkonten = 600;
} // namespace Kontenbereich

// The account ranges of a chart from the reference database, ordered by ID and KontoVon.
std::vector<tKontenbereich> KontenbereicheLaden(Datenbank& stamm, int kontenplan);

struct tKontenGrenzen {
    qint64 KontoVon = 0;
    qint64 KontoBis = 0;
};

// The first row of the range; 0..0 when the chart lacks it. Single-account IDs use KontoVon.
tKontenGrenzen KontenbereichGrenzen(const std::vector<tKontenbereich>& bereiche, int id);

// Whether the account lies in one of the rows of the range (both ends inclusive).
bool KontoImKontenbereich(const std::vector<tKontenbereich>& bereiche, qint64 konto, int id);

// The account to post for an area kind: goods received (3) on a four-digit 5xxx account and
// outgoing invoices (4) on a four-digit 4xxx account are replaced by the single account of
// their tax key, 0 for a tax key without one; the pseudo area (-1) posts nothing.
qint64 KontoFuerBereichsart(const std::vector<tKontenbereich>& bereiche, int bereichsart,
                            qint64 konto, const QString& steuer);
