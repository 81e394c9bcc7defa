#include "Firmendaten.h"

#include "Datenbank.h"
#include "Pfade.h"
#include "Uhr.h"

tFirma FirmendatenLaden(Datenbank& daten, const QString& mnr) {
    {
        Transaktion t(daten);
        if (!daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Firmendaten LIMIT 1"))) {
            const QDate heute = Heute();
            daten.ausfuehren(QStringLiteral("INSERT INTO Firmendaten (MNr, Firmenname, "
                                            "ErfassungsBeginn, WirtschaftsBeginn) "
                                            "VALUES (?, ?, ?, 1)"),
                             {mnr, QStringLiteral("Firma (%1)").arg(mnr),
                              QDate(heute.year(), heute.month(), 1)});
        }
        t.bestaetigen();
    }
    Abfrage a(daten, QStringLiteral("SELECT * FROM Firmendaten ORDER BY rowid LIMIT 1"));
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

std::vector<tKontenbereich> KontenbereicheLaden(Datenbank& stamm, int kontenplan) {
    std::vector<tKontenbereich> liste;
    Abfrage a(stamm,
              QStringLiteral("SELECT ID, KontoVon, KontoBis, Bezeichnung, Kontentabelle "
                             "FROM Kontenbereiche WHERE Kontenplan=? ORDER BY ID, KontoVon"),
              {WirksamerKontenplan(kontenplan)});
    while (a.naechste())
        liste.push_back({int(a.ganzzahl(0)), a.ganzzahl(1), a.ganzzahl(2), a.text(3), a.text(4)});
    return liste;
}

bool KontoImKontenbereich(const std::vector<tKontenbereich>& bereiche, qint64 konto, int id) {
    for (const tKontenbereich& b : bereiche)
        if (b.ID == id && b.KontoVon <= konto && konto <= b.KontoBis)
            return true;
    return false;
}
