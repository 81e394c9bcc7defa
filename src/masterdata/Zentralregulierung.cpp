#include "Zentralregulierung.h"

#include "DataModule.h"
#include "Datenbank.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

namespace {

tZRKonto zeile(TDataModule1& dm, qint64 konto) {
    if (const auto p = PersonenkontoLaden(dm.ADOConnection_Archiv, Sitzung().MNr, konto))
        return {konto, p->Bezeichnung, 0};
    return {konto, KontoNichtGefunden, 1};
}

QString name(TDataModule1& dm, qint64 konto) {
    const tZRKonto z = zeile(dm, konto);
    return z.Symbol == 0 ? z.Bezeichnung : QString::number(konto);
}

std::vector<tZRKonto> zeilen(TDataModule1& dm, const QString& sql, std::initializer_list<Wert> w) {
    std::vector<tZRKonto> liste;
    Abfrage a(dm.ADOConnection_Daten, sql, w);
    while (a.naechste())
        liste.push_back(zeile(dm, a.ganzzahl(0)));
    return liste;
}

} // namespace

std::vector<tZRKonto> ZentralreguliererListe(TDataModule1& dm) {
    return zeilen(dm,
                  QStringLiteral("SELECT KHaupt FROM Zentralregulierer GROUP BY KHaupt ORDER BY "
                                 "KHaupt"),
                  {});
}

std::vector<tZRKonto> ZentralregulierungPartner(TDataModule1& dm, qint64 haupt) {
    return zeilen(dm,
                  QStringLiteral("SELECT KPartner FROM Zentralregulierer WHERE KHaupt=? AND "
                                 "KPartner<>0 ORDER BY KPartner"),
                  {haupt});
}

bool ZentralregulierungVorhanden(Datenbank& daten, qint64 konto) {
    return daten
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Zentralregulierer WHERE KHaupt=? OR "
                                     "KPartner=? LIMIT 1"),
                      {konto, konto})
        .has_value();
}

std::vector<qint64> ZentralreguliererPartnerListe(Datenbank& daten, qint64 konto) {
    std::vector<qint64> partner;
    Abfrage a(daten,
              QStringLiteral("SELECT KPartner FROM Zentralregulierer WHERE KHaupt=? AND "
                             "KPartner<>0 ORDER BY KPartner"),
              {konto});
    while (a.naechste())
        partner.push_back(a.ganzzahl(0));
    return partner;
}

bool ZentralreguliererNeu(TDataModule1& dm, qint64 konto) {
    Datenbank& daten = dm.ADOConnection_Daten;
    Transaktion t(daten);
    if (daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Zentralregulierer WHERE KHaupt=? LIMIT 1"),
                           {konto})) {
        Benutzer().fehler(
            QStringLiteral("Eine Zentralregulierung mit dem Lieferanten \"%1\" besteht bereits!")
                .arg(name(dm, konto)));
        return false;
    }
    daten.ausfuehren(
        QStringLiteral("INSERT INTO Zentralregulierer (KHaupt, KPartner) VALUES (?, 0)"), {konto});
    t.bestaetigen();
    return true;
}

bool ZentralreguliererEntfernen(TDataModule1& dm, qint64 konto) {
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie die Zentralregulierung für das Konto %1 "
                                        "wirklich löschen?")
                             .arg(konto),
                         Knoepfe::JaNein) != Antwort::Ja)
        return false;
    dm.ADOConnection_Daten.ausfuehren(
        QStringLiteral("DELETE FROM Zentralregulierer WHERE KHaupt=?"), {konto});
    return true;
}

bool ZentralregulierungPartnerHinzufuegen(TDataModule1& dm, qint64 haupt, qint64 konto) {
    Datenbank& daten = dm.ADOConnection_Daten;
    Transaktion t(daten);
    // The settler itself, or a settler that already pays for this one, would list the same
    // open items twice.
    const bool kreis =
        konto == haupt ||
        daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Zentralregulierer WHERE KHaupt=? AND "
                                          "KPartner=? LIMIT 1"),
                           {konto, haupt});
    if (kreis || daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Zentralregulierer WHERE "
                                                   "KPartner=? LIMIT 1"),
                                    {konto})) {
        Benutzer().fehler(
            QStringLiteral(
                "Der Lieferant \"%1\" befindet sich bereits in einer Zentralregulierung!")
                .arg(name(dm, konto)));
        return false;
    }
    daten.ausfuehren(
        QStringLiteral("INSERT INTO Zentralregulierer (KHaupt, KPartner) VALUES (?, ?)"),
        {haupt, konto});
    t.bestaetigen();
    return true;
}

bool ZentralregulierungPartnerEntfernen(TDataModule1& dm, qint64 konto) {
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie den Partner %1 wirklich aus der "
                                        "Zentralregulierung entfernen?")
                             .arg(konto),
                         Knoepfe::JaNein) != Antwort::Ja)
        return false;
    dm.ADOConnection_Daten.ausfuehren(
        QStringLiteral("DELETE FROM Zentralregulierer WHERE KPartner=?"), {konto});
    return true;
}
