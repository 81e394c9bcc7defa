#include "IniDatei.h"

#include <QFile>
#include <QStringDecoder>

namespace {
QString schluesselVon(const QString& abschnitt, const QString& schluessel) {
    return abschnitt.trimmed().toUpper() + u'\n' + schluessel.trimmed().toUpper();
}
} // namespace

IniDatei::IniDatei(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return;
    gefunden = true;
    const QByteArray roh = f.readAll();
    // Files written on Windows are often in the ANSI code page rather than UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString inhalt = utf8.decode(roh);
    if (utf8.hasError())
        inhalt = QString::fromLatin1(roh);
    QString abschnitt;
    for (QString zeile : inhalt.split(u'\n')) {
        zeile = zeile.trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u';') || zeile.startsWith(u'#'))
            continue;
        if (zeile.startsWith(u'[') && zeile.endsWith(u']')) {
            abschnitt = zeile.mid(1, zeile.size() - 2);
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich <= 0 || abschnitt.isEmpty())
            continue;
        werte.insert(schluesselVon(abschnitt, zeile.left(gleich)), zeile.mid(gleich + 1).trimmed());
    }
}

std::optional<QString> IniDatei::wert(const QString& abschnitt, const QString& schluessel) const {
    const auto it = werte.constFind(schluesselVon(abschnitt, schluessel));
    if (it == werte.constEnd())
        return std::nullopt;
    return *it;
}

QString IniDatei::text(const QString& abschnitt, const QString& schluessel,
                       const QString& standard) const {
    return wert(abschnitt, schluessel).value_or(standard);
}

bool IniDatei::schalter(const QString& abschnitt, const QString& schluessel, bool standard) const {
    const auto w = wert(abschnitt, schluessel);
    if (!w)
        return standard;
    const QString v = w->toLower();
    if (v == u"true" || v == u"ja")
        return true;
    if (v == u"false" || v == u"nein")
        return false;
    bool ok = false;
    const int zahl = v.toInt(&ok);
    return ok ? zahl != 0 : standard;
}

QDate IniDatei::datum(const QString& abschnitt, const QString& schluessel) const {
    const QString v = text(abschnitt, schluessel);
    for (const auto* format : {u"dd.MM.yyyy", u"d.M.yyyy", u"yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(v, QString::fromUtf16(format));
        if (d.isValid())
            return d;
    }
    return {};
}
