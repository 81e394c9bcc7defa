#include "Betrag.h"

#include <QList>
#include <QStringView>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 groesster = std::numeric_limits<qint64>::max();

// Value of a run of digits 0-9; nothing when empty, not digits or too large.
std::optional<qint64> Ziffernwert(QStringView ziffern) {
    if (ziffern.isEmpty())
        return std::nullopt;
    qint64 wert = 0;
    for (QChar z : ziffern) {
        if (z < u'0' || z > u'9')
            return std::nullopt;
        const int ziffer = z.digitValue();
        if (wert > (groesster - ziffer) / 10)
            return std::nullopt;
        wert = wert * 10 + ziffer;
    }
    return wert;
}

// Euros with optional thousands dots: the first group 1-3 digits, every further group 3.
std::optional<qint64> Eurowert(QStringView euro) {
    if (!euro.contains(u'.'))
        return Ziffernwert(euro);
    const QList<QStringView> gruppen = euro.split(u'.');
    QString ziffern;
    for (qsizetype i = 0; i < gruppen.size(); ++i) {
        const qsizetype laenge = gruppen[i].size();
        if (i == 0 ? (laenge < 1 || laenge > 3) : laenge != 3)
            return std::nullopt;
        ziffern += gruppen[i];
    }
    return Ziffernwert(ziffern);
}

Betrag CentRunden(double cent) {
    Q_ASSERT(std::isfinite(cent) && std::abs(cent) < 9.0e18);
    const double unten = std::floor(cent);
    const double rest = cent - unten;
    const double toleranz = 1e-9 + std::abs(cent) * 1e-14;
    qint64 ergebnis = qint64(unten);
    if (std::abs(rest - 0.5) <= toleranz) {
        if (ergebnis % 2 != 0)
            ++ergebnis;
    } else if (rest > 0.5) {
        ++ergebnis;
    }
    return Betrag::ausCent(ergebnis);
}

} // namespace

QString BetragText(Betrag betrag) {
    const qint64 cent = betrag.cent();
    const quint64 abs = cent < 0 ? 0 - quint64(cent) : quint64(cent);
    QString euro = QString::number(abs / 100);
    for (qsizetype i = euro.size() - 3; i > 0; i -= 3)
        euro.insert(i, u'.');
    return QStringLiteral("%1%2,%3")
        .arg(cent < 0 ? QStringLiteral("-") : QString(), euro)
        .arg(abs % 100, 2, 10, QChar(u'0'));
}

std::optional<Betrag> BetragAusText(const QString& text) {
    QStringView rest = QStringView(text).trimmed();
    const bool negativ = rest.startsWith(u'-');
    if (negativ)
        rest = rest.sliced(1);

    qint64 cent = 0;
    const qsizetype komma = rest.indexOf(u',');
    if (komma < 0) {
        const std::optional<qint64> wert = Ziffernwert(rest);
        if (!wert)
            return std::nullopt;
        cent = *wert;
    } else {
        const QStringView euroTeil = rest.first(komma);
        const QStringView centTeil = rest.sliced(komma + 1);
        if (centTeil.size() > 2 || (euroTeil.isEmpty() && centTeil.isEmpty()))
            return std::nullopt;
        const std::optional<qint64> euro =
            euroTeil.isEmpty() ? std::optional<qint64>(0) : Eurowert(euroTeil);
        const std::optional<qint64> nachkomma =
            centTeil.isEmpty() ? std::optional<qint64>(0) : Ziffernwert(centTeil);
        if (!euro || !nachkomma)
            return std::nullopt;
        // A single decimal is tenths: "500,5" is 500,50.
        const qint64 hundertstel = centTeil.size() == 1 ? *nachkomma * 10 : *nachkomma;
        if (*euro > (groesster - hundertstel) / 100)
            return std::nullopt;
        cent = *euro * 100 + hundertstel;
    }
    return Betrag::ausCent(negativ ? -cent : cent);
}

Betrag RundenAufCent(double euro) {
    return CentRunden(euro * 100.0);
}

Betrag Anteil(Betrag betrag, double faktor) {
    return CentRunden(double(betrag.cent()) * faktor);
}
