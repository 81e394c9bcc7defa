#include "Steuer.h"

#include "DataModule.h"
#include "Konten.h"
#include "Sitzung.h"
#include "Text.h"

#include <QStringList>
#include <optional>

namespace {

int Kontenplan() {
    const int plan = Sitzung().Firma.Kontenplan;
    return plan == 0 ? 77 : plan;
}

std::optional<tSachkonto> Sachkonto(TDataModule1& dm, qint64 konto) {
    if (konto == 0)
        return std::nullopt;
    return SachkontoLaden(dm.ADOConnection_Archiv, QString::number(konto));
}

// Tax areas are codes typed by hand in the chart; "S" and "s" mean the same.
bool Steuerfrei(const tSachkonto& k) {
    return TexteGleich(k.Steuerbereich, QStringLiteral("S"));
}

QString Steuerbereich(const std::optional<tSachkonto>& k, qint64 konto) {
    if (k)
        return k->Steuerbereich;
    if (KontoArtErmitteln(konto) == KontoArt::Kunde)
        return QStringLiteral("u");
    if (KontoArtErmitteln(konto) == KontoArt::Lieferant)
        return QStringLiteral("v");
    return QString();
}

// A given key that is no number never matches a candidate.
bool GleicheZahl(const QString& a, const QString& b) {
    bool okA = false, okB = false;
    const qint64 x = a.trimmed().toLongLong(&okA);
    const qint64 y = b.trimmed().toLongLong(&okB);
    return okA && okB && x == y;
}

bool NimmtSchluessel(const std::optional<tSachkonto>& k, const QString& kandidat) {
    return k && !Steuerfrei(*k) && (k->Steuer == u"0" || k->Steuer == kandidat);
}

} // namespace

tSteuerErmittlung SteuerschluesselErmitteln(TDataModule1& dm, int bereichsart, qint64 konto,
                                            qint64 gkonto, const QString& schluessel,
                                            const QDate& stichtag) {
    tSteuerErmittlung e;
    const auto k = Sachkonto(dm, konto);
    const auto g = Sachkonto(dm, gkonto);
    const bool kAuto = k && k->Steuer != u"0";
    const bool gAuto = g && g->Steuer != u"0";
    if (!kAuto && !gAuto) {
        e.SchluesselErlaubt = schluessel == u"0";
        e.Liste.emplace_back(QStringLiteral("0"), QStringLiteral("keine Steuer"));
    }
    if (kAuto && gAuto && k->Steuer != g->Steuer) {
        e.ZuordnungGueltig = false;
        e.SchluesselErlaubt = false;
        return e;
    }
    Datenbank& stamm = dm.ADOConnection_Stamm;
    QString steuerart;
    {
        Abfrage q(stamm,
                  QStringLiteral("SELECT Steuerart FROM ZulaessigeSteuerschluessel WHERE "
                                 "Kontenplan=? AND Steuerbereich1=? AND Steuerbereich2=?"),
                  {Kontenplan(), Steuerbereich(k, konto), Steuerbereich(g, gkonto)});
        if (q.naechste())
            steuerart = q.text(0);
    }
    // Keys change their rate over time: only the rows valid on the day are offered, also when
    // no tax kind narrows the choice, so each key appears once.
    Abfrage q(stamm,
              QStringLiteral("SELECT Steuer, Bezeichnung FROM Steuerschluessel WHERE Kontenplan=?1 "
                             "AND (?2='' OR Steuerart=?2) AND GueltigVon<=?3 AND GueltigBis>=?3 "
                             "ORDER BY rowid"),
              {Kontenplan(), steuerart, stichtag});
    const bool einKontoLeer = konto == 0 || gkonto == 0;
    static const QStringList fuerArt[] = {
        {},
        {"2", "3", "8", "9", "92", "93"},
        {"2", "3", "8", "9", "92", "93"},
        {"8", "9", "92", "93"},
        {"2", "3", "8", "9"},
        {"8", "9", "92", "93"},
    };
    while (q.naechste()) {
        const QString kandidat = q.text(0);
        bool genommen = false;
        if (einKontoLeer)
            genommen =
                bereichsart >= 1 && bereichsart <= 5 && fuerArt[bereichsart].contains(kandidat);
        else
            genommen = NimmtSchluessel(k, kandidat) || NimmtSchluessel(g, kandidat);
        if (!genommen)
            continue;
        e.Liste.emplace_back(kandidat, q.text(1));
        if (einKontoLeer ? kandidat == schluessel : GleicheZahl(kandidat, schluessel))
            e.SchluesselErlaubt = true;
    }
    if (!e.SchluesselErlaubt && !e.Liste.empty())
        e.Vorschlag = e.Liste.back().first;
    if (e.Liste.empty())
        e.Liste.emplace_back(QStringLiteral("0"), QStringLiteral("keine Steuer"));
    return e;
}

bool SteuerZulaessig(TDataModule1& dm, qint64 konto, qint64 gkonto, const QString& schluessel,
                     const QDate& stichtag) {
    return SteuerschluesselErmitteln(dm, 1, konto, gkonto, schluessel, stichtag).SchluesselErlaubt;
}

QString SteuerBezeichnung(TDataModule1& dm, const QString& schluessel, const QDate& datum) {
    if (!IstGanzzahl(schluessel.trimmed()) || schluessel.trimmed().toLongLong() == 0)
        return QStringLiteral("ohne Steuer");
    Abfrage q(dm.ADOConnection_Stamm,
              QStringLiteral("SELECT Bezeichnung FROM Steuerschluessel WHERE Kontenplan=? AND "
                             "Steuer=? AND GueltigVon<=?3 AND GueltigBis>=?3"),
              {Kontenplan(), schluessel.trimmed(), datum});
    return q.naechste() ? q.text(0) : QString();
}
