#pragma once

#include <QString>

// Upper case for comparisons: a-z and ä, ö, ü become capitals; ß and everything else stay.
QString GrossSchreiben(const QString& text);
bool TexteGleich(const QString& a, const QString& b);

// Removes blanks (spaces only): 1 leading, 2 trailing, 3 both, 4 both and every inner blank.
// Any other mode returns the text unchanged.
QString Trimmen(const QString& text, int modus);

// Separated lines as the import files and lists write them. A double quote switches between
// inside and outside; separators inside quotes do not split. An empty line has no field.
int FeldAnzahl(const QString& zeile, QChar trenner);
// Field n counted from 1, trimmed of white space, with one leading and one trailing double
// quote removed; empty when n is outside 1..FeldAnzahl.
QString FeldLesen(const QString& zeile, QChar trenner, int n);

// Replaces every occurrence of alt, matched as GrossSchreiben sees it; the rest of the text
// keeps its case.
QString ErsetzenOhneGrossKlein(const QString& text, const QString& alt, const QString& neu);

// Fill up to laenge characters; a longer text stays as it is.
QString AuffuellenLinks(const QString& text, int laenge, QChar zeichen);
QString AuffuellenRechts(const QString& text, int laenge, QChar zeichen);

// Whole-text match: "*" any run of characters, "?" exactly one, everything else literal,
// compared as GrossSchreiben sees it.
bool PasstZuMuster(const QString& text, const QString& muster);

// Optional "+" or "-", then digits, within the 32-bit range; no blanks.
bool IstGanzzahl(const QString& text);
// At least one character, all of them 0-9.
bool NurZiffern(const QString& text);
