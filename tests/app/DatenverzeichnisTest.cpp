#include "Datenverzeichnis.h"
#include "TestVerzeichnis.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* ini;      // nullptr: no ini beside the program
    const char* erwartet; // "P" stands for the program's folder
};

TEST(Datenverzeichnis, AusDerIniNebenDemProgramm) {
    const Fall faelle[] = {
        {nullptr, "P/"},
        {"[System]\nKIVO-Verzeichnis=\n", "P/"},
        {"[System]\nKIVO-Verzeichnis=/srv/kivo\n", "/srv/kivo"},
        {"[system]\r\nkivo-verzeichnis = /srv/kivo/ \r\n", "/srv/kivo/"},
        {"[Anderes]\nKIVO-Verzeichnis=/srv/kivo\n", "P/"},
        {"kaputt ohne Abschnitt\n=\n[[[\n", "P/"},
        {"[System]\nKIVO-Verzeichnis=daten\n", "P/daten"},
    };
    for (const auto& f : faelle) {
        TestVerzeichnis dir;
        // The ini is named like the program, whatever the program is called.
        const QString programm = dir.datei(QStringLiteral("X.exe"));
        if (f.ini)
            dir.schreiben(QStringLiteral("X.ini"), f.ini);
        const QString erwartet = QString::fromUtf8(f.erwartet).replace(u'P', dir.pfad());
        EXPECT_EQ(DatenverzeichnisErmitteln(programm), erwartet) << (f.ini ? f.ini : "(keine)");
    }
}

TEST(Datenverzeichnis, IniIstUnabhaengigVomUeblichenNamen) {
    TestVerzeichnis dir;
    dir.schreiben(QStringLiteral("kivo.ini"), "[System]\nKIVO-Verzeichnis=/falsch\n");
    EXPECT_EQ(DatenverzeichnisErmitteln(dir.datei(QStringLiteral("anders"))), dir.pfad() + u'/');
}

TEST(Datenverzeichnis, PruefungNenntFehlendeUndUnbrauchbareVerzeichnisse) {
    TestVerzeichnis dir;
    EXPECT_EQ(DatenverzeichnisPruefen(dir.pfad()), QString());
    const QString fehlt = dir.datei(QStringLiteral("fehlt"));
    EXPECT_EQ(DatenverzeichnisPruefen(fehlt),
              QStringLiteral("Das Datenverzeichnis \"%1\" existiert nicht.").arg(fehlt));
    const QString datei = dir.schreiben(QStringLiteral("datei"), "x");
    EXPECT_TRUE(DatenverzeichnisPruefen(datei).contains(QStringLiteral("kein Verzeichnis")));
}

} // namespace
