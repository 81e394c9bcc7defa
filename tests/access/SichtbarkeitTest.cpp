#include "Sichtbarkeit.h"

#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

namespace {

tSichtbarkeit benutzer(bool privat, bool personal) {
    tSichtbarkeit s;
    s.UserStatus = 2;
    s.Kuerzel = QStringLiteral("AB");
    s.Privatkonten = privat;
    s.Personalkonten = personal;
    const auto bereich = [](int id, qint64 von, qint64 bis) {
        tKontenbereich k;
        k.ID = id;
        k.KontoVon = von;
        k.KontoBis = bis;
        return k;
    };
    s.Kontenbereiche = {bereich(104, 1800, 1809), bereich(104, 1880, 1889),
                        bereich(105, 1700, 1709)};
    return s;
}

struct Fall {
    const char* name;
    tSichtbarkeit s;
    const char* erstelltVon;
    std::optional<qint64> konto;
    std::optional<qint64> gKonto;
    bool sichtbar;
};

std::vector<Fall> faelle() {
    tSichtbarkeit admin = benutzer(false, false);
    admin.UserStatus = 1;
    tSichtbarkeit ohneKuerzel = benutzer(false, false);
    ohneKuerzel.Kuerzel.clear();
    tSichtbarkeit ohneBereiche = benutzer(false, false);
    ohneBereiche.Kontenbereiche.clear();
    return {
        {"Administrator", admin, "XY", 1800, 1000, true},
        {"Privat ohne Recht", benutzer(false, true), "XY", 1000, 1809, false},
        {"zweite Zeile des Bereichs", benutzer(false, true), "XY", 1885, 1000, false},
        {"Bereichsgrenze", benutzer(false, true), "XY", 1810, 1000, true},
        {"Privat mit Recht", benutzer(true, true), "XY", 1800, 1000, true},
        {"selbst erstellt", benutzer(false, false), "ab", 1800, 1700, true},
        {"Personal ohne Recht", benutzer(true, false), "XY", 1000, 1700, false},
        {"Null-Gegenkonto", benutzer(false, false), "XY", 1000, std::nullopt, true},
        {"leeres Kuerzel besitzt nichts", ohneKuerzel, "", 1800, 1000, false},
        {"Bereich fehlt im Kontenplan", ohneBereiche, "XY", 1800, 1700, true},
    };
}

TEST(Sichtbarkeit, BuchungSichtbarUndFilterStimmenUeberein) {
    TestVerzeichnis dir;
    Datenbank db;
    db.oeffnen(dir.datei(QStringLiteral("d.mdb")));
    db.skript(QStringLiteral("CREATE TABLE Erfassungen (ErstelltVon TEXT COLLATE DEUTSCH, "
                             "Konto INTEGER, GKonto INTEGER)"));
    for (const Fall& f : faelle()) {
        EXPECT_EQ(BuchungSichtbar(f.s, QString::fromLatin1(f.erstelltVon), f.konto, f.gKonto),
                  f.sichtbar)
            << f.name;
        db.ausfuehren(QStringLiteral("DELETE FROM Erfassungen"));
        db.ausfuehren(QStringLiteral("INSERT INTO Erfassungen VALUES (?, ?, ?)"),
                      {QString::fromLatin1(f.erstelltVon), f.konto, f.gKonto});
        const tBuchungsFilter filter = BuchungsFilter(f.s, QStringLiteral("Erfassungen"));
        Abfrage a(db, QStringLiteral("SELECT 1 FROM Erfassungen WHERE 1=1") + filter.sql);
        filter.bindenAn(a);
        EXPECT_EQ(a.naechste(), f.sichtbar) << f.name << " " << filter.sql.toStdString();
    }
}

TEST(Sichtbarkeit, KuerzelWirdGebundenNichtEingesetzt) {
    tSichtbarkeit s = benutzer(false, false);
    s.Kuerzel = QStringLiteral("\" OR \"\"=\"");
    const tBuchungsFilter f = BuchungsFilter(s, QStringLiteral("E"));
    EXPECT_FALSE(f.sql.contains(s.Kuerzel));
    EXPECT_TRUE(BuchungsFilter(benutzer(true, true), QStringLiteral("E")).sql.isEmpty());
}

} // namespace
