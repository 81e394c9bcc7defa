#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct tPlatzhalter {
    QString Platzhalter;
    QString Beschreibung;
};

// The placeholders in the order the picker lists them.
const std::vector<tPlatzhalter>& PlatzhalterListe();

// Replaces every occurrence of the placeholder, found without regard to case, in one pass from
// left to right: text inserted is never searched again.
QString PlatzhalterErsetzen(const QString& platzhalter, const QString& wert, const QString& text);

// Replaces the placeholders of a booking text. Without a readable receipt date its
// placeholders stay. Each "%%" asks the user (cancel inserts nothing); eingegeben is set when
// one was asked.
QString BuchungstextMitPlatzhaltern(const QString& text, const std::optional<QDate>& belegdatum,
                                    bool* eingegeben = nullptr);
