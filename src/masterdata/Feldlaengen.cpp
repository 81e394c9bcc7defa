#include "Feldlaengen.h"

#include "Definitionsdatei.h"
#include "Pfade.h"
#include "Sitzung.h"

#include <map>

int Feldlaenge(const QString& datenbankart, const QString& tabelle, const QString& feld) {
    // Read once per data directory and kind: the definitions do not change while it runs.
    static std::map<QString, tMDBDefinitions> gelesen;
    const QString datei = DefinitionsDateiname(Sitzung().Datenverzeichnis, datenbankart);
    auto it = gelesen.find(datei);
    if (it == gelesen.end()) {
        tMDBDefinitions d;
        DefinitionsdateiLesen(datei, d);
        it = gelesen.emplace(datei, std::move(d)).first;
    }
    const tMDBField* f = FeldSuchen(it->second, tabelle, feld);
    return f && f->fType == Feldtyp::Text ? f->Size : 0;
}
