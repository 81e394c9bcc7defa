#pragma once

#include "Benutzerrechte.h"

#include <QString>
#include <vector>

class Datenbank;

// The user acting on the users page and in the user dialog.
struct tHandelnder {
    qint64 ID = 0;
    int UserStatus = StatusBenutzer;
    bool NurLesen = false;
};
tHandelnder AngemeldeterHandelnder();

// One row of the users page.
struct tBenutzerZeile {
    qint64 ID = 0;
    QString BenutzerName;
    QString Kuerzel;
    int UserStatus = StatusBenutzer;
    bool NurLesen = false;
    bool Aktiv = false;
    bool HatPasswort = false;
    // The MNr of every Betrieb the user holds a right in, joined with ";".
    QString ZugriffAuf;
};

std::vector<tBenutzerZeile> BenutzerListeLaden(Datenbank& bereich);

// One of twelve pictures: three per status group (0, 1, 2, others), within a group active with
// a password, active without one, inactive.
int BenutzerSymbol(int userStatus, bool aktiv, bool hatPasswort);

// The kinds the user dialog offers. A main administrator keeps his kind; the read-only
// administrator is a kind of its own, so saving never changes a status or the read-only flag
// that nobody chose.
enum class Benutzerrolle { Hauptadministrator, Admin, AdminNurLesen, Benutzer };
Benutzerrolle BenutzerrolleVon(int userStatus, bool nurLesen);

struct tBetriebsRechte {
    QString MNr;
    // Whether the acting user may change this Betrieb's rights; others stay as stored.
    bool verwaltbar = true;
    bool angehakt = false;
    std::vector<RechtEintrag> rechte;
};

struct tBenutzerFormular {
    qint64 UserID = -1;
    QString BenutzerName;
    QString Kuerzel;
    // For an existing user both empty keep the stored password.
    QString Passwort;
    QString PasswortBestaetigung;
    Benutzerrolle Art = Benutzerrolle::Benutzer;
    int GespeicherterStatus = StatusBenutzer;
    bool Aktiv = true;
    std::vector<tBetriebsRechte> Betriebe;
};

inline constexpr int KuerzelLaenge = 10;
inline constexpr int BenutzerNameLaenge = 50;

// A new user: kind "Benutzer", active, no right granted in any listed Betrieb.
tBenutzerFormular NeuesBenutzerFormular(Datenbank& bereich, const QString& datenverzeichnis,
                                        const QString& bereichName, const tHandelnder& handelnder);
// An existing user with his fields, kind, ticked Betriebe and granted rights.
tBenutzerFormular BenutzerFormularLaden(Datenbank& bereich, const QString& datenverzeichnis,
                                        const QString& bereichName, const tHandelnder& handelnder,
                                        qint64 userId);

// Ticks or unticks a Betrieb. Ticking one whose users the acting user may not manage is
// refused (false) and leaves it unticked.
bool BetriebAnhaken(tBenutzerFormular& formular, std::size_t index, bool angehakt);

enum class Formularfeld { Keins, Name, Kuerzel, Bestaetigung };
struct tPruefergebnis {
    QString meldung;
    Formularfeld feld = Formularfeld::Keins;
    bool ok() const { return meldung.isEmpty(); }
};

// The checks of the OK button in their order; the first failure is returned.
tPruefergebnis BenutzerFormularPruefen(Datenbank& bereich, const tBenutzerFormular& formular,
                                       const tHandelnder& handelnder);

// Whether every granted right of every ticked Betrieb the actor manages is one the actor holds.
bool DatenPruefen(Datenbank& bereich, const tBenutzerFormular& formular,
                  const tHandelnder& handelnder);

// Saves the user and his rights in one transaction: only the shown rights of the Betriebe the
// acting user may manage are rewritten, every other row stays. Administrators hold no rows.
// Returns the user's ID. Throws DatenbankFehler; nothing is written then.
qint64 BenutzerSpeichern(Datenbank& bereich, const tBenutzerFormular& formular,
                         const tHandelnder& handelnder);

// The gates of the page's actions; each shows its refusal and returns false.
bool NeuerBenutzerErlaubt(const tHandelnder& handelnder);
bool BenutzerBearbeitenErlaubt(Datenbank& bereich, const tHandelnder& handelnder, qint64 zielId);
// Whether the delete action is offered for a row at all.
bool LoeschenAngeboten(const tBenutzerZeile& zeile, const tHandelnder& handelnder);
// Asks, then deletes the user and his rights in one transaction. True when deleted.
bool BenutzerLoeschen(Datenbank& bereich, const tHandelnder& handelnder,
                      const tBenutzerZeile& ziel);

// Online installations: recommends an administrator password once per user.
void AdminKennwortHinweis(Datenbank& bereich, qint64 benutzerId, bool online);
