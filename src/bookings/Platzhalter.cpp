#include "Platzhalter.h"

#include "Datum.h"
#include "Rueckfragen.h"
#include "Uhr.h"

const std::vector<tPlatzhalter>& PlatzhalterListe() {
    static const std::vector<tPlatzhalter> liste{
        {QStringLiteral("%Datum%"), QStringLiteral("Belegdatum")},
        {QStringLiteral("%VMonat1%"), QStringLiteral("Vormonat vom Belegdatum (einstellig)")},
        {QStringLiteral("%VMonat2%"), QStringLiteral("Vormonat vom Belegdatum (zweistellig)")},
        {QStringLiteral("%Monat1%"), QStringLiteral("Monat vom Belegdatum (einstellig)")},
        {QStringLiteral("%Monat2%"), QStringLiteral("Monat vom Belegdatum (zweistellig)")},
        {QStringLiteral("%FMonat1%"), QStringLiteral("Folgemonat vom Belegdatum (einstellig)")},
        {QStringLiteral("%FMonat2%"), QStringLiteral("Folgemonat vom Belegdatum (zweistellig)")},
        {QStringLiteral("%Jahr2%"), QStringLiteral("Jahr vom Belegdatum (zweistellig)")},
        {QStringLiteral("%Jahr4%"), QStringLiteral("Jahr vom Belegdatum (vierstellig)")},
        {QStringLiteral("%BDatum%"), QStringLiteral("Buchungsdatum")},
        {QStringLiteral("%BZeit%"), QStringLiteral("Buchungszeit")},
        {QStringLiteral("%BMonat1%"), QStringLiteral("Monat vom Buchungsdatum (einstellig)")},
        {QStringLiteral("%BMonat2%"), QStringLiteral("Monat vom Buchungsdatum (zweistellig)")},
        {QStringLiteral("%BJahr2%"), QStringLiteral("Jahr vom Buchungsdatum (zweistellig)")},
        {QStringLiteral("%BJahr4%"), QStringLiteral("Jahr vom Buchungsdatum (vierstellig)")},
        {QStringLiteral("%lQ%"), QStringLiteral("letztes Quartal")},
        {QStringLiteral("%dQ%"), QStringLiteral("dieses Quartal")},
        {QStringLiteral("%nQ%"), QStringLiteral("nächstes Quartal")},
        {QStringLiteral("%%"), QStringLiteral("manuelle Eingabe")},
    };
    return liste;
}

QString PlatzhalterErsetzen(const QString& platzhalter, const QString& wert, const QString& text) {
    QString ergebnis;
    qsizetype ab = 0;
    for (;;) {
        const qsizetype pos = text.indexOf(platzhalter, ab, Qt::CaseInsensitive);
        if (pos < 0)
            break;
        ergebnis += text.mid(ab, pos - ab);
        ergebnis += wert;
        ab = pos + platzhalter.size();
    }
    return ergebnis + text.mid(ab);
}

namespace {

QString Zweistellig(int zahl) {
    return QStringLiteral("%1").arg(zahl, 2, 10, QLatin1Char('0'));
}

int Quartal(int monat) {
    return (monat - 1) / 3 + 1;
}

// "%%" asks once per occurrence; what the user types is never scanned again.
QString ManuelleEingaben(const QString& text, bool* eingegeben) {
    const QString zeichen = QStringLiteral("%%");
    QString ergebnis;
    qsizetype ab = 0;
    for (;;) {
        const qsizetype pos = text.indexOf(zeichen, ab);
        if (pos < 0)
            break;
        ergebnis += text.mid(ab, pos - ab);
        const QString bisher = ergebnis + text.mid(pos);
        const auto antwort = Benutzer().eingabe(QStringLiteral("Eingabe"),
                                                QStringLiteral("Erfassungstext: ") + bisher,
                                                QStringLiteral(" "), false);
        ergebnis += antwort.value_or(QString());
        if (eingegeben)
            *eingegeben = true;
        ab = pos + zeichen.size();
    }
    return ergebnis + text.mid(ab);
}

} // namespace

QString BuchungstextMitPlatzhaltern(const QString& text, const std::optional<QDate>& belegdatum,
                                    bool* eingegeben) {
    QString t = text;
    if (belegdatum && belegdatum->isValid()) {
        const QDate d = *belegdatum;
        const int vormonat = d.month() == 1 ? 12 : d.month() - 1;
        const int folgemonat = d.month() == 12 ? 1 : d.month() + 1;
        const int quartal = Quartal(d.month());
        const std::pair<const char*, QString> werte[] = {
            {"%DATUM%", DatumText(d)},
            {"%VMONAT1%", QString::number(vormonat)},
            {"%VMONAT2%", Zweistellig(vormonat)},
            {"%MONAT1%", QString::number(d.month())},
            {"%MONAT2%", Zweistellig(d.month())},
            {"%FMONAT1%", QString::number(folgemonat)},
            {"%FMONAT2%", Zweistellig(folgemonat)},
            {"%JAHR2%", Zweistellig(d.year() % 100)},
            {"%JAHR4%", QString::number(d.year())},
            {"%LQ%", QString::number(quartal == 1 ? 4 : quartal - 1)},
            {"%DQ%", QString::number(quartal)},
            {"%NQ%", QString::number(quartal == 4 ? 1 : quartal + 1)},
        };
        for (const auto& [platzhalter, wert] : werte)
            t = PlatzhalterErsetzen(QString::fromLatin1(platzhalter), wert, t);
    }
    const QDateTime jetzt = Jetzt();
    const QDate heute = jetzt.date();
    const std::pair<const char*, QString> heutige[] = {
        {"%BDATUM%", DatumText(heute)},
        {"%BZEIT%", jetzt.time().toString(QStringLiteral("HH:mm"))},
        {"%BMONAT1%", QString::number(heute.month())},
        {"%BMONAT2%", Zweistellig(heute.month())},
        {"%BJAHR2%", Zweistellig(heute.year() % 100)},
        {"%BJAHR4%", QString::number(heute.year())},
    };
    for (const auto& [platzhalter, wert] : heutige)
        t = PlatzhalterErsetzen(QString::fromLatin1(platzhalter), wert, t);
    return ManuelleEingaben(t, eingegeben);
}
