#include "DataModule.h"

#include "Altarchiv.h"
#include "Komprimieren.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Strukturaktualisierung.h"

TDataModule1::TDataModule1(const QString& datenverzeichnis) : verzeichnis(datenverzeichnis) {}

void TDataModule1::strukturAnpassen(const QString& datenbankart, const QString& datei) {
    try {
        StrukturAktualisieren(DefinitionsDateiname(verzeichnis, datenbankart), datei);
    } catch (const DatenbankFehler&) {
        // The connection opens anyway: the file may still serve what the user came for.
        Benutzer().fehler(
            QStringLiteral("Es ist ein Fehler bei der Aktualisierung der Datenstruktur (%1.mdb) "
                           "aufgetreten!")
                .arg(datenbankart));
    }
}

void TDataModule1::ADOConnection_BereichVerbinden(const QString& dbName, bool strukturanpassung) {
    ADOConnection_Bereich.schliessen();
    AusAltarchivAbleiten(dbName, Altarchivteil::Bereich);
    if (strukturanpassung)
        strukturAnpassen(QStringLiteral("bereich"), dbName);
    ADOConnection_Bereich.oeffnen(dbName);
}

void TDataModule1::ADOConnection_BereichTrennen() {
    ADOConnection_Bereich.schliessen();
}

void TDataModule1::ADOConnection_DatenVerbinden(const QString& dbName, bool strukturanpassung) {
    ADOConnection_Daten.schliessen();
    if (strukturanpassung)
        strukturAnpassen(QStringLiteral("daten"), dbName);
    ADOConnection_Daten.oeffnen(dbName);
    datenDatei = dbName;
    if (ADOConnection_Daten.tabelleVorhanden(QStringLiteral("Firmendaten")))
        ADOConnection_Daten.ausfuehren(
            QStringLiteral("UPDATE Firmendaten SET Kontenplan=77 WHERE Kontenplan IS NULL"));
}

void TDataModule1::ADOConnection_DatenTrennen() {
    ADOConnection_Daten.schliessen();
}

void TDataModule1::ADOConnection_ArchivVerbinden(const QString& dbName, bool strukturanpassung,
                                                 int kontenplan) {
    ADOConnection_Archiv.schliessen();
    if (WirksamerKontenplan(kontenplan) == 77)
        AusAltarchivAbleiten(dbName, Altarchivteil::Archiv);
    if (strukturanpassung)
        strukturAnpassen(QStringLiteral("archiv"), dbName);
    ADOConnection_Archiv.oeffnen(dbName);
    archivDatei = dbName;
}

void TDataModule1::ADOConnection_ArchivTrennen() {
    ADOConnection_Archiv.schliessen();
}

void TDataModule1::ADOConnection_StammVerbinden() {
    ADOConnection_Stamm.oeffnen(StammDateiname(verzeichnis), false);
}

void TDataModule1::ADOConnection_StammTrennen() {
    ADOConnection_Stamm.schliessen();
}

void TDataModule1::ADOConnection_LogVerbinden() {
    ADOConnection_Log.schliessen();
    const QString datei = LogDateiname(verzeichnis);
    strukturAnpassen(QStringLiteral("kmb_log"), datei);
    ADOConnection_Log.oeffnen(datei);
}

void TDataModule1::ADOConnection_LogTrennen() {
    ADOConnection_Log.schliessen();
}

void TDataModule1::DatenbankenTrennen() {
    ADOConnection_Daten.schliessen();
    ADOConnection_Archiv.schliessen();
    ADOConnection_Bereich.schliessen();
}

void TDataModule1::DatenbankenSchliessen(qint64 benutzerId) {
    ADOConnection_Stamm.schliessen();
    ADOConnection_Log.schliessen();
    ADOConnection_Archiv.schliessen();
    if (ADOConnection_Daten.offen()) {
        for (const char* tabelle : {"Erfassungen_DatevSelf", "Erfassungen_CSV"}) {
            try {
                const QString name = QString::fromLatin1(tabelle);
                if (ADOConnection_Daten.tabelleVorhanden(name))
                    ADOConnection_Daten.ausfuehren(
                        QStringLiteral("DELETE FROM %1 WHERE BenutzerID=?").arg(name),
                        {benutzerId});
            } catch (const DatenbankFehler&) {
                // Closing never stops on an error; the rows go with the next close.
            }
        }
    }
    ADOConnection_Daten.schliessen();
    ADOConnection_Bereich.schliessen();
}

namespace {
// The connection is closed for the compaction and reopened on the result, whatever it was.
bool komprimierenUndWiederOeffnen(Datenbank& verbindung, const QString& datei) {
    if (datei.isEmpty())
        return false;
    verbindung.schliessen();
    const bool ok = DatenbankKomprimieren(datei);
    verbindung.oeffnen(datei, false);
    return ok;
}
} // namespace

bool TDataModule1::DatenDateiKomprimieren() {
    return komprimierenUndWiederOeffnen(ADOConnection_Daten, datenDatei);
}

bool TDataModule1::ArchivDateiKomprimieren() {
    return komprimierenUndWiederOeffnen(ADOConnection_Archiv, archivDatei);
}
