#include "Datum.h"

#include "Text.h"

#include <QStringList>
#include <array>

int TageImMonat(int monat, int jahr) {
    switch (monat) {
    case 2:
        return QDate::isLeapYear(jahr) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    default:
        return 0;
    }
}

QDate MonateAddieren(const QDate& datum, int anzahl) {
    return datum.addMonths(anzahl);
}

namespace {

std::optional<int> Zahl(const QString& ziffern, qsizetype minStellen, qsizetype maxStellen) {
    if (ziffern.size() < minStellen || ziffern.size() > maxStellen || !NurZiffern(ziffern))
        return std::nullopt;
    return ziffern.toInt();
}

std::optional<int> Jahr(const QString& ziffern) {
    if (ziffern.size() == 4)
        return Zahl(ziffern, 4, 4);
    const std::optional<int> kurz = Zahl(ziffern, 1, 2);
    if (!kurz)
        return std::nullopt;
    return 2000 + *kurz;
}

// 0 for Sunday, as both name tables are ordered.
int TagIndex(const QDate& datum) {
    return datum.dayOfWeek() % 7;
}

} // namespace

std::optional<QDate> DatumAusText(const QString& text, int standardMonat, int standardJahr) {
    QString eingabe = text.trimmed();
    const QStringList teile = eingabe.replace(u',', u'.').split(u'.');
    if (teile.size() > 3)
        return std::nullopt;
    const std::optional<int> tag = Zahl(teile[0], 1, 2);
    const std::optional<int> monat =
        teile.size() > 1 && !teile[1].isEmpty() ? Zahl(teile[1], 1, 2) : standardMonat;
    const std::optional<int> jahr =
        teile.size() > 2 && !teile[2].isEmpty() ? Jahr(teile[2]) : standardJahr;
    if (!tag || !monat || !jahr)
        return std::nullopt;
    const QDate datum(*jahr, *monat, *tag);
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

int WochentagNummer(const QDate& datum) {
    return datum.isValid() ? TagIndex(datum) + 1 : 0;
}

QString WochentagKurz(const QDate& datum) {
    static const std::array<QString, 7> namen = {
        QStringLiteral("So"), QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
        QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa")};
    return datum.isValid() ? namen[size_t(TagIndex(datum))] : QString();
}

QString WochentagLang(const QDate& datum) {
    static const std::array<QString, 7> namen = {
        QStringLiteral("Sonntag"),  QStringLiteral("Montag"),     QStringLiteral("Dienstag"),
        QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),
        QStringLiteral("Samstag")};
    return datum.isValid() ? namen[size_t(TagIndex(datum))] : QString();
}

QString DatumText(const QDate& datum) {
    if (!datum.isValid())
        return {};
    return QStringLiteral("%1.%2.%3")
        .arg(datum.day(), 2, 10, QChar(u'0'))
        .arg(datum.month(), 2, 10, QChar(u'0'))
        .arg(datum.year(), 4, 10, QChar(u'0'));
}
