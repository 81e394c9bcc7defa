#include "Buchungsbereiche.h"

#include "DataModule.h"
#include "Datenbank.h"
#include "Kontenbereiche.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Text.h"

namespace {

constexpr int ErsteBereichID = 1;
constexpr int LetzteBereichID = 49;

int vergabeAusZeile(const Abfrage& a) {
    const int vergabe = int(a.ganzzahl("BelegNrVergabe"));
    if (vergabe != 0)
        return vergabe;
    return a.wahr("AutoBeleg", true) ? 1 : 3;
}

std::optional<int> freieBereichID(Datenbank& daten) {
    Abfrage a(daten,
              QStringLiteral("SELECT BereichID FROM Buchungsbereiche "
                             "WHERE BereichID BETWEEN ? AND ? ORDER BY BereichID"),
              {ErsteBereichID, LetzteBereichID});
    int kandidat = ErsteBereichID;
    while (a.naechste()) {
        if (a.ganzzahl(0) != kandidat)
            break;
        ++kandidat;
    }
    if (kandidat > LetzteBereichID)
        return std::nullopt;
    return kandidat;
}

bool kontoVonAnderemBereich(Datenbank& daten, qint64 konto, int bereichId) {
    return daten
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Buchungsbereiche WHERE Konto=? AND "
                                     "BereichID<>? AND (Aktiv=1 OR Aktiviert=1) LIMIT 1"),
                      {konto, bereichId})
        .has_value();
}

// The start row follows the account when it changes: the old account keeps it only while
// another area still uses that account or it holds carry-forwards as well.
void anfangVerschieben(Datenbank& daten, qint64 altKonto, int bereichId) {
    if (altKonto == 0 || kontoVonAnderemBereich(daten, altKonto, bereichId))
        return;
    if (AnzahlDatensaetze(daten, QStringLiteral("SELECT 1 FROM Salden WHERE Konto=?"),
                          {altKonto}) == 1)
        daten.ausfuehren(QStringLiteral("DELETE FROM Salden WHERE Konto=?"), {altKonto});
}

bool anfangSchreiben(Datenbank& daten, const tGeldkonto& g) {
    const qint64 zeilen =
        AnzahlDatensaetze(daten, QStringLiteral("SELECT 1 FROM Salden WHERE Konto=?"), {g.Konto});
    if (zeilen == 0) {
        daten.ausfuehren(
            QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES (?, ?, ?)"),
            {g.Konto, g.AnfangsMonat, g.AnfangsSaldo});
        return true;
    }
    if (zeilen == 1) {
        daten.ausfuehren(QStringLiteral("UPDATE Salden SET Datum=?, Saldo=? WHERE Konto=?"),
                         {g.AnfangsMonat, g.AnfangsSaldo, g.Konto});
        return true;
    }
    // Carry-forwards follow the start row; changing it would falsify them.
    const tSaldoStart start = SaldoStartLaden(daten, g.Konto);
    if (start.Datum == g.AnfangsMonat && start.Saldo == g.AnfangsSaldo)
        return true;
    Benutzer().fehler(QStringLiteral("Anfangssaldo und Aktivierungsmonat des Kontos \"%1\" können "
                                     "nicht geändert werden, da für dieses Konto bereits "
                                     "Saldenvorträge bestehen!")
                          .arg(g.Konto));
    return false;
}

void zahlungsverbindungSchreiben(Datenbank& archiv, const QString& mnr, qint64 konto,
                                 const tBankverbindung& b) {
    archiv.ausfuehren(
        QStringLiteral("DELETE FROM KontoBankverbindungen WHERE MNr=? AND Konto=? AND ID=0"),
        {mnr, konto});
    archiv.ausfuehren(
        QStringLiteral("INSERT INTO KontoBankverbindungen (ID, MNr, Konto, "
                       "Bankleitzahl, Kontonummer, IBAN, BIC, Geprueft, "
                       "AbweichenderKontoinhaber) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {mnr, konto, b.Bankleitzahl, b.Kontonummer, b.IBAN, b.BIC, b.Geprueft,
         b.AbweichenderKontoinhaber});
}

} // namespace

QString BereichsartText(int bereichsart) {
    switch (bereichsart) {
    case Bereichsart::Kasse:
        return QStringLiteral("Kasse");
    case Bereichsart::Bank:
        return QStringLiteral("Bank");
    case Bereichsart::Wareneingang:
        return QStringLiteral("Wareneingang");
    case Bereichsart::Rechnungsausgang:
        return QStringLiteral("Rechnungsausgang");
    case Bereichsart::Kosten:
        return QStringLiteral("Kosten");
    default:
        return QStringLiteral("Sonstige");
    }
}

int BereichSymbolIndex(int status, int bereichsart) {
    if (status != 0)
        return 28;
    switch (bereichsart) {
    case Bereichsart::Wareneingang:
        return 53;
    case Bereichsart::Rechnungsausgang:
        return 55;
    case Bereichsart::Kosten:
        return 52;
    default:
        return 54;
    }
}

tBuchungsbereich BuchungsbereichLaden(Datenbank& daten, int bereichId) {
    tBuchungsbereich b;
    Abfrage a(daten, QStringLiteral("SELECT * FROM Buchungsbereiche WHERE BereichID=?"),
              {bereichId});
    if (!a.naechste())
        return b;
    b.BereichID = bereichId;
    b.Konto = a.ganzzahl("Konto");
    b.Bereichsart = int(a.ganzzahl("Bereichsart"));
    b.Bezeichnung = a.text("Bezeichnung");
    b.Aktiviert = a.wahr("Aktiviert");
    b.Aktiv = a.wahr("Aktiv");
    const tSaldoStart start = SaldoStartLaden(daten, b.Konto);
    b.AnfangsMonat = start.Datum;
    b.AnfangsSaldo = start.Saldo;
    b.BelegNrNeuBeginnen = int(a.ganzzahl("BelegNrNeuBeginnen"));
    b.BelegMaske = a.text("BelegMaske");
    b.S_H = a.text("S_H");
    b.BelegNrVergabe = vergabeAusZeile(a);
    b.KeinHinweisDoppelteBNr = a.wahr("KeinHinweisDoppelteBNr");
    b.BelegMaskeAendern = a.wahr("BelegMaskeAendern");
    b.BNrAlsRNr = a.wahr("BNrAlsRNr");
    b.Symbol = BereichSymbolIndex(0, b.Bereichsart);
    return b;
}

int BereichsartErmitteln(Datenbank& daten, int bereichId) {
    return int(daten
                   .ganzzahlWert(
                       QStringLiteral("SELECT Bereichsart FROM Buchungsbereiche WHERE BereichID=?"),
                       {bereichId})
                   .value_or(-1));
}

tSaldoStart SaldoStartLaden(Datenbank& daten, qint64 konto) {
    tSaldoStart s;
    Abfrage a(daten,
              QStringLiteral("SELECT Datum, Saldo FROM Salden WHERE Konto=? "
                             "ORDER BY Datum, rowid LIMIT 2"),
              {konto});
    if (a.naechste()) {
        s.Datum = a.datum(0);
        s.Saldo = a.betrag(1);
        s.EinzigerSaldo = !a.naechste();
    }
    return s;
}

tBereichsListe BuchungsbereicheLaden(Datenbank& daten, int monat, int jahr,
                                     bool wiederkErfassungenAktiv,
                                     const std::function<bool(int)>& darfBereich) {
    tBereichsListe liste;
    const QDate monatsErster(jahr, monat, 1);
    std::vector<int> ids;
    {
        Abfrage a(daten, QStringLiteral("SELECT BereichID FROM Buchungsbereiche WHERE Aktiv=1 "
                                        "ORDER BY Bereichsart, BereichID"));
        while (a.naechste())
            ids.push_back(int(a.ganzzahl(0)));
    }
    for (int id : ids) {
        if (!darfBereich(id))
            continue;
        tBuchungsbereich b = BuchungsbereichLaden(daten, id);
        const bool journal = b.Bereichsart == Bereichsart::Wareneingang ||
                             b.Bereichsart == Bereichsart::Rechnungsausgang ||
                             b.Bereichsart == Bereichsart::Kosten;
        if (!journal && b.AnfangsMonat.isValid() && monatsErster < b.AnfangsMonat)
            continue;
        const qint64 status =
            daten
                .ganzzahlWert(QStringLiteral("SELECT Status FROM BuchungsbereicheStatus "
                                             "WHERE Monat=? AND Jahr=? AND BereichID=? LIMIT 1"),
                              {monat, jahr, id})
                .value_or(0);
        b.Status = status > 0 ? int(status) : 0;
        b.Symbol = BereichSymbolIndex(b.Status, b.Bereichsart);
        liste.push_back(b);
    }
    auto pseudo = [&](int id, const QString& name) {
        tBuchungsbereich b;
        b.BereichID = id;
        b.Bereichsart = id;
        b.Bezeichnung = name;
        b.Aktiviert = true;
        b.Aktiv = true;
        b.Symbol = 54;
        liste.push_back(b);
    };
    pseudo(BereichErfassungenKlaeren, QStringLiteral("Erfassungen klären"));
    if (wiederkErfassungenAktiv)
        pseudo(BereichWiederkErfassungen, QStringLiteral("Wiederk. Erfassungen"));
    return liste;
}

void BuchungsbereichStatusSetzen(Datenbank& daten, int bereichId, int monat, int jahr, int status) {
    Transaktion t(daten);
    if (daten.ausfuehren(QStringLiteral("UPDATE BuchungsbereicheStatus SET Status=? "
                                        "WHERE Monat=? AND Jahr=? AND BereichID=?"),
                         {status, monat, jahr, bereichId}) == 0)
        daten.ausfuehren(QStringLiteral("INSERT INTO BuchungsbereicheStatus (Monat, Jahr, "
                                        "BereichID, Status) VALUES (?, ?, ?, ?)"),
                         {monat, jahr, bereichId, status});
    t.bestaetigen();
}

bool BuchungsbereichLoeschen(TDataModule1& dm, int bereichId) {
    tSitzung& s = Sitzung();
    if (s.NurLesen)
        return false;
    Datenbank& daten = dm.ADOConnection_Daten;
    Transaktion td(daten);
    const tBuchungsbereich b = BuchungsbereichLaden(daten, bereichId);
    if (b.BereichID < 0 || b.Konto == 0 || b.Bereichsart != Bereichsart::Bank) {
        Benutzer().fehler(
            QStringLiteral("Es ist ein Fehler beim Löschen des Erfassungsbereichs aufgetreten!"));
        return false;
    }
    if (daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen WHERE Konto=? OR GKonto=? "
                                          "OR BuchungsBereich=? LIMIT 1"),
                           {b.Konto, b.Konto, bereichId})) {
        Benutzer().fehler(QStringLiteral(
            "Für den ausgewählten Erfassungsbereich wurden bereits Erfassungen getätigt.\r"
            "Das Löschen des Erfassungsbereichs ist daher nicht möglich!"));
        return false;
    }
    for (const char* pool : {"Erfassungen_Import", "Erfassungen_DauerPool"}) {
        if (daten.ganzzahlWert(QStringLiteral("SELECT 1 FROM %1 WHERE BuchungsBereich=? LIMIT 1")
                                   .arg(QLatin1String(pool)),
                               {bereichId})) {
            Benutzer().fehler(QStringLiteral(
                "Für den ausgewählten Erfassungsbereich liegen noch nicht übernommene "
                "Erfassungen im Import- oder Dauerpool vor.\r"
                "Das Löschen des Erfassungsbereichs ist daher nicht möglich!"));
            return false;
        }
    }
    // The ID is handed out again, so nothing of this area may stay behind for the next one.
    daten.ausfuehren(QStringLiteral("DELETE FROM Erfassungen_Dauer WHERE BuchungsBereich=?"),
                     {bereichId});
    for (const char* tabelle : {"AufteilungskontenBereich", "BuchungsbereicheStatus"})
        daten.ausfuehren(
            QStringLiteral("DELETE FROM %1 WHERE BereichID=?").arg(QLatin1String(tabelle)),
            {bereichId});
    daten.ausfuehren(QStringLiteral("UPDATE Optionen SET StandardZahlbank=-1 "
                                    "WHERE StandardZahlbank=?"),
                     {bereichId});
    daten.ausfuehren(QStringLiteral("DELETE FROM Buchungsbereiche WHERE BereichID=?"), {bereichId});

    Transaktion tb(dm.ADOConnection_Bereich);
    dm.ADOConnection_Bereich.ausfuehren(
        QStringLiteral("DELETE FROM Benutzerrechte WHERE MNr=? AND RID1=0 AND RID2=?"),
        {s.MNr, bereichId});
    Transaktion ta(dm.ADOConnection_Archiv);
    dm.ADOConnection_Archiv.ausfuehren(
        QStringLiteral("DELETE FROM LernEintraege WHERE BereichID=? AND AngelegtVonMNr=?"),
        {bereichId, s.MNr});
    ta.bestaetigen();
    tb.bestaetigen();
    td.bestaetigen();
    if (s.Optionen.StandardZahlbank == bereichId)
        s.Optionen.StandardZahlbank = -1;
    return true;
}

bool StandardZahlbankUmschalten(TDataModule1& dm, int bereichId) {
    if (BereichsartErmitteln(dm.ADOConnection_Daten, bereichId) != Bereichsart::Bank) {
        Benutzer().fehler(QStringLiteral("Der ausgewählte Bereich konnte nicht als "
                                         "Standardzahlbank gesetzt werden!"));
        return false;
    }
    tOptionen o = Sitzung().Optionen;
    o.StandardZahlbank = o.StandardZahlbank == bereichId ? -1 : bereichId;
    OptionenSpeichern(dm, o);
    Sitzung().Optionen = o;
    return true;
}

std::optional<tGeldkonto> GeldkontoLaden(TDataModule1& dm, int bereichId) {
    Datenbank& daten = dm.ADOConnection_Daten;
    Abfrage a(daten, QStringLiteral("SELECT * FROM Buchungsbereiche WHERE BereichID=?"),
              {bereichId});
    if (!a.naechste()) {
        Benutzer().fehler(QStringLiteral("Fehler beim Laden des Kontos!"));
        return std::nullopt;
    }
    tGeldkonto g;
    g.BereichID = bereichId;
    g.Bereichsart = int(a.ganzzahl("Bereichsart"));
    g.Konto = a.ganzzahl("Konto");
    g.Bezeichnung = a.text("Bezeichnung");
    g.Aktiv = a.wahr("Aktiv");
    g.BelegNrVergabe = vergabeAusZeile(a);
    g.BelegNrNeuBeginnen = int(a.ganzzahl("BelegNrNeuBeginnen"));
    g.BelegMaske = a.text("BelegMaske");
    g.ZVVerzeichnis = a.text("ZVVerzeichnis");
    const bool geldkonto =
        g.Bereichsart == Bereichsart::Kasse || g.Bereichsart == Bereichsart::Bank;
    g.KeinHinweisDoppelteBNr = geldkonto && a.wahr("KeinHinweisDoppelteBNr");
    g.BelegMaskeAendern = a.wahr("BelegMaskeAendern");
    g.BNrAlsRNr = a.wahr("BNrAlsRNr");
    g.Alternative.Geprueft = a.wahr("AlternativeGeprueft");
    g.Alternative.IBAN = a.text("AlternativeIBAN");
    g.Alternative.BIC = a.text("AlternativeBIC");
    g.Alternative.Kontonummer = a.text("AlternativeKontonummer");
    g.Alternative.Bankleitzahl = a.text("AlternativeBankleitzahl");
    const tSaldoStart start = SaldoStartLaden(daten, g.Konto);
    g.AnfangsMonat = start.Datum;
    g.AnfangsSaldo = start.Saldo;
    Abfrage b(dm.ADOConnection_Archiv,
              QStringLiteral("SELECT * FROM KontoBankverbindungen WHERE MNr=? AND Konto=? "
                             "ORDER BY ID LIMIT 1"),
              {Sitzung().MNr, g.Konto});
    if (b.naechste()) {
        g.Zahlung.Geprueft = b.wahr("Geprueft");
        g.Zahlung.IBAN = b.text("IBAN");
        g.Zahlung.BIC = b.text("BIC");
        g.Zahlung.Kontonummer = b.text("Kontonummer");
        g.Zahlung.Bankleitzahl = b.text("Bankleitzahl");
        g.Zahlung.AbweichenderKontoinhaber = b.text("AbweichenderKontoinhaber");
    }
    return g;
}

bool GeldkontoGebucht(Datenbank& daten, int bereichId) {
    return daten
        .ganzzahlWert(QStringLiteral("SELECT 1 FROM Erfassungen WHERE BuchungsBereich=? LIMIT 1"),
                      {bereichId})
        .has_value();
}

bool KontoKorrekt(TDataModule1& dm, const std::vector<tKontenbereich>& bereiche, int bereichsart,
                  int bereichId, const QString& kontoText) {
    const QString text = kontoText.trimmed();
    const bool zahl = IstGanzzahl(text);
    const qint64 konto = zahl ? text.toLongLong() : 0;
    bool gueltig = false;
    if (zahl && bereichsart == Bereichsart::Kasse)
        gueltig = KontoImKontenbereich(bereiche, konto, Kontenbereich::Kasse);
    else if (zahl && bereichsart == Bereichsart::Bank)
        gueltig = KontoImKontenbereich(bereiche, konto, Kontenbereich::Bank);
    else if (zahl && bereichsart == Bereichsart::Kosten)
        gueltig = KontoImKontenbereich(bereiche, konto, Kontenbereich::Kostenbereich);
    else if (zahl)
        gueltig = konto > 0 && KontoImKontenbereich(bereiche, konto, Kontenbereich::Sachkonten);
    if (!gueltig) {
        Benutzer().fehler(QStringLiteral("Das Konto \"%1\" ist ungültig!").arg(kontoText));
        return false;
    }
    if (kontoVonAnderemBereich(dm.ADOConnection_Daten, konto, bereichId)) {
        Benutzer().fehler(QStringLiteral("Das Konto \"%1\" ist bereits vergeben!").arg(kontoText));
        return false;
    }
    return true;
}

bool GeldkontoSpeichern(TDataModule1& dm, tGeldkonto& g, bool mitAnfang) {
    Datenbank& daten = dm.ADOConnection_Daten;
    Transaktion td(daten);
    int id = g.BereichID;
    qint64 altKonto = 0;
    if (id < 0) {
        const std::optional<int> frei = freieBereichID(daten);
        if (!frei) {
            Benutzer().fehler(QStringLiteral("Es kann kein weiterer Erfassungsbereich angelegt "
                                             "werden, da alle Bereichsnummern vergeben sind!"));
            return false;
        }
        id = *frei;
        daten.ausfuehren(QStringLiteral("INSERT INTO Buchungsbereiche (BereichID, Bereichsart, "
                                        "S_H) VALUES (?, ?, 'S')"),
                         {id, g.Bereichsart});
    } else {
        const std::optional<qint64> konto = daten.ganzzahlWert(
            QStringLiteral("SELECT Konto FROM Buchungsbereiche WHERE BereichID=?"), {id});
        if (!konto) {
            Benutzer().fehler(QStringLiteral("Fehler beim Speichern des Kontos!"));
            return false;
        }
        altKonto = *konto;
    }
    Abfrage u(
        daten,
        QStringLiteral("UPDATE Buchungsbereiche SET Konto=?, Bezeichnung=?, Aktiviert=1, "
                       "Aktiv=?, BelegNrVergabe=?, BelegNrNeuBeginnen=?, BelegMaske=?, "
                       "ZVVerzeichnis=?, KeinHinweisDoppelteBNr=?, AlternativeGeprueft=?, "
                       "AlternativeKontonummer=?, AlternativeBankleitzahl=?, AlternativeIBAN=?, "
                       "AlternativeBIC=?, BelegMaskeAendern=?, BNrAlsRNr=? WHERE BereichID=?"),
        {g.Konto, g.Bezeichnung, g.Aktiv, g.BelegNrVergabe, g.BelegNrNeuBeginnen, g.BelegMaske,
         g.ZVVerzeichnis, g.KeinHinweisDoppelteBNr, g.Alternative.Geprueft,
         g.Alternative.Kontonummer, g.Alternative.Bankleitzahl, g.Alternative.IBAN,
         g.Alternative.BIC, g.BelegMaskeAendern, g.BNrAlsRNr, id});
    u.ausfuehren();
    if (mitAnfang) {
        if (altKonto != g.Konto)
            anfangVerschieben(daten, altKonto, id);
        if (!anfangSchreiben(daten, g))
            return false;
    }
    if (g.Bereichsart == Bereichsart::Bank) {
        Transaktion ta(dm.ADOConnection_Archiv);
        zahlungsverbindungSchreiben(dm.ADOConnection_Archiv, Sitzung().MNr, g.Konto, g.Zahlung);
        ta.bestaetigen();
    }
    td.bestaetigen();
    g.BereichID = id;
    return true;
}

bool NeubeginnWaehlbar(const QString& maske) {
    const QString m = GrossSchreiben(maske);
    return !m.contains(QLatin1String("WW")) && !m.contains(QLatin1String("JJ")) &&
           !m.contains(QLatin1Char('M'));
}
