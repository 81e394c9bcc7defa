#pragma once

#include "Buchungsbereiche.h"
#include "Kontenbereiche.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Datenbank;
class TDataModule1;

// The account number plan: the kind of an account follows from its number.
namespace KontoArt {
inline constexpr int Lieferant = 0;
inline constexpr int Kunde = 1;
inline constexpr int LieferantKosten = 2;
} // namespace KontoArt

// 0 goods supplier (90000-99999), 1 customer (10000-69999), 2 cost supplier (80000-89999),
// -1 ledger account.
int KontoArtErmitteln(qint64 konto);
// "Lieferanten" for kinds 0 and 2, "Kunden" for 1, else empty.
QString KontoTabelle(int kontoArt);
tKontenGrenzen KontoArtGrenzen(int kontoArt);
bool IstPersonenkonto(qint64 konto);

struct tPersonenkonto {
    qint64 Konto = 0;
    QString Bezeichnung;
    QString Nachname;
    QString Strasse;
    QString PLZ;
    QString Ort;
    bool ZusatztextPopup = true;
    QString ZusatzText;
};

struct tSachkonto {
    qint64 Konto = 0;
    QString Bezeichnung;
    QString Steuer;
    QString Steuerbereich;
};

// The payment data of an account for one business.
struct tKontoZVDaten {
    int Zahlbank = 0;
    int StandardBank = -1;
    int NTage = 0;
    int STage = 0;
    double SSatz = 0;
    bool Bankeinzug = false;
    QString Kundennummer;
    bool OPOS = true;
    bool Gefunden = false;
    QString Mandatsreferenz;
    QDate MandatsunterschriftDatum;
    bool NettofaelligkeitMonatsende = false;
};

// The person account as the business sees it (its own row before the shared one).
std::optional<tPersonenkonto> PersonenkontoLaden(Datenbank& archiv, const QString& mnr,
                                                 qint64 konto);
// A ledger account; text that is no integer is not found; an empty Steuerbereich reads "kb".
std::optional<tSachkonto> SachkontoLaden(Datenbank& archiv, const QString& konto);
bool KontoVorhanden(Datenbank& archiv, const QString& mnr, qint64 konto);
// The payment data of (account, business) or the defaults (direct debit for suppliers).
tKontoZVDaten KontoZVDatenLaden(Datenbank& archiv, const QString& mnr, const QString& konto);

// The block of new customer numbers chosen by the first letters of the name.
tKontenGrenzen KundenNummernblock(const QString& name);
// The first number of the kind's range that no business of the area uses; for customers the
// block of the name, then 23000-69999. 0 when none is free.
qint64 NaechsteFreieKontonummer(Datenbank& archiv, int kontoArt, const QString& name);

// The similar-name hint: image 0 (nothing to check or names starting alike), 1 (names sharing
// a word), 2 (none found) and the text listing at most ten accounts.
struct tAehnlicheKonten {
    int Symbol = 0;
    QString Hinweis;
};
tAehnlicheKonten BezeichnungsPruefung(Datenbank& archiv, int kontoArt, const QString& name,
                                      qint64 merkKonto);

// "Meier Dr., Hans"; the comma only with a first name.
QString PersonenName(const QString& nachname, const QString& titel, const QString& vorname);
// Umlauts replaced, characters outside the mandate set dropped, at most 35 characters.
QString MandatsreferenzAusName(const QString& name);
// At most 35 characters of 0-9 A-Z a-z ( ) + , - . / : ?
bool MandatsreferenzGueltig(const QString& referenz);

// One account with everything the account dialog edits.
struct tKontoDaten {
    qint64 ID = -1;
    qint64 Konto = 0;
    int KontoArt = KontoArt::Lieferant;
    QString Bezeichnung;
    QString Titel;
    QString Nachname;
    QString Vorname;
    QString Bezeichnung2;
    QString Bezeichnung3;
    QString Strasse;
    QString PLZ;
    QString Ort;
    QString Postfach;
    QString Telefonnummer;
    QString Faxnummer;
    QString eMailAdresse;
    bool ZusatztextPopup = false;
    QString Zusatztext;
    bool Oeffentlich = true;
    QString AngelegtVonMNr;
    tKontoZVDaten ZV;
    std::vector<tBankverbindung> Bankverbindungen;
};

// The visible row of the account with this business's payment data and bank connections
// (those of another business when this one has none).
std::optional<tKontoDaten> KontoDatenLaden(Datenbank& archiv, const QString& mnr, int kontoArt,
                                           qint64 konto);

// The shared/own rule of customer numbers; also refuses to un-share an account another
// business uses. Returns the message, empty when the setting is allowed.
QString FilialuebergreifendPruefen(TDataModule1& dm, const tKontoDaten& k);

// Saves the account: a new one draws its number when it has none and gets its first text key
// (name textschluessel); the row keeps its owner; payment data and bank connections are this
// business's. One transaction; failures are shown and give false.
bool KontoSpeichern(TDataModule1& dm, tKontoDaten& k, const QString& textschluessel);

// The businesses of the area whose files use the account (bookings, open items, pool and
// recurring rows, learning entries), each as folder, blank and company name. nurBetrieb limits
// the scan to one business. A file that cannot be read is listed as unreadable, so the caller
// never takes it for unused.
QStringList KontoVerwendetInBetrieben(TDataModule1& dm, qint64 konto, const QString& nurBetrieb);

// The delete command of the list pages, with its checks and question. An own account loses
// its row and this business's data; a shared one is deleted only when no business uses it.
bool KontoLoeschen(TDataModule1& dm, int kontoArt, qint64 konto);
