#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <optional>

// A plain Windows-style ini file. Sections and keys are case-insensitive; an unreadable or
// malformed file reads as empty, so every value falls back to its default.
class IniDatei {
public:
    explicit IniDatei(const QString& datei);

    bool vorhanden() const { return gefunden; }
    QString text(const QString& abschnitt, const QString& schluessel,
                 const QString& standard = QString()) const;
    bool schalter(const QString& abschnitt, const QString& schluessel, bool standard) const;
    QDate datum(const QString& abschnitt, const QString& schluessel) const;

private:
    bool gefunden = false;
    QHash<QString, QString> werte;
    std::optional<QString> wert(const QString& abschnitt, const QString& schluessel) const;
};
