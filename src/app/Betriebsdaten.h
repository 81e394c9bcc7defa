#pragma once

#include <QDate>
#include <QString>
#include <vector>

// The company data of the logged-in business, as read at login and updated by the pages that
// save it.
struct tFirma {
    QString MNr;
    QString Firmenname;
    QString Inhaber;
    QString Strasse;
    QString PLZ;
    QString Ort;
    QString Telefonnummer;
    QString Faxnummer;
    QString eMail;
    QString eMailASPZV;
    QString InternetAdresse;
    QString Amtsgericht;
    QString HRNummer;
    QString SteuerNummer;
    QString UmsatzIDNummer;
    QString GlaeubigerID;
    QString VBBerater;
    QString VBBeraterTelefon;
    QString VBBeraterEMail;
    QString VBSachbearbeiter;
    QString VBSachbearbeiterTelefon;
    QString VBSachbearbeiterEMail;
    QString VBLohnSachbearbeiter;
    QString VBLohnSachbearbeiterTelefon;
    QString VBLohnSachbearbeiterEMail;
    QDate ErfassungsBeginn;
    int WirtschaftsBeginn = 1;
    int Kontenplan = 77;
};

// One row of an account range of the business's chart of accounts.
struct tKontenbereich {
    int ID = 0;
    qint64 KontoVon = 0;
    qint64 KontoBis = 0;
    QString Bezeichnung;
    QString Kontentabelle;
};
