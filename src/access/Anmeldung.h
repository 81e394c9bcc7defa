#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Datenbank;
class TDataModule1;

// The Bereiche offered at login: the folders of daten/ in enumeration order, without hidden and
// "_TEMP" folders. A first command-line argument other than "/runtime" restricts the list to
// the Bereich of that name (compared in upper case).
QStringList BereicheErmitteln(const QString& datenverzeichnis, const QString& parameter);

struct tBetriebEintrag {
    QString MNr;
    QString Inhaber;
    QString Firmenname;
    // "MNr - Firmenname", as the Betrieb box shows it.
    QString anzeige() const;
};

// Connects the Bereich's file and lists its Betriebe: each folder with a daten.mdb whose
// Firmendaten has a row, after bringing that file up to its structure. Sorted by MNr as text
// without regard to case, then by owner and name. A folder whose name is not the MNr of its
// company data is not offered, with a warning, because after the login the business is found
// through its MNr. Every problem is shown to the user; the list then holds what could be read.
std::vector<tBetriebEintrag> BetriebeErmitteln(TDataModule1& dm, const QString& bereich);

struct tBenutzerEintrag {
    qint64 ID = 0;
    QString BenutzerName;
    QString Kuerzel;
    int UserStatus = 2;
    bool NurLesen = false;
    bool HinweisImportKundenRechnungen = false;
};

// The active users offered for a Betrieb: administrators always, ordinary users when they hold
// at least one right in it. One entry per user, sorted by name.
std::vector<tBenutzerEintrag> BenutzerErmitteln(Datenbank& bereich, const QString& mnr);

// Picture of a user in the login list: 3 read-only administrator, 1 main administrator,
// 2 everyone else.
int AnmeldeSymbol(int userStatus, bool nurLesen);

// Checks the password of this one user against his stored hash. A user without a stored
// password logs in with an empty password.
bool PasswortKorrekt(Datenbank& bereich, qint64 benutzerId, const QString& passwort);

// Opens the chosen business: its data file, company data, account ranges and archive, and the
// split accounts of its areas; then fills the login state. On a failure the message is shown,
// the business's connections are closed again, the login state stays as it was and the result
// is false.
bool AnmeldungAbschliessen(TDataModule1& dm, const QString& bereich, const QString& mnr,
                           const tBenutzerEintrag& benutzer);

// A cancelled login: every connection is closed.
void AnmeldungAbbrechen(TDataModule1& dm);
