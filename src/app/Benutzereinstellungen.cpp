#include "Benutzereinstellungen.h"

#include "Datenbank.h"

namespace {

// Rows with unreadable keys stay out of both reading and replacing: they are neither shown
// nor silently dropped.
const QString auswahl =
    QStringLiteral("ID=? AND (MNr=? OR MNr IS NULL OR MNr='') AND typeof(EID1)='integer' AND "
                   "typeof(EID2)='integer'");

} // namespace

std::vector<tBenutzerEinstellung> BenutzereinstellungenLaden(Datenbank& bereich, qint64 benutzerId,
                                                             const QString& mnr) {
    std::vector<tBenutzerEinstellung> liste;
    Abfrage a(bereich,
              QStringLiteral("SELECT EID1, EID2, anzeigen, Hoehe, Breite, MNr FROM "
                             "Benutzereinstellungen WHERE ") +
                  auswahl + QStringLiteral(" ORDER BY rowid"),
              {benutzerId, mnr});
    while (a.naechste()) {
        tBenutzerEinstellung e;
        e.EID1 = int(a.ganzzahl(0));
        e.EID2 = int(a.ganzzahl(1));
        e.anzeigen = a.wahr(2, true);
        e.Hoehe = int(a.ganzzahl(3));
        e.Breite = int(a.ganzzahl(4));
        if (!a.istNull(5))
            e.MNr = a.text(5);
        liste.push_back(e);
    }
    return liste;
}

void BenutzereinstellungenSpeichern(Datenbank& bereich, qint64 benutzerId, const QString& mnr,
                                    const std::vector<tBenutzerEinstellung>& liste) {
    Transaktion t(bereich);
    bereich.ausfuehren(QStringLiteral("DELETE FROM Benutzereinstellungen WHERE ") + auswahl,
                       {benutzerId, mnr});
    Abfrage einfuegen(bereich, QStringLiteral("INSERT INTO Benutzereinstellungen (ID, MNr, EID1, "
                                              "EID2, anzeigen, Hoehe, Breite) "
                                              "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const tBenutzerEinstellung& e : liste) {
        einfuegen.zuruecksetzen();
        einfuegen.binden(1, benutzerId)
            .binden(2, Wert(e.MNr))
            .binden(3, e.EID1)
            .binden(4, e.EID2)
            .binden(5, e.anzeigen)
            .binden(6, e.Hoehe)
            .binden(7, e.Breite);
        einfuegen.ausfuehren();
    }
    t.bestaetigen();
}

QByteArray GridEinstellungenLesen(Datenbank& bereich, qint64 benutzerId) {
    Abfrage a(bereich, QStringLiteral("SELECT GridViewErfassungen FROM Benutzer WHERE ID=?"),
              {benutzerId});
    return a.naechste() ? a.blob(0) : QByteArray();
}

void GridEinstellungenSchreiben(Datenbank& bereich, qint64 benutzerId, const QByteArray& layout) {
    bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET GridViewErfassungen=? WHERE ID=?"),
                       {layout, benutzerId});
}

bool TextschluesselAusblendenLesen(Datenbank& bereich, qint64 benutzerId) {
    Abfrage a(bereich, QStringLiteral("SELECT TextschluesselAusblenden FROM Benutzer WHERE ID=?"),
              {benutzerId});
    return a.naechste() && a.wahr(0);
}

void TextschluesselAusblendenSchreiben(Datenbank& bereich, qint64 benutzerId, bool ausblenden) {
    bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET TextschluesselAusblenden=? WHERE ID=?"),
                       {ausblenden, benutzerId});
}

bool LetzteVersionAbgleichen(Datenbank& bereich, qint64 benutzerId, const QString& version) {
    QString letzte;
    {
        Abfrage a(bereich, QStringLiteral("SELECT LetzteVersion FROM Benutzer WHERE ID=?"),
                  {benutzerId});
        if (!a.naechste())
            return false;
        letzte = a.text(0);
    }
    if (letzte == version)
        return false;
    bereich.ausfuehren(QStringLiteral("UPDATE Benutzer SET LetzteVersion=? WHERE ID=?"),
                       {version, benutzerId});
    return !letzte.isEmpty();
}
