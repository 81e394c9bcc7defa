#include "Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

QString MitTrenner(const QString& verzeichnis) {
    if (verzeichnis.isEmpty() || verzeichnis.endsWith(u'/'))
        return verzeichnis;
    return verzeichnis + u'/';
}

QString OhneEndung(const QString& dateiname) {
    // Names from Windows files and settings may still carry backslashes.
    const qsizetype trenner = std::max(dateiname.lastIndexOf(u'/'), dateiname.lastIndexOf(u'\\'));
    const qsizetype punkt = dateiname.lastIndexOf(u'.');
    return punkt > trenner + 1 ? dateiname.left(punkt) : dateiname;
}

QDateTime DateiDatum(const QString& datei) {
    const QFileInfo info(datei);
    return info.exists() ? info.lastModified() : QDateTime();
}

qint64 DateiGroesse(const QString& datei) {
    const QFileInfo info(datei);
    return info.isFile() ? info.size() : -1;
}

bool VerzeichnisErstellen(const QString& verzeichnis) {
    return !verzeichnis.isEmpty() && QDir().mkpath(verzeichnis);
}

bool DateiKopieren(const QString& von, const QString& nach, bool ueberschreiben) {
    const QFileInfo quellInfo(von);
    if (!quellInfo.isFile() || (!ueberschreiben && QFileInfo::exists(nach)))
        return false;
    if (!VerzeichnisErstellen(QFileInfo(nach).absolutePath()))
        return false;

    QFile quelle(von);
    QSaveFile ziel(nach);
    if (!quelle.open(QIODevice::ReadOnly) || !ziel.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 blockGroesse = 1 << 20;
    while (!quelle.atEnd()) {
        const QByteArray block = quelle.read(blockGroesse);
        if (block.isEmpty() || ziel.write(block) != block.size()) {
            ziel.cancelWriting();
            return false;
        }
    }
    if (!ziel.commit())
        return false;

    // Keeps the file date and rights as a copy in the file manager does.
    QFile kopie(nach);
    kopie.setPermissions(quellInfo.permissions());
    if (kopie.open(QIODevice::ReadWrite))
        kopie.setFileTime(quellInfo.lastModified(), QFileDevice::FileModificationTime);
    return true;
}

bool InPapierkorb(const QString& pfad) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without the user's data folder Qt 6.4 finds no trash and moves the file into a "files"
    // folder below the working directory instead of failing.
    VerzeichnisErstellen(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
    return QFile::moveToTrash(pfad);
}

bool MitSystemOeffnen(const QString& dateiOderUrl) {
    if (dateiOderUrl.isEmpty())
        return false;
#if defined(Q_OS_WIN)
    // "start" takes its first quoted argument as the window title, hence the empty one; the
    // target is quoted so cmd does not split an address at "&".
    const QString ziel =
        QFileInfo::exists(dateiOderUrl) ? QDir::toNativeSeparators(dateiOderUrl) : dateiOderUrl;
    QProcess prozess;
    prozess.setProgram(QStringLiteral("cmd"));
    prozess.setNativeArguments(QStringLiteral("/c start \"\" \"%1\"").arg(ziel));
    return prozess.startDetached();
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {dateiOderUrl});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {dateiOderUrl});
#endif
}

QString GroesseInKb(qint64 bytes) {
    return QLocale(QLocale::German, QLocale::Germany).toString(double(bytes) / 1024.0, 'f', 2) +
           QStringLiteral(" kb");
}
