#pragma once

#include <QString>

// User passwords are stored as Argon2id hashes (libsodium's string form, salt and parameters
// included), never as the password itself.

// Throws std::runtime_error when the hash cannot be computed (out of memory).
QString PasswortHashBilden(const QString& passwort);

// Whether passwort matches the stored hash; false for anything that is not such a hash.
bool PasswortPruefen(const QString& hash, const QString& passwort);
