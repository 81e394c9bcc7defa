#include "Anmeldung.h"

#include "Aufteilungskonten.h"
#include "DataModule.h"
#include "Firmendaten.h"
#include "Kontenbereiche.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Text.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QStringList unterverzeichnisse(const QString& verzeichnis) {
    QStringList namen;
    for (const QFileInfo& info :
         QDir(verzeichnis)
             .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (!VerzeichnisAusgeblendet(info.fileName()))
            namen << info.fileName();
    }
    return namen;
}

} // namespace

QStringList BereicheErmitteln(const QString& datenverzeichnis, const QString& parameter) {
    QStringList bereiche;
    for (const QString& name : unterverzeichnisse(BereichsVerzeichnis(datenverzeichnis, {}))) {
        if (!parameter.isEmpty() && parameter != QStringLiteral("/runtime") &&
            !TexteGleich(parameter, name))
            continue;
        bereiche << name;
    }
    return bereiche;
}

QString tBetriebEintrag::anzeige() const {
    return MNr + QStringLiteral(" - ") + Firmenname;
}

std::vector<tBetriebEintrag> BetriebeErmitteln(TDataModule1& dm, const QString& bereich) {
    std::vector<tBetriebEintrag> betriebe;
    dm.ADOConnection_DatenTrennen();
    dm.ADOConnection_ArchivTrennen();
    const QString d = dm.datenverzeichnis();
    if (!QFileInfo::exists(BereichDateiname(d, bereich)) &&
        !QFileInfo::exists(AltArchivDateiname(d, bereich))) {
        dm.ADOConnection_BereichTrennen();
        Benutzer().fehler(QStringLiteral("Im Bereich \"%1\" fehlt die Datei bereich.mdb!\r"
                                         "Der Bereich kann nicht geöffnet werden.")
                              .arg(bereich));
        return betriebe;
    }
    try {
        dm.ADOConnection_BereichVerbinden(BereichDateiname(d, bereich), true);
    } catch (const DatenbankFehler& e) {
        dm.ADOConnection_BereichTrennen();
        Benutzer().fehler(e.text());
        return betriebe;
    }
    for (const QString& verzeichnis : unterverzeichnisse(BereichsVerzeichnis(d, bereich))) {
        const QString datei = DatenDateiname(d, bereich, verzeichnis);
        if (!QFileInfo::exists(datei))
            continue;
        try {
            dm.ADOConnection_DatenVerbinden(datei, true);
            Abfrage a(dm.ADOConnection_Daten,
                      QStringLiteral("SELECT MNr, Inhaber, Firmenname FROM Firmendaten "
                                     "ORDER BY rowid LIMIT 1"));
            if (!a.naechste())
                continue;
            tBetriebEintrag b{a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed()};
            if (b.MNr != verzeichnis) {
                Benutzer().warnung(
                    QStringLiteral("Der Betrieb im Verzeichnis \"%1\" wird nicht angeboten:\r"
                                   "Seine Firmendaten nennen die Mandantennummer \"%2\".\r"
                                   "Das Verzeichnis muss wie die Mandantennummer heißen.")
                        .arg(verzeichnis, b.MNr));
                continue;
            }
            betriebe.push_back(b);
        } catch (const DatenbankFehler& e) {
            Benutzer().fehler(e.text());
        }
    }
    dm.ADOConnection_DatenTrennen();
    const auto vergleich = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive);
    };
    std::stable_sort(betriebe.begin(), betriebe.end(),
                     [&](const tBetriebEintrag& a, const tBetriebEintrag& b) {
                         if (int c = vergleich(a.MNr, b.MNr))
                             return c < 0;
                         if (int c = vergleich(a.Inhaber, b.Inhaber))
                             return c < 0;
                         return vergleich(a.Firmenname, b.Firmenname) < 0;
                     });
    return betriebe;
}

std::vector<tBenutzerEintrag> BenutzerErmitteln(Datenbank& bereich, const QString& mnr) {
    std::vector<tBenutzerEintrag> liste;
    Abfrage a(
        bereich,
        QStringLiteral("SELECT ID, BenutzerName, Kuerzel, COALESCE(UserStatus, 2), NurLesen, "
                       "HinweisImportKundenRechnungen FROM Benutzer WHERE Aktiv=1 AND "
                       "(COALESCE(UserStatus, 2)<=1 OR EXISTS (SELECT 1 FROM Benutzerrechte r "
                       "WHERE r.ID=Benutzer.ID AND r.MNr=?)) ORDER BY BenutzerName, ID"),
        {mnr});
    while (a.naechste())
        liste.push_back(
            {a.ganzzahl(0), a.text(1), a.text(2), int(a.ganzzahl(3)), a.wahr(4), a.wahr(5)});
    return liste;
}

int AnmeldeSymbol(int userStatus, bool nurLesen) {
    if (userStatus == 1 && nurLesen)
        return 3;
    if (userStatus == 0 && !nurLesen)
        return 1;
    return 2;
}

bool PasswortKorrekt(Datenbank& bereich, qint64 benutzerId, const QString& passwort) {
    Abfrage a(bereich, QStringLiteral("SELECT Passwort FROM Benutzer WHERE ID=? AND Aktiv=1"),
              {benutzerId});
    if (!a.naechste())
        return false;
    const QString hash = a.text(0);
    if (hash.isEmpty())
        return passwort.isEmpty();
    return PasswortPruefen(hash, passwort);
}

bool AnmeldungAbschliessen(TDataModule1& dm, const QString& bereich, const QString& mnr,
                           const tBenutzerEintrag& benutzer) {
    const QString d = dm.datenverzeichnis();
    try {
        dm.ADOConnection_DatenVerbinden(DatenDateiname(d, bereich, mnr), false);
        const tFirma firma = FirmendatenLaden(dm.ADOConnection_Daten, mnr);
        if (!dm.ADOConnection_Stamm.offen())
            dm.ADOConnection_StammVerbinden();
        if (!dm.ADOConnection_Log.offen())
            dm.ADOConnection_LogVerbinden();
        std::vector<tKontenbereich> kontenbereiche =
            KontenbereicheLaden(dm.ADOConnection_Stamm, firma.Kontenplan);
        dm.ADOConnection_ArchivVerbinden(ArchivDateiname(d, bereich, firma.Kontenplan), true,
                                         firma.Kontenplan);
        AufteilungskontenBestuecken(dm, -1, firma.Kontenplan);

        tSitzung& s = Sitzung();
        s.Bereich = bereich;
        s.MNr = mnr;
        s.BenutzerID = benutzer.ID;
        s.BenutzerName = benutzer.BenutzerName;
        s.Kuerzel = benutzer.Kuerzel;
        s.UserStatus = benutzer.UserStatus;
        s.NurLesen = benutzer.NurLesen;
        s.HinweisImportKundenRechnungen = benutzer.HinweisImportKundenRechnungen;
        s.Firma = firma;
        s.Kontenbereiche = std::move(kontenbereiche);
        return true;
    } catch (const DatenbankFehler& e) {
        dm.ADOConnection_DatenTrennen();
        dm.ADOConnection_ArchivTrennen();
        Benutzer().fehler(e.text());
        return false;
    }
}

void AnmeldungAbbrechen(TDataModule1& dm) {
    dm.ADOConnection_DatenTrennen();
    dm.ADOConnection_ArchivTrennen();
    dm.ADOConnection_StammTrennen();
    dm.ADOConnection_LogTrennen();
    dm.ADOConnection_BereichTrennen();
}
