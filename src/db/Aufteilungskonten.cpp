#include "Aufteilungskonten.h"

#include "DataModule.h"
#include "Pfade.h"

#include <map>
#include <utility>

namespace {

struct Bereich {
    qint64 id;
    qint64 art;
};

using Vorlage = std::vector<std::pair<qint64, qint64>>; // split account, position

Vorlage vorlageLesen(Datenbank& stamm, int kontenplan, qint64 bereichsart) {
    Abfrage a(stamm,
              QStringLiteral("SELECT Aufteilungskonto, Reihenfolge FROM AufteilungskontenArchiv "
                             "WHERE Kontenplan=? AND Bereichsart=? ORDER BY Reihenfolge"),
              {kontenplan, bereichsart});
    Vorlage v;
    while (a.naechste())
        v.emplace_back(a.ganzzahl(0), a.ganzzahl(1));
    return v;
}

} // namespace

void AufteilungskontenBestuecken(TDataModule1& dm, int bereichId, int kontenplan) {
    Datenbank eigeneStamm;
    if (!dm.ADOConnection_Stamm.offen())
        eigeneStamm.oeffnen(StammDateiname(dm.datenverzeichnis()), false);
    Datenbank& stamm = dm.ADOConnection_Stamm.offen() ? dm.ADOConnection_Stamm : eigeneStamm;
    Datenbank& daten = dm.ADOConnection_Daten;
    const int plan = WirksamerKontenplan(kontenplan);

    Transaktion t(daten);
    std::vector<Bereich> bereiche;
    {
        Abfrage a = bereichId < 0
                        ? Abfrage(daten, QStringLiteral("SELECT BereichID, Bereichsart FROM "
                                                        "Buchungsbereiche WHERE Aktiviert=1 AND "
                                                        "Aktiv=1 ORDER BY BereichID"))
                        : Abfrage(daten,
                                  QStringLiteral("SELECT BereichID, Bereichsart FROM "
                                                 "Buchungsbereiche WHERE BereichID=?"),
                                  {bereichId});
        while (a.naechste())
            bereiche.push_back({a.ganzzahl(0), a.ganzzahl(1)});
    }
    std::map<qint64, Vorlage> vorlagen;
    for (const Bereich& b : bereiche) {
        if (daten.ganzzahlWert(
                QStringLiteral("SELECT 1 FROM AufteilungskontenBereich WHERE BereichID=?"), {b.id}))
            continue;
        if (!vorlagen.contains(b.art))
            vorlagen[b.art] = vorlageLesen(stamm, plan, b.art);
        for (const auto& [konto, reihenfolge] : vorlagen[b.art])
            daten.ausfuehren(QStringLiteral("INSERT INTO AufteilungskontenBereich (BereichID, "
                                            "AufteilungsKonto, Reihenfolge) VALUES (?, ?, ?)"),
                             {b.id, konto, reihenfolge});
    }
    t.bestaetigen();
}
