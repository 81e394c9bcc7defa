#include "Updatetransaktionen.h"

#include "DataModule.h"
#include "Pfade.h"
#include "Programmversion.h"
#include "Uhr.h"

#include <QCoreApplication>
#include <QFileInfo>

void UpdateTransaktionenArchivStarten(TDataModule1& dm, const QString& mnr, qint64 benutzerId,
                                      int kontenplan) {
    Datenbank& bereich = dm.ADOConnection_Bereich;
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const int plan = WirksamerKontenplan(kontenplan);

    Transaktion t(bereich);
    // Records written before the chart number was kept belong to the only archive of that time.
    if (bereich.ganzzahlWert(QStringLiteral("SELECT 1 FROM UpdateTransaktionen WHERE "
                                            "TransaktionsID=1 AND (Kontenplan=? OR "
                                            "(Kontenplan IS NULL AND ?=77))"),
                             {plan, plan}))
        return;
    {
        Transaktion a(archiv);
        archiv.ausfuehren(QStringLiteral("UPDATE Kunden SET Oeffentlich=0 WHERE Konto>=30000 AND "
                                         "Konto<=69998 AND trim(coalesce(AngelegtVonMNr,''))<>''"));
        a.bestaetigen();
    }
    bereich.ausfuehren(
        QStringLiteral("INSERT INTO UpdateTransaktionen (TransaktionsID, Bezeichnung, MNr, "
                       "AktualisiertAm, AktualisiertVon, UpdateDatum, UpdateVersion, Kontenplan) "
                       "VALUES (1, ?, ?, ?, ?, ?, ?, ?)"),
        {QStringLiteral("bestimmten Kundenkonten filialübergreifend entziehen"), mnr, Jetzt(),
         benutzerId, QFileInfo(QCoreApplication::applicationFilePath()).lastModified(),
         ProgrammVersion(), plan});
    t.bestaetigen();
}
