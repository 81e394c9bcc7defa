#include "EinzelInstanz.h"
#include "DataModule.h"
#include "FakeRueckfragen.h"
#include "Programmstart.h"
#include "Sitzung.h"
#include "TestVerzeichnis.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The login itself is tested with its dialog; here it is cancelled.
bool abgebrochen(TDataModule1&) {
    return false;
}

// Without a login there is no main window.
int keinFenster(TDataModule1&) {
    ADD_FAILURE() << "main window after a cancelled login";
    return 1;
}

// A second process that takes the lock, reports through a pipe and waits to be killed.
pid_t sperrendesKind(const QString& verzeichnis, bool& erworben) {
    int rohr[2];
    if (pipe(rohr) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(rohr[0]);
        EinzelInstanz instanz(verzeichnis);
        const char ergebnis = instanz.erwerben() ? '1' : '0';
        if (write(rohr[1], &ergebnis, 1) != 1)
            _exit(2);
        pause();
        _exit(0);
    }
    close(rohr[1]);
    char ergebnis = '0';
    erworben = read(rohr[0], &ergebnis, 1) == 1 && ergebnis == '1';
    close(rohr[0]);
    return pid;
}

TEST(EinzelInstanz, ZweiterProzessWirdAbgewiesenVerwaisteSperreNicht) {
    TestVerzeichnis dir;
    bool erworben = false;
    const pid_t kind = sperrendesKind(dir.pfad(), erworben);
    ASSERT_GT(kind, 0);
    ASSERT_TRUE(erworben);

    {
        EinzelInstanz zweite(dir.pfad());
        EXPECT_FALSE(zweite.erwerben());
    }

    // A crash leaves the lock file behind; it must not block the next start.
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    EinzelInstanz nachAbsturz(dir.pfad());
    EXPECT_TRUE(nachAbsturz.erwerben());
}

TEST(Programmstart, ZweiterStartZeigtDenHinweisUndEndet) {
    TestVerzeichnis dir;
    EinzelInstanz erste(dir.pfad());
    ASSERT_TRUE(erste.erwerben());
    bool erworben = true;
    const pid_t kind = fork();
    if (kind == 0) {
        FakeRueckfragen fragen;
        EinzelInstanz zweite(dir.pfad());
        const int rc =
            ProgrammStarten(dir.datei(QStringLiteral("kivo")), zweite, abgebrochen, keinFenster);
        _exit(rc == 0 && fragen.texte() ==
                             QStringList{QStringLiteral("KIVO-Online ist bereits gestartet!")}
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    erworben = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    EXPECT_TRUE(erworben);
}

TEST(Programmstart, UnbrauchbaresDatenverzeichnisGibtEineKlareMeldung) {
    TestVerzeichnis dir;
    dir.schreiben(QStringLiteral("kivo.ini"), "[System]\nKIVO-Verzeichnis=/gibt/es/nicht\n");
    FakeRueckfragen fragen;
    EinzelInstanz instanz(dir.pfad());
    EXPECT_EQ(ProgrammStarten(dir.datei(QStringLiteral("kivo")), instanz, abgebrochen, keinFenster),
              1);
    ASSERT_EQ(fragen.meldungen.size(), 1u);
    EXPECT_EQ(fragen.meldungen[0].art, Meldungsart::Fehler);
    EXPECT_EQ(fragen.meldungen[0].text,
              QStringLiteral("Das Datenverzeichnis \"/gibt/es/nicht\" existiert nicht.\r"
                             "KIVO-Online wird beendet."));
}

TEST(Programmstart, LiestDieSchalterDesDatenverzeichnisses) {
    TestVerzeichnis dir;
    dir.schreiben(QStringLiteral("optionen.ini"), "[System]\nOnline=1\n");
    FakeRueckfragen fragen;
    EinzelInstanz instanz(dir.pfad());
    EXPECT_EQ(ProgrammStarten(dir.datei(QStringLiteral("kivo")), instanz, abgebrochen, keinFenster),
              0);
    EXPECT_EQ(Sitzung().Datenverzeichnis, dir.pfad() + u'/');
    EXPECT_TRUE(Sitzung().Optionen.Online);
}

TEST(Programmstart, NachDerAnmeldungLaeuftDasHauptfensterBisZumEnde) {
    TestVerzeichnis dir;
    FakeRueckfragen fragen;
    EinzelInstanz instanz(dir.pfad());
    int fenster = 0;
    const auto hauptfenster = [&fenster](TDataModule1&) {
        ++fenster;
        return 7;
    };
    EXPECT_EQ(ProgrammStarten(
                  dir.datei(QStringLiteral("kivo")), instanz, [](TDataModule1&) { return true; },
                  hauptfenster),
              7);
    EXPECT_EQ(fenster, 1);
    EXPECT_TRUE(fragen.texte().isEmpty());
}

} // namespace
