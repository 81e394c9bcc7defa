#pragma once

#include "Erfassungsliste.h"

#include <QDateTime>
#include <QString>
#include <vector>

class Datenbank;

// "Erfassungsinfo": who created the booking when, and how.
QString ErfassungsInfoText(const tErfassungsZeile& zeile);

// One version of a booking in its history: a row of the current booking or of an earlier
// state, with the line that describes the change.
struct tVerlaufsZeile {
    tErfassungsZeile Zeile;
    // "dd.MM.yyyy hh:mm:ss durch XY" (+ " (keine Änderung steuerrelevanter Felder)") or, for the
    // first state, "...: Ursprungserfassung - Erfassungsart: manuell" / "Import".
    QString Aenderung;
    // Orders the versions, oldest first.
    QDateTime Zeitpunkt;
};

// Every state of the booking, current and earlier, oldest first; within a state the main row
// before its split rows.
std::vector<tVerlaufsZeile> ErfassungsVerlauf(Datenbank& daten, qint64 buchungsId);
