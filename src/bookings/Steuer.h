#pragma once

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

class TDataModule1;

// The tax keys offered for an account pair and whether the given key is among them.
struct tSteuerErmittlung {
    // Key and description, in the order offered.
    std::vector<std::pair<QString, QString>> Liste;
    bool ZuordnungGueltig = true;
    bool SchluesselErlaubt = false;
    QString Vorschlag = QStringLiteral("0");
};

// stichtag: the keys valid on that day (the last day of the working month).
tSteuerErmittlung SteuerschluesselErmitteln(TDataModule1& dm, int bereichsart, qint64 konto,
                                            qint64 gkonto, const QString& schluessel,
                                            const QDate& stichtag);

// Whether the key is allowed for the pair (as for a cash area).
bool SteuerZulaessig(TDataModule1& dm, qint64 konto, qint64 gkonto, const QString& schluessel,
                     const QDate& stichtag);

// "ohne Steuer" for "0", an empty or non-numeric key; else the key's description valid on the
// date, empty when none.
QString SteuerBezeichnung(TDataModule1& dm, const QString& schluessel, const QDate& datum);
