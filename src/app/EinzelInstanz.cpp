#include "EinzelInstanz.h"

#include <QDir>
#include <QStandardPaths>

EinzelInstanz::EinzelInstanz(const QString& verzeichnis) {
    QString ort = verzeichnis;
    if (ort.isEmpty())
        ort = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ort.isEmpty())
        ort = QDir::tempPath();
    sperre = std::make_unique<QLockFile>(ort + QStringLiteral("/kmb.KIVO-Online.lock"));
    // Only a dead holder makes a lock stale, never its age: the program may run for days.
    sperre->setStaleLockTime(0);
}

bool EinzelInstanz::erwerben() {
    return sperre->tryLock(0);
}
