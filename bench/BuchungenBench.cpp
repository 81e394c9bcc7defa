#include "Belegmaske.h"
#include "Belegnummer.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Firmendaten.h"
#include "Kontenbereiche.h"
#include "Optionen.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Salden.h"
#include "Sitzung.h"
#include "Uhr.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// Answers every warning with Yes, as a user who books on.
class JaSager final : public Rueckfragen {
public:
    Antwort frage(Meldungsart, const QString&, Knoepfe) override { return Antwort::Ja; }
    bool hinweis(const QString&, const QString&, bool) override { return false; }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    void fortschritt(int, int, const QString&) override {}
};

// The generated business of bench-ausfuehren.sh, opened once.
struct Umgebung {
    QString verzeichnis = QString::fromLocal8Bit(std::getenv("KIVO_BENCH_DIR"));
    TDataModule1 dm{verzeichnis};
    JaSager ja;
    RueckfragenAnmeldung anmeldung{ja};
    Umgebung() {
        dm.ADOConnection_StammVerbinden();
        dm.ADOConnection_DatenVerbinden(DatenDateiname(verzeichnis, "Bench", "30000"), true);
        dm.ADOConnection_ArchivVerbinden(ArchivDateiname(verzeichnis, "Bench", 77), true, 77);
        tSitzung& s = Sitzung();
        s.Datenverzeichnis = verzeichnis;
        s.Bereich = QStringLiteral("Bench");
        s.MNr = QStringLiteral("30000");
        s.Kuerzel = QStringLiteral("BE");
        s.Monat = Heute().month();
        s.Jahr = Heute().year();
        OptionenLaden(dm, s.Optionen);
        s.Firma = FirmendatenLaden(dm.ADOConnection_Daten, s.MNr);
        s.Kontenbereiche = KontenbereicheLaden(dm.ADOConnection_Stamm, 77);
    }
    static Umgebung& get() {
        static Umgebung u;
        return u;
    }
};

void BelegnummerVorschlag(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    const tSitzung& s = Sitzung();
    for (auto _ : state) {
        const QString praefix = BelegMaskeAufloesen(
            s.Jahr, s.Monat, 0, 0, QStringLiteral("jj_mm_K"), s.Firma.WirtschaftsBeginn);
        benchmark::DoNotOptimize(NaechsterBelegZaehler(u.dm.ADOConnection_Daten, s.Monat, s.Jahr,
                                                       praefix, 4, 1, s.Firma.WirtschaftsBeginn));
    }
}
BENCHMARK(BelegnummerVorschlag)->Unit(benchmark::kMicrosecond);

void SaldoAnBeliebigemTag(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    QRandomGenerator zufall(17);
    const QDate ende = Heute();
    for (auto _ : state) {
        const QDate tag = ende.addDays(-qint64(zufall.bounded(25u * 365u)));
        const QDate bank = ende.addDays(-qint64(zufall.bounded(25u * 365u)));
        benchmark::DoNotOptimize(SaldoBerechnen(u.dm.ADOConnection_Daten, 1600, tag, tag));
        benchmark::DoNotOptimize(SaldoBerechnen(u.dm.ADOConnection_Daten, 1800, bank,
                                                QDate(bank.year(), bank.month(), 1)));
    }
}
BENCHMARK(SaldoAnBeliebigemTag)->Unit(benchmark::kMicrosecond);

// A cash receipt checked, saved with its proposed receipt number and the balance panel
// refreshed, as one F9 in the entry mask.
void PruefenSpeichernUndSaldo(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    const tSitzung& s = Sitzung();
    qint64 n = 0;
    for (auto _ : state) {
        tMaskenZustand m;
        m.BereichID = 1;
        m.Spalten[0] = QString::number(1 + n % 28);
        m.Spalten[2] = QStringLiteral("1600");
        m.Spalten[3] = QStringLiteral("4400");
        m.Spalten[4] = QString::number(1000 + n++);
        m.Spalten[5] = QStringLiteral("E");
        m.Spalten[6] = QStringLiteral("0");
        m.Spalten[7] = BelegMaskeAufloesen(s.Jahr, s.Monat, 0, 0, QStringLiteral("jj_mm_K"),
                                           s.Firma.WirtschaftsBeginn);
        m.Spalten[8] = BelegnummerText(u.dm.ADOConnection_Daten, s.Jahr, s.Monat, 4, 1, 0,
                                       m.Spalten[7], s.Firma.WirtschaftsBeginn);
        m.BelegnummerVorschlag = m.Spalten[8];
        m.Spalten[9] = QStringLiteral("Bareinnahme");
        tBuchung b;
        if (!BuchungPruefenMaske(u.dm, m, b) || !AktuelleBuchungSpeichern(u.dm, b, m)) {
            state.SkipWithError("Buchung nicht gespeichert");
            break;
        }
        benchmark::DoNotOptimize(
            SaldenAnzeige(u.dm.ADOConnection_Daten, u.dm.ADOConnection_Archiv, 1, s.Monat, s.Jahr));
    }
}
BENCHMARK(PruefenSpeichernUndSaldo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
