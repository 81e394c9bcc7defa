#include "Hauptfensterdaten.h"

#include "Dateien.h"
#include "Datenbank.h"
#include "Datum.h"
#include "Rueckfragen.h"

#include <QFileInfo>
#include <QStringList>

namespace {

QString versionsteile(const QString& version, int anzahl) {
    return version.section(u'.', 0, anzahl - 1);
}

const QString hilfedatei = QStringLiteral("KivoOnline.chm");

} // namespace

QString Fenstertitel(const QString& version) {
    return QStringLiteral("kmb.KIVO-Online v. ") + versionsteile(version, 2);
}

QString Versionsbeschriftung(const QString& version) {
    return QStringLiteral("v. ") + version;
}

QString Versionsdetails(const QString& version, const QDateTime& programmDatum) {
    return Versionsbeschriftung(version) + u' ' +
           programmDatum.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString Infotext(const QString& version) {
    return QStringLiteral("KIVO-Online v. ") + versionsteile(version, 3);
}

QString UhrzeitText(const QDateTime& zeitpunkt) {
    return WochentagLang(zeitpunkt.date()) + QStringLiteral(", ") + DatumText(zeitpunkt.date()) +
           u' ' + zeitpunkt.time().toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr");
}

QString HilfeDateiFinden(const QString& programmVerzeichnis, const QString& datenverzeichnis) {
    for (const QString& verzeichnis : {programmVerzeichnis, datenverzeichnis}) {
        const QString datei = MitTrenner(verzeichnis) + hilfedatei;
        if (!verzeichnis.isEmpty() && QFileInfo(datei).isFile())
            return datei;
    }
    return {};
}

std::vector<tHinweisMeldung> HinweisMeldungenLaden(Datenbank& stamm, const QDate& heute) {
    std::vector<tHinweisMeldung> meldungen;
    Abfrage a(stamm,
              QStringLiteral("SELECT Ueberschrift, Hinweistext FROM HinweisMeldungen "
                             "WHERE date(VonDatum)<=date(?) AND date(BisDatum)>=date(?) "
                             "ORDER BY rowid"),
              {heute, heute});
    while (a.naechste())
        meldungen.push_back({a.text(0), a.text(1)});
    return meldungen;
}

tNiederlassung NiederlassungLaden(Datenbank& daten, Datenbank& stamm) {
    const auto id =
        daten.ganzzahlWert(QStringLiteral("SELECT NiederlassungID FROM Firmendaten LIMIT 1"));
    if (!id)
        return {};
    Abfrage a(stamm,
              QStringLiteral("SELECT Strasse, PLZ, Ort, Telefonnummer FROM Niederlassungen "
                             "WHERE ID=?"),
              {*id});
    if (!a.naechste())
        return {};
    return {a.text(0), (a.text(1).trimmed() + u' ' + a.text(2)).trimmed(), a.text(3)};
}

bool AenderungenKlaeren(const QString& frage, const std::function<bool()>& speichern,
                        const std::function<void()>& verwerfen) {
    switch (Benutzer().frage(Meldungsart::Warnung, frage, Knoepfe::JaNeinAbbrechen)) {
    case Antwort::Ja:
        return speichern();
    case Antwort::Nein:
        verwerfen();
        return true;
    default:
        return false;
    }
}
