#pragma once

#include <QString>
#include <vector>

// Builds the reference database kmb_stamm.mdb that every installation receives complete.
//
// seedVerzeichnis holds kmb_stamm.mdbdf (the tables, in the grammar of the definition files)
// and stamm/<Tabelle>.csv with the rows of a table: the first line names the fields, ";"
// separates them, an empty value is Null (an empty text for text fields), dates are written
// yyyy-MM-dd and amounts in German form. bankdatei is the German bank file of aqbanking (Debian
// package libaqbanking-data); it fills Banken with one row per bank code. The file is built beside
// ziel and replaces it only when complete. Throws Einrichtungsfehler.
void StammdatenbankErstellen(const QString& ziel, const QString& seedVerzeichnis,
                             const QString& bankdatei);

struct BankEintrag {
    qint64 bankleitzahl = 0;
    QString bankname;
    QString bic;
};

// The banks of an aqbanking bank file, one entry per bank code in file order: the name of the
// code's first record and the first BIC given for it. Texts are percent-decoded UTF-8.
std::vector<BankEintrag> BankdateiLesen(const QString& bankdatei);
