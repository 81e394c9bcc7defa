#include "TformBankverbindung.h"

#include "Bankverbindungen.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "IBAN.h"
#include "Rueckfragen.h"
#include "Text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString ohneLeerzeichen(const QString& t) {
    return Trimmen(t, 4);
}
} // namespace

TformBankverbindung::TformBankverbindung(TDataModule1& dm, QWidget* parent)
    : QDialog(parent), dm(dm) {
    setWindowTitle(QStringLiteral("Bankverbindung"));
    edIBAN = new QLineEdit(this);
    // Letters, digits and the blanks of the grouped form; 34 characters plus eight blanks.
    edIBAN->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9 ]*")), edIBAN));
    edIBAN->setMaxLength(42);
    edBIC = new QLineEdit(this);
    edBIC->setMaxLength(Feldlaenge(QStringLiteral("archiv"),
                                   QStringLiteral("KontoBankverbindungen"), QStringLiteral("BIC")));
    edBankleitzahl = new QLineEdit(this);
    edKontonummer = new QLineEdit(this);
    cbKontoinhaber = new QCheckBox(QStringLiteral("abweichender Kontoinhaber:"), this);
    edKontoinhaber = new QLineEdit(this);
    edKontoinhaber->setMaxLength(Feldlaenge(QStringLiteral("archiv"),
                                            QStringLiteral("KontoBankverbindungen"),
                                            QStringLiteral("AbweichenderKontoinhaber")));
    laIBANHinweis = new QLabel(QStringLiteral("Bitte überprüfen Sie die Eingabe der IBAN"), this);
    laBLZNichtGefunden = new QLabel(QStringLiteral("Bankleitzahl wurde nicht gefunden!"), this);
    laBLZNichtGefunden->setStyleSheet(QStringLiteral("color: red"));
    tvBanken = new QTableWidget(0, 3, this);
    tvBanken->setHorizontalHeaderLabels(
        {QStringLiteral("BIC"), QStringLiteral("Bankleitzahl"), QStringLiteral("Bankname")});
    tvBanken->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvBanken->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvBanken->horizontalHeader()->setStretchLastSection(true);
    tvBanken->verticalHeader()->hide();
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("IBAN:"), edIBAN);
    form->addRow(QString(), laIBANHinweis);
    form->addRow(QStringLiteral("BIC:"), edBIC);
    form->addRow(QStringLiteral("Bankleitzahl:"), edBankleitzahl);
    form->addRow(QString(), laBLZNichtGefunden);
    form->addRow(QStringLiteral("Kontonummer:"), edKontonummer);
    form->addRow(cbKontoinhaber, edKontoinhaber);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(tvBanken);
    haupt->addLayout(knoepfe);

    connect(edIBAN, &QLineEdit::textEdited, this, [this] { ibanBearbeitet(); });
    connect(edIBAN, &QLineEdit::textChanged, this,
            [this](const QString& t) { laIBANHinweis->setVisible(!t.trimmed().isEmpty()); });
    connect(edBankleitzahl, &QLineEdit::textChanged, this, [this] { bankleitzahlGeaendert(); });
    connect(edKontonummer, &QLineEdit::textChanged, this, [this] { IBAN_Setzen(); });
    connect(cbKontoinhaber, &QCheckBox::toggled, edKontoinhaber, &QWidget::setEnabled);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformBankverbindung::NeueBankverbindung(tBankverbindung& v, bool freiesFormat,
                                             bool inhaberZeigen) {
    return BankverbindungBearbeiten(v, freiesFormat, inhaberZeigen);
}

bool TformBankverbindung::BankverbindungBearbeiten(tBankverbindung& v, bool freiesFormat,
                                                   bool inhaberZeigen) {
    if (!verzeichnisGeladen) {
        const std::vector<tBank> banken = BankenLaden(dm.ADOConnection_Stamm);
        tvBanken->setRowCount(int(banken.size()));
        for (int i = 0; i < int(banken.size()); ++i) {
            tvBanken->setItem(i, 0, new QTableWidgetItem(banken[i].BIC));
            tvBanken->setItem(i, 1, new QTableWidgetItem(QString::number(banken[i].Bankleitzahl)));
            tvBanken->setItem(i, 2, new QTableWidgetItem(banken[i].Bankname));
        }
        verzeichnisGeladen = true;
    }
    OKiDO = false;
    delete edBankleitzahl->validator();
    delete edKontonummer->validator();
    if (freiesFormat) {
        edBankleitzahl->setMaxLength(32767);
        edKontonummer->setMaxLength(32767);
    } else {
        edBankleitzahl->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,8}")), edBankleitzahl));
        edKontonummer->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,10}")), edKontonummer));
        edBankleitzahl->setMaxLength(8);
        edKontonummer->setMaxLength(10);
    }
    cbKontoinhaber->setVisible(inhaberZeigen);
    edKontoinhaber->setVisible(inhaberZeigen);
    // The stored values come back as they were; no proposal replaces them.
    IBAN_AutoErmittlung = false;
    edIBAN->setText(v.IBAN);
    edBankleitzahl->blockSignals(true);
    edKontonummer->blockSignals(true);
    edBankleitzahl->setText(v.Bankleitzahl);
    edKontonummer->setText(v.Kontonummer);
    edBankleitzahl->blockSignals(false);
    edKontonummer->blockSignals(false);
    edBIC->setText(v.BIC);
    if (!v.Bankleitzahl.trimmed().isEmpty()) {
        const int zeile = bankSuchen(v.Bankleitzahl);
        edBIC->setText(zeile >= 0 ? tvBanken->item(zeile, 0)->text() : QString());
    }
    laBLZNichtGefunden->setVisible(!v.Bankleitzahl.trimmed().isEmpty() &&
                                   bankSuchen(v.Bankleitzahl) < 0);
    laIBANHinweis->setVisible(!v.IBAN.trimmed().isEmpty());
    edIBAN->setStyleSheet(QString());
    cbKontoinhaber->setChecked(!v.AbweichenderKontoinhaber.isEmpty());
    edKontoinhaber->setEnabled(cbKontoinhaber->isChecked());
    edKontoinhaber->setText(v.AbweichenderKontoinhaber);
    edIBAN->setFocus();
    exec();
    laBLZNichtGefunden->hide();
    if (!OKiDO)
        return false;
    v.IBAN = ohneLeerzeichen(edIBAN->text()).toUpper();
    v.BIC = edBIC->text().toUpper();
    v.Bankleitzahl = edBankleitzahl->text();
    v.Kontonummer = edKontonummer->text();
    v.AbweichenderKontoinhaber = cbKontoinhaber->isChecked() ? edKontoinhaber->text() : QString();
    return true;
}

int TformBankverbindung::bankSuchen(const QString& bankleitzahl) {
    const QString blz = bankleitzahl.trimmed();
    if (!NurZiffern(blz))
        return -1;
    const auto treffer = tvBanken->findItems(QString::number(blz.toLongLong()), Qt::MatchExactly);
    for (QTableWidgetItem* i : treffer)
        if (i->column() == 1)
            return i->row();
    return -1;
}

void TformBankverbindung::IBAN_Setzen() {
    if (!IBAN_AutoErmittlung && !edIBAN->text().trimmed().isEmpty())
        return;
    IBAN_AutoErmittlung = true;
    edIBAN->setStyleSheet(QStringLiteral("color: blue; font-style: italic"));
    const QString blz = edBankleitzahl->text().trimmed();
    const QString konto = edKontonummer->text().trimmed();
    QString vorschlag;
    if (!blz.isEmpty() && !konto.isEmpty() && NurZiffern(blz) && NurZiffern(konto))
        vorschlag = IBANBilden(QStringLiteral("DE"), blz, konto);
    edIBAN->setText(vorschlag);
}

void TformBankverbindung::bankleitzahlGeaendert() {
    IBAN_Setzen();
    const QString blz = edBankleitzahl->text().trimmed();
    const int zeile = bankSuchen(blz);
    if (zeile >= 0) {
        edBIC->setText(tvBanken->item(zeile, 0)->text());
        tvBanken->selectRow(zeile);
    } else {
        edBIC->clear();
    }
    laBLZNichtGefunden->setVisible(!blz.isEmpty() && zeile < 0);
}

void TformBankverbindung::ibanBearbeitet() {
    IBAN_AutoErmittlung = false;
    edIBAN->setStyleSheet(QString());
    const int pos = edIBAN->cursorPosition();
    const QString gross = edIBAN->text().toUpper();
    if (gross != edIBAN->text()) {
        edIBAN->setText(gross);
        edIBAN->setCursorPosition(pos);
    }
}

void TformBankverbindung::fehlerIn(QLineEdit* feld, const QString& text) {
    Benutzer().fehler(text);
    feld->setFocus();
}

void TformBankverbindung::btnOKClick() {
    const QString iban = ohneLeerzeichen(edIBAN->text()).toUpper();
    const bool deutsch = iban.startsWith(QLatin1String("DE"));
    const QString konto = edKontonummer->text();
    const QString blz = edBankleitzahl->text();
    if (iban.isEmpty())
        return fehlerIn(edIBAN, QStringLiteral("Geben Sie bitte eine IBAN ein!"));
    const IBANBefund befund = IBANPruefen(iban);
    if (befund != IBANBefund::Gueltig)
        return fehlerIn(edIBAN, IBANMeldung(befund));
    if (konto.size() > 10)
        return fehlerIn(edKontonummer,
                        QStringLiteral("Eine Kontonummer darf maximal 10 Stellen lang sein!"));
    if (deutsch && !konto.isEmpty() && !NurZiffern(konto))
        return fehlerIn(edKontonummer,
                        QStringLiteral("Geben Sie bitte eine korrekte Kontonummer ein!"));
    if (blz.size() >= 9)
        return fehlerIn(edBankleitzahl,
                        QStringLiteral("Eine Bankleitzahl darf maximal 8 Stellen lang sein!"));
    if (deutsch && !blz.isEmpty() && !NurZiffern(blz))
        return fehlerIn(edBankleitzahl,
                        QStringLiteral("Geben Sie bitte eine korrekte Bankleitzahl ein!"));
    if (!blz.trimmed().isEmpty() && bankSuchen(blz) < 0 &&
        Benutzer().frage(Meldungsart::Fehler,
                         QStringLiteral("Die von Ihnen eingegebene Bankleitzahl ist nicht im "
                                        "Stamm vorhanden!\r\rTrotzdem übernehmen?"),
                         Knoepfe::JaNein) != Antwort::Ja) {
        edBankleitzahl->setFocus();
        return;
    }
    OKiDO = true;
    accept();
}
