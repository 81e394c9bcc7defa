#include "Firmendaten.h"

#include "Datenbank.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Text.h"
#include "Uhr.h"

#include <QStringList>

namespace {

// The text columns of the company itself, in the order of the page.
const QStringList& eigeneSpalten() {
    static const QStringList s = {QStringLiteral("Firmenname"),   QStringLiteral("Inhaber"),
                                  QStringLiteral("Strasse"),      QStringLiteral("PLZ"),
                                  QStringLiteral("Ort"),          QStringLiteral("Telefonnummer"),
                                  QStringLiteral("Faxnummer"),    QStringLiteral("eMail"),
                                  QStringLiteral("eMailASPZV"),   QStringLiteral("InternetAdresse"),
                                  QStringLiteral("Amtsgericht"),  QStringLiteral("HRNummer"),
                                  QStringLiteral("SteuerNummer"), QStringLiteral("UmsatzIDNummer"),
                                  QStringLiteral("GlaeubigerID")};
    return s;
}

std::vector<QString> eigeneWerte(const tFirma& f) {
    return {f.Firmenname,   f.Inhaber,         f.Strasse,     f.PLZ,
            f.Ort,          f.Telefonnummer,   f.Faxnummer,   f.eMail,
            f.eMailASPZV,   f.InternetAdresse, f.Amtsgericht, f.HRNummer,
            f.SteuerNummer, f.UmsatzIDNummer,  f.GlaeubigerID};
}

const QStringList& kontaktSpalten() {
    static const QStringList s = {QStringLiteral("VBBerater"),
                                  QStringLiteral("VBBeraterTelefon"),
                                  QStringLiteral("VBBeraterEMail"),
                                  QStringLiteral("VBSachbearbeiter"),
                                  QStringLiteral("VBSachbearbeiterTelefon"),
                                  QStringLiteral("VBSachbearbeiterEMail"),
                                  QStringLiteral("VBLohnSachbearbeiter"),
                                  QStringLiteral("VBLohnSachbearbeiterTelefon"),
                                  QStringLiteral("VBLohnSachbearbeiterEMail")};
    return s;
}

std::vector<QString> kontaktWerte(const tFirma& f) {
    return {f.VBBerater,
            f.VBBeraterTelefon,
            f.VBBeraterEMail,
            f.VBSachbearbeiter,
            f.VBSachbearbeiterTelefon,
            f.VBSachbearbeiterEMail,
            f.VBLohnSachbearbeiter,
            f.VBLohnSachbearbeiterTelefon,
            f.VBLohnSachbearbeiterEMail};
}

// Makes sure the business has its row, so the updates below always find it.
void zeileSicherstellen(Datenbank& daten, const QString& mnr) {
    if (daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Firmendaten WHERE MNr=?"), {mnr}))
        return;
    const QDate heute = Heute();
    daten.ausfuehren(
        QStringLiteral("INSERT INTO Firmendaten (MNr, Firmenname, ErfassungsBeginn, "
                       "WirtschaftsBeginn) VALUES (?, ?, ?, 1)"),
        {mnr, QStringLiteral("Firma (%1)").arg(mnr), QDate(heute.year(), heute.month(), 1)});
}

void spaltenSchreiben(Datenbank& daten, const QString& mnr, const QStringList& spalten,
                      const std::vector<QString>& werte) {
    QStringList zuweisungen;
    for (const QString& s : spalten)
        zuweisungen << s + QStringLiteral("=?");
    Abfrage a(daten, QStringLiteral("UPDATE Firmendaten SET %1 WHERE MNr=?")
                         .arg(zuweisungen.join(QStringLiteral(", "))));
    int i = 1;
    for (const QString& w : werte)
        a.binden(i++, w);
    a.binden(i, mnr);
    a.ausfuehren();
}

} // namespace

tFirma FirmendatenLaden(Datenbank& daten, const QString& mnr) {
    {
        Transaktion t(daten);
        zeileSicherstellen(daten, mnr);
        t.bestaetigen();
    }
    Abfrage a(daten, QStringLiteral("SELECT * FROM Firmendaten WHERE MNr=?"), {mnr});
    a.naechste();
    tFirma f;
    f.MNr = a.text("MNr");
    f.Firmenname = a.text("Firmenname");
    f.Inhaber = a.text("Inhaber");
    f.Strasse = a.text("Strasse");
    f.PLZ = a.text("PLZ");
    f.Ort = a.text("Ort");
    f.Telefonnummer = a.text("Telefonnummer");
    f.Faxnummer = a.text("Faxnummer");
    f.eMail = a.text("eMail");
    f.eMailASPZV = a.text("eMailASPZV");
    f.InternetAdresse = a.text("InternetAdresse");
    f.Amtsgericht = a.text("Amtsgericht");
    f.HRNummer = a.text("HRNummer");
    if (f.HRNummer.isEmpty())
        f.HRNummer = QStringLiteral("HRA");
    f.SteuerNummer = a.text("SteuerNummer");
    f.UmsatzIDNummer = a.text("UmsatzIDNummer");
    f.GlaeubigerID = a.text("GlaeubigerID");
    f.VBBerater = a.text("VBBerater");
    f.VBBeraterTelefon = a.text("VBBeraterTelefon");
    f.VBBeraterEMail = a.text("VBBeraterEMail");
    f.VBSachbearbeiter = a.text("VBSachbearbeiter");
    f.VBSachbearbeiterTelefon = a.text("VBSachbearbeiterTelefon");
    f.VBSachbearbeiterEMail = a.text("VBSachbearbeiterEMail");
    f.VBLohnSachbearbeiter = a.text("VBLohnSachbearbeiter");
    f.VBLohnSachbearbeiterTelefon = a.text("VBLohnSachbearbeiterTelefon");
    f.VBLohnSachbearbeiterEMail = a.text("VBLohnSachbearbeiterEMail");
    f.ErfassungsBeginn = a.datum("ErfassungsBeginn");
    f.WirtschaftsBeginn = int(a.ganzzahl("WirtschaftsBeginn", 1));
    f.Kontenplan = WirksamerKontenplan(int(a.ganzzahl("Kontenplan")));
    return f;
}

void FirmendatenSpeichern(Datenbank& daten, const tFirma& firma, bool mitErfassungsBeginn) {
    Transaktion t(daten);
    zeileSicherstellen(daten, firma.MNr);
    spaltenSchreiben(daten, firma.MNr, eigeneSpalten(), eigeneWerte(firma));
    daten.ausfuehren(QStringLiteral("UPDATE Firmendaten SET WirtschaftsBeginn=? WHERE MNr=?"),
                     {firma.WirtschaftsBeginn, firma.MNr});
    if (mitErfassungsBeginn)
        daten.ausfuehren(QStringLiteral("UPDATE Firmendaten SET ErfassungsBeginn=? WHERE MNr=?"),
                         {firma.ErfassungsBeginn, firma.MNr});
    t.bestaetigen();
}

void KMBDatenSpeichern(Datenbank& daten, const tFirma& firma, int niederlassungId) {
    Transaktion t(daten);
    zeileSicherstellen(daten, firma.MNr);
    spaltenSchreiben(daten, firma.MNr, kontaktSpalten(), kontaktWerte(firma));
    daten.ausfuehren(QStringLiteral("UPDATE Firmendaten SET NiederlassungID=? WHERE MNr=?"),
                     {niederlassungId, firma.MNr});
    t.bestaetigen();
}

int NiederlassungLaden(Datenbank& daten, const QString& mnr) {
    return int(daten
                   .ganzzahlWert(
                       QStringLiteral("SELECT NiederlassungID FROM Firmendaten WHERE MNr=?"), {mnr})
                   .value_or(0));
}

bool ErfassungsBeginnAenderbar(Datenbank& daten) {
    return !daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen LIMIT 1"));
}

bool WirtschaftsBeginnAenderbar(Datenbank& daten) {
    return !daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Abschluss LIMIT 1"));
}

Firmenfeld ErfassungsBeginnPruefen(Datenbank& daten, int monat, const QString& jahr,
                                   QDate& beginn) {
    if (monat < 1 || monat > 12) {
        Benutzer().information(QStringLiteral("Wählen Sie einen Monat aus!"));
        return Firmenfeld::Monat;
    }
    const QString j = jahr.trimmed();
    if (!IstGanzzahl(j) || j.toInt() < 1900) {
        Benutzer().fehler(QStringLiteral("Ungültiges Jahr!"));
        return Firmenfeld::Jahr;
    }
    beginn = QDate(j.toInt(), monat, 1);
    Abfrage a(daten, QStringLiteral("SELECT Min(Datum) FROM Salden"));
    a.naechste();
    const QDate erstesSaldo = a.datum(0);
    if (erstesSaldo.isValid() && erstesSaldo.year() > 1900 && beginn > erstesSaldo) {
        Benutzer().fehler(QStringLiteral("Ungültiger Erfassungsbeginn!\rSie haben bereits "
                                         "Geldkonten zu einem früheren Zeitpunkt aktiviert!"));
        return Firmenfeld::Monat;
    }
    return Firmenfeld::Keines;
}

QString OrtZurPLZ(Datenbank& stamm, const QString& plz) {
    Abfrage a(stamm, QStringLiteral("SELECT Ort FROM PLZOrt WHERE PLZ=? ORDER BY rowid LIMIT 1"),
              {plz.trimmed()});
    return a.naechste() ? a.text(0) : QString();
}

std::vector<tNiederlassungsEintrag> NiederlassungenLaden(Datenbank& stamm) {
    std::vector<tNiederlassungsEintrag> liste;
    Abfrage a(stamm,
              QStringLiteral("SELECT ID, Kennzeichen, Bezeichnung FROM Niederlassungen "
                             "WHERE Kennzeichen IN ('ZNL', 'NL', 'RB') ORDER BY Bezeichnung"));
    while (a.naechste())
        liste.push_back({int(a.ganzzahl(0)), a.text(1) + QLatin1Char(' ') + a.text(2)});
    return liste;
}

const QStringList& Monatsnamen() {
    static const QStringList namen = {
        QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("März"),
        QStringLiteral("April"),   QStringLiteral("Mai"),      QStringLiteral("Juni"),
        QStringLiteral("Juli"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
    return namen;
}
