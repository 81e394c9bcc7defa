#pragma once

#include "Buchungsbereiche.h"
#include "Kontenbereiche.h"

#include <QString>
#include <vector>

class Datenbank;
class TDataModule1;

// The connection the payment functions use: for a ledger account (bank areas) its first row,
// for a person account the row of its standard connection. Texts trimmed; returns whether
// bank code or account number is filled.
bool BankverbindungLaden(Datenbank& archiv, const std::vector<tKontenbereich>& bereiche,
                         const QString& mnr, qint64 konto, tBankverbindung& verbindung);

// The bank directory: name and BIC of a bank code; empty unless the trimmed code is all digits
// and known.
QString BanknameZurBLZ(Datenbank& stamm, const QString& bankleitzahl);
QString BICZurBLZ(Datenbank& stamm, const QString& bankleitzahl);

struct tBank {
    qint64 Bankleitzahl = 0;
    QString Bankname;
    QString BIC;
};
// All banks of the directory by bank code.
std::vector<tBank> BankenLaden(Datenbank& stamm);

// The name of the active bank area whose payment connection has this bank code and account
// number (blanks and leading zeros ignored); empty when either is empty or nothing matches.
QString ZahlbankBezeichnung(TDataModule1& dm, const QString& mnr, const QString& bankleitzahl,
                            const QString& kontonummer);
