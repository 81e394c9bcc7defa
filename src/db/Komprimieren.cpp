#include "Komprimieren.h"

#include "Dateien.h"
#include "Datenbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool synchronisieren(const QString& pfad) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(pfad);
    return true;
#endif
}

bool ersetzen(const QString& neu, const QString& alt) {
#ifdef Q_OS_UNIX
    // rename() replaces the old file in one step: there is never a moment without it.
    return std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(alt).constData()) == 0;
#else
    return QFile::remove(alt) && QFile::rename(neu, alt);
#endif
}

} // namespace

bool DaoDatenbankKomprimieren(const QString& quelle, const QString& ziel) {
    if (!QFileInfo::exists(quelle))
        return false;
    if (QFileInfo::exists(ziel) && !QFile::remove(ziel))
        return false;
    try {
        Datenbank db;
        db.oeffnen(quelle, false);
        db.skript(QStringLiteral("PRAGMA busy_timeout=500"));
        // Leaving WAL mode fails while any other connection has the file open; the exclusive
        // lock then keeps everyone out until the new file is in place.
        {
            Abfrage modus(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
            if (!modus.naechste() || modus.text(0).compare(u"delete", Qt::CaseInsensitive) != 0)
                return false;
        }
        db.skript(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;"));
        db.ausfuehren(QStringLiteral("VACUUM INTO ?"), {ziel});
        // The new file is created with default permissions; it keeps those of the original.
        QFile::setPermissions(ziel, QFile::permissions(quelle));
        if (!synchronisieren(ziel) || !ersetzen(ziel, quelle)) {
            QFile::remove(ziel);
            return false;
        }
        synchronisieren(QFileInfo(quelle).absolutePath());
        return true;
    } catch (const DatenbankFehler&) {
        QFile::remove(ziel);
        return false;
    }
}

bool DatenbankKomprimieren(const QString& datei) {
    return DaoDatenbankKomprimieren(datei, datei + u'x');
}

QString DateigroesseText(const QString& datei) {
    return GroesseInKb(qMax<qint64>(0, DateiGroesse(datei)));
}
