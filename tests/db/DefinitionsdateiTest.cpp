#include "Definitionsdatei.h"
#include "Datenbank.h"
#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

namespace {

struct Zeilenfall {
    const char* zeile;
    const char* name; // nullptr: the line defines no field
    bool schluessel;
    int typ;
    int groesse;
    int attribute;
};

// Each line follows the section "[T]".
const Zeilenfall Zeilenfaelle[] = {
    {"ID=$4;4;17", "ID", true, 4, 4, 17},
    {"BenutzerName=10;50;2", "BenutzerName", false, 10, 50, 2},
    {"  Name  =10;50;2", "Name", false, 10, 50, 2},
    {"\"Mit Blank\"=10;20;2", "Mit Blank", false, 10, 20, 2},
    {"Name=10;abc;0", "Name", false, 10, 0, 0},
    {"Name=xyz;5;2", "Name", false, 1, 5, 2},
    {"Name=12;0", "Name", false, 12, 0, 0},
    {"Name=", "Name", false, 1, 0, 0},
    {"Name= 10 ; 50 ; 2 ", "Name", false, 10, 50, 2},
    {"Name=\"10\";\"50\";\"2\"", "Name", false, 10, 50, 2},
    {"Name=\"10;50\";2;1", "Name", false, 1, 2, 1},
    {"Name= $4;4;1", "Name", false, 1, 4, 1},
    {"Name=10;50;2\r", "Name", false, 10, 50, 2},
    {"A=B=10;5;2", "A", false, 1, 5, 2},
    {" [Kein Abschnitt]=4;4;1", "[Kein Abschnitt]", false, 4, 4, 1},
    {"", nullptr, false, 0, 0, 0},
    {"    ", nullptr, false, 0, 0, 0},
    {"\r", nullptr, false, 0, 0, 0},
    {"* Kommentar=4;4;1", nullptr, false, 0, 0, 0},
};

TEST(Definitionsdatei, EineZeileNachDemAbschnitt) {
    for (const Zeilenfall& f : Zeilenfaelle) {
        SCOPED_TRACE(f.zeile);
        const tMDBDefinitions d = DefinitionenAusText(
            QStringLiteral("[T]\n") + QString::fromUtf8(f.zeile), QStringLiteral("t.mdbdf"));
        ASSERT_EQ(d.Tables.size(), 1u);
        const auto& felder = d.Tables[0].Fields;
        if (!f.name) {
            EXPECT_TRUE(felder.empty());
            continue;
        }
        ASSERT_EQ(felder.size(), 1u);
        EXPECT_EQ(felder[0].Name, QString::fromUtf8(f.name));
        EXPECT_EQ(felder[0].PrimaryKey, f.schluessel);
        EXPECT_EQ(felder[0].fType, f.typ);
        EXPECT_EQ(felder[0].Size, f.groesse);
        EXPECT_EQ(felder[0].Attr, f.attribute);
    }
}

TEST(Definitionsdatei, AbschnitteUndIndexeInDateireihenfolgeAuchMitCrLf) {
    const tMDBDefinitions d = DefinitionenAusText(
        QStringLiteral("* Kopf\r\n[Benutzer]\r\nID=$4;4;17\r\nBenutzerName=10;50;2\r\n"
                       "*@Index Benutzer_Name=BenutzerName\r\n\r\n[Leer]\r\n[a]b]\r\n"
                       "*@Eindeutig Doppelt=X; \"Y\"\r\nX=4;4;1\r\n"),
        QStringLiteral("t.mdbdf"));
    ASSERT_EQ(d.Tables.size(), 3u);
    EXPECT_EQ(d.Tables[0].Name, QStringLiteral("Benutzer"));
    EXPECT_EQ(d.Tables[0].Fields.size(), 2u);
    ASSERT_EQ(d.Tables[0].Indexes.size(), 1u);
    EXPECT_EQ(d.Tables[0].Indexes[0].Name, QStringLiteral("Benutzer_Name"));
    EXPECT_FALSE(d.Tables[0].Indexes[0].Eindeutig);
    EXPECT_TRUE(d.Tables[1].Fields.empty());
    EXPECT_EQ(d.Tables[2].Name, QStringLiteral("a]b"));
    ASSERT_EQ(d.Tables[2].Indexes.size(), 1u);
    EXPECT_TRUE(d.Tables[2].Indexes[0].Eindeutig);
    EXPECT_EQ(d.Tables[2].Indexes[0].Felder,
              (QStringList{QStringLiteral("X"), QStringLiteral("Y")}));
    EXPECT_EQ(d.Tables[2].Fields.size(), 1u);
}

TEST(Definitionsdatei, FehlerNennenDateiUndZeile) {
    const struct {
        const char* text;
        int zeile;
    } faelle[] = {
        {"* Kopf\nFeld=4;4;1\n[T]", 2}, {"*@Index Vorher=A\n[T]", 1},
        {"[T]\nOhneGleich", 2},         {"[T]\n=4;4;1", 2},
        {"[T]\n\"\"=4;4;1", 2},         {"[T]\nA=$4;4;17\nB=$10;5;2", 3},
        {"[T]\nA=4;4;17", 2},           {"[T]\nA=$10;5;18", 2},
        {"[T]\n*@Unbekannt X=A", 2},    {"[T]\n*@Index OhneFelder=", 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        try {
            DefinitionenAusText(QString::fromUtf8(f.text), QStringLiteral("daten.mdbdf"));
            ADD_FAILURE() << "kein Fehler";
        } catch (const DatenbankFehler& e) {
            EXPECT_TRUE(e.text().startsWith(
                QStringLiteral("Die Definitionsdatei \"daten.mdbdf\" ist in Zeile %1 fehlerhaft")
                    .arg(f.zeile)))
                << e.text().toStdString();
        }
    }
}

TEST(Definitionsdatei, DateiLesenUndFeldSuchen) {
    TestVerzeichnis dir;
    const QString datei = dir.schreiben(QStringLiteral("x.mdbdf"), "[Kunden]\nOrt=10;50;2\n");
    tMDBDefinitions d;
    DefinitionsdateiLesen(datei, d);
    EXPECT_EQ(d.FileName, datei);
    ASSERT_NE(FeldSuchen(d, QStringLiteral("KUNDEN"), QStringLiteral("ort")), nullptr);
    EXPECT_EQ(FeldSuchen(d, QStringLiteral("Kunden"), QStringLiteral("Ort"))->Size, 50);
    EXPECT_EQ(FeldSuchen(d, QStringLiteral("Kunden"), QStringLiteral("PLZ")), nullptr);
    EXPECT_THROW(DefinitionsdateiLesen(dir.datei(QStringLiteral("fehlt.mdbdf")), d),
                 DatenbankFehler);
}

} // namespace
