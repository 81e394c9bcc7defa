#pragma once

#include "Betriebsdaten.h"
#include "Optionen.h"

#include <QString>

// The process-wide login state: filled by start-up and login, read everywhere.
struct tSitzung {
    QString Datenverzeichnis;
    QString Bereich;
    QString MNr;
    qint64 BenutzerID = 0;
    QString BenutzerName;
    QString Kuerzel;
    int UserStatus = 0;
    bool NurLesen = false;
    bool HinweisImportKundenRechnungen = false;
    tOptionen Optionen;
    tFirma Firma;
    // The account ranges of the business's chart, ordered by ID and KontoVon.
    std::vector<tKontenbereich> Kontenbereiche;
    int Monat = 0;
    int Jahr = 0;
};

tSitzung& Sitzung();
