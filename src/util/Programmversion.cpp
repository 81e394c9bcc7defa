#include "Programmversion.h"

#include "Version.h"

QString ProgrammVersion() {
    return QStringLiteral("%1.%2").arg(ProgrammVersionDreiteilig()).arg(KIVO_VERSION_BUILD);
}

QString ProgrammVersionDreiteilig() {
    return QStringLiteral("%1.%2.%3")
        .arg(KIVO_VERSION_HAUPT)
        .arg(KIVO_VERSION_NEBEN)
        .arg(KIVO_VERSION_RELEASE);
}
