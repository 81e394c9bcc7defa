#pragma once

#include "Optionen.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TDataModule1;

// The options dialog. Works on the session's options and writes them back only on OK.
class TformOptionen : public QDialog {
    Q_OBJECT
public:
    explicit TformOptionen(TDataModule1& dm, QWidget* parent = nullptr);

    enum Register {
        Allgemein,
        Erfassen,
        Datensicherung,
        OffenePosten,
        Verwaltung,
        Onlineuebertragung
    };

    // Tab -1 shows every tab starting with the first, any other number only that tab.
    // Returns whether the options were confirmed and saved.
    bool Execute(int Tab = -1);

    QTabWidget* pcRegister;
    QComboBox* cbProgrammupdate;
    QLabel* laProgrammupdateOnline;
    QCheckBox* cbKontoAnzeige;
    QCheckBox* cbKassenminusWarnung;
    QCheckBox* cbDatenImport;
    QCheckBox* cbWiederkErfassungen;
    QComboBox* cbErstesEingabefeld;
    QLineEdit* edDaSiVerzeichnis;
    QComboBox* cbDaSiMaske;
    QGroupBox* gbAutoSicherung;
    QCheckBox* cbVorherNachfragen;
    QLineEdit* edDaSiVerzeichnisAuto;
    QCheckBox* cbOPOS;
    QCheckBox* cbRechNrPflicht;
    QLineEdit* edFaelligkeit;
    QLineEdit* edSkonto;
    QComboBox* cbSkontoZiehen;
    QCheckBox* cbBankensammler;
    QLabel* laDatendateiGroesse;
    QLabel* laArchivdateiGroesse;
    QPushButton* btnDatendateiKomprimieren;
    QPushButton* btnArchivdateiKomprimieren;
    QCheckBox* cbPassivModus;
    QComboBox* cbProxyModus;
    QLineEdit* edProxyHost;
    QLineEdit* edProxyUser;
    QLineEdit* edProxyPasswort;
    QLineEdit* edProxyPort;
    QLabel* imgFTP;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

private:
    TDataModule1& dm;
    TFTPUebertragung FTPUebertragung;

    QWidget* registerAllgemein();
    QWidget* registerErfassen();
    QWidget* registerDatensicherung();
    QWidget* registerOffenePosten();
    QWidget* registerVerwaltung();
    QWidget* registerOnlineuebertragung();

    void anzeigen(const tOptionen& o);
    void uebernehmen(tOptionen& o) const;
    void okGeklickt();
    void groessenAnzeigen();
    void komprimieren(bool datendatei);
    void proxyFelderSchalten();
    void ftpOptionenBearbeiten();
};
