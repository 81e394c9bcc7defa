#include "Hauptfensterdaten.h"
#include "Datenbank.h"
#include "FakeRueckfragen.h"
#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

namespace {

TEST(Hauptfensterdaten, Versionstexte) {
    const QString v = QStringLiteral("1.2.3.456");
    EXPECT_EQ(Fenstertitel(v), QStringLiteral("kmb.KIVO-Online v. 1.2"));
    EXPECT_EQ(Versionsbeschriftung(v), QStringLiteral("v. 1.2.3.456"));
    EXPECT_EQ(Infotext(v), QStringLiteral("KIVO-Online v. 1.2.3"));
    EXPECT_EQ(Versionsdetails(v, QDateTime(QDate(2024, 3, 5), QTime(8, 9, 10))),
              QStringLiteral("v. 1.2.3.456 05.03.2024 08:09:10"));
}

TEST(Hauptfensterdaten, Uhrzeit) {
    const std::pair<QDateTime, const char*> faelle[] = {
        {QDateTime(QDate(2024, 3, 5), QTime(14, 7)), "Dienstag, 05.03.2024 14:07 Uhr"},
        {QDateTime(QDate(2023, 12, 31), QTime(0, 0)), "Sonntag, 31.12.2023 00:00 Uhr"},
    };
    for (const auto& [zeit, text] : faelle)
        EXPECT_EQ(UhrzeitText(zeit), QString::fromUtf8(text));
}

TEST(Hauptfensterdaten, HilfedateiErstBeimProgramm) {
    TestVerzeichnis programm, daten;
    EXPECT_TRUE(HilfeDateiFinden(programm.pfad(), daten.pfad()).isEmpty());
    daten.schreiben(QStringLiteral("KivoOnline.chm"), "d");
    EXPECT_EQ(HilfeDateiFinden(programm.pfad(), daten.pfad()),
              daten.datei(QStringLiteral("KivoOnline.chm")));
    programm.schreiben(QStringLiteral("KivoOnline.chm"), "p");
    EXPECT_EQ(HilfeDateiFinden(programm.pfad(), daten.pfad()),
              programm.datei(QStringLiteral("KivoOnline.chm")));
}

TEST(Hauptfensterdaten, NurHeuteGueltigeHinweiseUnlesbareUebergangen) {
    TestVerzeichnis dir;
    Datenbank stamm;
    stamm.oeffnen(dir.datei(QStringLiteral("kmb_stamm.mdb")));
    stamm.skript(QStringLiteral(
        "CREATE TABLE HinweisMeldungen (VonDatum TEXT, BisDatum TEXT, Ueberschrift TEXT, "
        "Hinweistext TEXT);"
        "INSERT INTO HinweisMeldungen VALUES "
        "('2024-03-01', '2024-03-05', 'bis heute', 'a'),"
        "('2024-03-05 00:00:00', '2024-03-31 00:00:00', 'ab heute', 'b'),"
        "('2024-03-06', '2024-03-31', 'morgen', 'c'),"
        "('2024-02-01', '2024-03-04', 'gestern', 'd'),"
        "('kaputt', '2024-03-31', 'unlesbar', 'e');"));
    QStringList titel;
    for (const tHinweisMeldung& m : HinweisMeldungenLaden(stamm, QDate(2024, 3, 5)))
        titel << m.Ueberschrift;
    EXPECT_EQ(titel, (QStringList{QStringLiteral("bis heute"), QStringLiteral("ab heute")}));
}

TEST(Hauptfensterdaten, AenderungenKlaerenVorDemSchliessen) {
    struct Fall {
        Antwort antwort;
        bool speichernGelingt;
        bool weiter;
        const char* ablauf;
    };
    const Fall faelle[] = {
        {Antwort::Ja, true, true, "gespeichert"},
        {Antwort::Ja, false, false, "gespeichert"},
        {Antwort::Nein, true, true, "verworfen"},
        {Antwort::Abbrechen, true, false, ""},
    };
    const QString frage =
        QStringLiteral("Möchten Sie die Änderungen an den Firmendaten speichern?");
    for (const Fall& f : faelle) {
        FakeRueckfragen fragen;
        fragen.antworten.push_back(f.antwort);
        QString ablauf;
        const bool weiter = AenderungenKlaeren(
            frage,
            [&] {
                ablauf = QStringLiteral("gespeichert");
                return f.speichernGelingt;
            },
            [&] { ablauf = QStringLiteral("verworfen"); });
        EXPECT_EQ(weiter, f.weiter);
        EXPECT_EQ(ablauf, QString::fromLatin1(f.ablauf));
        ASSERT_EQ(fragen.meldungen.size(), 1u);
        EXPECT_EQ(fragen.meldungen[0].art, Meldungsart::Warnung);
        EXPECT_EQ(fragen.meldungen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(fragen.meldungen[0].text, frage);
    }
}

} // namespace
