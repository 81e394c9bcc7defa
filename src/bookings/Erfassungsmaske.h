#pragma once

#include "Buchung.h"
#include "Buchungsbereiche.h"
#include "Textschluessel.h"

#include <QString>
#include <utility>
#include <vector>

class TDataModule1;

// Columns of the booking line.
namespace Spalte {
inline constexpr int Datum = 0;
inline constexpr int TS = 1;
inline constexpr int Konto = 2;
inline constexpr int GKonto = 3;
inline constexpr int Betrag = 4;
inline constexpr int Seite = 5;
inline constexpr int Steuer = 6;
inline constexpr int Praefix = 7;
inline constexpr int Nummer = 8;
inline constexpr int Text = 9;
inline constexpr int Anzahl = 10;
} // namespace Spalte

struct tSpaltenDaten {
    QString Bezeichnung;
    int Breite = 0;
    bool Rechts = false;
};

// Header text and width of each column of the booking line.
const tSpaltenDaten& BuchungsZeilenDaten(int spalte);

// The rules of the entry mask without its widgets: the booking line's cells, which of them may
// be entered, where the cursor stands, the checks when it leaves a cell, the keys, the split
// list and saving through the booking check. The frame shows this state and hands every key
// and move to it.
class tErfassungsmaske {
public:
    explicit tErfassungsmaske(TDataModule1& dm);

    // The state the booking check and save read; Spalten are the cells of the line.
    tMaskenZustand Z;
    bool Aktiv[Spalte::Anzahl] = {};
    int Cursor = Spalte::TS;
    QString Fehler;
    // Which field of the payment page the last failed check points to (Pruefcode), or
    // Pruefcode::Buchungszeile for the line.
    int FehlerFeld = Pruefcode::Buchungszeile;
    QString AktTS;
    bool NoReturnNext = false;
    bool ZusatzTextGezeigt = false;
    // The note of a counter account shown once per booking.
    QString Zusatztext;
    // The tax keys offered for the line's accounts (key, description).
    std::vector<std::pair<QString, QString>> Steuerliste;
    // The text-key list and the selected row (-1 none).
    std::vector<tTextschluesselZeile> TSListe;
    int TSIndex = -1;

    const tBuchungsbereich& Bereich() const { return bereich; }
    bool BereichOffen() const { return bereich.BereichID > 0; }

    // Opens an area and empties the mask for it.
    void BereichOeffnen(int bereichId);
    void BuchungsmaskeLeeren(bool tsLaden, bool tsFocus, bool datumSetzen);
    void TextschluesselLaden();
    // Selects the first key whose name begins with the text (any case); empty text deselects.
    void TSAuswaehlen(const QString& text);
    // Up (-1) and Down (+1) in the text-key column.
    void TSSchritt(int richtung);

    // The cursor moves to column c when the cell being left allows it; a disabled target
    // makes it jump to the next enabled column in the direction of the move.
    bool Wechseln(int c);
    // Whether the character may be typed into the column.
    bool ZeichenErlaubt(int spalte, QChar zeichen) const;
    // "+" or "-" in a column where they are commands; true when the key was taken.
    bool PlusMinus(int spalte, QChar zeichen);
    // Enter in the line: moves on, or saves in the text column. True when a save succeeded.
    bool Enter();
    // Checks and saves the booking; on success the mask is emptied for the next one.
    bool Speichern();
    bool KontierungPruefen();
    void KlaerenUmschalten() { Z.Klaeren = !Z.Klaeren; }

    // Loads a stored booking for editing; false with the message shown when it cannot.
    bool BuchungLaden(const QString& tabelle, qint64 buchungsId);

    // Changes the working month or year; the receipt date keeps its day.
    void MonatWaehlen(int monat);
    void JahrWaehlen(int jahr);

    // Payment terms: the account's data, the discount from rate or amount, the dates.
    void ZVDatenEintragen(const QString& konto);
    void SkontoSatzSetzen(double satz);
    void SkontoBetragSetzen(Betrag betrag);
    QString Zahlbetrag() const;
    // Valuta, discount and due dates; invalid without a readable receipt date.
    QDate ValutaDatum() const;
    QDate SkontoDatum() const;
    QDate FaelligkeitsDatum() const;
    // Whether the payment page applies to the open area (kinds other than cash and bank).
    bool ZVSeiteSichtbar() const;
    // The counter account's customer number, IBAN, mandate reference and signature date as the
    // payment page shows them ("-" when missing).
    QString ZVKundennummer;
    QString ZVIBAN;
    QString ZVMandatsreferenz;
    QString ZVMandatsdatum;
    // The payment terms and "Bankeinzug" apply only to accounts kept with open items; an account
    // in a central settlement is always collected by direct debit.
    bool ZVGruppeSichtbar = true;
    bool BankeinzugGesperrt = false;
    // Leaving the date fields of the payment page: a date before its base (receipt date for the
    // valuta date, valuta date for the others) sets its days to 0 and keeps the focus (false).
    bool ValutaDatumVerlassen(const QString& text);
    bool SkontoDatumVerlassen(const QString& text);
    bool FaelligkeitsDatumVerlassen(const QString& text);
    // Leaving the discount-days or valuta-days field: the net days never stay below the discount
    // days.
    void NettotageAnheben();
    // "Fälligkeit aufteilen": true when instalments apply afterwards; they replace the discount
    // and net terms.
    bool FaelligkeitAufteilen();

    // The split list: row 0 is the remainder, the last row is free for input.
    bool SplitlisteHatFokus = false;
    int SplitZeile = 1;
    int SplitSpalte = 1;
    // F5: switches the split on and moves between line and list, or leaves an untouched
    // split. False when nothing happened.
    bool AufteilenUndZurueck();
    void AufteilungDurchRechnen();
    // The cell rules of the split list for a move to (zeile, spalte).
    bool SplitWechseln(int zeile, int spalte);
    bool AufteilungKontierungPruefen(int zeile);
    // Enter in the split list: on to the next column; from the text column to the account of
    // the next row, which is added after the last.
    void SplitEnter();
    // "B" in the amount column: the net amount grossed up by the row's VAT rate.
    bool Hochrechnen(int zeile);
    void SplitZeileAnhaengen();
    // The VAT rate for a tax key on a receipt date, from the tax-key table.
    double Mehrwertsteuersatz(const QString& steuer, const QDate& datum) const;

private:
    TDataModule1& dm;
    tBuchungsbereich bereich;
    QString alteBelegnummer;
    QString alterZaehler;
    QString altePraefix;
    // What the split replaced, to leave an untouched split again.
    QString vorAufteilungKonto;
    QString vorAufteilungGKonto;
    QString vorAufteilungSteuer;
    bool aufteilungHier = false;

    int art() const { return bereich.Bereichsart; }
    bool rechnungsbereich() const;
    QDate stichtag() const;
    std::optional<QDate> belegdatum() const;
    QDate LetztesBelegdatum() const;
    bool kontoartErlaubt(int spalte, qint64 nummer);
    bool textschluesselUebernehmen(const tTextschluessel& k);
    void textErsetzen(const QString& neu);
    void rabattNeu();
    void aufteilungEinschalten();
    void vorschlaegeLaden();
    void kontoInSplitzeile(int zeile, qint64 konto);
    bool splitUnberuehrt() const;
    bool geldkonto(qint64 konto) const;
};
