#pragma once

#include "Datenbank.h"

#include <QString>

// Owns the five connections of the program and the operations that open and close them.
// Opening with structure adaptation brings the file up to its definition first.
class TDataModule1 {
public:
    explicit TDataModule1(const QString& datenverzeichnis);

    Datenbank ADOConnection_Bereich;
    Datenbank ADOConnection_Daten;
    Datenbank ADOConnection_Archiv;
    Datenbank ADOConnection_Stamm;
    Datenbank ADOConnection_Log;

    void ADOConnection_BereichVerbinden(const QString& dbName, bool strukturanpassung);
    void ADOConnection_BereichTrennen();
    void ADOConnection_DatenVerbinden(const QString& dbName, bool strukturanpassung);
    void ADOConnection_DatenTrennen();
    // A missing bereich.mdb, and a missing archiv_77.mdb for chart 77, is first derived from
    // the legacy archiv.mdb of the Bereich when that exists.
    void ADOConnection_ArchivVerbinden(const QString& dbName, bool strukturanpassung,
                                       int kontenplan);
    void ADOConnection_ArchivTrennen();
    void ADOConnection_StammVerbinden();
    void ADOConnection_StammTrennen();
    void ADOConnection_LogVerbinden();
    void ADOConnection_LogTrennen();

    // Releases the business's files before they are copied (backup, restore). Staging rows of
    // running imports stay: they are the user's work, not the connection's.
    void DatenbankenTrennen();
    // Program end: closes everything and removes the user's staging rows; never fails.
    void DatenbankenSchliessen(qint64 benutzerId);

    // Compact the business or archive file that was last connected.
    bool DatenDateiKomprimieren();
    bool ArchivDateiKomprimieren();

    const QString& datenverzeichnis() const { return verzeichnis; }

private:
    QString verzeichnis;
    QString datenDatei;
    QString archivDatei;

    void strukturAnpassen(const QString& datenbankart, const QString& datei);
};
