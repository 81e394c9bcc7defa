#include "Bankverbindungen.h"

#include "DataModule.h"
#include "Datenbank.h"
#include "Text.h"

namespace {

std::optional<qint64> blzZahl(const QString& bankleitzahl) {
    const QString t = bankleitzahl.trimmed();
    if (!NurZiffern(t) || t.size() > 18)
        return std::nullopt;
    return t.toLongLong();
}

QString ohneFuehrendeNullen(const QString& text) {
    QString t = Trimmen(text, 4);
    while (t.startsWith(QLatin1Char('0')))
        t.remove(0, 1);
    return t;
}

} // namespace

bool BankverbindungLaden(Datenbank& archiv, const std::vector<tKontenbereich>& bereiche,
                         const QString& mnr, qint64 konto, tBankverbindung& v) {
    v = tBankverbindung();
    const bool sachkonto = KontoImKontenbereich(bereiche, konto, Kontenbereich::Sachkonten);
    Abfrage a(archiv, sachkonto
                          ? QStringLiteral("SELECT * FROM KontoBankverbindungen WHERE MNr=? AND "
                                           "Konto=? ORDER BY ID LIMIT 1")
                          : QStringLiteral("SELECT * FROM KontoBankverbindungen WHERE MNr=? AND "
                                           "Konto=? AND ID=(SELECT StandardBankVerbindung FROM "
                                           "KontoZVDaten WHERE MNr=? AND Konto=? ORDER BY ID "
                                           "LIMIT 1)"));
    a.binden(1, mnr).binden(2, konto);
    if (!sachkonto)
        a.binden(3, mnr).binden(4, konto);
    if (a.naechste()) {
        v.IBAN = a.text("IBAN").trimmed();
        v.Geprueft = a.wahr("Geprueft");
        v.AbweichenderKontoinhaber = a.text("AbweichenderKontoinhaber").trimmed();
        v.Kontonummer = a.text("Kontonummer").trimmed();
        v.Bankleitzahl = a.text("Bankleitzahl").trimmed();
        v.BIC = a.text("BIC").trimmed();
    }
    return !v.Bankleitzahl.isEmpty() || !v.Kontonummer.isEmpty();
}

QString BanknameZurBLZ(Datenbank& stamm, const QString& bankleitzahl) {
    const std::optional<qint64> blz = blzZahl(bankleitzahl);
    if (!blz)
        return {};
    Abfrage a(stamm, QStringLiteral("SELECT Bankname FROM Banken WHERE Bankleitzahl=?"), {*blz});
    return a.naechste() ? a.text(0) : QString();
}

QString BICZurBLZ(Datenbank& stamm, const QString& bankleitzahl) {
    const std::optional<qint64> blz = blzZahl(bankleitzahl);
    if (!blz)
        return {};
    Abfrage a(stamm, QStringLiteral("SELECT BIC FROM Banken WHERE Bankleitzahl=?"), {*blz});
    return a.naechste() ? a.text(0) : QString();
}

std::vector<tBank> BankenLaden(Datenbank& stamm) {
    std::vector<tBank> liste;
    Abfrage a(stamm, QStringLiteral(
                         "SELECT Bankleitzahl, Bankname, BIC FROM Banken ORDER BY Bankleitzahl"));
    while (a.naechste())
        liste.push_back({a.ganzzahl(0), a.text(1), a.text(2)});
    return liste;
}

QString ZahlbankBezeichnung(TDataModule1& dm, const QString& mnr, const QString& bankleitzahl,
                            const QString& kontonummer) {
    const QString blz = ohneFuehrendeNullen(bankleitzahl);
    const QString nummer = ohneFuehrendeNullen(kontonummer);
    if (blz.isEmpty() || nummer.isEmpty())
        return {};
    Abfrage bereiche(dm.ADOConnection_Daten,
                     QStringLiteral("SELECT Konto, Bezeichnung FROM Buchungsbereiche WHERE "
                                    "Aktiv=1 AND Bereichsart=? ORDER BY BereichID"),
                     {Bereichsart::Bank});
    while (bereiche.naechste()) {
        Abfrage v(dm.ADOConnection_Archiv,
                  QStringLiteral("SELECT Bankleitzahl, Kontonummer FROM KontoBankverbindungen "
                                 "WHERE MNr=? AND Konto=? ORDER BY ID"),
                  {mnr, bereiche.ganzzahl(0)});
        while (v.naechste())
            if (ohneFuehrendeNullen(v.text(0)) == blz && ohneFuehrendeNullen(v.text(1)) == nummer)
                return bereiche.text(1);
    }
    return {};
}
