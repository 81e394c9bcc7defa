#include "TformFTPOptionen.h"

#include "Rueckfragen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QComboBox* auswahl(QWidget* parent, std::initializer_list<const char16_t*> eintraege) {
    auto* c = new QComboBox(parent);
    for (const auto* e : eintraege)
        c->addItem(QString::fromUtf16(e));
    return c;
}

QSpinBox* zahl(QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setRange(0, 999999999);
    return s;
}

} // namespace

TformFTPOptionen::TformFTPOptionen(QWidget* parent)
    : QDialog(parent), edAccount(new QLineEdit(this)),
      cbAuthCmd(auswahl(
          this, {u"Auto (Standard)", u"Auth SSL", u"Auth TLS", u"Auth TLSC", u"Auth TLSP"})),
      cbAutoLogin(new QCheckBox(QStringLiteral("Auto login"), this)), edDataPort(zahl(this)),
      edDataPortMax(zahl(this)), edDataPortMin(zahl(this)),
      cbDataPortProtection(auswahl(this, {u"dpsClear (Standard)", u"dpsPrivate"})),
      edExternalIP(new QLineEdit(this)), cbIPVersion(auswahl(this, {u"IPv4 (Standard)", u"IPv6"})),
      edListenTimeout(zahl(this)),
      cbPassiveUseControlHost(new QCheckBox(QStringLiteral("Passive use Control-Host"), this)),
      edPort(zahl(this)), edReadTimeout(zahl(this)), edTransferTimeout(zahl(this)),
      cbTryNATFastTrack(new QCheckBox(QStringLiteral("Try NAT Fast Track"), this)),
      cbUseCCC(new QCheckBox(QStringLiteral("Use CCC"), this)),
      cbUseExtensionDataPort(new QCheckBox(QStringLiteral("Use extension Data-Port"), this)),
      cbUseHost(new QCheckBox(QStringLiteral("Use Host"), this)),
      cbUseMLIS(new QCheckBox(QStringLiteral("Use MLIS"), this)),
      cbUseTLS(auswahl(this, {u"No TLS Support (Standard)", u"Use Implicit TLS", u"Use Require TLS",
                              u"Use Explicit TLS"})) {
    setWindowTitle(QStringLiteral("FTP-Optionen"));
    edPort->setRange(0, 65535);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Account:"), edAccount);
    form->addRow(QStringLiteral("AuthCmd:"), cbAuthCmd);
    form->addRow(cbAutoLogin);
    form->addRow(QStringLiteral("Data-Port:"), edDataPort);
    form->addRow(QStringLiteral("Data-Port (Max):"), edDataPortMax);
    form->addRow(QStringLiteral("Data-Port (Min):"), edDataPortMin);
    form->addRow(QStringLiteral("Data-Port-Protection:"), cbDataPortProtection);
    form->addRow(QStringLiteral("External-IP:"), edExternalIP);
    form->addRow(QStringLiteral("IP-Version:"), cbIPVersion);
    form->addRow(QStringLiteral("Listen timeout:"), edListenTimeout);
    form->addRow(cbPassiveUseControlHost);
    form->addRow(QStringLiteral("Port:"), edPort);
    form->addRow(QStringLiteral("Read timeout:"), edReadTimeout);
    form->addRow(QStringLiteral("Transfer timeout:"), edTransferTimeout);
    form->addRow(cbTryNATFastTrack);
    form->addRow(cbUseCCC);
    form->addRow(cbUseExtensionDataPort);
    form->addRow(cbUseHost);
    form->addRow(cbUseMLIS);
    form->addRow(QStringLiteral("Use TLS:"), cbUseTLS);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    auto* btnStandard = knoepfe->addButton(QStringLiteral("Standard"), QDialogButtonBox::ResetRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnStandard, &QPushButton::clicked, this, &TformFTPOptionen::standard);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(knoepfe);
}

bool TformFTPOptionen::Execute(TFTPUebertragung& ftp) {
    anzeigen(ftp);
    if (exec() != QDialog::Accepted)
        return false;
    ftp = uebernehmen();
    return true;
}

void TformFTPOptionen::anzeigen(const TFTPUebertragung& f) {
    edAccount->setText(f.Account);
    cbAuthCmd->setCurrentIndex(f.AuthCmd);
    cbAutoLogin->setChecked(f.AutoLogin);
    edDataPort->setValue(f.DataPort);
    edDataPortMax->setValue(f.DataPortMax);
    edDataPortMin->setValue(f.DataPortMin);
    cbDataPortProtection->setCurrentIndex(f.DataPortProtection);
    edExternalIP->setText(f.ExternalIP);
    cbIPVersion->setCurrentIndex(f.IPVersion);
    edListenTimeout->setValue(f.ListenTimeout);
    cbPassiveUseControlHost->setChecked(f.PassiveUseControlHost);
    edPort->setValue(f.TransferPort);
    edReadTimeout->setValue(f.ReadTimeOut);
    edTransferTimeout->setValue(f.TransferTimeout);
    cbTryNATFastTrack->setChecked(f.TryNATFastTrack);
    cbUseCCC->setChecked(f.UseCCC);
    cbUseExtensionDataPort->setChecked(f.UseExtensionDataPort);
    cbUseHost->setChecked(f.UseHost);
    cbUseMLIS->setChecked(f.UseMLIS);
    cbUseTLS->setCurrentIndex(f.UseTLS);
    ausgangswerte = f;
}

TFTPUebertragung TformFTPOptionen::uebernehmen() const {
    // Passive mode and proxy belong to the options dialog; they pass through unchanged.
    TFTPUebertragung f = ausgangswerte;
    f.Account = edAccount->text();
    f.AuthCmd = cbAuthCmd->currentIndex();
    f.AutoLogin = cbAutoLogin->isChecked();
    f.DataPort = edDataPort->value();
    f.DataPortMax = edDataPortMax->value();
    f.DataPortMin = edDataPortMin->value();
    f.DataPortProtection = cbDataPortProtection->currentIndex();
    f.ExternalIP = edExternalIP->text();
    f.IPVersion = cbIPVersion->currentIndex();
    f.ListenTimeout = edListenTimeout->value();
    f.PassiveUseControlHost = cbPassiveUseControlHost->isChecked();
    f.TransferPort = edPort->value();
    f.ReadTimeOut = edReadTimeout->value();
    f.TransferTimeout = edTransferTimeout->value();
    f.TryNATFastTrack = cbTryNATFastTrack->isChecked();
    f.UseCCC = cbUseCCC->isChecked();
    f.UseExtensionDataPort = cbUseExtensionDataPort->isChecked();
    f.UseHost = cbUseHost->isChecked();
    f.UseMLIS = cbUseMLIS->isChecked();
    f.UseTLS = cbUseTLS->currentIndex();
    return f;
}

void TformFTPOptionen::standard() {
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie die Einstellungen wirklich auf den Standard "
                                        "zurücksetzen?"),
                         Knoepfe::JaNein) != Antwort::Ja)
        return;
    TFTPUebertragung f = uebernehmen();
    f.Account.clear();
    f.AuthCmd = 0;
    f.AutoLogin = true;
    f.DataPort = f.DataPortMax = f.DataPortMin = 0;
    f.DataPortProtection = 0;
    f.ExternalIP.clear();
    f.IPVersion = 0;
    f.ListenTimeout = 0;
    f.PassiveUseControlHost = false;
    // Port 0 cannot connect; the standard FTP port is what "Standard" has to mean.
    f.TransferPort = 21;
    f.ReadTimeOut = 60000;
    f.TransferTimeout = 0;
    f.TryNATFastTrack = f.UseCCC = f.UseExtensionDataPort = false;
    f.UseHost = f.UseMLIS = true;
    f.UseTLS = 0;
    anzeigen(f);
}
