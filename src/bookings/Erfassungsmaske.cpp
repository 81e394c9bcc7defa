#include "Erfassungsmaske.h"

#include "Bankverbindungen.h"
#include "Belegmaske.h"
#include "Belegnummer.h"
#include "BuchungSpeichern.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Datum.h"
#include "Konten.h"
#include "Kontenbereiche.h"
#include "OffenePosten.h"
#include "Platzhalter.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Steuer.h"
#include "Text.h"
#include "Uhr.h"
#include "Zentralregulierung.h"

#include <QRegularExpression>

const tSpaltenDaten& BuchungsZeilenDaten(int spalte) {
    static const tSpaltenDaten daten[Spalte::Anzahl] = {
        {QStringLiteral("Bel.Datum"), 70, true}, {QStringLiteral("TS"), 50, false},
        {QStringLiteral("Konto"), 50, true},     {QStringLiteral("GKonto"), 50, true},
        {QStringLiteral("Betrag"), 80, true},    {QStringLiteral("E/A"), 30, false},
        {QStringLiteral("Steuer"), 50, false},   {QStringLiteral("Bel."), 55, true},
        {QStringLiteral("Nr."), 65, false},      {QStringLiteral("Erfassungstext"), 50, false}};
    return daten[spalte];
}

tErfassungsmaske::tErfassungsmaske(TDataModule1& d) : dm(d) {}

bool tErfassungsmaske::rechnungsbereich() const {
    return art() == Bereichsart::Wareneingang || art() == Bereichsart::Rechnungsausgang ||
           art() == Bereichsart::Kosten;
}

QDate tErfassungsmaske::stichtag() const {
    const tSitzung& s = Sitzung();
    return QDate(s.Jahr, s.Monat, TageImMonat(s.Monat, s.Jahr));
}

std::optional<QDate> tErfassungsmaske::belegdatum() const {
    return DatumAusText(Z.Spalten[Spalte::Datum], Sitzung().Monat, Sitzung().Jahr);
}

bool tErfassungsmaske::geldkonto(qint64 konto) const {
    const auto& b = Sitzung().Kontenbereiche;
    return konto >= KontenbereichGrenzen(b, Kontenbereich::Kasse).KontoVon &&
           konto <= KontenbereichGrenzen(b, Kontenbereich::Bank).KontoBis;
}

bool tErfassungsmaske::ZVSeiteSichtbar() const {
    return BereichOffen() && art() != Bereichsart::Kasse && art() != Bereichsart::Bank;
}

void tErfassungsmaske::BereichOeffnen(int bereichId) {
    bereich = BuchungsbereichLaden(dm.ADOConnection_Daten, bereichId);
    Z.BereichID = bereich.BereichID;
    BuchungsmaskeLeeren(true, true, true);
}

QDate tErfassungsmaske::LetztesBelegdatum() const {
    const tSitzung& s = Sitzung();
    const QDate erster(s.Jahr, s.Monat, 1);
    if (!BereichOffen())
        return erster;
    Abfrage q(dm.ADOConnection_Daten,
              QStringLiteral("SELECT max(Belegdatum) FROM Erfassungen WHERE BuchungsBereich=? "
                             "AND Belegdatum>=? AND Belegdatum<=?"),
              {bereich.BereichID, erster, stichtag()});
    if (q.naechste() && !q.istNull(0))
        return q.datum(0);
    return erster;
}

void tErfassungsmaske::BuchungsmaskeLeeren(bool tsLaden, bool tsFocus, bool datumSetzen) {
    const tSitzung& s = Sitzung();
    const QString tabelle = Z.ErfassungsTabelle;
    const Erfassungsreiter reiter = Z.Reiter;
    Z = tMaskenZustand();
    Z.BereichID = bereich.BereichID;
    Z.ErfassungsTabelle = tabelle;
    Z.Reiter = reiter;
    Z.Aufteilung.assign(1, {});
    alteBelegnummer.clear();
    vorAufteilungKonto.clear();
    vorAufteilungGKonto.clear();
    vorAufteilungSteuer.clear();
    aufteilungHier = false;
    Cursor = Spalte::TS;
    SplitlisteHatFokus = false;
    SplitZeile = 1;
    SplitSpalte = 1;
    AktTS.clear();
    Fehler.clear();
    FehlerFeld = Pruefcode::Buchungszeile;
    ZusatzTextGezeigt = false;
    Zusatztext.clear();
    NoReturnNext = false;
    ZVKundennummer.clear();
    ZVIBAN.clear();
    ZVMandatsreferenz.clear();
    ZVMandatsdatum.clear();
    ZVGruppeSichtbar = s.Optionen.OPOS;
    BankeinzugGesperrt = false;
    Aktiv[Spalte::Praefix] = bereich.BelegMaskeAendern;
    Z.Spalten[Spalte::Praefix] =
        BelegMaskeAufloesen(s.Jahr, s.Monat, 0, 0, bereich.BelegMaske, s.Firma.WirtschaftsBeginn);
    if (datumSetzen) {
        const QDate letztes = LetztesBelegdatum();
        Z.Spalten[Spalte::Datum] = DatumText(letztes > Heute() ? Heute() : letztes);
    }
    if (bereich.Konto != 0)
        Z.Spalten[Spalte::Konto] = QString::number(bereich.Konto);
    QString steuer = QStringLiteral("0");
    if (const auto k = SachkontoLaden(dm.ADOConnection_Archiv, Z.Spalten[Spalte::Konto]))
        steuer = k->Steuer;
    Z.Spalten[Spalte::Betrag] = QStringLiteral("0,00");
    Z.Spalten[Spalte::Seite] =
        art() == Bereichsart::Rechnungsausgang ? QStringLiteral("E") : QStringLiteral("A");
    if (tabelle != u"Erfassungen_Dauer" && bereich.BelegNrVergabe != BelegNrVergabe::Alt &&
        bereich.BelegNrVergabe != BelegNrVergabe::Keine && BereichOffen())
        Z.Spalten[Spalte::Nummer] = BelegnummerText(
            dm.ADOConnection_Daten, s.Jahr, s.Monat, bereich.BelegNrNeuBeginnen,
            bereich.BelegNrVergabe, 0, Z.Spalten[Spalte::Praefix], s.Firma.WirtschaftsBeginn);
    Z.BelegnummerVorschlag = Z.Spalten[Spalte::Nummer];
    for (const int c : {Spalte::Datum, Spalte::TS, Spalte::Betrag, Spalte::Seite, Spalte::Steuer,
                        Spalte::Nummer, Spalte::Text})
        Aktiv[c] = true;
    Aktiv[Spalte::Konto] = s.Optionen.KontoAnzeige && Z.Spalten[Spalte::Konto].isEmpty();
    Aktiv[Spalte::GKonto] = s.Optionen.KontoAnzeige;
    Z.Spalten[Spalte::Steuer] = steuer;
    Steuerliste.clear();
    TSIndex = -1;
    if (tsFocus) {
        // "Gegenkonto" is the counter-account column; the account column is mostly disabled.
        switch (s.Optionen.ErstesEingabeFeld) {
        case 0:
            Cursor = Spalte::Datum;
            break;
        case 2:
            Cursor = Spalte::GKonto;
            break;
        case 3:
            Cursor = Spalte::Betrag;
            break;
        default:
            Cursor = Spalte::TS;
        }
        while (!Aktiv[Cursor])
            Cursor = (Cursor + 1) % Spalte::Anzahl;
    }
    if (tsLaden)
        TextschluesselLaden();
}

void tErfassungsmaske::TextschluesselLaden() {
    if (!BereichOffen())
        return;
    tTextschluesselFilter f;
    f.Klasse = TSKlasseFuerBereichsart(art(), Z.AufteilungAktiv);
    TSListe =
        TextschluesselListe(dm.ADOConnection_Archiv, Sitzung().MNr, Sitzung().Kontenbereiche, f);
    TSIndex = -1;
}

void tErfassungsmaske::TSAuswaehlen(const QString& text) {
    TSIndex = -1;
    if (text.isEmpty())
        return;
    const QString gross = GrossSchreiben(text);
    for (size_t i = 0; i < TSListe.size(); ++i)
        if (GrossSchreiben(TSListe[i].TSName).startsWith(gross)) {
            TSIndex = int(i);
            return;
        }
}

void tErfassungsmaske::TSSchritt(int richtung) {
    if (TSListe.empty())
        return;
    TSIndex = TSIndex < 0 ? 0 : std::clamp(TSIndex + richtung, 0, int(TSListe.size()) - 1);
    Z.Spalten[Spalte::TS] = TSListe[size_t(TSIndex)].TSName;
}

bool tErfassungsmaske::ZeichenErlaubt(int spalte, QChar zeichen) const {
    if (spalte == Spalte::Betrag)
        return zeichen.isDigit() || zeichen == u',';
    return true;
}

// "+" and "-" are commands only where they cannot be part of the text: the prefix column holds
// masks with "-", the number and text columns are typed freely.
bool tErfassungsmaske::PlusMinus(int spalte, QChar zeichen) {
    if (zeichen != u'+' && zeichen != u'-')
        return false;
    const tSitzung& s = Sitzung();
    if (spalte == Spalte::Nummer && zeichen == u'+') {
        Z.Spalten[Spalte::Nummer] = BelegnummerText(
            dm.ADOConnection_Daten, s.Jahr, s.Monat, bereich.BelegNrNeuBeginnen,
            BelegNrVergabe::Automatisch, 0, Z.Spalten[Spalte::Praefix], s.Firma.WirtschaftsBeginn);
        Wechseln(Spalte::Text);
        return true;
    }
    if (spalte > Spalte::Steuer)
        return false;
    if (const auto d = belegdatum()) {
        const QDate neu = d->addDays(zeichen == u'+' ? 1 : -1);
        if (neu.month() == s.Monat && neu.year() == s.Jahr)
            Z.Spalten[Spalte::Datum] = DatumText(neu);
    }
    return true;
}

bool tErfassungsmaske::kontoartErlaubt(int spalte, qint64 nummer) {
    const tSitzung& s = Sitzung();
    const bool sach = SachkontoLaden(dm.ADOConnection_Archiv, QString::number(nummer)).has_value();
    const bool person =
        IstPersonenkonto(nummer) && KontoVorhanden(dm.ADOConnection_Archiv, s.MNr, nummer);
    const auto im = [nummer](qint64 von, qint64 bis) {
        return nummer >= von && nummer <= bis;
    };
    bool erlaubt = true;
    switch (art()) {
    case Bereichsart::Kasse:
    case Bereichsart::Bank:
        erlaubt = sach || person;
        break;
    // In the invoice journals the person range binds the counter account; the account column
    // takes the ledger account of the goods or revenue.
    case Bereichsart::Wareneingang:
        erlaubt = spalte == Spalte::GKonto ? person && im(90000, 99999) : sach;
        break;
    case Bereichsart::Rechnungsausgang:
        erlaubt = spalte == Spalte::GKonto ? person && im(10000, 69999) : sach;
        break;
    case Bereichsart::Kosten:
        erlaubt = spalte == Spalte::GKonto
                      ? person && im(80000, 89999)
                      : sach && KontoImKontenbereich(s.Kontenbereiche, nummer,
                                                     Kontenbereich::Kostenbereich);
        break;
    default:
        break;
    }
    if (erlaubt && person && spalte == Spalte::GKonto)
        ZVDatenEintragen(QString::number(nummer));
    return erlaubt;
}

bool tErfassungsmaske::KontierungPruefen() {
    const tSteuerErmittlung e = SteuerschluesselErmitteln(
        dm, art(), Z.Spalten[Spalte::Konto].trimmed().toLongLong(),
        Z.Spalten[Spalte::GKonto].trimmed().toLongLong(), Z.Spalten[Spalte::Steuer], stichtag());
    Steuerliste = e.Liste;
    if (!e.ZuordnungGueltig) {
        Fehler = QStringLiteral("Ungültige Kontierung!");
        return false;
    }
    if (!e.SchluesselErlaubt) {
        if (e.Liste.size() == 1)
            Z.Spalten[Spalte::Steuer] = e.Liste.front().first;
        else if (!Z.Spalten[Spalte::Steuer].isEmpty())
            Z.Spalten[Spalte::Steuer] = e.Vorschlag;
    }
    Aktiv[Spalte::Steuer] = e.Liste.size() > 1;
    return true;
}

void tErfassungsmaske::textErsetzen(const QString& neu) {
    QString& text = Z.Spalten[Spalte::Text];
    if (neu.trimmed().isEmpty() || text.trimmed() == neu.trimmed())
        return;
    if (text.trimmed().isEmpty()) {
        text = neu.trimmed();
        return;
    }
    NoReturnNext = true;
    const QString frage = QStringLiteral("Möchten Sie den vorhanden Erfassungstext\r\r\"") + text +
                          QStringLiteral("\"\r\rdurch dem neuen Text\r\r\"") + neu +
                          QStringLiteral("\"\r\rersetzen?");
    if (Benutzer().frage(Meldungsart::Bestaetigung, frage, Knoepfe::JaNein) == Antwort::Ja)
        text = neu.trimmed();
}

bool tErfassungsmaske::textschluesselUebernehmen(const tTextschluessel& k) {
    Z.Spalten[Spalte::TS] = k.TSName;
    AktTS = k.TSName;
    const bool hauptkontoAusListe =
        art() == Bereichsart::Kosten ||
        ((art() == Bereichsart::Wareneingang || art() == Bereichsart::Rechnungsausgang) &&
         k.ErstesAufteilungskontoHauptkonto) ||
        Z.BereichID == BereichErfassungenKlaeren;
    if (!k.Aufteilungskonten.empty() && hauptkontoAusListe)
        Z.Spalten[Spalte::Konto] = QString::number(k.Aufteilungskonten.front());
    Z.Spalten[Spalte::GKonto] = k.Konto ? QString::number(k.Konto) : QString();
    if (!ZusatzTextGezeigt && IstPersonenkonto(k.Konto))
        if (const auto p = PersonenkontoLaden(dm.ADOConnection_Archiv, Sitzung().MNr, k.Konto);
            p && p->ZusatztextPopup && !p->ZusatzText.isEmpty()) {
            Zusatztext = p->ZusatzText;
            ZusatzTextGezeigt = true;
        }
    const bool neu = Z.BearbeitungsID < 0;
    if (neu) {
        Z.Spalten[Spalte::Betrag] = BetragText(k.Betrag);
        if (!k.Buchungsseite.isEmpty())
            Z.Spalten[Spalte::Seite] = k.Buchungsseite;
    }
    Z.Spalten[Spalte::Steuer] = k.Steuer.isEmpty() ? QStringLiteral("0") : k.Steuer;
    if (!KontierungPruefen()) {
        Cursor = Spalte::TS;
        return false;
    }
    if (!k.Buchungstext.trimmed().isEmpty())
        textErsetzen(BuchungstextMitPlatzhaltern(k.Buchungstext, belegdatum()));
    Aktiv[Spalte::TS] = Aktiv[Spalte::Konto] = Aktiv[Spalte::GKonto] = false;
    if (neu)
        ZVDatenEintragen(Z.Spalten[Spalte::GKonto]);
    return true;
}

bool tErfassungsmaske::Wechseln(int c) {
    const int o = Cursor;
    if (o == c)
        return true;
    const tSitzung& s = Sitzung();
    QString* zelle = Z.Spalten;
    if (o == Spalte::Betrag) {
        const auto betrag = BetragAusText(zelle[o]);
        if (!betrag)
            return false;
        zelle[o] = BetragText(*betrag);
        rabattNeu();
    }
    if (o == Spalte::GKonto && IstGanzzahl(zelle[o].trimmed()) &&
        geldkonto(zelle[o].trimmed().toLongLong()))
        return false;
    if (o == Spalte::Datum) {
        const auto d = belegdatum();
        if (!d)
            return false;
        // Templates carry their start date, which may lie in any month.
        if (Z.ErfassungsTabelle != u"Erfassungen_Dauer" &&
            (d->month() != s.Monat || d->year() != s.Jahr))
            return false;
        zelle[o] = DatumText(*d);
    }
    if (o == Spalte::Seite) {
        if (!SeiteGueltig(zelle[o]))
            return false;
        zelle[o] = zelle[o].toUpper();
    }
    if (o == Spalte::Steuer && !zelle[o].isEmpty() && zelle[o] != u"0" &&
        !SteuerZulaessig(dm, zelle[Spalte::Konto].trimmed().toLongLong(),
                         zelle[Spalte::GKonto].trimmed().toLongLong(), zelle[o], stichtag()))
        return false;
    if ((o == Spalte::Konto || o == Spalte::GKonto) && !zelle[o].trimmed().isEmpty() &&
        zelle[o].trimmed() != u"0") {
        bool zahl = false;
        const qint64 n = zelle[o].trimmed().toLongLong(&zahl);
        if (!zahl || !kontoartErlaubt(o, n))
            return false;
    }
    if (o == Spalte::GKonto) {
        // A wrong pair is refused with everything typed kept, also while editing.
        if (!KontierungPruefen())
            return false;
        Fehler.clear();
        const qint64 g = zelle[o].trimmed().toLongLong();
        if (g != 0)
            textErsetzen(KontoBezeichnung(dm.ADOConnection_Archiv, s.MNr, g));
    }
    if (o == Spalte::TS && Aktiv[Spalte::TS] && !zelle[o].isEmpty()) {
        if (TSIndex < 0)
            return false;
        const auto k =
            TextschluesselHolen(dm.ADOConnection_Archiv, s.MNr, TSListe[size_t(TSIndex)].TSName);
        if (!k)
            return false;
        if (k->TSName != AktTS && !textschluesselUebernehmen(*k))
            return false;
    }
    int ziel = c;
    const int richtung = c > o ? 1 : -1;
    while (!Aktiv[ziel])
        ziel = (ziel + richtung + Spalte::Anzahl) % Spalte::Anzahl;
    Cursor = ziel;
    return true;
}

bool tErfassungsmaske::Enter() {
    if (NoReturnNext) {
        NoReturnNext = false;
        return false;
    }
    if (Cursor == Spalte::Text)
        return Speichern();
    Wechseln(Cursor + 1);
    return false;
}

bool tErfassungsmaske::Speichern() {
    if (!BereichOffen() && Z.KlaerBereichID < 0)
        return false;
    // Leaving the current cell runs its checks, as moving on would.
    const int cursor = Cursor;
    if (!Wechseln(cursor == Spalte::Text ? Spalte::Nummer : Spalte::Text))
        return false;
    Cursor = cursor;
    if (Z.AufteilungAktiv) {
        AufteilungDurchRechnen();
        for (size_t i = 0; i < Z.Aufteilung.size(); ++i) {
            const auto b = BetragAusText(Z.Aufteilung[i].Betrag);
            if (b && b->cent() < 0) {
                // Stored amounts are positive; the side of the booking carries the sign.
                Fehler = i == 0 ? QStringLiteral("Die Aufteilung übersteigt den Betrag der "
                                                 "Erfassung: negativer Restbetrag!")
                                : QStringLiteral("Negative Beträge sind in der Aufteilung nicht "
                                                 "zulässig!");
                FehlerFeld = Pruefcode::Buchungszeile;
                return false;
            }
        }
    }
    Z.BelegnummerBehalten = !alteBelegnummer.isEmpty() &&
                                    Z.Spalten[Spalte::Nummer].trimmed() == alterZaehler &&
                                    Z.Spalten[Spalte::Praefix] == altePraefix
                                ? alteBelegnummer
                                : QString();
    tBuchung b;
    if (!BuchungPruefenMaske(dm, Z, b) || !AktuelleBuchungSpeichern(dm, b, Z)) {
        Fehler = b.FehlerString;
        FehlerFeld = b.FehlerCode == Pruefcode::Kassenminus || b.FehlerCode == Pruefcode::Ok
                         ? Pruefcode::Buchungszeile
                         : b.FehlerCode;
        if (FehlerFeld == Pruefcode::Buchungszeile && b.FehlerCode != Pruefcode::Ok &&
            Aktiv[b.FehlerSpalte])
            Cursor = b.FehlerSpalte;
        return false;
    }
    BuchungsmaskeLeeren(true, true, true);
    return true;
}

bool tErfassungsmaske::BuchungLaden(const QString& tabelle, qint64 buchungsId) {
    static const QStringList tabellen{"Erfassungen", "Erfassungen_Import", "Erfassungen_Dauer",
                                      "Erfassungen_DauerPool"};
    const tSitzung& s = Sitzung();
    if (s.NurLesen) {
        Benutzer().fehler(QStringLiteral("Sie haben hierfür keine Berechtigung!"));
        return false;
    }
    if (!tabellen.contains(tabelle))
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    // The table comes from the fixed list above.
    Abfrage q(daten,
              QStringLiteral("SELECT * FROM %1 WHERE BuchungsID=? ORDER BY Hauptbuchung DESC, ID")
                  .arg(tabelle),
              {buchungsId});
    if (!q.naechste()) {
        Benutzer().fehler(QStringLiteral("Fehler beim Bearbeiten der Buchung!"));
        return false;
    }
    if (q.wahr("Festgeschrieben")) {
        Benutzer().fehler(
            QStringLiteral("Diese Buchung kann nicht bearbeitet, sondern nur gelöscht werden!"));
        return false;
    }
    Z.ErfassungsTabelle = tabelle;
    BuchungsmaskeLeeren(false, false, false);
    Z.KlaerBereichID = int(q.ganzzahl("BuchungsBereich"));
    Z.BearbeitungsID = buchungsId;
    QString* zelle = Z.Spalten;
    zelle[Spalte::Datum] = DatumText(q.datum("Belegdatum"));
    zelle[Spalte::TS] = AktTS = q.text("TSName");
    TSAuswaehlen(AktTS);
    const qint64 konto = q.ganzzahl("Konto");
    const qint64 gkonto = q.ganzzahl("GKonto");
    zelle[Spalte::Konto] = konto ? QString::number(konto) : QString();
    zelle[Spalte::GKonto] = gkonto ? QString::number(gkonto) : QString();
    zelle[Spalte::Betrag] = BetragText(q.betrag("Betrag"));
    zelle[Spalte::Seite] = q.text("Buchungsseite");
    zelle[Spalte::Steuer] = q.text("Steuer");
    zelle[Spalte::Praefix] = q.text("BelegMaske");
    if (!q.text("BelegZaehler").isEmpty()) {
        zelle[Spalte::Nummer] = q.text("BelegZaehler");
    } else if (!q.text("Belegnummer").isEmpty()) {
        static const QRegularExpression ziffern(QStringLiteral("(\\d+)$"));
        const auto m = ziffern.match(q.text("Belegnummer"));
        zelle[Spalte::Nummer] = QString::number(m.hasMatch() ? m.captured(1).toLongLong() : 0);
        // An old-style number stays as stored unless the user changes it.
        alteBelegnummer = q.text("Belegnummer");
        alterZaehler = zelle[Spalte::Nummer];
        altePraefix = zelle[Spalte::Praefix];
    }
    Z.BelegnummerVorschlag.clear();
    zelle[Spalte::Text] = tabelle == u"Erfassungen_Import"
                              ? BuchungstextMitPlatzhaltern(q.text("Buchungstext"), belegdatum())
                              : q.text("Buchungstext");
    const bool tsLeer = zelle[Spalte::TS].isEmpty();
    Aktiv[Spalte::Konto] =
        zelle[Spalte::Konto].isEmpty() || (tsLeer && art() == Bereichsart::Kosten);
    Aktiv[Spalte::GKonto] = zelle[Spalte::GKonto].isEmpty() || tsLeer;
    if (!s.Optionen.KontoAnzeige)
        Aktiv[Spalte::Konto] = Aktiv[Spalte::GKonto] = false;
    Z.BuchungsBemerkung = q.text("Bemerkung");
    Z.Rechnungsnummer = q.text("Rechnungsnummer");
    Z.Klaeren = q.wahr("BuchungKlaeren");
    Z.NichtAufteilungskonto = int(q.ganzzahl("NichtAufteilungskonto"));
    Z.AufteilungsSeite = int(q.ganzzahl("AufteilungsSeite"));
    if (tabelle == u"Erfassungen") {
        Abfrage op(daten,
                   QStringLiteral("SELECT * FROM OffenePosten WHERE BuchungsID=? AND "
                                  "coalesce(Geloescht, 0)=0 ORDER BY ID"),
                   {buchungsId});
        if (op.naechste()) {
            Z.Bankeinzug = op.wahr("Bankeinzug");
            Z.SkontoSatz = op.zahl("SkontoSatz");
            Z.Skontotage = int(op.ganzzahl("SkontoTage"));
            Z.Nettotage = int(op.ganzzahl("NettoTage"));
            Z.Valutatage = int(op.ganzzahl("ValutaTage"));
        }
    } else {
        Z.Bankeinzug = q.wahr("Bankeinzug");
        Z.SkontoSatz = q.zahl("Skontosatz");
        Z.Skontotage = int(q.ganzzahl("Skontotage"));
        Z.Nettotage = int(q.ganzzahl("Nettotage"));
        Z.Valutatage = int(q.ganzzahl("Valutatage"));
    }
    rabattNeu();
    bool aufgeteilt = false;
    const bool rechnung = rechnungsbereich();
    while (q.naechste()) {
        if (!aufgeteilt) {
            aufgeteilt = true;
            Z.AufteilungAktiv = true;
            Z.Aufteilung.clear();
        }
        const qint64 k = rechnung ? q.ganzzahl("Konto") : q.ganzzahl("GKonto");
        Z.Aufteilung.push_back({QString::number(k), BetragText(q.betrag("Betrag")),
                                q.text("Steuer"), q.text("Buchungstext")});
    }
    if (aufgeteilt) {
        Z.Aufteilung.push_back({});
        vorschlaegeLaden();
        TextschluesselLaden();
    }
    Aktiv[Spalte::TS] =
        !aufgeteilt || art() == Bereichsart::Wareneingang || art() == Bereichsart::Rechnungsausgang;
    KontierungPruefen();
    Cursor = Aktiv[Spalte::TS] ? Spalte::TS : Spalte::Betrag;
    return true;
}

void tErfassungsmaske::MonatWaehlen(int monat) {
    tSitzung& s = Sitzung();
    const auto alt = belegdatum();
    const bool datumGesetzt = !Z.Spalten[Spalte::Datum].trimmed().isEmpty();
    s.Monat = monat;
    if (BereichOffen())
        BuchungsmaskeLeeren(true, true, !datumGesetzt);
    if (datumGesetzt) {
        const int tag = alt ? std::min(alt->day(), TageImMonat(monat, s.Jahr)) : 1;
        Z.Spalten[Spalte::Datum] = DatumText(QDate(s.Jahr, monat, tag));
    }
}

void tErfassungsmaske::JahrWaehlen(int jahr) {
    tSitzung& s = Sitzung();
    if (jahr == s.Jahr)
        return;
    const int monat = jahr > s.Jahr ? 1 : 12;
    const auto alt = belegdatum();
    s.Jahr = jahr;
    if (alt)
        Z.Spalten[Spalte::Datum] = DatumText(QDate(jahr, s.Monat, 1).addDays(alt->day() - 1));
    MonatWaehlen(monat);
}

void tErfassungsmaske::ZVDatenEintragen(const QString& konto) {
    if (konto.trimmed().isEmpty())
        return;
    const tSitzung& s = Sitzung();
    const tKontoZVDaten zv = KontoZVDatenLaden(dm.ADOConnection_Archiv, s.MNr, konto);
    const auto oderStrich = [](const QString& t) {
        return t.trimmed().isEmpty() ? QStringLiteral("-") : t.trimmed();
    };
    tBankverbindung verbindung;
    BankverbindungLaden(dm.ADOConnection_Archiv, s.Kontenbereiche, s.MNr, konto.toLongLong(),
                        verbindung);
    ZVKundennummer = oderStrich(zv.Kundennummer);
    ZVIBAN = oderStrich(verbindung.IBAN);
    ZVMandatsreferenz = oderStrich(zv.Mandatsreferenz);
    ZVMandatsdatum = zv.MandatsunterschriftDatum.year() > 1899
                         ? DatumText(zv.MandatsunterschriftDatum)
                         : QStringLiteral("-");
    ZVGruppeSichtbar = s.Optionen.OPOS && zv.OPOS;
    BankeinzugGesperrt = ZentralregulierungVorhanden(dm.ADOConnection_Daten, konto.toLongLong());
    Z.Bankeinzug = BankeinzugGesperrt || zv.Bankeinzug;
    Z.SkontoSatz = zv.SSatz;
    Z.Skontotage = zv.STage;
    Z.Valutatage = 0;
    Z.Nettotage = zv.NTage;
    const auto d = belegdatum();
    if (zv.NettofaelligkeitMonatsende && d)
        Z.Nettotage = int(d->daysTo(QDate(d->year(), d->month(), d->daysInMonth())));
    rabattNeu();
    Z.Nettotage = std::max(Z.Nettotage, Z.Skontotage);
}

void tErfassungsmaske::rabattNeu() {
    SkontoSatzSetzen(Z.SkontoSatz);
}

void tErfassungsmaske::SkontoSatzSetzen(double satz) {
    Z.SkontoSatz = satz;
    Z.SkontoBetrag =
        Anteil(BetragAusText(Z.Spalten[Spalte::Betrag]).value_or(Betrag()), satz / 100);
}

void tErfassungsmaske::SkontoBetragSetzen(Betrag betrag) {
    Z.SkontoBetrag = betrag;
    const Betrag summe = BetragAusText(Z.Spalten[Spalte::Betrag]).value_or(Betrag());
    Z.SkontoSatz =
        summe.istNull()
            ? 0
            : double(RundenAufCent(double(betrag.cent()) * 100 / double(summe.cent())).cent()) /
                  100;
}

QString tErfassungsmaske::Zahlbetrag() const {
    const Betrag summe = BetragAusText(Z.Spalten[Spalte::Betrag]).value_or(Betrag());
    return QStringLiteral("Zahlbetrag: ") + BetragText(summe - Z.SkontoBetrag);
}

QDate tErfassungsmaske::ValutaDatum() const {
    const auto d = belegdatum();
    return d ? d->addDays(Z.Valutatage) : QDate();
}

QDate tErfassungsmaske::SkontoDatum() const {
    const QDate v = ValutaDatum();
    return v.isValid() ? v.addDays(Z.Skontotage) : QDate();
}

QDate tErfassungsmaske::FaelligkeitsDatum() const {
    const QDate v = ValutaDatum();
    return v.isValid() ? v.addDays(Z.Nettotage) : QDate();
}

bool tErfassungsmaske::ValutaDatumVerlassen(const QString& text) {
    const tSitzung& s = Sitzung();
    const QDate beleg = belegdatum().value_or(QDate(s.Jahr, s.Monat, 1));
    const auto d = DatumAusText(text, s.Monat, s.Jahr);
    if (!d || *d < beleg) {
        Z.Valutatage = 0;
        return false;
    }
    Z.Valutatage = int(beleg.daysTo(*d));
    return true;
}

bool tErfassungsmaske::SkontoDatumVerlassen(const QString& text) {
    const QDate valuta = ValutaDatum();
    if (!valuta.isValid())
        return true;
    const auto d = DatumAusText(text, valuta.month(), valuta.year());
    if (!d || *d < valuta) {
        Z.Skontotage = 0;
        return false;
    }
    Z.Skontotage = int(valuta.daysTo(*d));
    NettotageAnheben();
    return true;
}

bool tErfassungsmaske::FaelligkeitsDatumVerlassen(const QString& text) {
    const QDate valuta = ValutaDatum();
    if (!valuta.isValid())
        return true;
    const auto d = DatumAusText(text, valuta.month(), valuta.year());
    if (!d || *d < valuta) {
        Z.Nettotage = 0;
        return false;
    }
    Z.Nettotage = int(valuta.daysTo(*d));
    return true;
}

void tErfassungsmaske::NettotageAnheben() {
    Z.Nettotage = std::max(Z.Nettotage, Z.Skontotage);
}

bool tErfassungsmaske::FaelligkeitAufteilen() {
    const Betrag betrag = BetragAusText(Z.Spalten[Spalte::Betrag]).value_or(Betrag());
    if (betrag.istNull()) {
        Benutzer().fehler(QStringLiteral("Der Rechnungsbetrag ist ungültig!"));
        return false;
    }
    auto teile = FaelligkeitenAufteilen(betrag, ValutaDatum());
    // Cancelling leaves an instalment plan entered before untouched.
    if (!teile)
        return Z.Faelligkeitsaufteilung.has_value();
    if (teile->empty()) {
        Z.Faelligkeitsaufteilung.reset();
        return false;
    }
    Z.Faelligkeitsaufteilung = std::move(*teile);
    Z.Skontotage = 0;
    Z.Nettotage = 0;
    SkontoSatzSetzen(0);
    return true;
}
