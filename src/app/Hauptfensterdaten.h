#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class Datenbank;

// The texts and data of the main window that need no widgets. Version arguments are the
// four-part "Haupt.Neben.Release.Build" text.

// "kmb.KIVO-Online v. " + Haupt.Neben
QString Fenstertitel(const QString& version);
// "v. " + the four-part version
QString Versionsbeschriftung(const QString& version);
// The version label's right click: the label text and the program file's date and time.
QString Versionsdetails(const QString& version, const QDateTime& programmDatum);
// "KIVO-Online v. " + Haupt.Neben.Release
QString Infotext(const QString& version);
// "Dienstag, 05.03.2024 14:07 Uhr"
QString UhrzeitText(const QDateTime& zeitpunkt);

// The help file: beside the program first, else in the data directory; empty when neither has
// one.
QString HilfeDateiFinden(const QString& programmVerzeichnis, const QString& datenverzeichnis);

struct tHinweisMeldung {
    QString Ueberschrift;
    QString Hinweistext;
};

// The notices of the reference database valid today (VonDatum <= heute <= BisDatum). A row
// whose dates cannot be read is skipped.
std::vector<tHinweisMeldung> HinweisMeldungenLaden(Datenbank& stamm, const QDate& heute);

// The address block of the advisory firm's branch that looks after the business.
struct tNiederlassung {
    QString Strasse;
    QString PLZOrt;
    QString Telefonnummer;
};

// The branch named in the business's company data; empty fields without one.
tNiederlassung NiederlassungLaden(Datenbank& daten, Datenbank& stamm);

// The question for unsaved changes of a page in edit mode before closing or a user change
// (warning, Ja/Nein/Abbrechen): Ja saves, Nein discards. False stops the close: the user
// cancelled, or saving failed and the changes would be lost.
bool AenderungenKlaeren(const QString& frage, const std::function<bool()>& speichern,
                        const std::function<void()>& verwerfen);
