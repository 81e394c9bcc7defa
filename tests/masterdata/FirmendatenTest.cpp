#include "Stammdatenumgebung.h"
#include "Uhr.h"

namespace {

class Firmendaten : public Stammdatenumgebung {};

TEST_F(Firmendaten, LesenUndSchreibenNachMNr) {
    // A foreign row first in the table (a copied file) must not be taken for this business.
    daten().ausfuehren(QStringLiteral("DELETE FROM Firmendaten"));
    daten().ausfuehren(QStringLiteral("INSERT INTO Firmendaten (MNr, Firmenname) VALUES "
                                      "('9999', 'Fremd')"));
    UhrFestsetzen(QDateTime(QDate(2024, 5, 17), QTime(10, 0)));
    tFirma f = FirmendatenLaden(daten(), QStringLiteral("1000"));
    UhrFestsetzen(QDateTime());
    EXPECT_EQ(f.MNr, QStringLiteral("1000"));
    EXPECT_EQ(f.Firmenname, QStringLiteral("Firma (1000)"));
    EXPECT_EQ(f.ErfassungsBeginn, QDate(2024, 5, 1));
    EXPECT_EQ(f.WirtschaftsBeginn, 1);
    EXPECT_EQ(f.HRNummer, QStringLiteral("HRA"));
    EXPECT_EQ(f.Kontenplan, 77);

    f.Firmenname = QStringLiteral("Löwen-Apotheke \"Süd\"");
    f.WirtschaftsBeginn = 7;
    f.ErfassungsBeginn = QDate(2023, 1, 1);
    FirmendatenSpeichern(daten(), f, false);
    f.VBBerater = QStringLiteral("Frau Berater");
    KMBDatenSpeichern(daten(), f, 4);
    const tFirma g = FirmendatenLaden(daten(), QStringLiteral("1000"));
    EXPECT_EQ(g.Firmenname, QStringLiteral("Löwen-Apotheke \"Süd\""));
    EXPECT_EQ(g.WirtschaftsBeginn, 7);
    EXPECT_EQ(g.ErfassungsBeginn, QDate(2024, 5, 1)) << "not editable, not written";
    EXPECT_EQ(g.VBBerater, QStringLiteral("Frau Berater"));
    EXPECT_EQ(NiederlassungLaden(daten(), QStringLiteral("1000")), 4);
    EXPECT_EQ(FirmendatenLaden(daten(), QStringLiteral("9999")).Firmenname,
              QStringLiteral("Fremd"));
}

TEST_F(Firmendaten, ErfassungsBeginnPruefen) {
    daten().ausfuehren(QStringLiteral("INSERT INTO Salden (Konto, Datum, Saldo) VALUES "
                                      "(1600, '2024-03-01', 0)"));
    const struct {
        int monat;
        const char* jahr;
        Firmenfeld feld;
        const char* meldung;
    } faelle[] = {
        {0, "2024", Firmenfeld::Monat, "Wählen Sie einen Monat aus!"},
        {3, "1899", Firmenfeld::Jahr, "Ungültiges Jahr!"},
        {3, "abc", Firmenfeld::Jahr, "Ungültiges Jahr!"},
        {4, "2024", Firmenfeld::Monat,
         "Ungültiger Erfassungsbeginn!\rSie haben bereits Geldkonten zu einem früheren Zeitpunkt "
         "aktiviert!"},
        {3, "2024", Firmenfeld::Keines, nullptr},
        {1, "2020", Firmenfeld::Keines, nullptr},
    };
    for (const auto& f : faelle) {
        fragen.meldungen.clear();
        QDate beginn;
        EXPECT_EQ(ErfassungsBeginnPruefen(daten(), f.monat, QString::fromLatin1(f.jahr), beginn),
                  f.feld)
            << f.monat << f.jahr;
        EXPECT_EQ(fragen.letzterText(), f.meldung ? QString::fromUtf8(f.meldung) : QString());
    }
    EXPECT_TRUE(ErfassungsBeginnAenderbar(daten()));
    daten().ausfuehren(QStringLiteral("INSERT INTO Erfassungen (Konto) VALUES (1600)"));
    EXPECT_FALSE(ErfassungsBeginnAenderbar(daten()));
    EXPECT_TRUE(WirtschaftsBeginnAenderbar(daten()));
    daten().ausfuehren(QStringLiteral("INSERT INTO Abschluss (Monat, Jahr) VALUES (1, 2024)"));
    EXPECT_FALSE(WirtschaftsBeginnAenderbar(daten()));
}

} // namespace
