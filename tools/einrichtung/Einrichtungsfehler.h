#pragma once

#include <QString>
#include <stdexcept>

// A refusal or failure of provisioning: one German line for the administrator.
class Einrichtungsfehler : public std::runtime_error {
public:
    explicit Einrichtungsfehler(const QString& text)
        : std::runtime_error(text.toStdString()), meldung(text) {}
    QString text() const { return meldung; }

private:
    QString meldung;
};
