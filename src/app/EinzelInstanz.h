#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Allows one running program per user session. The lock file records the holding process, so
// a lock left behind by a crashed process is taken over instead of blocking the next start.
class EinzelInstanz {
public:
    // The lock lives in the user's runtime folder unless a folder is given (tests).
    explicit EinzelInstanz(const QString& verzeichnis = QString());

    // False when another running program holds the lock.
    bool erwerben();

private:
    std::unique_ptr<QLockFile> sperre;
};
