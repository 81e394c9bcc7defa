#pragma once

#include "Optionen.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Expert settings of the FTP transfer. Works on a copy; the caller keeps it only on OK.
class TformFTPOptionen : public QDialog {
    Q_OBJECT
public:
    explicit TformFTPOptionen(QWidget* parent = nullptr);

    // Edits the parameters; returns whether OK was pressed (then ftp holds the new values).
    bool Execute(TFTPUebertragung& ftp);

    QLineEdit* edAccount;
    QComboBox* cbAuthCmd;
    QCheckBox* cbAutoLogin;
    QSpinBox* edDataPort;
    QSpinBox* edDataPortMax;
    QSpinBox* edDataPortMin;
    QComboBox* cbDataPortProtection;
    QLineEdit* edExternalIP;
    QComboBox* cbIPVersion;
    QSpinBox* edListenTimeout;
    QCheckBox* cbPassiveUseControlHost;
    QSpinBox* edPort;
    QSpinBox* edReadTimeout;
    QSpinBox* edTransferTimeout;
    QCheckBox* cbTryNATFastTrack;
    QCheckBox* cbUseCCC;
    QCheckBox* cbUseExtensionDataPort;
    QCheckBox* cbUseHost;
    QCheckBox* cbUseMLIS;
    QComboBox* cbUseTLS;

private:
    void anzeigen(const TFTPUebertragung& ftp);
    TFTPUebertragung uebernehmen() const;
    void standard();

    TFTPUebertragung ausgangswerte;
};
