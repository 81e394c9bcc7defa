#include "Stammdatenlisten.h"

#include "Datenbank.h"

#include <QRegularExpression>

namespace {

// The columns each search field looks at; the name covers the person parts too.
QStringList suchspalten(Suchfeld f) {
    switch (f) {
    case Suchfeld::Konto:
        return {QStringLiteral("t.Konto")};
    case Suchfeld::Name:
        return {QStringLiteral("t.Bezeichnung"), QStringLiteral("t.Nachname"),
                QStringLiteral("t.Vorname"), QStringLiteral("t.Titel")};
    case Suchfeld::Strasse:
        return {QStringLiteral("t.Strasse")};
    case Suchfeld::PLZ:
        return {QStringLiteral("t.PLZ")};
    case Suchfeld::Ort:
        return {QStringLiteral("t.Ort")};
    case Suchfeld::Telefonnummer:
        return {QStringLiteral("t.Telefonnummer")};
    case Suchfeld::eMailAdresse:
        return {QStringLiteral("t.eMailAdresse")};
    case Suchfeld::Kundennummer:
        return {QStringLiteral("z.Kundennummer")};
    case Suchfeld::IBAN:
        return {QStringLiteral("b.IBAN")};
    case Suchfeld::BIC:
        return {QStringLiteral("b.BIC")};
    }
    return {};
}

} // namespace

std::vector<tBuchungsbereich> GeldkontenLaden(Datenbank& daten,
                                              const std::function<bool(int)>& darfBereich) {
    std::vector<int> ids;
    {
        Abfrage a(daten, QStringLiteral("SELECT BereichID FROM Buchungsbereiche WHERE "
                                        "Aktiviert=1 ORDER BY Bereichsart, Konto"));
        while (a.naechste())
            if (const int id = int(a.ganzzahl(0)); darfBereich(id))
                ids.push_back(id);
    }
    std::vector<tBuchungsbereich> liste;
    for (int id : ids)
        liste.push_back(BuchungsbereichLaden(daten, id));
    return liste;
}

std::vector<tZVBank> ZVBankenLaden(Datenbank& daten) {
    Abfrage a(daten,
              QStringLiteral("SELECT BereichID, Bezeichnung FROM Buchungsbereiche WHERE "
                             "Bereichsart=? AND Aktiv=1 ORDER BY BereichID"),
              {Bereichsart::Bank});
    std::vector<tZVBank> banken;
    while (a.naechste())
        banken.push_back({int(a.ganzzahl(0)), a.text(1)});
    return banken;
}

const QStringList& SuchfeldNamen() {
    static const QStringList namen = {QStringLiteral("Konto"),
                                      QStringLiteral("Firma/Person"),
                                      QStringLiteral("Straße"),
                                      QStringLiteral("PLZ"),
                                      QStringLiteral("Ort"),
                                      QStringLiteral("Telefonnummer"),
                                      QStringLiteral("E-Mail-Adresse"),
                                      QStringLiteral("Kundennummer"),
                                      QStringLiteral("IBAN"),
                                      QStringLiteral("BIC")};
    return namen;
}

std::vector<tPersonenkontoZeile>
PersonenkontenLaden(Datenbank& archiv, const QString& mnr, int kontoArt, qint64 von, qint64 bis,
                    const std::optional<tPersonenkontoSuche>& suche) {
    const QString tabelle = KontoTabelle(kontoArt);
    std::vector<tPersonenkontoZeile> zeilen;
    if (tabelle.isEmpty())
        return zeilen;
    QString bedingung;
    QString muster;
    bool nummer = false;
    if (suche) {
        const QString text = suche->Text.trimmed();
        if (suche->Feld == Suchfeld::Konto && suche->Art == Suchart::Entspricht) {
            nummer = true;
            bedingung = QStringLiteral(" AND t.Konto=?");
            bool ok = false;
            text.toLongLong(&ok);
            if (!ok)
                return zeilen;
            muster = text;
        } else {
            muster = (suche->Art == Suchart::Enthaelt ? QStringLiteral("%") : QString()) +
                     LikeLiteral(text) + QStringLiteral("%");
            QStringList teile;
            for (const QString& s : suchspalten(suche->Feld))
                teile << QStringLiteral("GROSS(CAST(%1 AS TEXT)) LIKE GROSS(?) ESCAPE '\\'").arg(s);
            bedingung = QStringLiteral(" AND (") + teile.join(QStringLiteral(" OR ")) + u')';
        }
    }
    Abfrage a(archiv,
              QStringLiteral(
                  "SELECT t.ID, t.Konto, t.Bezeichnung, t.Strasse, t.PLZ, t.Ort, t.Telefonnummer, "
                  "t.eMailAdresse, t.Oeffentlich, z.Kundennummer, b.IBAN, b.BIC FROM %1 t "
                  "LEFT JOIN KontoZVDaten z ON z.Konto=t.Konto AND z.MNr=? "
                  "LEFT JOIN KontoBankverbindungen b ON b.Konto=t.Konto AND b.MNr=? "
                  "AND b.ID=z.StandardBankVerbindung "
                  "WHERE t.Konto BETWEEN ? AND ? AND (t.Oeffentlich=1 OR t.AngelegtVonMNr=?)%2 "
                  "ORDER BY t.Bezeichnung, t.Konto")
                  .arg(tabelle, bedingung),
              {mnr, mnr, von, bis, mnr});
    if (suche) {
        const int spalten = nummer ? 1 : int(suchspalten(suche->Feld).size());
        for (int i = 0; i < spalten; ++i)
            a.binden(6 + i, muster);
    }
    while (a.naechste()) {
        tPersonenkontoZeile z;
        z.ID = a.ganzzahl(0);
        z.Konto = a.ganzzahl(1);
        z.Bezeichnung = a.text(2);
        z.Strasse = a.text(3);
        z.PLZ = a.text(4);
        z.Ort = a.text(5);
        z.Telefonnummer = a.text(6);
        z.eMailAdresse = a.text(7);
        z.Oeffentlich = a.wahr(8, true);
        z.Kundennummer = a.text(9);
        z.IBAN = a.text(10);
        z.BIC = a.text(11);
        zeilen.push_back(z);
    }
    return zeilen;
}

std::vector<tSachkonto> SachkontenLaden(Datenbank& archiv,
                                        const std::optional<tKontenGrenzen>& bereich,
                                        const QString& suchbegriff) {
    const QString begriff = suchbegriff.trimmed();
    bool ziffern = !begriff.isEmpty();
    for (QChar c : begriff)
        ziffern = ziffern && c.isDigit();
    Abfrage a(archiv,
              QStringLiteral("SELECT Konto, Bezeichnung, Steuer, Steuerbereich FROM Sachkonten "
                             "WHERE (?=0 OR Konto BETWEEN ? AND ?) AND (?='' OR GROSS(Bezeichnung) "
                             "LIKE GROSS(?) ESCAPE '\\' OR Konto=?) ORDER BY Konto"),
              {bereich.has_value(), bereich ? bereich->KontoVon : 0,
               bereich ? bereich->KontoBis : 0, begriff,
               QStringLiteral("%") + LikeLiteral(begriff) + QStringLiteral("%"),
               ziffern ? begriff.toLongLong() : qint64(-1)});
    std::vector<tSachkonto> liste;
    while (a.naechste()) {
        const QString bereich = a.text(3);
        liste.push_back({a.ganzzahl(0), a.text(1), a.text(2),
                         bereich.isEmpty() ? QStringLiteral("kb") : bereich});
    }
    return liste;
}

QString KundennummerVergebenAn(Datenbank& archiv, const QString& mnr, int kontoArt,
                               const QString& kundennummer, qint64 eigenesKonto) {
    const tKontenGrenzen g = KontoArtGrenzen(kontoArt);
    const std::optional<qint64> konto = archiv.ganzzahlWert(
        QStringLiteral("SELECT Konto FROM KontoZVDaten WHERE MNr=? AND Kundennummer=? AND Konto "
                       "BETWEEN ? AND ? AND Konto<>? ORDER BY Konto LIMIT 1"),
        {mnr, kundennummer, g.KontoVon, g.KontoBis, eigenesKonto});
    if (!konto)
        return {};
    const std::optional<tPersonenkonto> k = PersonenkontoLaden(archiv, mnr, *konto);
    return k ? k->Bezeichnung : QString::number(*konto);
}

std::optional<double> SkontoSatzAusText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QString nachkomma = m.captured(2).leftJustified(2, QLatin1Char('0'));
    return (m.captured(1).toInt() * 100 + nachkomma.toInt()) / 100.0;
}
