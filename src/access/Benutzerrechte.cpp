#include "Benutzerrechte.h"

#include "Datenbank.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

std::vector<RechtEintrag> FesteRechte() {
    return {
        {Rechte::Firmendaten, QStringLiteral("Firmendaten")},
        {Rechte::Benutzerverwaltung, QStringLiteral("Benutzerverwaltung")},
        {Rechte::DatensicherungRueckladen, QStringLiteral("Datensicherung rückladen")},
        {Rechte::Monatstransfer, QStringLiteral("Monatstransfer")},
        {Rechte::Zahlungsverkehr, QStringLiteral("Zahlungsverkehr")},
        {Rechte::Optionen, QStringLiteral("Optionen")},
        {Rechte::Privatkonten, QStringLiteral("Privatkonten anzeigen")},
        {Rechte::Personalkonten, QStringLiteral("Personalkonten anzeigen")},
        {Rechte::Geldkontensalden, QStringLiteral("Geldkontensalden anzeigen")},
    };
}

bool HatRecht(Datenbank& bereich, const QString& mnr, qint64 benutzerId, int userStatus,
              Recht recht) {
    if (userStatus <= StatusAdministrator)
        return true;
    return bereich
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzerrechte WHERE ID=? AND MNr=? "
                                     "AND RID1=? AND RID2=? LIMIT 1"),
                      {benutzerId, mnr, recht.RID1, recht.RID2})
        .has_value();
}

bool HatRecht(Datenbank& bereich, Recht recht) {
    const tSitzung& s = Sitzung();
    return HatRecht(bereich, s.MNr, s.BenutzerID, s.UserStatus, recht);
}

bool DarfBenutzerVerwalten(Datenbank& bereich, qint64 handelnderId, qint64 zielId) {
    const auto status = [&](qint64 id) {
        return bereich.ganzzahlWert(
            QStringLiteral("SELECT COALESCE(UserStatus, 2) FROM Benutzer WHERE ID=?"), {id});
    };
    const auto handelnder = status(handelnderId);
    if (!handelnder)
        return false;
    if (*handelnder < StatusBenutzer)
        return true;
    const auto ziel = status(zielId);
    if (!ziel || *ziel < StatusBenutzer || handelnderId == zielId)
        return false;
    Abfrage rechte(bereich,
                   QStringLiteral("SELECT DISTINCT MNr, RID1, RID2 FROM Benutzerrechte WHERE ID=?"),
                   {zielId});
    while (rechte.naechste()) {
        const Recht r{int(rechte.ganzzahl(1)), int(rechte.ganzzahl(2))};
        if (!HatRecht(bereich, rechte.text(0), handelnderId, StatusBenutzer, r))
            return false;
    }
    return true;
}

bool AenderungErlaubt() {
    if (!Sitzung().NurLesen)
        return true;
    Benutzer().fehler(KeineBerechtigung);
    return false;
}
