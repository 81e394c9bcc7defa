#pragma once

#include "Betrag.h"
#include "Datenbank.h"
#include "Sichtbarkeit.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// One stored row of a booking table as the booking lists show it.
struct tErfassungsZeile {
    qint64 ID = 0;
    qint64 BuchungsID = 0;
    int BuchungsBereich = 0;
    bool Hauptbuchung = true;
    QDate Belegdatum;
    QString TSName;
    qint64 Konto = 0;
    qint64 GKonto = 0;
    ::Betrag Betrag;
    QString Buchungsseite;
    QString Buchungstext;
    QString Steuer;
    QString Belegnummer;
    QString Rechnungsnummer;
    QString Bemerkung;
    bool BuchungKlaeren = false;
    QDateTime ErstelltAm;
    QString ErstelltVon;
    QDateTime LetzteAenderung;
    QString AenderungVon;
    int Erfassungskennzeichen = 0;
    int AnzahlAenderungen = 0;
    bool AenderungSteuerRelevant = false;
    // Kind of the row's area (0 when the area is gone).
    int Bereichsart = 0;
    // Only in the archive of deleted bookings.
    QDateTime Loeschdatum;

    std::optional<::Betrag> Einnahme() const;
    std::optional<::Betrag> Ausgabe() const;
    // "Rechnung": in outgoing-invoice areas a receipt is positive and a payment negative, in
    // every other area the other way round.
    ::Betrag Rechnung() const;
};

// The columns ErfassungsZeileLesen reads, for "SELECT " + ErfassungsSpalten(alias) + " FROM ...";
// the area's kind comes from Buchungsbereiche joined as "b" (Null when not joined: pass
// mitBereichsart false), Loeschdatum only from the archive of deleted bookings.
QString ErfassungsSpalten(const QString& tabelle, bool mitBereichsart, bool mitLoeschdatum);
// The row the statement stands on, read from the columns of ErfassungsSpalten.
tErfassungsZeile ErfassungsZeileLesen(const Abfrage& q, bool mitLoeschdatum);

// The sort orders of the lists; the bookings page shows the newest first.
enum class Erfassungssortierung {
    ErstelltAm,
    ErstelltAmAbsteigend,
    Belegdatum,
    BelegdatumAbsteigend
};

// A condition an index can serve (a search's period, account or amount range). The query keeps
// it in a form no index is chosen for: an index pays only when few rows meet the condition.
struct tEingrenzung {
    QString Bedingung;
    std::vector<std::pair<QString, Wert>> Werte;
};

// A list's query: which table, which rows, in which order. Built only by the functions below,
// so table names and sort expressions come from fixed lists and every value is bound by name.
// The listed table is "e", its area "b" and, with Hauptzeile, the booking's main row "h".
struct tErfassungsAbfrage {
    QString Tabelle;
    QString Bedingung;
    std::vector<std::pair<QString, Wert>> Werte;
    QString Reihenfolge;
    // Split rows are listed as rows of their own; otherwise only main rows are listed and their
    // split rows are read with AufteilungszeilenLesen.
    bool Aufteilungszeilen = false;
    // The order needs the main row of each listed row (split rows stay under their main row).
    bool Hauptzeile = false;
    // The readers add the one that finds the fewest rows, when it finds few.
    std::vector<tEingrenzung> Eingrenzungen;
    // The list may reach over the whole table (the search): without a narrow Eingrenzung the
    // readers look at the data before they choose how to read a page.
    bool GanzeTabelle = false;
};

// The booking tables a list may show.
bool ErfassungstabelleGueltig(const QString& tabelle);

// The areas whose bookings the logged-in user may see: those he holds the area right for.
// Area 99 is never among them.
std::vector<int> SichtbareBereiche(Datenbank& daten, Datenbank& bereich);

// The bookings of an area in a period. Area -1 lists every booking marked "klären" in the
// visible areas. With mitAufteilungen split rows are rows of their own.
tErfassungsAbfrage ErfassungsListeBereich(const QString& tabelle, int bereichId, const QDate& von,
                                          const QDate& bis, bool mitAufteilungen,
                                          Erfassungssortierung sortierung,
                                          const tSichtbarkeit& sichtbarkeit,
                                          const std::vector<int>& sichtbareBereiche);

// The criteria of the search page. Betrag bis 0 with Betrag von above 0 means "above von";
// both 0 mean any amount; a date range with only "von" runs from that day on, inclusive.
// Text criteria match anywhere in the field, any case; "%" and "_" are plain characters.
struct tErfassungssuche {
    QString Tabelle = QStringLiteral("Erfassungen");
    QDate Von;
    QDate Bis;
    QString TSName;
    qint64 Konto = 0;
    ::Betrag BetragVon;
    ::Betrag BetragBis;
    QString Buchungstext;
    QString Belegnummer;
    QString Rechnungsnummer;
};

tErfassungsAbfrage ErfassungsSuche(const tErfassungssuche& suche, const tSichtbarkeit& sichtbarkeit,
                                   const std::vector<int>& sichtbareBereiche);

// The list's order by a column the user clicked ("Belegnummer" compares the numbers formed by
// the trailing digits); false for a column that cannot be sorted.
bool ErfassungsReihenfolgeSetzen(tErfassungsAbfrage& abfrage, const QString& feld, bool absteigend);

// A page of the list's rows (in the list's order) and the number of all of them.
std::vector<tErfassungsZeile> ErfassungenLesen(Datenbank& daten, const tErfassungsAbfrage& abfrage,
                                               qint64 ab, qint64 anzahl);
qint64 ErfassungenZaehlen(Datenbank& daten, const tErfassungsAbfrage& abfrage);

// The split rows of the given bookings, each booking's rows in their stored order.
std::vector<tErfassungsZeile> AufteilungszeilenLesen(Datenbank& daten, const QString& tabelle,
                                                     const std::vector<qint64>& buchungsIds);

// One row by its booking ID (its main row), nullopt when gone.
std::optional<tErfassungsZeile> ErfassungLesen(Datenbank& daten, const QString& tabelle,
                                               qint64 buchungsId);

// Number of main rows of an area in a month (the import pool's tab caption).
qint64 ErfassungsAnzahlImBereich(Datenbank& daten, const QString& tabelle, int bereichId, int jahr,
                                 int monat);

// Whether the booking (its main row) is among the rows of the list.
bool ErfassungGelistet(Datenbank& daten, const tErfassungsAbfrage& abfrage, qint64 buchungsId);

// The descriptions of the tax keys of the business's chart, read once for a whole list.
class tSteuerbezeichnungen {
public:
    tSteuerbezeichnungen() = default;
    explicit tSteuerbezeichnungen(Datenbank& stamm);
    // As SteuerBezeichnung: "ohne Steuer" for "0", an empty or non-numeric key; else the key's
    // description valid on the date, empty when none.
    QString Bezeichnung(const QString& schluessel, const QDate& datum) const;

private:
    struct Eintrag {
        QString Steuer;
        QDate Von;
        QDate Bis;
        QString Bezeichnung;
    };
    std::vector<Eintrag> eintraege;
};
