#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Datenbank;
class TDataModule1;

// Transfer parameters of the FTP client.
struct TFTPUebertragung {
    QString Account;
    int AuthCmd = 0;
    bool AutoLogin = true;
    int DataPort = 0;
    int DataPortMax = 0;
    int DataPortMin = 0;
    int DataPortProtection = 0;
    QString ExternalIP;
    int IPVersion = 0;
    int ListenTimeout = 10000;
    bool PassiveModus = true;
    bool PassiveUseControlHost = false;
    int ProxyModus = 3;
    QString ProxyHost;
    QString ProxyUser;
    QString ProxyPasswort;
    int ProxyPort = 0;
    int TransferPort = 21;
    int ReadTimeOut = 60000;
    int TransferTimeout = 0;
    bool TryNATFastTrack = false;
    bool UseCCC = false;
    bool UseExtensionDataPort = false;
    bool UseHost = true;
    bool UseMLIS = true;
    int UseTLS = 0;

    bool operator==(const TFTPUebertragung&) const = default;
};

// State of the SEPA conversion of the chart of accounts.
struct TSEPAInfo {
    bool Umgestellt = false;
    QString UmgestelltVon;
    QDateTime UmgestelltAm;
    int MandatsreferenzAuswahl = 0;

    bool operator==(const TSEPAInfo&) const = default;
};

// Every option of the installation and the business, with its default.
struct tOptionen {
    bool Online = false;
    bool KelmbrandMailVerschluesselung = false;
    QDate SteuerErmaessigungVon;
    QDate SteuerErmaessigungBis;
    bool App256Farben = false;
    bool KontoAnzeige = true;
    bool AufteilungInBuchungsListeAnzeigen = true;
    QString DaSiVerzeichnis;
    QString DaSiVerzeichnisAuto;
    QString DaSiMaske;
    bool AutoSicherungBeimBeenden = true;
    bool AutoSicherungVorherNachfragen = false;
    bool OPOS = true;
    bool RechNrPflicht = true;
    int ErstesEingabeFeld = 1;
    int StandardZahlbank = -1;
    int ZVFaelligkeitstage = 0;
    int ZVSkontoTage = 0;
    int WannSkontoZiehen = 0;
    int UpdateCheckIntervall = 7;
    bool DatenImportAktiv = false;
    bool WiederkErfassungenAktiv = false;
    bool DTAUSVerschluesselung = false;
    bool BankensammlerDrucken = false;
    bool DiskettenBegleitzettelDrucken = false;
    bool KassenminusbestandIgnorieren = false;
    TFTPUebertragung FTPUebertragung;
    TSEPAInfo SEPAInfo;

    bool operator==(const tOptionen&) const = default;
};

// The installation switches of optionen.ini in the data directory; a missing or unreadable
// file leaves them at their defaults.
void OptionenIniLesen(const QString& datenverzeichnis, tOptionen& optionen);

// Fills the options from optionen.ini, the business's tables and the archive's SEPA state.
// The screen-dependent App256Farben is the window's to set.
void OptionenLaden(TDataModule1& dm, tOptionen& optionen);

// Writes the business's options and transfer parameters in one transaction.
void OptionenSpeichern(TDataModule1& dm, tOptionen& optionen);
void OptionenKommunikationSpeichern(Datenbank& daten, const TFTPUebertragung& ftp);
