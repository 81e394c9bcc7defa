#include "Dateien.h"
#include "QtAusgabe.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DateiZeitSetzen(const QString& datei, const QDateTime& zeit) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(zeit, QFileDevice::FileModificationTime));
}

// Sets an environment variable for the life of the object.
class Umgebung {
public:
    Umgebung(const char* name, const QByteArray& wert)
        : name(name), vorher(qgetenv(name)), hatteWert(qEnvironmentVariableIsSet(name)) {
        qputenv(name, wert);
    }
    ~Umgebung() {
        if (hatteWert)
            qputenv(name, vorher);
        else
            qunsetenv(name);
    }

private:
    const char* name;
    QByteArray vorher;
    bool hatteWert;
};

const QDateTime festeZeit(QDate(2021, 6, 15), QTime(10, 30, 0));

} // namespace

TEST(DateienTest, MitTrenner) {
    const struct {
        QString ein, aus;
    } faelle[] = {{"", ""}, {"/a", "/a/"}, {"/a/", "/a/"}, {"C:/x", "C:/x/"}, {"/", "/"}};
    for (const auto& f : faelle)
        EXPECT_EQ(MitTrenner(f.ein), f.aus);
}

TEST(DateienTest, OhneEndung) {
    const struct {
        QString ein, aus;
    } faelle[] = {
        {"a.txt", "a"},
        {"/p/a.tar.gz", "/p/a.tar"},
        {"/p.d/datei", "/p.d/datei"},
        {"C:\\p.d\\datei", "C:\\p.d\\datei"},
        {".profil", ".profil"},
        {"/x/.profil", "/x/.profil"},
        {"/x/.profil.bak", "/x/.profil"},
        {"datei", "datei"},
        {"a.", "a"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(OhneEndung(f.ein), f.aus);
}

TEST(DateienTest, DatumUndGroesse) {
    TestVerzeichnis tv;
    const QString datei = tv.schreiben("a.txt", "12345");
    DateiZeitSetzen(datei, festeZeit);
    EXPECT_EQ(DateiDatum(datei), festeZeit);
    EXPECT_EQ(DateiGroesse(datei), 5);
    EXPECT_FALSE(DateiDatum(tv.datei("fehlt")).isValid());
    EXPECT_EQ(DateiGroesse(tv.datei("fehlt")), -1);
    EXPECT_EQ(DateiGroesse(tv.pfad()), -1);
}

TEST(DateienTest, VerzeichnisErstellenMitEltern) {
    TestVerzeichnis tv;
    const QString tief = tv.datei("a/b/c");
    EXPECT_TRUE(VerzeichnisErstellen(tief));
    EXPECT_TRUE(QFileInfo(tief).isDir());
    EXPECT_TRUE(VerzeichnisErstellen(tief));
    EXPECT_FALSE(VerzeichnisErstellen(""));
    EXPECT_FALSE(VerzeichnisErstellen(tv.schreiben("datei", "x") + "/unter"));
}

TEST(DateienTest, KopierenNeu) {
    TestVerzeichnis tv;
    const QString von = tv.schreiben("quelle.txt", "Inhalt");
    DateiZeitSetzen(von, festeZeit);
    const QString nach = tv.datei("neu/unter/ziel.txt");
    ASSERT_TRUE(DateiKopieren(von, nach, false));
    EXPECT_EQ(Inhalt(nach), "Inhalt");
    EXPECT_EQ(DateiDatum(nach), festeZeit);
    EXPECT_EQ(QDir(tv.datei("neu/unter")).entryList(QDir::Files), QStringList{"ziel.txt"});
    EXPECT_FALSE(DateiKopieren(tv.datei("fehlt"), tv.datei("nie.txt"), true));
    EXPECT_FALSE(QFileInfo::exists(tv.datei("nie.txt")));
    EXPECT_FALSE(DateiKopieren(tv.pfad(), tv.datei("ordner.txt"), true));
}

TEST(DateienTest, KopierenUeberschreibtNurWennErlaubt) {
    TestVerzeichnis tv;
    const QString von = tv.schreiben("quelle.txt", "neu");
    const QString nach = tv.schreiben("ziel.txt", "alt");
    EXPECT_FALSE(DateiKopieren(von, nach, false));
    EXPECT_EQ(Inhalt(nach), "alt");
    EXPECT_TRUE(DateiKopieren(von, nach, true));
    EXPECT_EQ(Inhalt(nach), "neu");
    EXPECT_EQ(QDir(tv.pfad()).entryList(QDir::Files), (QStringList{"quelle.txt", "ziel.txt"}));
}

#ifdef Q_OS_UNIX
// A file size limit makes the copy fail halfway through, as a full disk would.
TEST(DateienTest, AbgebrochenesKopierenLaesstZielUnberuehrt) {
    TestVerzeichnis tv;
    const QString von = tv.schreiben("gross.bin", QByteArray(3 << 20, 'x'));
    const QString nach = tv.schreiben("ziel.bin", "alt");

    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    rlimit grenze = vorher;
    grenze.rlim_cur = 1 << 20;
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    const bool kopiert = DateiKopieren(von, nach, true);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signalVorher);

    EXPECT_FALSE(kopiert);
    EXPECT_EQ(Inhalt(nach), "alt");
    EXPECT_EQ(QDir(tv.pfad()).entryList(QDir::Files), (QStringList{"gross.bin", "ziel.bin"}));
}
#endif

#ifdef Q_OS_LINUX
TEST(DateienTest, PapierkorbNimmtDateiAuf) {
    TestVerzeichnis tv;
    const Umgebung home("HOME", tv.pfad().toLocal8Bit());
    const Umgebung daten("XDG_DATA_HOME", tv.datei("daten").toLocal8Bit());
    const QString datei = tv.schreiben("weg.txt", "x");
    EXPECT_TRUE(InPapierkorb(datei));
    EXPECT_FALSE(QFileInfo::exists(datei));
    EXPECT_EQ(QDir(tv.datei("daten/Trash/files")).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(InPapierkorb(datei));
}

// A stand-in for xdg-open records what it was asked to open.
TEST(DateienTest, MitSystemOeffnenUebergibtZielUnveraendert) {
    TestVerzeichnis tv;
    const QString protokoll = tv.datei("geoeffnet");
    const QString programm =
        tv.schreiben("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/../geoeffnet\"\n");
    QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Umgebung pfad("PATH", tv.datei("bin").toLocal8Bit());

    const QString ziel = "mailto:a@b.de?subject=Rechnung 12&body=Guten Tag";
    ASSERT_TRUE(MitSystemOeffnen(ziel));
    QElapsedTimer uhr;
    uhr.start();
    while (Inhalt(protokoll).isEmpty() && uhr.elapsed() < 5000)
        QThread::msleep(20);
    EXPECT_EQ(QString::fromUtf8(Inhalt(protokoll)), ziel);
    EXPECT_FALSE(MitSystemOeffnen(""));
}

TEST(DateienTest, MitSystemOeffnenOhneProgramm) {
    TestVerzeichnis tv;
    const Umgebung pfad("PATH", tv.pfad().toLocal8Bit());
    EXPECT_FALSE(MitSystemOeffnen("/tmp"));
}
#endif

TEST(DateienTest, GroesseInKb) {
    const struct {
        qint64 bytes;
        QString text;
    } faelle[] = {
        {0, "0,00 kb"},
        {512, "0,50 kb"},
        {1023, "1,00 kb"},
        {1024, "1,00 kb"},
        {1536000, "1.500,00 kb"},
        {1048576, "1.024,00 kb"},
        {1073741824, "1.048.576,00 kb"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(GroesseInKb(f.bytes), f.text) << f.bytes;
}
