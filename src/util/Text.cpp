#include "Text.h"

#include <QStringView>
#include <limits>
#include <vector>

QString GrossSchreiben(const QString& text) {
    QString ergebnis = text;
    for (QChar& zeichen : ergebnis) {
        const char16_t c = zeichen.unicode();
        // The capitals of a-z and of ä, ö, ü lie exactly 0x20 below the small letters.
        if ((c >= u'a' && c <= u'z') || c == u'ä' || c == u'ö' || c == u'ü')
            zeichen = QChar(char16_t(c - 0x20));
    }
    return ergebnis;
}

bool TexteGleich(const QString& a, const QString& b) {
    return GrossSchreiben(a) == GrossSchreiben(b);
}

QString Trimmen(const QString& text, int modus) {
    if (modus == 4) {
        QString ergebnis = text;
        return ergebnis.remove(u' ');
    }
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    if (modus == 1 || modus == 3) {
        while (anfang < ende && text[anfang] == u' ')
            ++anfang;
    }
    if (modus == 2 || modus == 3) {
        while (ende > anfang && text[ende - 1] == u' ')
            --ende;
    }
    return text.mid(anfang, ende - anfang);
}

namespace {

std::vector<QStringView> Felder(QStringView zeile, QChar trenner) {
    std::vector<QStringView> felder;
    if (zeile.isEmpty())
        return felder;
    bool inAnfuehrung = false;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == u'"') {
            inAnfuehrung = !inAnfuehrung;
        } else if (zeile[i] == trenner && !inAnfuehrung) {
            felder.push_back(zeile.sliced(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    felder.push_back(zeile.sliced(anfang));
    return felder;
}

} // namespace

int FeldAnzahl(const QString& zeile, QChar trenner) {
    return int(Felder(zeile, trenner).size());
}

QString FeldLesen(const QString& zeile, QChar trenner, int n) {
    const std::vector<QStringView> felder = Felder(zeile, trenner);
    if (n < 1 || n > int(felder.size()))
        return {};
    // White space rather than only blanks: a line read with its "\r" must still lose the quote.
    QStringView feld = felder[size_t(n - 1)].trimmed();
    if (feld.startsWith(u'"'))
        feld = feld.sliced(1);
    if (feld.endsWith(u'"'))
        feld.chop(1);
    return feld.toString();
}

QString ErsetzenOhneGrossKlein(const QString& text, const QString& alt, const QString& neu) {
    if (alt.isEmpty())
        return text;
    // Upper-casing keeps every position, so hits in the copy are hits in the original.
    const QString grossText = GrossSchreiben(text);
    const QString grossAlt = GrossSchreiben(alt);
    QString ergebnis;
    qsizetype pos = 0;
    for (qsizetype treffer = grossText.indexOf(grossAlt); treffer >= 0;
         treffer = grossText.indexOf(grossAlt, pos)) {
        ergebnis += QStringView(text).sliced(pos, treffer - pos);
        ergebnis += neu;
        pos = treffer + alt.size();
    }
    ergebnis += QStringView(text).sliced(pos);
    return ergebnis;
}

QString AuffuellenLinks(const QString& text, int laenge, QChar zeichen) {
    return text.rightJustified(laenge, zeichen);
}

QString AuffuellenRechts(const QString& text, int laenge, QChar zeichen) {
    return text.leftJustified(laenge, zeichen);
}

bool PasstZuMuster(const QString& text, const QString& muster) {
    const QString t = GrossSchreiben(text);
    const QString m = GrossSchreiben(muster);
    qsizetype ti = 0;
    qsizetype mi = 0;
    // Position of the last "*" and of the text character it was tried against, for backtracking.
    qsizetype stern = -1;
    qsizetype sternText = 0;
    while (ti < t.size()) {
        if (mi < m.size() && m[mi] == u'*') {
            stern = mi++;
            sternText = ti;
        } else if (mi < m.size() && (m[mi] == u'?' || m[mi] == t[ti])) {
            ++mi;
            ++ti;
        } else if (stern >= 0) {
            mi = stern + 1;
            ti = ++sternText;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == u'*')
        ++mi;
    return mi == m.size();
}

bool IstGanzzahl(const QString& text) {
    const bool negativ = text.startsWith(u'-');
    const QString ziffern = (negativ || text.startsWith(u'+')) ? text.mid(1) : text;
    if (!NurZiffern(ziffern))
        return false;
    const qint64 grenze = negativ ? -qint64(std::numeric_limits<qint32>::min())
                                  : qint64(std::numeric_limits<qint32>::max());
    qint64 wert = 0;
    for (QChar z : ziffern) {
        wert = wert * 10 + z.digitValue();
        if (wert > grenze)
            return false;
    }
    return true;
}

bool NurZiffern(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar z : text) {
        if (z < u'0' || z > u'9')
            return false;
    }
    return true;
}
