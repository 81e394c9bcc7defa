#pragma once

#include "Betrag.h"
#include "Betriebsdaten.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Datenbank;
class TDataModule1;

// A text key: a named booking template shared by the businesses of the area.
struct tTextschluessel {
    qint64 ID = -1;
    QString TSName;
    QString Buchungstext;
    ::Betrag Betrag;
    // "E", "A" or empty (not preset).
    QString Buchungsseite;
    QString Steuer;
    qint64 Konto = 0;
    bool ArchivAufteilungsKontenAusblenden = false;
    bool ErstesAufteilungskontoHauptkonto = false;
    // In the order of their position.
    std::vector<qint64> Aufteilungskonten;
    // Shared by every business of the area ("filialübergreifend").
    bool Oeffentlich = true;
};

// The key by name, compared without regard to case, for any business: bookings name keys of
// other businesses too. An empty booking text reads as the name of the visible person account;
// unset split-account switches read as true.
std::optional<tTextschluessel> TextschluesselHolen(Datenbank& archiv, const QString& mnr,
                                                   const QString& name);

// The stored row as it is, by name.
std::optional<tTextschluessel> TextschluesselLesen(Datenbank& archiv, const QString& name);

// Whether another key (ID other than id) carries the name, in any business.
bool TextschluesselNameVergeben(Datenbank& archiv, const QString& name, qint64 id);

// The characters a key name must not contain: the entry mask reads them as commands, and the
// list searches would read "%" and quotes as patterns.
inline const QString TSNameVerboteneZeichen = QStringLiteral("+-?*%\"");
bool TSNameZeichenErlaubt(const QString& name);

// Saves the key and, when mitAufteilungskonten, its split accounts in one transaction. ID -1
// finds the row by name; a found row is changed only with ueberschreiben. A changed key keeps
// the business that created it; a new one belongs to the current business. Returns false
// when the name is taken by another key; ID then stays as it was.
bool TextschluesselSpeichern(Datenbank& archiv, const QString& mnr, tTextschluessel& ts,
                             bool ueberschreiben, bool mitAufteilungskonten = false);

// The rule for restricting a shared key to its owner: refused while another business uses it
// (bookings, recurring or pool rows, learning entries). Returns the message, empty when allowed.
QString TextschluesselBeschraenkenPruefen(TDataModule1& dm, qint64 id, bool oeffentlich);

// The businesses (folder names) whose files use the key.
QStringList TextschluesselVerwendetInBetrieben(TDataModule1& dm, const QString& name);

// Asks and deletes the key with its learning entries and split accounts. Bookings that name
// it stay as they are.
bool TextschluesselLoeschen(Datenbank& archiv, const QString& name);

// Marks the key as used by a saved booking.
void TextschluesselVerwendet(Datenbank& archiv, const QString& name);

// The name of the ledger account, else of the visible person account, else empty.
QString KontoBezeichnung(Datenbank& archiv, const QString& mnr, qint64 konto);

// The split clearing account of an area kind, 0 when the chart has none.
qint64 AufteilungsVerrechnungskonto(Datenbank& stamm, int kontenplan, int bereichsart);

// The tax keys of the chart valid on the day, each as the key, a blank and its description;
// "0" (no tax) first.
QStringList SteuerschluesselEintraege(Datenbank& stamm, int kontenplan, const QDate& stichtag);

// The keys visible in a situation: what the entry mask offers and the list page shows.
namespace TSKlasse {
inline constexpr int Alle = 0;
inline constexpr int Lieferanten = 1;
inline constexpr int Kunden = 2;
inline constexpr int LieferantenKosten = 3;
inline constexpr int Sachkonten = 4;
} // namespace TSKlasse

struct tTextschluesselFilter {
    qint64 Konto = 0;
    int Klasse = TSKlasse::Alle;
    // 0 the search text occurs anywhere, 1 the field begins with it.
    int Suchmodus = 0;
    bool NurVerwendete = false;
    QString Suchtext;
    // 0 all, 1 suppliers, 2 cost suppliers, 3 customers, 4 others, 5 without account.
    int Listenfilter = 0;
    // The rights "Privatkonten anzeigen" and "Personalkonten anzeigen" of the user.
    bool Privatkonten = true;
    bool Personalkonten = true;
};

// The class the entry mask offers for an area kind; split lines offer ledger-account keys.
int TSKlasseFuerBereichsart(int bereichsart, bool aufteilungAktiv);

struct tTextschluesselZeile {
    QString Gruppe;
    QString TSName;
    bool Oeffentlich = false;
    QString TSBuchungstext;
    QString AngelegtVonMNr;
    QString LieferantenBezeichnung;
    QString KundenBezeichnung;
    ::Betrag Betrag;
    QString Buchungsseite;
    QString Steuer;
    qint64 Konto = 0;
    qint64 Konto2 = 0;
    bool Verwendet = false;
    // The key's text, else the name of its supplier or customer.
    QString Buchungstext2;
};

// The visible keys of the business mnr by name; account ranges of the chart (for the rights
// and the ledger class) from bereiche.
std::vector<tTextschluesselZeile> TextschluesselListe(Datenbank& archiv, const QString& mnr,
                                                      const std::vector<tKontenbereich>& bereiche,
                                                      const tTextschluesselFilter& filter);
