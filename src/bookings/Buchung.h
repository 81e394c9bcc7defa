#pragma once

#include "Betrag.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// Payment terms of a booking or an open-item row.
struct tZVDaten {
    bool Bankeinzug = false;
    int SkontoTage = 0;
    int Nettotage = 0;
    int Valutatage = 0;
    Betrag RechBetrag;
    Betrag ZahlBetrag;
    double SkontoSatz = 0;
    Betrag SkontoBetrag;
};

// One line of a booking: element 0 is the main line, the others its split lines.
struct tBuchungsListenEintrag {
    int BuchungsbereichID = -1;
    QDate BelegDatum;
    qint64 Konto = 0;
    qint64 GKonto = 0;
    ::Betrag Betrag;
    QString BelegMaske;
    QString Belegnummer;
    QString Buchungstext;
    QString Buchungsseite;
    QString Steuer;
    tZVDaten ZVDaten;
    QString Bemerkung;
    QString Rechungsnummer;
    bool Festgeschrieben = false;
    bool Systembuchung = false;
};

// One planned open-item row.
struct tOffenerPosten {
    qint64 Konto = 0;
    QString Rechnungsnummer;
    QDate Belegdatum;
    tZVDaten ZVDaten;
    QString Bemerkung;
};

// Result codes of the booking check and where the mask puts the focus.
namespace Pruefcode {
inline constexpr int Buchungszeile = -1;
inline constexpr int Ok = 0;
inline constexpr int Rechnungsnummer = 1;
inline constexpr int Valutatage = 2;
inline constexpr int Skontotage = 3;
inline constexpr int Nettotage = 4;
inline constexpr int Skontobetrag = 5;
inline constexpr int Skontosatz = 6;
inline constexpr int Kassenminus = 100;
} // namespace Pruefcode

struct tBuchung {
    qint64 BuchungsID = -1;
    QString TSName;
    QString BelegMaske;
    QString Belegnummer;
    tZVDaten ZVDaten;
    std::vector<tBuchungsListenEintrag> BuchungsListe{tBuchungsListenEintrag()};
    std::vector<tOffenerPosten> OPListe;
    int FehlerCode = Pruefcode::Ok;
    int FehlerSpalte = 0;
    QString FehlerString;
};

// The tab the entry mask works in; it decides the target table and a few checks.
enum class Erfassungsreiter { Erfassungen, ImportPool, WiederkPool, WiederkVorgabe };

// One instalment of a confirmed due-date split.
struct tFaelligkeitsteil {
    QDate Datum;
    ::Betrag Betrag;
};

// Everything the entry mask holds when a booking is checked and saved, so the check and the
// save run without widgets: the booking line as typed (columns 0-9), the split list, the
// payment fields and the mask's state.
struct tMaskenZustand {
    int BereichID = -1;
    int KlaerBereichID = -1;
    qint64 BearbeitungsID = -1;
    // The source row when the booking comes from the import or recurring pool.
    qint64 PoolZeilenID = -1;
    QString ErfassungsTabelle = QStringLiteral("Erfassungen");
    Erfassungsreiter Reiter = Erfassungsreiter::Erfassungen;
    QString Spalten[10];
    // The counter the mask proposed; a kept proposal is redrawn when it was taken meanwhile.
    QString BelegnummerVorschlag;
    // A loaded old-style receipt number the user left as it was: it is stored unchanged.
    QString BelegnummerBehalten;
    QString Rechnungsnummer;
    QString BuchungsBemerkung;
    bool Bankeinzug = false;
    int Valutatage = 0;
    int Skontotage = 0;
    int Nettotage = 0;
    double SkontoSatz = 0;
    Betrag SkontoBetrag;
    bool AufteilungAktiv = false;
    int NichtAufteilungskonto = 0;
    int AufteilungsSeite = 0;
    // Split rows: account, amount, tax key, text, as typed.
    struct Aufteilungszeile {
        QString Konto;
        QString Betrag;
        QString Steuer;
        QString Text;
    };
    std::vector<Aufteilungszeile> Aufteilung;
    bool Klaeren = false;
    qint64 ZVAusdruckID = -1;
    bool WiederholungenAktiv = false;
    int Intervall = 0;
    std::optional<std::vector<tFaelligkeitsteil>> Faelligkeitsaufteilung;
};
