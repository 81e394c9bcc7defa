#include "EinzelInstanz.h"
#include "Programmstart.h"
#include "QtRueckfragen.h"
#include "TformAnmeldung.h"
#include "TformHauptForm.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_UNIX
    // The data files are the business's books: never readable by other users of the machine.
    umask(umask(0) | S_IRWXO);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Anwendungstitel));
    QApplication::setApplicationDisplayName(QString::fromLatin1(Anwendungstitel));

    QtRueckfragen fragen;
    RueckfragenAnmeldung anmeldung(fragen);
    EinzelInstanz instanz;
    const QStringList argumente = QApplication::arguments();
    const QString parameter = argumente.size() > 1 ? argumente[1] : QString();
    const LoginAusfuehren anmelden = [&parameter](TDataModule1& dm) {
        TformAnmeldung anmeldung(dm, parameter);
        return anmeldung.Execute();
    };
    return ProgrammStarten(
        QApplication::applicationFilePath(), instanz, anmelden,
        [&anmelden](TDataModule1& dm) { return HauptfensterAusfuehren(dm, anmelden); });
}
