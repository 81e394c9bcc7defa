#include "Testdaten.h"

#include "Belegmaske.h"
#include "DataModule.h"
#include "Datenbank.h"
#include "Datum.h"
#include "Einrichtungsfehler.h"
#include "Pfade.h"
#include "Uhr.h"

#include <QRandomGenerator>
#include <array>

namespace {

struct tGeneratorBereich {
    int id;
    int art;
    qint64 konto;
    const char* maske;
};

constexpr std::array<tGeneratorBereich, 3> Bereiche{{
    {1, 1, 1600, "jj_mm_K"},
    {2, 2, 1800, "jj_mm_"},
    {3, 3, 5400, ""},
}};

void StammkontenAnlegen(Datenbank& archiv) {
    const std::tuple<qint64, const char*, const char*> konten[] = {{1600, "0", "kb"},
                                                                   {1800, "0", "kb"},
                                                                   {5400, "9", "v"},
                                                                   {4400, "3", "u"},
                                                                   {6300, "0", "kb"}};
    for (const auto& [konto, steuer, bereich] : konten)
        archiv.ausfuehren(QStringLiteral("INSERT OR IGNORE INTO Sachkonten (Konto, Bezeichnung, "
                                         "Steuer, Steuerbereich) VALUES (?, 'Testkonto', ?, ?)"),
                          {konto, QString::fromLatin1(steuer), QString::fromLatin1(bereich)});
}

} // namespace

void TestdatenErzeugen(const QString& datenverzeichnis, const QString& bereich, const QString& mnr,
                       qint64 anzahl) {
    TDataModule1 dm(datenverzeichnis);
    dm.ADOConnection_DatenVerbinden(DatenDateiname(datenverzeichnis, bereich, mnr), true);
    dm.ADOConnection_ArchivVerbinden(ArchivDateiname(datenverzeichnis, bereich, 77), true, 77);
    Datenbank& daten = dm.ADOConnection_Daten;
    if (daten.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Buchungsbereiche")).value_or(0) > 0)
        throw Einrichtungsfehler(
            QStringLiteral("Der Betrieb %1 hat bereits Erfassungsbereiche.").arg(mnr));
    StammkontenAnlegen(dm.ADOConnection_Archiv);
    const QDate heute = Heute();
    const QDate erster = QDate(heute.year() - 25, heute.month(), 1).addMonths(1);
    const int monate = 300;
    QRandomGenerator zufall(4711);
    Transaktion t(daten);
    for (const tGeneratorBereich& b : Bereiche)
        daten.ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, "
                                        "Konto, Bezeichnung, S_H, Aktiviert, Aktiv, "
                                        "BelegNrVergabe, BelegNrNeuBeginnen, BelegMaske) VALUES "
                                        "(?, ?, ?, ?, 'S', 1, 1, 1, 4, ?)"),
                         {b.id, b.art, b.konto, QStringLiteral("Bereich %1").arg(b.id),
                          QString::fromLatin1(b.maske)});
    Abfrage buchung(daten,
                    QStringLiteral("INSERT INTO Erfassungen (Hauptbuchung, BuchungsBereich, "
                                   "Belegdatum, TSName, Konto, GKonto, Buchungstext, Betrag, "
                                   "Buchungsseite, Steuer, BelegMaske, BelegZaehler, Belegnummer, "
                                   "Rechnungsnummer, ErstelltAm, ErstelltVon, AnzahlAenderungen, "
                                   "Erfassungskennzeichen) VALUES (1, ?, ?, '', ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?, ?, 'GEN', 0, 0)"));
    Abfrage buchungsId(daten, QStringLiteral("UPDATE Erfassungen SET BuchungsID=ID WHERE ID=?"));
    Abfrage op(daten,
               QStringLiteral("INSERT INTO OffenePosten (BuchungsID, Konto, Rechnungsnummer, "
                              "Bankeinzug, Belegdatum, RechBetrag, ZahlBetrag, NettoTage, "
                              "ValutaTage, SkontoTage, SkontoSatz, Skonto, ErstelltAm, "
                              "ErstelltVon, Geloescht) VALUES (?, ?, ?, 0, ?, ?, 0, 30, 0, 10, 2, "
                              "?, ?, 'GEN', 0)"));
    Abfrage saldo(daten,
                  QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES (?, ?, ?)"));
    qint64 kasse = 500000;
    qint64 bank = 2000000;
    saldo.binden(1, 1600).binden(2, erster).binden(3, kasse).ausfuehren();
    saldo.zuruecksetzen();
    saldo.binden(1, 1800).binden(2, erster).binden(3, bank).ausfuehren();
    saldo.zuruecksetzen();
    const QDateTime erstellt = Jetzt();
    qint64 geschrieben = 0;
    for (int m = 0; m < monate; ++m) {
        const QDate monat = erster.addMonths(m);
        const qint64 imMonat = (anzahl * (m + 1)) / monate - geschrieben;
        std::array<qint64, 3> zaehler{0, 0, 0};
        for (qint64 i = 0; i < imMonat; ++i) {
            const int tag = 1 + int(i * TageImMonat(monat.month(), monat.year()) / imMonat);
            const QDate datum(monat.year(), monat.month(), tag);
            const quint32 wurf = zufall.bounded(10u);
            const size_t b = wurf < 4 ? 0 : wurf < 8 ? 1 : 2;
            const tGeneratorBereich& bereichDaten = Bereiche[b];
            const bool einnahme = b != 2 && zufall.bounded(2u) == 0;
            const qint64 cent = 100 + qint64(zufall.bounded(einnahme ? 60000u : 50000u));
            const qint64 gkonto = b == 2 ? 90000 + zufall.bounded(50u) : einnahme ? 4400 : 6300;
            const QString praefix = BelegMaskeAufloesen(datum.year(), datum.month(), 0, 0,
                                                        QString::fromLatin1(bereichDaten.maske), 1);
            const qint64 nr = praefix.isEmpty() ? 0 : ++zaehler[b];
            const QString rechnung =
                b == 2 ? QStringLiteral("R%1-%2").arg(datum.toString(u"yyMM")).arg(i) : QString();
            buchung.binden(1, bereichDaten.id)
                .binden(2, datum)
                .binden(3, bereichDaten.konto)
                .binden(4, gkonto)
                .binden(5, QStringLiteral("Testbuchung %1").arg(geschrieben + i + 1))
                .binden(6, Betrag::ausCent(cent))
                .binden(7, einnahme ? QStringLiteral("E") : QStringLiteral("A"))
                .binden(8, b == 2 ? QStringLiteral("9") : QStringLiteral("0"))
                .binden(9, praefix)
                .binden(10, nr ? Wert(nr) : Wert())
                .binden(11, nr ? praefix + QString::number(nr) : QString())
                .binden(12, rechnung)
                .binden(13, erstellt)
                .ausfuehren();
            buchung.zuruecksetzen();
            const qint64 id = daten.letzteId();
            buchungsId.binden(1, id).ausfuehren();
            buchungsId.zuruecksetzen();
            if (b == 2) {
                op.binden(1, id)
                    .binden(2, gkonto)
                    .binden(3, rechnung)
                    .binden(4, datum)
                    .binden(5, Betrag::ausCent(cent))
                    .binden(6, Betrag::ausCent(cent / 50))
                    .binden(7, erstellt)
                    .ausfuehren();
                op.zuruecksetzen();
            } else {
                qint64& stand = b == 0 ? kasse : bank;
                stand += einnahme ? cent : -cent;
            }
        }
        geschrieben += imMonat;
        if (m + 1 < monate) {
            const QDate naechster = monat.addMonths(1);
            for (const auto& [konto, stand] : {std::pair{1600, kasse}, std::pair{1800, bank}}) {
                saldo.binden(1, konto).binden(2, naechster).binden(3, Betrag::ausCent(stand));
                saldo.ausfuehren();
                saldo.zuruecksetzen();
            }
        }
    }
    t.bestaetigen();
}
