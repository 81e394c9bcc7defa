#pragma once

#include <QString>
#include <vector>

class Datenbank;

// User status as stored in Benutzer.UserStatus: 0 main administrator, 1 administrator (with
// NurLesen: read-only administrator), 2 and above ordinary user.
inline constexpr int StatusHauptadministrator = 0;
inline constexpr int StatusAdministrator = 1;
inline constexpr int StatusBenutzer = 2;

// One function right: group RID1 and item RID2 of a Benutzerrechte row.
struct Recht {
    int RID1 = 0;
    int RID2 = 0;
    friend bool operator==(const Recht&, const Recht&) = default;
};

namespace Rechte {
inline constexpr Recht Firmendaten{1, 0};
inline constexpr Recht Benutzerverwaltung{2, 0};
inline constexpr Recht DatensicherungRueckladen{3, 0};
inline constexpr Recht Monatstransfer{4, 0};
inline constexpr Recht Zahlungsverkehr{5, 0};
inline constexpr Recht Optionen{6, 0};
inline constexpr Recht Privatkonten{8, 1};
inline constexpr Recht Personalkonten{8, 2};
inline constexpr Recht Geldkontensalden{8, 3};
// Seeing and using one booking area.
constexpr Recht Buchungsbereich(int bereichId) {
    return {0, bereichId};
}
} // namespace Rechte

struct RechtEintrag {
    Recht recht;
    QString bezeichnung;
    bool erteilt = false;
};

// The fixed rights in the order the user dialog lists them after the area rights.
std::vector<RechtEintrag> FesteRechte();

// Whether the user holds the right in the business. Administrators hold every right.
bool HatRecht(Datenbank& bereich, const QString& mnr, qint64 benutzerId, int userStatus,
              Recht recht);
// The same for the logged-in user and business.
bool HatRecht(Datenbank& bereich, Recht recht);

// Whether acting user A may edit or delete target user T: administrators may manage every
// ordinary user; an ordinary user may manage another ordinary user only when A holds every
// right T holds. Nobody manages himself or an administrator this way.
bool DarfBenutzerVerwalten(Datenbank& bereich, qint64 handelnderId, qint64 zielId);

inline const QString KeineBerechtigung = QStringLiteral("Sie haben hierfür keine Berechtigung!");

// The read-only rule for every command that changes data: refuses a read-only user with
// "Sie haben hierfür keine Berechtigung!" and returns false.
bool AenderungErlaubt();
