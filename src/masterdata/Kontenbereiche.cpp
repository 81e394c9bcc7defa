#include "Kontenbereiche.h"

#include "Datenbank.h"
#include "Pfade.h"

std::vector<tKontenbereich> KontenbereicheLaden(Datenbank& stamm, int kontenplan) {
    std::vector<tKontenbereich> liste;
    Abfrage a(stamm,
              QStringLiteral("SELECT ID, KontoVon, KontoBis, Bezeichnung, Kontentabelle "
                             "FROM Kontenbereiche WHERE Kontenplan=? ORDER BY ID, KontoVon"),
              {WirksamerKontenplan(kontenplan)});
    while (a.naechste())
        liste.push_back({int(a.ganzzahl(0)), a.ganzzahl(1), a.ganzzahl(2), a.text(3), a.text(4)});
    return liste;
}

tKontenGrenzen KontenbereichGrenzen(const std::vector<tKontenbereich>& bereiche, int id) {
    for (const tKontenbereich& b : bereiche)
        if (b.ID == id)
            return {b.KontoVon, b.KontoBis};
    return {};
}

bool KontoImKontenbereich(const std::vector<tKontenbereich>& bereiche, qint64 konto, int id) {
    for (const tKontenbereich& b : bereiche)
        if (b.ID == id && b.KontoVon <= konto && konto <= b.KontoBis)
            return true;
    return false;
}

qint64 KontoFuerBereichsart(const std::vector<tKontenbereich>& bereiche, int bereichsart,
                            qint64 konto, const QString& steuer) {
    if (bereichsart == -1)
        return 0;
    const bool vierstellig = konto >= 1000 && konto <= 9999;
    auto einzelkonto = [&](int id) {
        return KontenbereichGrenzen(bereiche, id).KontoVon;
    };
    if (bereichsart == 3 && vierstellig && konto / 1000 == 5) {
        if (steuer == QLatin1String("8"))
            return einzelkonto(Kontenbereich::WareneingangSteuer8);
        if (steuer == QLatin1String("9"))
            return einzelkonto(Kontenbereich::WareneingangSteuer9);
        if (steuer == QLatin1String("0"))
            return einzelkonto(Kontenbereich::WareneingangOhneSteuer);
        return 0;
    }
    if (bereichsart == 4 && vierstellig && konto / 1000 == 4) {
        if (steuer == QLatin1String("2"))
            return einzelkonto(Kontenbereich::ErloeseSteuer2);
        if (steuer == QLatin1String("3"))
            return einzelkonto(Kontenbereich::ErloeseSteuer3);
        if (steuer == QLatin1String("0"))
            return einzelkonto(Kontenbereich::ErloeseOhneSteuer);
        return 0;
    }
    return konto;
}
