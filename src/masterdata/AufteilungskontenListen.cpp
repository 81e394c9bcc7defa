#include "AufteilungskontenListen.h"

#include "Datenbank.h"

namespace {

std::vector<qint64> laden(Datenbank& db, const QString& sql, qint64 id) {
    Abfrage a(db, sql, {id});
    std::vector<qint64> konten;
    while (a.naechste())
        konten.push_back(a.ganzzahl(0));
    return konten;
}

void speichern(Datenbank& db, const QString& tabelle, const QString& schluessel, qint64 id,
               const std::vector<qint64>& konten, int erstePosition) {
    Transaktion t(db);
    db.ausfuehren(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(tabelle, schluessel), {id});
    int position = erstePosition;
    for (const qint64 konto : konten)
        db.ausfuehren(QStringLiteral("INSERT INTO %1 (%2, Aufteilungskonto, Reihenfolge) VALUES "
                                     "(?, ?, ?)")
                          .arg(tabelle, schluessel),
                      {id, konto, position++});
    t.bestaetigen();
}

} // namespace

std::vector<qint64> AufteilungskontenTSLaden(Datenbank& archiv, qint64 tsId) {
    return laden(archiv,
                 QStringLiteral("SELECT Aufteilungskonto FROM AufteilungskontenTextschluessel "
                                "WHERE TSID=? ORDER BY Reihenfolge, rowid"),
                 tsId);
}

void AufteilungskontenTSSpeichern(Datenbank& archiv, qint64 tsId,
                                  const std::vector<qint64>& konten) {
    speichern(archiv, QStringLiteral("AufteilungskontenTextschluessel"), QStringLiteral("TSID"),
              tsId, konten, 0);
}

std::vector<qint64> AufteilungskontenBereichLaden(Datenbank& daten, int bereichId) {
    return laden(daten,
                 QStringLiteral("SELECT AufteilungsKonto FROM AufteilungskontenBereich WHERE "
                                "BereichID=? ORDER BY Reihenfolge, rowid"),
                 bereichId);
}

void AufteilungskontenBereichSpeichern(Datenbank& daten, int bereichId,
                                       const std::vector<qint64>& konten) {
    speichern(daten, QStringLiteral("AufteilungskontenBereich"), QStringLiteral("BereichID"),
              bereichId, konten, 1);
}
