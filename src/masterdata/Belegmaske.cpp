#include "Belegmaske.h"

#include "Text.h"

int Wirtschaftsjahr(int monat, int jahr, int wirtschaftsBeginn) {
    return monat >= wirtschaftsBeginn ? jahr : jahr - 1;
}

QString BelegMaskeAufloesen(int jahr, int monat, int auszug, int blatt, const QString& maske,
                            int wirtschaftsBeginn) {
    auto zweistellig = [](int z) {
        return QStringLiteral("%1").arg(z, 2, 10, QLatin1Char('0'));
    };
    const QString wj = QString::number(Wirtschaftsjahr(monat, jahr, wirtschaftsBeginn));
    const QString kj = QString::number(jahr);
    QString t = maske;
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("WWWW"), wj);
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("WW"), wj.mid(2, 2));
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("MM"), zweistellig(monat));
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("M"), QString::number(monat));
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("JJJJ"), kj);
    t = ErsetzenOhneGrossKlein(t, QStringLiteral("JJ"), kj.mid(2, 2));
    if (auszug != 0 || blatt != 0) {
        t = ErsetzenOhneGrossKlein(t, QStringLiteral("AA"), zweistellig(auszug));
        t = ErsetzenOhneGrossKlein(t, QStringLiteral("A"), QString::number(auszug));
        t = ErsetzenOhneGrossKlein(t, QStringLiteral("BB"), zweistellig(blatt));
        t = ErsetzenOhneGrossKlein(t, QStringLiteral("B"), QString::number(blatt));
    }
    return t;
}
