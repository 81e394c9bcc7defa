#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class Datenbank;

// One stored display setting of a user: whether a part of a window is shown, and its size.
struct tBenutzerEinstellung {
    int EID1 = 0;
    int EID2 = 0;
    bool anzeigen = true;
    int Hoehe = 0;
    int Breite = 0;
    // The business the row belongs to; nullopt (or empty) for a row shared by every business.
    std::optional<QString> MNr{};
};

// The user's rows for the business together with his shared rows. A row whose keys are not
// numbers cannot be read and is skipped.
std::vector<tBenutzerEinstellung> BenutzereinstellungenLaden(Datenbank& bereich, qint64 benutzerId,
                                                             const QString& mnr);

// Replaces the rows BenutzereinstellungenLaden reads with the list, in one transaction. Every
// row keeps its own business: shared rows stay shared, so the other businesses keep them.
void BenutzereinstellungenSpeichern(Datenbank& bereich, qint64 benutzerId, const QString& mnr,
                                    const std::vector<tBenutzerEinstellung>& liste);

// The stored layout of the booking grids (Benutzer.GridViewErfassungen); empty without user row
// or layout, which means the default layout.
QByteArray GridEinstellungenLesen(Datenbank& bereich, qint64 benutzerId);
void GridEinstellungenSchreiben(Datenbank& bereich, qint64 benutzerId, const QByteArray& layout);

// Whether the user hid the text-key list beside the entry mask; shown when the row or value is
// missing.
bool TextschluesselAusblendenLesen(Datenbank& bereich, qint64 benutzerId);
void TextschluesselAusblendenSchreiben(Datenbank& bereich, qint64 benutzerId, bool ausblenden);

// Stores the program version as the user's last one. True when he had worked with another
// version before: he is told about the new version. A first login stores it silently.
bool LetzteVersionAbgleichen(Datenbank& bereich, qint64 benutzerId, const QString& version);
