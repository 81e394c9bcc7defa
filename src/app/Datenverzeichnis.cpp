#include "Datenverzeichnis.h"

#include "Dateien.h"
#include "IniDatei.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString DatenverzeichnisErmitteln(const QString& programmDatei) {
    const QFileInfo programm(programmDatei);
    const QString p = MitTrenner(programm.absolutePath());
    const IniDatei ini(p + OhneEndung(programm.fileName()) + QStringLiteral(".ini"));
    if (!ini.vorhanden()) {
        if (QFileInfo(programm.absolutePath()).isWritable())
            return p;
        const QString eigenes =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/KIVO-Online");
        VerzeichnisErstellen(eigenes);
        return eigenes;
    }
    const QString wert = ini.text(QStringLiteral("System"), QStringLiteral("KIVO-Verzeichnis"));
    if (wert.isEmpty())
        return p;
    if (QDir::isRelativePath(wert))
        return p + wert;
    return wert;
}

QString DatenverzeichnisPruefen(const QString& verzeichnis) {
    const QFileInfo info(verzeichnis);
    if (!info.exists())
        return QStringLiteral("Das Datenverzeichnis \"%1\" existiert nicht.").arg(verzeichnis);
    if (!info.isDir())
        return QStringLiteral("\"%1\" ist kein Verzeichnis und kann nicht als Datenverzeichnis "
                              "dienen.")
            .arg(verzeichnis);
    // The permission bits alone do not tell (read-only mounts, ACLs): try it.
    QTemporaryFile probe(MitTrenner(verzeichnis) + QStringLiteral(".schreibprobe-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("In das Datenverzeichnis \"%1\" kann nicht geschrieben werden.")
            .arg(verzeichnis);
    return {};
}
