#include "Belegnummer.h"

#include "Belegmaske.h"
#include "Datenbank.h"
#include "Datum.h"

std::optional<std::pair<QDate, QDate>> BelegZeitraum(int monat, int jahr, int neuBeginnen,
                                                     int wirtschaftsBeginn) {
    switch (neuBeginnen) {
    case 2:
        return std::pair{QDate(jahr, 1, 1), QDate(jahr, 12, 31)};
    case 3: {
        const QDate von(Wirtschaftsjahr(monat, jahr, wirtschaftsBeginn), wirtschaftsBeginn, 1);
        return std::pair{von, von.addYears(1).addDays(-1)};
    }
    case 4:
        return std::pair{QDate(jahr, monat, 1), QDate(jahr, monat, TageImMonat(monat, jahr))};
    default:
        return std::nullopt;
    }
}

namespace {

qint64 HoechsterZaehler(Datenbank& daten, int monat, int jahr, const QString& praefix,
                        int neuBeginnen, int wirtschaftsBeginn) {
    const auto zeitraum = BelegZeitraum(monat, jahr, neuBeginnen, wirtschaftsBeginn);
    const auto m =
        zeitraum
            ? daten.ganzzahlWert(QStringLiteral("SELECT max(BelegZaehler) FROM Erfassungen WHERE "
                                                "BelegMaske=? AND Belegdatum BETWEEN ? AND ?"),
                                 {praefix, zeitraum->first, zeitraum->second})
            : daten.ganzzahlWert(QStringLiteral("SELECT max(BelegZaehler) FROM "
                                                "Erfassungen WHERE BelegMaske=?"),
                                 {praefix});
    return std::max<qint64>(m.value_or(0), 0);
}

} // namespace

qint64 NaechsterBelegZaehler(Datenbank& daten, int monat, int jahr, const QString& praefix,
                             int neuBeginnen, int methode, int wirtschaftsBeginn) {
    const qint64 m = HoechsterZaehler(daten, monat, jahr, praefix, neuBeginnen, wirtschaftsBeginn);
    if (methode == BelegNrVergabe::Alt || methode == BelegNrVergabe::Automatisch || m == 0)
        return m + 1;
    return m;
}

bool BelegnummerVergeben(Datenbank& daten, int monat, int jahr, int neuBeginnen, qint64 zaehler,
                         const QString& praefix, int wirtschaftsBeginn, qint64 ausserBuchung) {
    const auto zeitraum = BelegZeitraum(monat, jahr, neuBeginnen, wirtschaftsBeginn);
    if (zeitraum)
        return daten
            .ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen WHERE BelegMaske=? AND "
                                         "BelegZaehler=? AND BuchungsID<>? AND Belegdatum "
                                         "BETWEEN ? AND ? LIMIT 1"),
                          {praefix, zaehler, ausserBuchung, zeitraum->first, zeitraum->second})
            .has_value();
    return daten
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen WHERE BelegMaske=? AND "
                                     "BelegZaehler=? AND BuchungsID<>? LIMIT 1"),
                      {praefix, zaehler, ausserBuchung})
        .has_value();
}

QString BelegnummerText(Datenbank& daten, int jahr, int monat, int neuBeginnen, int methode,
                        qint64 zaehler, const QString& praefix, int wirtschaftsBeginn) {
    if (zaehler == 0)
        zaehler = NaechsterBelegZaehler(daten, monat, jahr, praefix, neuBeginnen, methode,
                                        wirtschaftsBeginn);
    return QString::number(zaehler);
}
