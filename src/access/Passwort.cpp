#include "Passwort.h"

#include <sodium.h>
#include <stdexcept>

namespace {

void sodiumBereit() {
    static const bool bereit = sodium_init() >= 0;
    if (!bereit)
        throw std::runtime_error("Die Verschlüsselungsbibliothek kann nicht gestartet werden.");
}

} // namespace

QString PasswortHashBilden(const QString& passwort) {
    sodiumBereit();
    const QByteArray klartext = passwort.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, klartext.constData(), quint64(klartext.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("Das Passwort konnte nicht verschlüsselt werden.");
    return QString::fromLatin1(hash);
}

bool PasswortPruefen(const QString& hash, const QString& passwort) {
    sodiumBereit();
    const QByteArray gespeichert = hash.toLatin1();
    if (gespeichert.isEmpty() || gespeichert.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray klartext = passwort.toUtf8();
    return crypto_pwhash_str_verify(gespeichert.constData(), klartext.constData(),
                                    quint64(klartext.size())) == 0;
}
