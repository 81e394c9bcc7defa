#include "Strukturaktualisierung.h"
#include "Datenbank.h"
#include "Definitionsdatei.h"
#include "TestVerzeichnis.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QByteArray Erste = "* Test\n"
                         "[Kunden]\n"
                         "ID=$4;4;17\n"
                         "Konto=4;4;1\n"
                         "Bezeichnung=10;50;2\n"
                         "*@Index Kunden_Konto=Konto\n";

const QByteArray Zweite = Erste + "Oeffentlich=1;1;1\n"
                                  "Betrag=5;8;1\n"
                                  "Kurz=10;3;2\n"
                                  "[Salden]\n"
                                  "Konto=$4;4;1\n"
                                  "Saldo=5;8;1\n"
                                  "*@Eindeutig Salden_Saldo=Konto;Saldo\n";

class StrukturaktualisierungTest : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    QString datei = dir.datei(QStringLiteral("daten.mdb"));

    QString definition(const QByteArray& inhalt) {
        return dir.schreiben(QStringLiteral("daten.mdbdf"), inhalt);
    }

    // The file as it is on disk once every connection is closed (the journal is merged then).
    QByteArray pruefsumme() {
        QFile f(datei);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

    QStringList spalten(const QString& tabelle) {
        Datenbank db;
        db.oeffnen(datei, false);
        Abfrage a(db,
                  QStringLiteral("SELECT name || ' ' || type || ' ' || pk FROM "
                                 "pragma_table_info(?)"),
                  {tabelle});
        QStringList l;
        while (a.naechste())
            l << a.text(0);
        return l;
    }
};

TEST_F(StrukturaktualisierungTest, OhneDefinitionsdateiPassiertNichts) {
    EXPECT_FALSE(StrukturAktualisieren(dir.datei(QStringLiteral("fehlt.mdbdf")), datei));
    EXPECT_FALSE(QFileInfo::exists(datei));
}

TEST_F(StrukturaktualisierungTest, LegtDieDateiMitTabellenSchluesselnUndIndexenAn) {
    ASSERT_TRUE(StrukturAktualisieren(definition(Zweite), datei));
    EXPECT_EQ(spalten(QStringLiteral("Kunden")),
              (QStringList{"ID INTEGER 1", "Konto INTEGER 0", "Bezeichnung TEXT 0",
                           "Oeffentlich INTEGER 0", "Betrag INTEGER 0", "Kurz TEXT 0"}));
    EXPECT_EQ(spalten(QStringLiteral("Salden")),
              (QStringList{"Konto INTEGER 1", "Saldo INTEGER 0"}));

    Datenbank db;
    db.oeffnen(datei, false);
    db.ausfuehren(QStringLiteral("INSERT INTO Kunden (Konto, Bezeichnung) VALUES (1, 'Müller')"));
    db.ausfuehren(QStringLiteral("INSERT INTO Kunden (Konto, Bezeichnung) VALUES (2, 'b')"));
    db.ausfuehren(QStringLiteral("DELETE FROM Kunden WHERE ID=2"));
    db.ausfuehren(QStringLiteral("INSERT INTO Kunden (Konto, Bezeichnung) VALUES (3, 'c')"));
    EXPECT_EQ(db.letzteId(), 3) << "autonumbers are never reused";
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT Konto FROM Kunden WHERE Bezeichnung=?"),
                              {QStringLiteral("MÜLLER")}),
              1)
        << "text compares without regard to case, umlauts included";
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE "
                                             "type='index' AND name IN ('Kunden_Konto', "
                                             "'Salden_Saldo')")),
              2);
    EXPECT_THROW(db.ausfuehren(QStringLiteral("INSERT INTO Salden VALUES (1, 5), (1, 6)")),
                 DatenbankFehler);
}

TEST_F(StrukturaktualisierungTest, ErgaenztTabelleFeldUndSchluesselUndBehaeltDieDaten) {
    {
        Datenbank db;
        db.oeffnen(datei);
        db.skript(QStringLiteral(
            "CREATE TABLE Kunden (ID INTEGER, Konto INTEGER, Bezeichnung TEXT, Alt TEXT);"
            "INSERT INTO Kunden VALUES (1, 10000, 'Ein sehr langer Kundenname', 'bleibt');"
            "INSERT INTO Kunden VALUES (2, 10001, 'B', NULL);"));
    }
    ASSERT_TRUE(StrukturAktualisieren(definition(Zweite), datei));

    EXPECT_EQ(spalten(QStringLiteral("Kunden")),
              (QStringList{"ID INTEGER 0", "Konto INTEGER 0", "Bezeichnung TEXT 0", "Alt TEXT 0",
                           "Oeffentlich INTEGER 0", "Betrag INTEGER 0", "Kurz TEXT 0"}))
        << "nothing dropped or retyped; new fields at the end";
    Datenbank db;
    db.oeffnen(datei, false);
    Abfrage a(db, QStringLiteral("SELECT ID, Konto, Bezeichnung, Alt, Oeffentlich FROM Kunden "
                                 "ORDER BY ID"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(2), QStringLiteral("Ein sehr langer Kundenname"));
    EXPECT_EQ(a.text(3), QStringLiteral("bleibt"));
    EXPECT_TRUE(a.istNull(4));
    EXPECT_THROW(db.ausfuehren(QStringLiteral("INSERT INTO Kunden (ID) VALUES (2)")),
                 DatenbankFehler)
        << "the key of an existing table is a unique index";
    EXPECT_TRUE(db.tabelleVorhanden(QStringLiteral("Salden")));
}

TEST_F(StrukturaktualisierungTest, EineAktuelleDateiWirdNichtGeschrieben) {
    ASSERT_TRUE(StrukturAktualisieren(definition(Erste), datei));
    ASSERT_TRUE(StrukturAktualisieren(definition(Zweite), datei));
    const QByteArray vorher = pruefsumme();
    const QDateTime geaendert = QFileInfo(datei).lastModified();
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(StrukturAktualisieren(definition(Zweite), datei));
    EXPECT_EQ(pruefsumme(), vorher);
    EXPECT_EQ(QFileInfo(datei).lastModified(), geaendert);
}

TEST_F(StrukturaktualisierungTest, EinFehlschlagenderSchrittWirdGemeldetDerRestAusgefuehrt) {
    {
        Datenbank db;
        db.oeffnen(datei);
        db.skript(QStringLiteral("CREATE TABLE Salden (Konto INTEGER, Saldo INTEGER);"
                                 "INSERT INTO Salden VALUES (1600, 100), (1600, 100);"));
    }
    try {
        StrukturAktualisieren(definition(Zweite), datei);
        ADD_FAILURE() << "no error reported";
    } catch (const DatenbankFehler& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Schlüssel Konto der Tabelle Salden")))
            << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QStringLiteral("Index Salden_Saldo der Tabelle Salden")));
        EXPECT_FALSE(e.text().contains(QStringLiteral("Kunden")));
    }
    Datenbank db;
    db.oeffnen(datei, false);
    EXPECT_EQ(db.ganzzahlWert(QStringLiteral("SELECT sum(Saldo) FROM Salden")), 200);
    EXPECT_TRUE(db.tabelleVorhanden(QStringLiteral("Kunden")));
}

TEST(Spaltentyp, JeDefinitionstyp) {
    const struct {
        int typ;
        const char* erwartet;
    } faelle[] = {{1, "INTEGER"},  {2, "INTEGER"},
                  {3, "INTEGER"},  {4, "INTEGER"},
                  {5, "INTEGER"},  {6, "REAL"},
                  {7, "REAL"},     {8, "TEXT"},
                  {9, "BLOB"},     {10, "TEXT COLLATE DEUTSCH"},
                  {11, "BLOB"},    {12, "TEXT COLLATE DEUTSCH"},
                  {15, "TEXT"},    {16, "INTEGER"},
                  {20, "NUMERIC"}, {99, ""}};
    for (const auto& f : faelle) {
        tMDBField feld;
        feld.fType = f.typ;
        EXPECT_EQ(SpaltenTyp(feld), QString::fromLatin1(f.erwartet)) << f.typ;
    }
}

} // namespace
