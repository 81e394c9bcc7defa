#pragma once

#include <QString>
#include <stdexcept>

// IBAN check digits after ISO 7064 MOD 97-10 (ISO 13616).

// The text with each letter A-Z (upper-cased first) replaced by 10-35; digits stay.
QString IBANZiffernfolge(const QString& text);

// The remainder mod 97 of a text of digits and capitals, letters counting as two digits.
// Any other character throws std::invalid_argument "Modulo97PruefZiffer(<text>): invalid data".
int Modulo97PruefZiffer(const QString& text);

// The IBAN of a bank code and account number (padded to ten digits with leading zeros); empty
// when the country code is not two characters long.
QString IBANBilden(const QString& land, const QString& bankleitzahl, const QString& kontonummer);

enum class IBANBefund { Gueltig, Aufbau, Laenge, Pruefziffer };

// Checks an IBAN given without blanks: two letters, two digits, then letters and digits, 15 to
// 34 characters (exactly 22 for DE), and a remainder of 1 mod 97.
IBANBefund IBANPruefen(const QString& iban);

// The message for a refused IBAN; empty for a valid one.
QString IBANMeldung(IBANBefund befund);
