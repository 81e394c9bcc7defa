#include "Erfassungsverlauf.h"

#include "Datenbank.h"

#include <algorithm>

namespace {

const QString Zeitformat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

QString Erfassungsart(int kennzeichen) {
    return kennzeichen == 0 ? QStringLiteral("manuell") : QStringLiteral("Import");
}

bool Geaendert(const tErfassungsZeile& z) {
    return z.LetzteAenderung.isValid() && z.LetzteAenderung.date().year() >= 1900;
}

struct tStand {
    tVerlaufsZeile Verlauf;
    // Earlier states before the current one when the time stamps tie.
    bool Aktuell = false;
};

} // namespace

QString ErfassungsInfoText(const tErfassungsZeile& z) {
    return QStringLiteral("Erfassungsinfo:\r\rerfasst am ") + z.ErstelltAm.toString(Zeitformat) +
           QStringLiteral("\rerfasst von User \"") + z.ErstelltVon +
           QStringLiteral("\"\rArt der Erfassung: ") + Erfassungsart(z.Erfassungskennzeichen);
}

std::vector<tVerlaufsZeile> ErfassungsVerlauf(Datenbank& daten, qint64 buchungsId) {
    std::vector<tStand> staende;
    // Only these two fixed tables are read.
    for (const char* tabelle : {"Erfassungen_Verlauf", "Erfassungen"}) {
        const QString t = QString::fromLatin1(tabelle);
        Abfrage q(daten,
                  QStringLiteral("SELECT %1 FROM %2 LEFT JOIN Buchungsbereiche b ON "
                                 "b.BereichID=%2.BuchungsBereich WHERE %2.BuchungsID=?")
                      .arg(ErfassungsSpalten(t, true, false), t),
                  {buchungsId});
        while (q.naechste()) {
            tStand s;
            s.Aktuell = t == u"Erfassungen";
            tVerlaufsZeile& v = s.Verlauf;
            v.Zeile = ErfassungsZeileLesen(q, false);
            const tErfassungsZeile& z = v.Zeile;
            if (Geaendert(z)) {
                v.Zeitpunkt = z.LetzteAenderung;
                v.Aenderung = z.LetzteAenderung.toString(Zeitformat) + QStringLiteral(" durch ") +
                              z.AenderungVon;
                if (!z.AenderungSteuerRelevant)
                    v.Aenderung += QStringLiteral(" (keine Änderung steuerrelevanter Felder)");
            } else {
                v.Zeitpunkt = z.ErstelltAm;
                v.Aenderung =
                    z.ErstelltAm.toString(Zeitformat) + QStringLiteral(" durch ") + z.ErstelltVon;
            }
            if (z.AnzahlAenderungen < 1)
                v.Aenderung += QStringLiteral(": Ursprungserfassung - Erfassungsart: ") +
                               Erfassungsart(z.Erfassungskennzeichen);
            staende.push_back(std::move(s));
        }
    }
    std::stable_sort(staende.begin(), staende.end(), [](const tStand& a, const tStand& b) {
        const tErfassungsZeile& x = a.Verlauf.Zeile;
        const tErfassungsZeile& y = b.Verlauf.Zeile;
        if (a.Verlauf.Zeitpunkt != b.Verlauf.Zeitpunkt)
            return a.Verlauf.Zeitpunkt < b.Verlauf.Zeitpunkt;
        if (x.AnzahlAenderungen != y.AnzahlAenderungen)
            return x.AnzahlAenderungen < y.AnzahlAenderungen;
        if (a.Aktuell != b.Aktuell)
            return !a.Aktuell;
        if (x.Hauptbuchung != y.Hauptbuchung)
            return x.Hauptbuchung;
        return x.ID < y.ID;
    });
    std::vector<tVerlaufsZeile> ergebnis;
    ergebnis.reserve(staende.size());
    for (tStand& s : staende)
        ergebnis.push_back(std::move(s.Verlauf));
    return ergebnis;
}
