#pragma once

#include "Buchungsbereiche.h"
#include "Konten.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Datenbank;

// The set-up areas of the areas page (Aktiviert), by kind and account, with their start rows;
// only those the user may use (darfBereich).
std::vector<tBuchungsbereich> GeldkontenLaden(Datenbank& daten,
                                              const std::function<bool(int)>& darfBereich);

struct tZVBank {
    int BereichID = 0;
    QString Bezeichnung;
};
// The active bank areas a person account may name as its paying bank, in table order.
std::vector<tZVBank> ZVBankenLaden(Datenbank& daten);

// One row of the customer or supplier list as this business sees it.
struct tPersonenkontoZeile {
    qint64 ID = 0;
    qint64 Konto = 0;
    QString Bezeichnung;
    QString Strasse;
    QString PLZ;
    QString Ort;
    QString Telefonnummer;
    QString eMailAdresse;
    bool Oeffentlich = true;
    QString Kundennummer;
    QString IBAN;
    QString BIC;
};

// The searchable columns of the list, in the list's column order.
enum class Suchfeld {
    Konto,
    Name,
    Strasse,
    PLZ,
    Ort,
    Telefonnummer,
    eMailAdresse,
    Kundennummer,
    IBAN,
    BIC
};
// "Konto", "Firma/Person", "Straße", ...: the captions of the list's columns.
const QStringList& SuchfeldNamen();

// "entspricht" (account only), "enthält", "beginnt mit".
enum class Suchart { Entspricht, Enthaelt, BeginntMit };

struct tPersonenkontoSuche {
    Suchfeld Feld = Suchfeld::Name;
    Suchart Art = Suchart::Enthaelt;
    QString Text;
};

// The visible accounts of the number range with this business's payment data and standard
// bank connection, by name. The typed text is taken literally ("%" and "_" too); an account
// search for "entspricht" that is no number finds nothing.
std::vector<tPersonenkontoZeile>
PersonenkontenLaden(Datenbank& archiv, const QString& mnr, int kontoArt, qint64 von, qint64 bis,
                    const std::optional<tPersonenkontoSuche>& suche);

// The ledger accounts, within the range when one is given, filtered by a term that the name
// contains or, when it is all digits, that equals the account number.
std::vector<tSachkonto> SachkontenLaden(Datenbank& archiv,
                                        const std::optional<tKontenGrenzen>& bereich,
                                        const QString& suchbegriff);

// The name of another account of the kind's range to which this business gave the customer
// number already; empty when there is none.
QString KundennummerVergebenAn(Datenbank& archiv, const QString& mnr, int kontoArt,
                               const QString& kundennummer, qint64 eigenesKonto);

// A skonto rate as typed: whole percent without a decimal separator ("2" is 2 %), else at
// most two decimals after "," or "."; empty text is 0. nullopt for anything else.
std::optional<double> SkontoSatzAusText(const QString& text);
