#include "IBAN.h"

#include "Text.h"

namespace {
const QString Zeichen = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

QString IBANZiffernfolge(const QString& text) {
    QString ergebnis;
    for (QChar c : text.toUpper()) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            ergebnis += QString::number(c.unicode() - 'A' + 10);
        else
            ergebnis += c;
    }
    return ergebnis;
}

int Modulo97PruefZiffer(const QString& text) {
    int r = 0;
    for (QChar c : text) {
        const int p = int(Zeichen.indexOf(c));
        if (p < 0)
            throw std::invalid_argument(
                QStringLiteral("Modulo97PruefZiffer(%1): invalid data").arg(text).toStdString());
        r = p < 10 ? (r * 10 + p) % 97 : (r * 100 + p) % 97;
    }
    return r;
}

QString IBANBilden(const QString& land, const QString& bankleitzahl, const QString& kontonummer) {
    if (land.size() != 2)
        return {};
    const QString bban = bankleitzahl + AuffuellenLinks(kontonummer, 10, QLatin1Char('0'));
    const int pruef = 98 - Modulo97PruefZiffer(IBANZiffernfolge(bban) + IBANZiffernfolge(land) +
                                               QStringLiteral("00"));
    return land + QStringLiteral("%1").arg(pruef, 2, 10, QLatin1Char('0')) + bban;
}

IBANBefund IBANPruefen(const QString& iban) {
    auto buchstabe = [](QChar c) {
        return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
    };
    auto ziffer = [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    };
    if (iban.size() < 4 || !buchstabe(iban[0]) || !buchstabe(iban[1]) || !ziffer(iban[2]) ||
        !ziffer(iban[3]))
        return IBANBefund::Aufbau;
    for (QChar c : iban)
        if (!buchstabe(c) && !ziffer(c))
            return IBANBefund::Aufbau;
    if (iban.startsWith(QLatin1String("DE")) ? iban.size() != 22
                                             : iban.size() < 15 || iban.size() > 34)
        return IBANBefund::Laenge;
    const QString umgestellt = iban.mid(4) + iban.left(4);
    return Modulo97PruefZiffer(IBANZiffernfolge(umgestellt)) == 1 ? IBANBefund::Gueltig
                                                                  : IBANBefund::Pruefziffer;
}

QString IBANMeldung(IBANBefund befund) {
    switch (befund) {
    case IBANBefund::Gueltig:
        return {};
    case IBANBefund::Aufbau:
        return QStringLiteral("Die IBAN ist ungültig!\rEine IBAN beginnt mit dem Länderkennzeichen "
                              "und zwei Prüfziffern und enthält nur Buchstaben und Ziffern.");
    case IBANBefund::Laenge:
        return QStringLiteral("Die IBAN hat eine falsche Länge!\rEine deutsche IBAN hat 22 "
                              "Stellen, andere zwischen 15 und 34.");
    case IBANBefund::Pruefziffer:
        return QStringLiteral("Die Prüfziffern der IBAN stimmen nicht!\rBitte überprüfen Sie die "
                              "Eingabe der IBAN.");
    }
    return {};
}
