// kivo-admin: sets up installations of KIVO-Online from the command line.

#include "Datum.h"
#include "Einrichtung.h"
#include "Einrichtungsfehler.h"
#include "Stammdatenbank.h"
#include "Testdaten.h"
#include "Uhr.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

const char* const Hilfe = R"(Aufruf: kivo-admin BEFEHL ARGUMENTE

Richtet Installationen von KIVO-Online ein.

Befehle:
  datenverzeichnis VERZEICHNIS
      Legt ein Datenverzeichnis an: Referenz- und Protokolldatenbank,
      Definitionsdateien, optionen.ini. Das Verzeichnis muss leer sein.
  bereich VERZEICHNIS BEREICH
      Legt im Datenverzeichnis einen Bereich an.
  betrieb VERZEICHNIS BEREICH MNR FIRMENNAME [INHABER [ERFASSUNGSBEGINN]]
      Legt einen Betrieb mit der Mandantennummer MNR an (Kontenplan 77,
      Wirtschaftsjahr ab Januar). ERFASSUNGSBEGINN als TT.MM.JJJJ, sonst der
      1. Januar des laufenden Jahres.
  benutzer VERZEICHNIS BEREICH NAME KUERZEL [admin|benutzer]
      Legt einen Benutzer an (Standard: benutzer). Das Passwort wird ohne
      Anzeige abgefragt oder, wenn die Eingabe kein Terminal ist, als erste
      Zeile der Standardeingabe gelesen. Der erste Benutzer eines Bereichs
      wird Hauptadministrator.
  demo VERZEICHNIS
      Legt eine vollständige Demo-Installation an (Bereich, Apotheke,
      Administrator) und gibt Benutzer und Passwort aus.
  testdaten VERZEICHNIS BEREICH MNR ANZAHL
      Füllt einen Betrieb ohne Erfassungsbereiche mit Kasse, Bank und
      Wareneingang und ANZAHL erzeugten Erfassungen über 25 Jahre bis zum
      laufenden Monat, mit Belegnummern, offenen Posten und Monatssalden.
  stammdatenbank ZIELDATEI SEEDVERZEICHNIS BANKDATEI
      Erstellt die Referenzdatenbank kmb_stamm.mdb aus den Seed-Dateien und
      der Bankdatei von libaqbanking-data.

Optionen:
  -h, --help   Zeigt diese Hilfe.
)";

QString zeileLesen() {
    std::string zeile;
    std::getline(std::cin, zeile);
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.pop_back();
    return QString::fromStdString(zeile);
}

QString verdecktLesen(const char* aufforderung) {
    std::cerr << aufforderung << std::flush;
    termios alt{};
    tcgetattr(STDIN_FILENO, &alt);
    termios ohneEcho = alt;
    ohneEcho.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &ohneEcho);
    const QString text = zeileLesen();
    tcsetattr(STDIN_FILENO, TCSANOW, &alt);
    std::cerr << '\n';
    return text;
}

QString passwortLesen() {
    if (!isatty(STDIN_FILENO))
        return zeileLesen();
    const QString passwort = verdecktLesen("Passwort: ");
    if (verdecktLesen("Passwort wiederholen: ") != passwort)
        throw Einrichtungsfehler(QStringLiteral("Die Passwörter stimmen nicht überein."));
    return passwort;
}

QDate beginnLesen(const QString& text) {
    const auto datum = DatumAusText(text, Heute().month(), Heute().year());
    if (!datum)
        throw Einrichtungsfehler(QStringLiteral("\"%1\" ist kein gültiges Datum.").arg(text));
    return *datum;
}

Benutzerart artLesen(const QString& text) {
    if (text == u"admin")
        return Benutzerart::Administrator;
    if (text == u"benutzer")
        return Benutzerart::Benutzer;
    throw Einrichtungsfehler(
        QStringLiteral("Die Benutzerart \"%1\" ist unbekannt (admin oder benutzer).").arg(text));
}

int falscherAufruf() {
    std::cerr << "kivo-admin: falscher Aufruf. Hilfe mit \"kivo-admin --help\".\n";
    return 2;
}

int ausfuehren(const QStringList& a) {
    const QString befehl = a.value(0);
    const qsizetype n = a.size() - 1;
    const QString programm = QCoreApplication::applicationDirPath();
    QTextStream aus(stdout);
    if (befehl == u"datenverzeichnis" && n == 1) {
        DatenverzeichnisAnlegen(programm, a[1]);
    } else if (befehl == u"bereich" && n == 2) {
        BereichAnlegen(a[1], a[2]);
    } else if (befehl == u"betrieb" && n >= 4 && n <= 6) {
        BetriebAnlegen(
            a[1], a[2],
            {a[3], a[4], a.value(5), n == 6 ? beginnLesen(a[6]) : QDate(Heute().year(), 1, 1)});
    } else if (befehl == u"benutzer" && (n == 4 || n == 5)) {
        const Benutzerart art = n == 5 ? artLesen(a[5]) : Benutzerart::Benutzer;
        BenutzerAnlegen(a[1], a[2], {a[3], a[4], passwortLesen(), art});
    } else if (befehl == u"demo" && n == 1) {
        const DemoZugang zugang = DemoAnlegen(programm, a[1]);
        aus << "Benutzer: " << zugang.benutzer << "\nPasswort: " << zugang.passwort << '\n';
    } else if (befehl == u"testdaten" && n == 4) {
        bool ok = false;
        const qint64 anzahl = a[4].toLongLong(&ok);
        if (!ok || anzahl < 0)
            throw Einrichtungsfehler(QStringLiteral("\"%1\" ist keine Anzahl.").arg(a[4]));
        TestdatenErzeugen(a[1], a[2], a[3], anzahl);
    } else if (befehl == u"stammdatenbank" && n == 3) {
        StammdatenbankErstellen(a[1], a[2], a[3]);
    } else {
        return falscherAufruf();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty())
        return falscherAufruf();
    if (argumente.contains(QStringLiteral("--help")) || argumente.contains(QStringLiteral("-h"))) {
        std::cout << Hilfe;
        return 0;
    }
    try {
        return ausfuehren(argumente);
    } catch (const Einrichtungsfehler& e) {
        std::cerr << "kivo-admin: " << e.text().toStdString() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "kivo-admin: " << e.what() << '\n';
    }
    return 1;
}
