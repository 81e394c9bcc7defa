#include "Benutzerverwaltung.h"

#include "Datenbank.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Programmversion.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Uhr.h"

#include <QDir>
#include <QFileInfo>

tHandelnder AngemeldeterHandelnder() {
    const tSitzung& s = Sitzung();
    return {s.BenutzerID, s.UserStatus, s.NurLesen};
}

std::vector<tBenutzerZeile> BenutzerListeLaden(Datenbank& bereich) {
    std::vector<tBenutzerZeile> zeilen;
    Abfrage a(bereich,
              QStringLiteral("SELECT b.ID, b.BenutzerName, b.Kuerzel, COALESCE(b.UserStatus, 2), "
                             "b.NurLesen, b.Aktiv, COALESCE(b.Passwort, '')<>'', "
                             "(SELECT group_concat(MNr, ';') FROM (SELECT DISTINCT r.MNr "
                             "FROM Benutzerrechte r WHERE r.ID=b.ID ORDER BY r.MNr)) "
                             "FROM Benutzer b ORDER BY b.ID"));
    while (a.naechste())
        zeilen.push_back({a.ganzzahl(0), a.text(1), a.text(2), int(a.ganzzahl(3)), a.wahr(4),
                          a.wahr(5), a.wahr(6), a.text(7)});
    return zeilen;
}

int BenutzerSymbol(int userStatus, bool aktiv, bool hatPasswort) {
    const int gruppe = userStatus >= 0 && userStatus <= 2 ? userStatus : 3;
    const int art = !aktiv ? 2 : hatPasswort ? 0 : 1;
    return gruppe * 3 + art;
}

Benutzerrolle BenutzerrolleVon(int userStatus, bool nurLesen) {
    if (userStatus == StatusHauptadministrator)
        return Benutzerrolle::Hauptadministrator;
    if (userStatus == StatusAdministrator)
        return nurLesen ? Benutzerrolle::AdminNurLesen : Benutzerrolle::Admin;
    return Benutzerrolle::Benutzer;
}

namespace {

bool istAdministrator(const tHandelnder& h) {
    return h.UserStatus < StatusBenutzer;
}

QStringList betriebsVerzeichnisse(const QString& d, const QString& bereich) {
    QStringList namen;
    for (const QFileInfo& info :
         QDir(BereichsVerzeichnis(d, bereich))
             .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        const QString name = info.fileName();
        if (!VerzeichnisAusgeblendet(name) && QFileInfo::exists(DatenDateiname(d, bereich, name)))
            namen << name;
    }
    return namen;
}

// The area rights of a business: one per active and activated booking area.
std::vector<RechtEintrag> bereichsRechte(const QString& datei) {
    std::vector<RechtEintrag> rechte;
    Datenbank daten;
    daten.oeffnen(datei, false);
    Abfrage a(daten, QStringLiteral("SELECT BereichID, Bezeichnung FROM Buchungsbereiche "
                                    "WHERE Aktiv=1 AND Aktiviert=1 ORDER BY BereichID"));
    while (a.naechste())
        rechte.push_back({Rechte::Buchungsbereich(int(a.ganzzahl(0))), a.text(1)});
    return rechte;
}

int statusFuerRechte(Benutzerrolle art) {
    return art == Benutzerrolle::Benutzer ? StatusBenutzer : StatusAdministrator;
}

void rechteLaden(Datenbank& bereich, const QString& d, const QString& bereichName,
                 const tHandelnder& handelnder, tBenutzerFormular& f) {
    for (const QString& mnr : betriebsVerzeichnisse(d, bereichName)) {
        tBetriebsRechte b;
        b.MNr = mnr;
        try {
            b.rechte = bereichsRechte(DatenDateiname(d, bereichName, mnr));
        } catch (const DatenbankFehler& e) {
            // Its rows stay as stored: only listed Betriebe are ever rewritten.
            Benutzer().warnung(e.text());
            continue;
        }
        for (RechtEintrag& r : FesteRechte())
            b.rechte.push_back(r);
        b.verwaltbar = istAdministrator(handelnder) ||
                       HatRecht(bereich, mnr, handelnder.ID, handelnder.UserStatus,
                                Rechte::Benutzerverwaltung);
        if (f.UserID >= 0) {
            for (RechtEintrag& r : b.rechte)
                r.erteilt = HatRecht(bereich, mnr, f.UserID, statusFuerRechte(f.Art), r.recht);
            b.angehakt = bereich
                             .ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzerrechte "
                                                          "WHERE ID=? AND MNr=? LIMIT 1"),
                                           {f.UserID, mnr})
                             .has_value();
        }
        f.Betriebe.push_back(std::move(b));
    }
}

} // namespace

tBenutzerFormular NeuesBenutzerFormular(Datenbank& bereich, const QString& datenverzeichnis,
                                        const QString& bereichName, const tHandelnder& handelnder) {
    tBenutzerFormular f;
    rechteLaden(bereich, datenverzeichnis, bereichName, handelnder, f);
    return f;
}

tBenutzerFormular BenutzerFormularLaden(Datenbank& bereich, const QString& datenverzeichnis,
                                        const QString& bereichName, const tHandelnder& handelnder,
                                        qint64 userId) {
    tBenutzerFormular f;
    Abfrage a(bereich,
              QStringLiteral("SELECT BenutzerName, Kuerzel, COALESCE(UserStatus, 2), NurLesen, "
                             "Aktiv FROM Benutzer WHERE ID=?"),
              {userId});
    if (!a.naechste())
        throw DatenbankFehler(QStringLiteral("Der Benutzer ist nicht mehr vorhanden!"));
    f.UserID = userId;
    f.BenutzerName = a.text(0);
    f.Kuerzel = a.text(1);
    f.GespeicherterStatus = int(a.ganzzahl(2));
    f.Art = BenutzerrolleVon(f.GespeicherterStatus, a.wahr(3));
    f.Aktiv = a.wahr(4);
    rechteLaden(bereich, datenverzeichnis, bereichName, handelnder, f);
    return f;
}

bool BetriebAnhaken(tBenutzerFormular& formular, std::size_t index, bool angehakt) {
    tBetriebsRechte& b = formular.Betriebe.at(index);
    if (angehakt && !b.verwaltbar) {
        b.angehakt = false;
        return false;
    }
    b.angehakt = angehakt;
    return true;
}

bool DatenPruefen(Datenbank& bereich, const tBenutzerFormular& formular,
                  const tHandelnder& handelnder) {
    if (istAdministrator(handelnder))
        return true;
    if (formular.Art != Benutzerrolle::Benutzer)
        return false;
    for (const tBetriebsRechte& b : formular.Betriebe) {
        if (!b.verwaltbar || !b.angehakt)
            continue;
        for (const RechtEintrag& r : b.rechte)
            if (r.erteilt &&
                !HatRecht(bereich, b.MNr, handelnder.ID, handelnder.UserStatus, r.recht))
                return false;
    }
    return true;
}

namespace {

bool schonVergeben(Datenbank& bereich, const QString& spalte, const QString& wert, qint64 id) {
    return bereich
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE GROSS(TRIM(%1))=GROSS(?) "
                                     "AND ID<>? LIMIT 1")
                          .arg(spalte),
                      {wert.trimmed(), id})
        .has_value();
}

} // namespace

tPruefergebnis BenutzerFormularPruefen(Datenbank& bereich, const tBenutzerFormular& f,
                                       const tHandelnder& handelnder) {
    if (handelnder.NurLesen)
        return {KeineBerechtigung};
    if (f.BenutzerName.trimmed().isEmpty())
        return {QStringLiteral("Geben Sie einen Benutzernamen ein!"), Formularfeld::Name};
    if (f.BenutzerName.trimmed().size() > BenutzerNameLaenge)
        return {QStringLiteral("Der Benutzername darf höchstens %1 Zeichen lang sein!")
                    .arg(BenutzerNameLaenge),
                Formularfeld::Name};
    if (f.Kuerzel.trimmed().size() > KuerzelLaenge)
        return {
            QStringLiteral("Das Kürzel darf höchstens %1 Zeichen lang sein!").arg(KuerzelLaenge),
            Formularfeld::Kuerzel};
    if (f.Passwort != f.PasswortBestaetigung)
        return {QStringLiteral("Die Passwörter stimmen nicht überein!"),
                Formularfeld::Bestaetigung};
    const bool hauptadministratorBleibt = f.Art == Benutzerrolle::Hauptadministrator &&
                                          f.UserID >= 0 &&
                                          f.GespeicherterStatus == StatusHauptadministrator;
    if (f.Art == Benutzerrolle::Hauptadministrator && !hauptadministratorBleibt)
        return {KeineBerechtigung};
    if (!DatenPruefen(bereich, f, handelnder))
        return {
            QStringLiteral("Sie können keinem User mehr Rechte geben, als Sie selber besitzen!")};
    if (schonVergeben(bereich, QStringLiteral("BenutzerName"), f.BenutzerName, f.UserID))
        return {QStringLiteral("Ein Benutzer mit diesem Namen ist bereits vorhanden!"),
                Formularfeld::Name};
    if (!f.Kuerzel.trimmed().isEmpty() &&
        schonVergeben(bereich, QStringLiteral("Kuerzel"), f.Kuerzel, f.UserID))
        return {QStringLiteral("Ein Benutzer mit diesem Kürzel ist bereits vorhanden!"),
                Formularfeld::Kuerzel};
    return {};
}

qint64 BenutzerSpeichern(Datenbank& bereich, const tBenutzerFormular& f,
                         const tHandelnder& handelnder) {
    if (handelnder.NurLesen)
        throw DatenbankFehler(KeineBerechtigung);
    int status = StatusBenutzer;
    bool nurLesen = false;
    switch (f.Art) {
    case Benutzerrolle::Hauptadministrator:
        status = StatusHauptadministrator;
        break;
    case Benutzerrolle::Admin:
        status = StatusAdministrator;
        break;
    case Benutzerrolle::AdminNurLesen:
        status = StatusAdministrator;
        nurLesen = true;
        break;
    case Benutzerrolle::Benutzer:
        status = f.GespeicherterStatus >= StatusBenutzer ? f.GespeicherterStatus : StatusBenutzer;
        break;
    }
    const bool passwortNeu = f.UserID < 0 || !f.Passwort.isEmpty();
    const QString hash = f.Passwort.isEmpty() ? QString() : PasswortHashBilden(f.Passwort);

    Transaktion t(bereich);
    qint64 id = f.UserID;
    const bool vorhanden =
        id >= 0 && bereich.ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE ID=?"), {id});
    if (vorhanden) {
        bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET BenutzerName=?, Kuerzel=?, "
                                          "UserStatus=?, NurLesen=?, Aktiv=?, LetzteVersion=? "
                                          "WHERE ID=?"),
                           {f.BenutzerName.trimmed(), f.Kuerzel.trimmed(), status, nurLesen,
                            f.Aktiv, ProgrammVersionDreiteilig(), id});
        if (passwortNeu)
            bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET Passwort=? WHERE ID=?"),
                               {hash, id});
    } else {
        bereich.ausfuehren(QStringLiteral("INSERT INTO Benutzer (BenutzerName, Kuerzel, Passwort, "
                                          "UserStatus, NurLesen, Aktiv, LetzteVersion) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           {f.BenutzerName.trimmed(), f.Kuerzel.trimmed(), hash, status, nurLesen,
                            f.Aktiv, ProgrammVersionDreiteilig()});
        id = bereich.letzteId();
    }
    if (status < StatusBenutzer) {
        bereich.ausfuehren(QStringLiteral("DELETE FROM Benutzerrechte WHERE ID=?"), {id});
    } else {
        for (const tBetriebsRechte& b : f.Betriebe) {
            if (!b.verwaltbar)
                continue;
            for (const RechtEintrag& r : b.rechte) {
                bereich.ausfuehren(QStringLiteral("DELETE FROM Benutzerrechte WHERE ID=? AND "
                                                  "MNr=? AND RID1=? AND RID2=?"),
                                   {id, b.MNr, r.recht.RID1, r.recht.RID2});
                if (b.angehakt && r.erteilt)
                    bereich.ausfuehren(QStringLiteral("INSERT INTO Benutzerrechte (ID, MNr, "
                                                      "RID1, RID2) VALUES (?, ?, ?, ?)"),
                                       {id, b.MNr, r.recht.RID1, r.recht.RID2});
            }
        }
    }
    t.bestaetigen();
    return id;
}

bool NeuerBenutzerErlaubt(const tHandelnder& handelnder) {
    if (!handelnder.NurLesen)
        return true;
    Benutzer().fehler(KeineBerechtigung);
    return false;
}

bool BenutzerBearbeitenErlaubt(Datenbank& bereich, const tHandelnder& handelnder, qint64 zielId) {
    if (!DarfBenutzerVerwalten(bereich, handelnder.ID, zielId)) {
        Benutzer().fehler(QStringLiteral(
            "Sie haben nicht die nötigen Rechte, um diesen Benutzer zu bearbeiten!"));
        return false;
    }
    if (handelnder.NurLesen) {
        Benutzer().fehler(KeineBerechtigung);
        return false;
    }
    if (istAdministrator(handelnder))
        return true;
    // Every Betrieb of the target must be one the actor manages; otherwise saving would touch
    // rights the actor has no say in.
    bool gesperrt = bereich
                        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE ID=? AND "
                                                     "COALESCE(UserStatus, 2)<2"),
                                      {zielId})
                        .has_value();
    Abfrage betriebe(bereich, QStringLiteral("SELECT DISTINCT MNr FROM Benutzerrechte WHERE ID=?"),
                     {zielId});
    while (!gesperrt && betriebe.naechste())
        gesperrt = !HatRecht(bereich, betriebe.text(0), handelnder.ID, handelnder.UserStatus,
                             Rechte::Benutzerverwaltung);
    if (gesperrt) {
        Benutzer().fehler(QStringLiteral("Dieser Benutzer ist für Sie gesperrt!"));
        return false;
    }
    return true;
}

bool LoeschenAngeboten(const tBenutzerZeile& zeile, const tHandelnder& handelnder) {
    return zeile.UserStatus != StatusHauptadministrator && zeile.ID != handelnder.ID;
}

bool BenutzerLoeschen(Datenbank& bereich, const tHandelnder& handelnder,
                      const tBenutzerZeile& ziel) {
    if (!LoeschenAngeboten(ziel, handelnder))
        return false;
    if (handelnder.NurLesen) {
        Benutzer().fehler(KeineBerechtigung);
        return false;
    }
    if (!DarfBenutzerVerwalten(bereich, handelnder.ID, ziel.ID)) {
        Benutzer().fehler(
            QStringLiteral("Sie haben nicht die nötigen Rechte, um diesen Benutzer zu löschen!"));
        return false;
    }
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie den Benuzter \"%1\" wirklich löschen?")
                             .arg(ziel.BenutzerName),
                         Knoepfe::JaNein) != Antwort::Ja)
        return false;
    Transaktion t(bereich);
    bereich.ausfuehren(QStringLiteral("DELETE FROM Benutzer WHERE ID=?"), {ziel.ID});
    bereich.ausfuehren(QStringLiteral("DELETE FROM Benutzerrechte WHERE ID=?"), {ziel.ID});
    t.bestaetigen();
    return true;
}

void AdminKennwortHinweis(Datenbank& bereich, qint64 benutzerId, bool online) {
    if (!online)
        return;
    if (bereich
            .ganzzahlWert(QStringLiteral("SELECT 1 FROM Benutzer WHERE ID=? AND "
                                         "COALESCE(HinweisAdminKennwort, 0)=0"),
                          {benutzerId})
            .has_value()) {
        Benutzer().warnung(
            QStringLiteral("Zum  erweiterten Schutz Ihrer Daten empfehlen wir Ihnen ein "
                           "Administator-Passwort zu hinterlegen. Mit diesem Passwort aktivieren "
                           "Sie eine weitere Schutzebene für die Sicherheit Ihrer Daten.\r\r"
                           "Darüber hinaus haben Sie die Möglichkeit, weiteren Personen z.B. dem "
                           "KMB-Sachbearbeiter den Zugang zu Ihren Daten freizuschalten, indem Sie "
                           "zusätzliche Benutzer anlegen.\r\r"
                           "(siehe Menüpunkt \"STAMMDATEN - BENUTZER\")"));
        bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET HinweisAdminKennwort=1, "
                                          "HinweisAdminKennwortDatum=? WHERE ID=?"),
                           {Jetzt(), benutzerId});
    }
}
