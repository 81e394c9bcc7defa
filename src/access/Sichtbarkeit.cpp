#include "Sichtbarkeit.h"

#include "Benutzerrechte.h"
#include "Kontenbereiche.h"
#include "Sitzung.h"
#include "Text.h"

tSichtbarkeit SichtbarkeitLaden(Datenbank& bereich) {
    const tSitzung& sitzung = Sitzung();
    tSichtbarkeit s;
    s.UserStatus = sitzung.UserStatus;
    s.Kuerzel = sitzung.Kuerzel;
    s.Privatkonten = HatRecht(bereich, Rechte::Privatkonten);
    s.Personalkonten = HatRecht(bereich, Rechte::Personalkonten);
    s.Kontenbereiche = sitzung.Kontenbereiche;
    return s;
}

namespace {

bool istAdministrator(const tSichtbarkeit& s) {
    return s.UserStatus <= StatusAdministrator;
}

// Empty initials own nothing: otherwise every user without initials would own every booking
// whose creator is unknown.
bool istErsteller(const tSichtbarkeit& s, const QString& erstelltVon) {
    return !s.Kuerzel.isEmpty() && TexteGleich(s.Kuerzel, erstelltVon);
}

bool imBereich(const tSichtbarkeit& s, std::optional<qint64> konto, int id) {
    return konto && KontoImKontenbereich(s.Kontenbereiche, *konto, id);
}

std::vector<int> versteckteBereiche(const tSichtbarkeit& s) {
    std::vector<int> ids;
    if (!s.Personalkonten)
        ids.push_back(KontenbereichPersonal);
    if (!s.Privatkonten)
        ids.push_back(KontenbereichPrivat);
    return ids;
}

} // namespace

bool BuchungSichtbar(const tSichtbarkeit& s, const QString& erstelltVon,
                     std::optional<qint64> konto, std::optional<qint64> gKonto) {
    if (istAdministrator(s) || istErsteller(s, erstelltVon))
        return true;
    for (int id : versteckteBereiche(s))
        if (imBereich(s, konto, id) || imBereich(s, gKonto, id))
            return false;
    return true;
}

void tBuchungsFilter::bindenAn(Abfrage& abfrage) const {
    for (const auto& [name, wert] : werte)
        abfrage.binden(name, wert);
}

tBuchungsFilter BuchungsFilter(const tSichtbarkeit& s, const QString& tabelle) {
    tBuchungsFilter f;
    if (istAdministrator(s))
        return f;
    QStringList bedingungen;
    for (int id : versteckteBereiche(s)) {
        for (const tKontenbereich& b : s.Kontenbereiche) {
            if (b.ID != id)
                continue;
            const QString von = QStringLiteral(":sichtbar_von%1").arg(f.werte.size());
            const QString bis = QStringLiteral(":sichtbar_bis%1").arg(f.werte.size());
            f.werte.emplace_back(von, b.KontoVon);
            f.werte.emplace_back(bis, b.KontoBis);
            bedingungen << QStringLiteral("NOT COALESCE(%1.Konto BETWEEN %2 AND %3, 0) AND "
                                          "NOT COALESCE(%1.GKonto BETWEEN %2 AND %3, 0)")
                               .arg(tabelle, von, bis);
        }
    }
    if (bedingungen.isEmpty())
        return f;
    QString bedingung = QStringLiteral("(") + bedingungen.join(QStringLiteral(" AND ")) + u')';
    if (!s.Kuerzel.isEmpty()) {
        f.werte.emplace_back(QStringLiteral(":sichtbar_ersteller"), s.Kuerzel);
        // The account ranges first: they decide most rows without comparing text.
        bedingung =
            QStringLiteral("(%2 OR %1.ErstelltVon = :sichtbar_ersteller)").arg(tabelle, bedingung);
    }
    f.sql = QStringLiteral(" AND ") + bedingung;
    return f;
}
