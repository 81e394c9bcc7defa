#include "TestVerzeichnis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TestVerzeichnis::TestVerzeichnis() {
    if (!dir.isValid())
        throw std::runtime_error("temporary folder");
}

QString TestVerzeichnis::schreiben(const QString& relativ, const QByteArray& inhalt) const {
    const QString ziel = datei(relativ);
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    QFile f(ziel);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    f.write(inhalt);
    return ziel;
}
