#include "Belegmaske.h"
#include "Belegnummer.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Erfassungsliste.h"
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

// An ordinary user without the rights for private and personnel accounts: the lists carry the
// visibility filter.
tSichtbarkeit Benutzersicht() {
    tSichtbarkeit s;
    s.UserStatus = 2;
    s.Kuerzel = QStringLiteral("BE");
    s.Privatkonten = false;
    s.Personalkonten = false;
    s.Kontenbereiche = Sitzung().Kontenbereiche;
    return s;
}

const std::vector<int> BenchBereiche{1, 2, 3};

// What the bookings page reads before it shows a month of the cash box: the first page, its
// split rows and the number of rows. Argument: split rows as rows of their own (the option).
void MonatslisteErsterBildschirm(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    Datenbank& daten = u.dm.ADOConnection_Daten;
    const bool mitAufteilungen = state.range(0) != 0;
    QRandomGenerator zufall(5);
    const tSichtbarkeit sicht = Benutzersicht();
    for (auto _ : state) {
        const QDate von = QDate(2003 + int(zufall.bounded(22u)), 1 + int(zufall.bounded(12u)), 1);
        const tErfassungsAbfrage a = ErfassungsListeBereich(
            QStringLiteral("Erfassungen"), 1, von, von.addMonths(1).addDays(-1), mitAufteilungen,
            Erfassungssortierung::ErstelltAmAbsteigend, sicht, BenchBereiche);
        const auto zeilen = ErfassungenLesen(daten, a, 0, 200);
        if (!mitAufteilungen) {
            std::vector<qint64> ids;
            for (const auto& z : zeilen)
                ids.push_back(z.BuchungsID);
            benchmark::DoNotOptimize(AufteilungszeilenLesen(daten, a.Tabelle, ids));
        }
        benchmark::DoNotOptimize(ErfassungenZaehlen(daten, a));
        if (zeilen.size() < 200) {
            state.SkipWithError("Monat zu klein");
            break;
        }
    }
}
BENCHMARK(MonatslisteErsterBildschirm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The first page of a search over all years, and with the second argument also the number of
// hits. First argument: 0 an exact amount, 1 above 10,00 (nearly every row), 2 above 600,00
// (a few rows), 3 between 0,01 and 600,00.
void SucheBetragAlleJahre(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    Datenbank& daten = u.dm.ADOConnection_Daten;
    QRandomGenerator zufall(9);
    const tSichtbarkeit sicht = Benutzersicht();
    for (auto _ : state) {
        tErfassungssuche s;
        s.Von = QDate(2000, 1, 1);
        s.Bis = Heute();
        switch (state.range(0)) {
        case 0:
            s.BetragVon = s.BetragBis = Betrag::ausCent(100 + qint64(zufall.bounded(60000u)));
            break;
        case 1:
            s.BetragVon = Betrag::ausCent(1000);
            break;
        case 2:
            s.BetragVon = Betrag::ausCent(60000);
            break;
        default:
            s.BetragVon = Betrag::ausCent(1);
            s.BetragBis = Betrag::ausCent(60000);
        }
        const tErfassungsAbfrage a = ErfassungsSuche(s, sicht, BenchBereiche);
        benchmark::DoNotOptimize(ErfassungenLesen(daten, a, 0, 200));
        if (state.range(1))
            benchmark::DoNotOptimize(ErfassungenZaehlen(daten, a));
    }
}
BENCHMARK(SucheBetragAlleJahre)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// The first page of a search by booking text over all years (with the second argument also the
// number of hits). First argument: 0 a text few rows hold, 1 one most rows hold, 2 one with an
// umlaut that no row holds.
void SucheText(benchmark::State& state) {
    Umgebung& u = Umgebung::get();
    Datenbank& daten = u.dm.ADOConnection_Daten;
    QRandomGenerator zufall(3);
    const tSichtbarkeit sicht = Benutzersicht();
    for (auto _ : state) {
        tErfassungssuche s;
        s.Von = QDate(2000, 1, 1);
        switch (state.range(0)) {
        case 0:
            s.Buchungstext = QStringLiteral("buchung %1").arg(10000 + zufall.bounded(90000u));
            break;
        case 1:
            s.Buchungstext = QStringLiteral("testbuchung 1");
            break;
        default:
            s.Buchungstext = QStringLiteral("Bürobedarf");
        }
        const tErfassungsAbfrage a = ErfassungsSuche(s, sicht, BenchBereiche);
        benchmark::DoNotOptimize(ErfassungenLesen(daten, a, 0, 200));
        if (state.range(1))
            benchmark::DoNotOptimize(ErfassungenZaehlen(daten, a));
    }
}
BENCHMARK(SucheText)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
