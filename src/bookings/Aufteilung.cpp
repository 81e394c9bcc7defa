// The split list of the entry mask: switching it on, the proposals, the remainder and the
// rules of its cells.
#include "AufteilungskontenListen.h"
#include "DataModule.h"
#include "Datum.h"
#include "Erfassungsmaske.h"
#include "Konten.h"
#include "Platzhalter.h"
#include "Sitzung.h"
#include "Steuer.h"
#include "Text.h"

#include <QRegularExpression>

namespace {

int Kontenplan() {
    const int plan = Sitzung().Firma.Kontenplan;
    return plan == 0 ? 77 : plan;
}

} // namespace

bool tErfassungsmaske::splitUnberuehrt() const {
    for (size_t i = 1; i < Z.Aufteilung.size(); ++i)
        if (!BetragAusText(Z.Aufteilung[i].Betrag).value_or(Betrag()).istNull())
            return false;
    return true;
}

bool tErfassungsmaske::AufteilenUndZurueck() {
    if (SplitlisteHatFokus) {
        SplitlisteHatFokus = false;
        if (aufteilungHier && splitUnberuehrt()) {
            // Nothing was distributed yet: back to the plain booking line.
            Z.Spalten[Spalte::Konto] = vorAufteilungKonto;
            Z.Spalten[Spalte::GKonto] = vorAufteilungGKonto;
            Z.Spalten[Spalte::Steuer] = vorAufteilungSteuer;
            Z.AufteilungAktiv = false;
            Z.Aufteilung.assign(1, {});
            Z.NichtAufteilungskonto = 0;
            Z.AufteilungsSeite = 0;
            TextschluesselLaden();
            KontierungPruefen();
        }
        return true;
    }
    const qint64 g = Z.Spalten[Spalte::GKonto].trimmed().toLongLong();
    if ((art() == Bereichsart::Kasse || art() == Bereichsart::Bank) && IstPersonenkonto(g) &&
        KontoArtErmitteln(g) != KontoArt::LieferantKosten) {
        Fehler = QStringLiteral("Erfassungen mit Kunden oder Lieferanten können nicht "
                                "aufgeteilt werden!");
        return false;
    }
    if (Cursor == Spalte::TS && !Wechseln(Spalte::Betrag))
        return false;
    if (!Z.AufteilungAktiv)
        aufteilungEinschalten();
    if (!Z.AufteilungAktiv)
        return false;
    const int war = Cursor;
    if (!Wechseln(war == Spalte::Text ? Spalte::Nummer : Spalte::Text))
        return false;
    Cursor = war == Spalte::Betrag || war == Spalte::Seite ? Spalte::Nummer : war;
    SplitlisteHatFokus = true;
    SplitZeile = 1;
    SplitSpalte = 1;
    return true;
}

void tErfassungsmaske::aufteilungEinschalten() {
    const auto betrag = BetragAusText(Z.Spalten[Spalte::Betrag]);
    if (!betrag || betrag->istNull()) {
        Cursor = Spalte::Betrag;
        return;
    }
    vorAufteilungKonto = Z.Spalten[Spalte::Konto];
    vorAufteilungGKonto = Z.Spalten[Spalte::GKonto];
    vorAufteilungSteuer = Z.Spalten[Spalte::Steuer];
    aufteilungHier = true;
    const qint64 a = Z.Spalten[Spalte::Konto].trimmed().toLongLong();
    const qint64 g = Z.Spalten[Spalte::GKonto].trimmed().toLongLong();
    Z.AufteilungsSeite = 1;
    Z.NichtAufteilungskonto = int(a);
    const bool rechnung = rechnungsbereich();
    const auto konto = SachkontoLaden(dm.ADOConnection_Archiv, QString::number(rechnung ? a : g));
    tMaskenZustand::Aufteilungszeile rest;
    rest.Konto = QString::number(konto ? konto->Konto : 0);
    rest.Betrag = BetragText(*betrag);
    rest.Steuer = Z.Spalten[Spalte::Steuer];
    rest.Text = konto && !konto->Bezeichnung.isEmpty()
                    ? konto->Bezeichnung +
                          (rechnung ? QStringLiteral(" (") + QString::number(g) + u')' : QString())
                    : QStringLiteral("< Aufteilung ohne Konto >");
    const QString verrechnung =
        QString::number(AufteilungsVerrechnungskonto(dm.ADOConnection_Stamm, Kontenplan(), art()));
    Z.Spalten[rechnung ? Spalte::Konto : Spalte::GKonto] = verrechnung;
    Z.Aufteilung = {rest, {}};
    vorschlaegeLaden();
    TextschluesselLaden();
}

void tErfassungsmaske::kontoInSplitzeile(int zeile, qint64 konto) {
    auto& z = Z.Aufteilung[size_t(zeile)];
    const auto k = SachkontoLaden(dm.ADOConnection_Archiv, QString::number(konto));
    z.Konto = QString::number(konto);
    z.Betrag = QStringLiteral("0,00");
    z.Steuer = k ? k->Steuer : QStringLiteral("0");
    z.Text = KontoBezeichnung(dm.ADOConnection_Archiv, Sitzung().MNr, konto);
    if (rechnungsbereich())
        z.Text += QStringLiteral(" (") + vorAufteilungGKonto.trimmed() + u')';
}

void tErfassungsmaske::vorschlaegeLaden() {
    std::optional<tTextschluessel> ts;
    if (!Z.Spalten[Spalte::TS].isEmpty())
        ts = TextschluesselHolen(dm.ADOConnection_Archiv, Sitzung().MNr, Z.Spalten[Spalte::TS]);
    Z.AufteilungAktiv = true;
    if (vorAufteilungGKonto.isEmpty())
        vorAufteilungGKonto = Z.Spalten[Spalte::GKonto];
    std::vector<qint64> konten;
    if (!ts || !ts->ArchivAufteilungsKontenAusblenden)
        konten = AufteilungskontenBereichLaden(dm.ADOConnection_Daten, bereich.BereichID);
    if (ts)
        konten.insert(konten.end(), ts->Aufteilungskonten.begin(), ts->Aufteilungskonten.end());
    for (const qint64 k : konten) {
        const QString nummer = QString::number(k);
        if (std::any_of(Z.Aufteilung.begin(), Z.Aufteilung.end(),
                        [&](const auto& z) { return z.Konto.trimmed() == nummer; }))
            continue;
        if (Z.Aufteilung.empty())
            Z.Aufteilung.emplace_back();
        kontoInSplitzeile(int(Z.Aufteilung.size()) - 1, k);
        Z.Aufteilung.emplace_back();
    }
    if (Z.Aufteilung.size() < 2)
        Z.Aufteilung.emplace_back();
    Steuerliste = SteuerschluesselErmitteln(dm, art(), Z.Spalten[Spalte::Konto].toLongLong(),
                                            Z.Spalten[Spalte::GKonto].toLongLong(),
                                            QStringLiteral("0"), stichtag())
                      .Liste;
    Z.Spalten[Spalte::Steuer] = QStringLiteral("0");
}

void tErfassungsmaske::AufteilungDurchRechnen() {
    if (Z.Aufteilung.empty())
        return;
    Betrag rest = BetragAusText(Z.Spalten[Spalte::Betrag]).value_or(Betrag());
    for (size_t i = 1; i < Z.Aufteilung.size(); ++i)
        rest -= BetragAusText(Z.Aufteilung[i].Betrag).value_or(Betrag());
    Z.Aufteilung[0].Betrag = BetragText(rest);
}

void tErfassungsmaske::SplitZeileAnhaengen() {
    Z.Aufteilung.emplace_back();
}

bool tErfassungsmaske::AufteilungKontierungPruefen(int zeile) {
    auto& z = Z.Aufteilung[size_t(zeile)];
    if (z.Konto.trimmed().isEmpty()) {
        z.Steuer.clear();
        return true;
    }
    const qint64 buchungskonto =
        Z.Spalten[rechnungsbereich() ? Spalte::Konto : Spalte::GKonto].trimmed().toLongLong();
    const tSteuerErmittlung e = SteuerschluesselErmitteln(
        dm, art(), buchungskonto, z.Konto.trimmed().toLongLong(), z.Steuer, stichtag());
    Steuerliste = e.Liste;
    if (!e.ZuordnungGueltig) {
        z.Konto.clear();
        z.Steuer = e.Vorschlag;
        Fehler = QStringLiteral("Ungültige Kontierung!");
        return false;
    }
    if (!e.SchluesselErlaubt)
        z.Steuer = e.Liste.size() == 1 ? e.Liste.front().first : e.Vorschlag;
    return true;
}

bool tErfassungsmaske::SplitWechseln(int zeile, int spalte) {
    const int r = SplitZeile;
    const int o = SplitSpalte;
    if (zeile == r && spalte == o)
        return true;
    if (zeile < 1)
        return false;
    auto& z = Z.Aufteilung[size_t(r)];
    if (o == 1 && !z.Betrag.trimmed().isEmpty()) {
        const auto b = BetragAusText(z.Betrag);
        if (!b || b->cent() < 0)
            return false;
        z.Betrag = BetragText(*b);
        AufteilungDurchRechnen();
    }
    if (o == 0 && !z.Konto.trimmed().isEmpty()) {
        bool zahl = false;
        const qint64 n = z.Konto.trimmed().toLongLong(&zahl);
        if (zahl && geldkonto(n))
            return false;
        if (const auto k =
                zahl ? SachkontoLaden(dm.ADOConnection_Archiv, z.Konto.trimmed()) : std::nullopt) {
            z.Text = k->Bezeichnung;
        } else {
            if (TSIndex < 0)
                return false;
            const auto ts = TextschluesselHolen(dm.ADOConnection_Archiv, Sitzung().MNr,
                                                TSListe[size_t(TSIndex)].TSName);
            if (!ts)
                return false;
            z.Konto = QString::number(ts->Konto);
            z.Betrag = BetragText(ts->Betrag);
            z.Steuer = ts->Steuer;
            AufteilungKontierungPruefen(r);
            Z.Aufteilung[size_t(r)].Text =
                BuchungstextMitPlatzhaltern(ts->Buchungstext, belegdatum());
            AufteilungDurchRechnen();
        }
    }
    if (o == 2 && !Z.Aufteilung[size_t(r)].Konto.trimmed().isEmpty() &&
        !(zeile == r && spalte == 2) &&
        std::none_of(Steuerliste.begin(), Steuerliste.end(), [&](const auto& e) {
            return e.first == Z.Aufteilung[size_t(r)].Steuer.trimmed();
        }))
        return false;
    while (size_t(zeile) >= Z.Aufteilung.size())
        Z.Aufteilung.emplace_back();
    if (spalte == 2)
        AufteilungKontierungPruefen(zeile);
    SplitZeile = zeile;
    SplitSpalte = spalte;
    return true;
}

void tErfassungsmaske::SplitEnter() {
    if (NoReturnNext) {
        NoReturnNext = false;
        return;
    }
    if (SplitSpalte < 3) {
        SplitWechseln(SplitZeile, SplitSpalte + 1);
        return;
    }
    NoReturnNext = false;
    if (size_t(SplitZeile) + 1 >= Z.Aufteilung.size())
        SplitZeileAnhaengen();
    SplitWechseln(SplitZeile + 1, 0);
}

double tErfassungsmaske::Mehrwertsteuersatz(const QString& steuer, const QDate& datum) const {
    const tOptionen& o = Sitzung().Optionen;
    const bool ermaessigt = steuer.trimmed() == u"2" || steuer.trimmed() == u"8";
    // The installation's reduced-rate period reads the rates the table holds for its start.
    QDate tag = datum;
    if (o.SteuerErmaessigungVon.isValid() && o.SteuerErmaessigungBis.isValid() &&
        datum >= o.SteuerErmaessigungVon && datum <= o.SteuerErmaessigungBis)
        tag = o.SteuerErmaessigungVon;
    Abfrage q(dm.ADOConnection_Stamm,
              QStringLiteral("SELECT Bezeichnung FROM Steuerschluessel WHERE Kontenplan=?1 AND "
                             "Steuer=?2 AND GueltigVon<=?3 AND GueltigBis>=?3"),
              {Kontenplan(), ermaessigt ? QStringLiteral("8") : QStringLiteral("9"), tag});
    if (!q.naechste())
        return 0;
    static const QRegularExpression satz(QStringLiteral("(\\d+(?:,\\d+)?)\\s*%"));
    const auto m = satz.match(q.text(0));
    return m.hasMatch() ? m.captured(1).replace(u',', u'.').toDouble() : 0;
}

bool tErfassungsmaske::Hochrechnen(int zeile) {
    auto& z = Z.Aufteilung[size_t(zeile)];
    const auto n = BetragAusText(z.Betrag);
    if (!n)
        return false;
    const double rate = Mehrwertsteuersatz(z.Steuer, belegdatum().value_or(stichtag()));
    z.Betrag = BetragText(Anteil(*n, 1 + rate / 100));
    AufteilungDurchRechnen();
    return true;
}
