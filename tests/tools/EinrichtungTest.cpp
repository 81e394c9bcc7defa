#include "Einrichtung.h"
#include "Datenbank.h"
#include "Einrichtungsfehler.h"
#include "Passwort.h"
#include "Pfade.h"
#include "Strukturaktualisierung.h"
#include "TestInstallation.h"
#include "TestVerzeichnis.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray pruefsumme(const QString& datei) {
    QFile f(datei);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every database of the installation opens and is already up to its definition file.
void allesAktuell(const QString& d, const QString& bereich, const QString& mnr) {
    const struct {
        QString art;
        QString datei;
    } dateien[] = {{QStringLiteral("kmb_log"), LogDateiname(d)},
                   {QStringLiteral("bereich"), BereichDateiname(d, bereich)},
                   {QStringLiteral("archiv"), ArchivDateiname(d, bereich, 77)},
                   {QStringLiteral("daten"), DatenDateiname(d, bereich, mnr)}};
    for (const auto& f : dateien) {
        SCOPED_TRACE(f.datei.toStdString());
        const QByteArray vorher = pruefsumme(f.datei);
        ASSERT_FALSE(vorher.isEmpty());
        EXPECT_TRUE(StrukturAktualisieren(DefinitionsDateiname(d, f.art), f.datei));
        EXPECT_EQ(pruefsumme(f.datei), vorher);
    }
    Datenbank stamm;
    stamm.oeffnen(StammDateiname(d), false);
    EXPECT_GT(stamm.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Sachkonten")).value_or(0), 0);
}

TEST(Einrichtung, TestinstallationIstVollstaendigUndAktuell) {
    TestInstallation inst;
    const QString d = inst.datenverzeichnis();
    allesAktuell(d, inst.bereich(), inst.mnr());

    Datenbank daten;
    daten.oeffnen(DatenDateiname(d, inst.bereich(), inst.mnr()), false);
    Abfrage f(daten, QStringLiteral("SELECT MNr, Firmenname, ErfassungsBeginn, Kontenplan, "
                                    "WirtschaftsBeginn FROM Firmendaten"));
    ASSERT_TRUE(f.naechste());
    EXPECT_EQ(f.text(0), inst.mnr());
    EXPECT_EQ(f.text(1), QStringLiteral("Test-Apotheke"));
    EXPECT_EQ(f.text(2), QStringLiteral("2024-01-01"));
    EXPECT_EQ(f.ganzzahl(3), 77);
    EXPECT_EQ(f.ganzzahl(4), 1);

    Datenbank bereich;
    bereich.oeffnen(BereichDateiname(d, inst.bereich()), false);
    Abfrage b(bereich, QStringLiteral("SELECT ID, UserStatus, Aktiv, Passwort FROM Benutzer"));
    ASSERT_TRUE(b.naechste());
    EXPECT_EQ(b.ganzzahl(0), inst.benutzerId());
    EXPECT_EQ(b.ganzzahl(1), 0) << "the first user is the main administrator";
    EXPECT_TRUE(b.wahr(2));
    EXPECT_NE(b.text(3), inst.passwort());
    EXPECT_TRUE(PasswortPruefen(b.text(3), inst.passwort()));
    EXPECT_FALSE(PasswortPruefen(b.text(3), QStringLiteral("Geheim")));
    EXPECT_TRUE(QFileInfo::exists(OptionenIniDateiname(d)));
    EXPECT_FALSE(QFileInfo(StammDateiname(d)).permissions() & QFileDevice::ReadOther);
    EXPECT_FALSE(QFileInfo(DatenDateiname(d, inst.bereich(), inst.mnr())).permissions() &
                 QFileDevice::ReadOther);
}

TEST(Einrichtung, WeitereBenutzerBekommenIhreArt) {
    TestInstallation inst;
    const QString d = inst.datenverzeichnis();
    const qint64 admin = BenutzerAnlegen(d, inst.bereich(),
                                         {QStringLiteral("Zweiter"), QStringLiteral("ZW"),
                                          QStringLiteral("x"), Benutzerart::Administrator});
    const qint64 benutzer = BenutzerAnlegen(d, inst.bereich(),
                                            {QStringLiteral("Dritte"), QStringLiteral("DR"),
                                             QStringLiteral("y"), Benutzerart::Benutzer});
    Datenbank db;
    db.oeffnen(BereichDateiname(d, inst.bereich()), false);
    EXPECT_EQ(
        db.ganzzahlWert(QStringLiteral("SELECT UserStatus FROM Benutzer WHERE ID=?"), {admin}), 1);
    EXPECT_EQ(
        db.ganzzahlWert(QStringLiteral("SELECT UserStatus FROM Benutzer WHERE ID=?"), {benutzer}),
        2);
}

TEST(Einrichtung, VerweigerungenMitKlarerMeldung) {
    TestInstallation inst;
    const QString d = inst.datenverzeichnis();
    const QString b = inst.bereich();
    TestVerzeichnis frei;
    const QString datei = frei.schreiben(QStringLiteral("eine Datei"), "x");
    const QString prog = TestInstallation::programmverzeichnis();
    const struct {
        const char* fall;
        std::function<void()> aktion;
        QString meldung;
    } faelle[] = {
        {"vorhandene MNr",
         [&] {
             BetriebAnlegen(d, b, {inst.mnr(), "Zweite", "", {}});
         },
         "Den Betrieb mit der Mandantennummer 1000 gibt es bereits."},
        {"MNr 0",
         [&] {
             BetriebAnlegen(d, b, {"0", "F", "", {}});
         },
         "Die Mandantennummer \"0\" ist keine positive Zahl."},
        {"negative MNr",
         [&] {
             BetriebAnlegen(d, b, {"-5", "F", "", {}});
         },
         "Die Mandantennummer \"-5\" ist keine positive Zahl."},
        {"MNr mit Buchstaben",
         [&] {
             BetriebAnlegen(d, b, {"12a", "F", "", {}});
         },
         "Die Mandantennummer \"12a\" ist keine positive Zahl."},
        {"unbekannter Bereich (Betrieb)",
         [&] {
             BetriebAnlegen(d, "Nirgends", {"7", "F", "", {}});
         },
         "Den Bereich \"Nirgends\" gibt es nicht."},
        {"unbekannter Bereich (Benutzer)",
         [&] {
             BenutzerAnlegen(d, "Nirgends", {"N", "N", "p", Benutzerart::Benutzer});
         },
         "Den Bereich \"Nirgends\" gibt es nicht."},
        {"vorhandener Bereich", [&] { BereichAnlegen(d, b); },
         "Den Bereich \"Test\" gibt es bereits."},
        {"verborgener Bereich", [&] { BereichAnlegen(d, "Alt_temp"); },
         "\"Alt_temp\" ist als Name für einen Bereich nicht zulässig."},
        {"Verzeichnis nicht leer", [&] { DatenverzeichnisAnlegen(prog, d); },
         QStringLiteral("Das Verzeichnis \"%1\" ist nicht leer.").arg(d)},
        {"Verzeichnis nicht beschreibbar",
         [&] { DatenverzeichnisAnlegen(prog, datei + QStringLiteral("/kivo")); },
         QStringLiteral("Das Verzeichnis \"%1/kivo\" kann nicht angelegt werden.").arg(datei)},
        {"kein Datenverzeichnis", [&] { BereichAnlegen(frei.pfad(), "B"); },
         QStringLiteral("Im Verzeichnis \"%1\" ist keine KIVO-Installation.").arg(frei.pfad())},
        {"Name doppelt",
         [&] {
             BenutzerAnlegen(d, b, {"admin", "X", "p", Benutzerart::Benutzer});
         },
         "Einen Benutzer \"admin\" gibt es bereits."},
        {"Kürzel doppelt",
         [&] {
             BenutzerAnlegen(d, b, {"Neu", "ad", "p", Benutzerart::Benutzer});
         },
         "Das Kürzel \"ad\" ist bereits vergeben."},
        {"Kürzel zu lang",
         [&] {
             BenutzerAnlegen(d, b, {"Neu", "ABCDEFGHIJK", "p", Benutzerart::Benutzer});
         },
         "Das Kürzel darf höchstens 10 Zeichen lang sein."},
        {"leeres Passwort",
         [&] {
             BenutzerAnlegen(d, b, {"Neu", "NE", "", Benutzerart::Benutzer});
         },
         "Das Passwort darf nicht leer sein."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        try {
            f.aktion();
            ADD_FAILURE() << "nicht verweigert";
        } catch (const Einrichtungsfehler& e) {
            EXPECT_EQ(e.text(), f.meldung);
        }
    }
    EXPECT_EQ(QDir(BereichsVerzeichnis(d, b))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("1000"), QStringLiteral("archiv_77.mdb"),
                           QStringLiteral("bereich.mdb")}))
        << "a refused Betrieb leaves nothing behind";
}

class KivoAdmin : public ::testing::Test {
protected:
    TestVerzeichnis dir;
    QString d = dir.datei(QStringLiteral("demo"));
    QProcess prozess;
    QString aus, fehler;

    int starten(const QStringList& argumente, const QByteArray& eingabe = {}) {
        prozess.start(QStringLiteral(KIVO_BUILD_DIR "/kivo-admin"), argumente);
        prozess.write(eingabe);
        prozess.closeWriteChannel();
        EXPECT_TRUE(prozess.waitForFinished(-1));
        aus = QString::fromUtf8(prozess.readAllStandardOutput());
        fehler = QString::fromUtf8(prozess.readAllStandardError());
        return prozess.exitCode();
    }
};

TEST_F(KivoAdmin, DemoUndBefehle) {
    ASSERT_EQ(starten({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(aus.startsWith(QStringLiteral("Aufruf: kivo-admin BEFEHL")));

    ASSERT_EQ(starten({QStringLiteral("demo"), d}), 0) << fehler.toStdString();
    EXPECT_EQ(aus, QStringLiteral("Benutzer: Administrator\nPasswort: demo\n"));
    allesAktuell(d, QStringLiteral("Demo"), QStringLiteral("10001"));

    EXPECT_EQ(starten({QStringLiteral("bereich"), d, QStringLiteral("Filialen")}), 0);
    EXPECT_EQ(starten({QStringLiteral("betrieb"), d, QStringLiteral("Filialen"),
                       QStringLiteral("20002"), QStringLiteral("Löwen-Apotheke"),
                       QStringLiteral("Max Muster"), QStringLiteral("15.03.2023")}),
              0);
    EXPECT_EQ(starten({QStringLiteral("benutzer"), d, QStringLiteral("Filialen"),
                       QStringLiteral("Chefin"), QStringLiteral("CH")},
                      "sehr geheim\n"),
              0)
        << fehler.toStdString();
    allesAktuell(d, QStringLiteral("Filialen"), QStringLiteral("20002"));
    Datenbank db;
    db.oeffnen(BereichDateiname(d, QStringLiteral("Filialen")), false);
    Abfrage a(db, QStringLiteral("SELECT Passwort, UserStatus FROM Benutzer"));
    ASSERT_TRUE(a.naechste());
    EXPECT_TRUE(PasswortPruefen(a.text(0), QStringLiteral("sehr geheim")));
    EXPECT_EQ(a.ganzzahl(1), 0);
    Datenbank daten;
    daten.oeffnen(DatenDateiname(d, QStringLiteral("Filialen"), QStringLiteral("20002")), false);
    EXPECT_EQ(daten.ganzzahlWert(QStringLiteral("SELECT count(*) FROM Firmendaten WHERE "
                                                "ErfassungsBeginn='2023-03-01'")),
              1);
}

TEST_F(KivoAdmin, VerweigerungIstEineZeileAufStderrMitFehlercode) {
    ASSERT_EQ(starten({QStringLiteral("demo"), d}), 0);
    EXPECT_EQ(starten({QStringLiteral("betrieb"), d, QStringLiteral("Demo"),
                       QStringLiteral("10001"), QStringLiteral("Doppelt")}),
              1);
    EXPECT_EQ(fehler,
              QStringLiteral("kivo-admin: Den Betrieb mit der Mandantennummer 10001 gibt es "
                             "bereits.\n"));
    EXPECT_TRUE(aus.isEmpty());
    EXPECT_EQ(starten({QStringLiteral("demo"), d}), 1);
    EXPECT_EQ(fehler,
              QStringLiteral("kivo-admin: Das Verzeichnis \"%1\" ist nicht leer.\n").arg(d));
    EXPECT_EQ(starten({QStringLiteral("gibtsnicht")}), 2);
    EXPECT_EQ(fehler.count(u'\n'), 1);
}

} // namespace
