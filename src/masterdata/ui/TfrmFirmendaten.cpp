#include "TfrmFirmendaten.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "Firmendaten.h"
#include "Hauptfensterdaten.h"
#include "Sitzung.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TfrmFirmendaten::TfrmFirmendaten(TDataModule1& dm, QWidget* parent) : QWidget(parent), dm(dm) {
    auto* form = new QFormLayout;
    const auto feld = [&](const char* spalte, const char* beschriftung) {
        auto* e = new QLineEdit(this);
        if (const int n = Feldlaenge(QStringLiteral("daten"), QStringLiteral("Firmendaten"),
                                     QString::fromLatin1(spalte));
            n > 0)
            e->setMaxLength(n);
        connect(e, &QLineEdit::textEdited, this, [this] { geaendert = true; });
        textfelder.push_back(e);
        form->addRow(QString::fromUtf8(beschriftung), e);
        return e;
    };
    laMNr = new QLabel(this);
    form->addRow(QStringLiteral("Mandantennummer:"), laMNr);
    edFirmenname = feld("Firmenname", "Firmenname:");
    edInhaber = feld("Inhaber", "Inhaber:");
    edStrasse = feld("Strasse", "Straße:");
    edPLZ = feld("PLZ", "PLZ:");
    edOrt = feld("Ort", "Ort:");
    edTelefonnummer = feld("Telefonnummer", "Telefon:");
    edFaxnummer = feld("Faxnummer", "Fax:");
    edEMail = feld("eMail", "E-Mail:");
    edEMailASPZV = feld("eMailASPZV", "E-Mail Zahlungsverkehr:");
    edInternetAdresse = feld("InternetAdresse", "Internet:");
    edAmtsgericht = feld("Amtsgericht", "Amtsgericht:");
    edHRNummer = feld("HRNummer", "HR-Nummer:");
    edSteuerNummer = feld("SteuerNummer", "Steuernummer:");
    edUmsatzIDNummer = feld("UmsatzIDNummer", "USt-IdNr.:");
    edGlaeubigerID = feld("GlaeubigerID", "Gläubiger-ID:");
    cbErfassungsMonat = new QComboBox(this);
    cbErfassungsMonat->addItems(Monatsnamen());
    edErfassungsJahr = new QLineEdit(this);
    edErfassungsJahr->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,4}")), edErfassungsJahr));
    connect(edErfassungsJahr, &QLineEdit::textEdited, this, [this] { geaendert = true; });
    auto* beginn = new QHBoxLayout;
    beginn->addWidget(cbErfassungsMonat);
    beginn->addWidget(edErfassungsJahr);
    form->addRow(QStringLiteral("Erfassungsbeginn:"), beginn);
    cbWirtschaftsBeginn = new QComboBox(this);
    cbWirtschaftsBeginn->addItems(Monatsnamen());
    form->addRow(QStringLiteral("Beginn Wirtschaftsjahr:"), cbWirtschaftsBeginn);
    for (QComboBox* c : {cbErfassungsMonat, cbWirtschaftsBeginn})
        connect(c, &QComboBox::activated, this, [this] { geaendert = true; });
    laKontenplan = new QLabel(this);
    form->addRow(QStringLiteral("Kontenplan:"), laKontenplan);
    edOrt->installEventFilter(this);

    btnBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), this);
    btnSpeichern = new QPushButton(QStringLiteral("Speichern"), this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnBearbeiten);
    knoepfe->addWidget(btnSpeichern);
    knoepfe->addStretch();
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(knoepfe);
    haupt->addLayout(form);
    haupt->addStretch();

    connect(btnBearbeiten, &QPushButton::clicked, this, [this] {
        if (AenderungErlaubt())
            EingabeErlauben(true);
    });
    connect(btnSpeichern, &QPushButton::clicked, this, [this] { Speichern(); });
    FirmendatenEintragen();
}

void TfrmFirmendaten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!eingabeModus)
        FirmendatenEintragen();
}

// Entering the town with a postal code and no town yet fills it from the directory.
bool TfrmFirmendaten::eventFilter(QObject* o, QEvent* e) {
    if (o == edOrt && e->type() == QEvent::FocusIn && eingabeModus &&
        !edPLZ->text().trimmed().isEmpty() && edOrt->text().trimmed().isEmpty()) {
        const QString ort = OrtZurPLZ(dm.ADOConnection_Stamm, edPLZ->text().trimmed());
        if (!ort.isEmpty()) {
            edOrt->setText(ort);
            edOrt->selectAll();
            geaendert = true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TfrmFirmendaten::FirmendatenEintragen() {
    const tFirma& f = Sitzung().Firma;
    laMNr->setText(f.MNr);
    laKontenplan->setText(QString::number(f.Kontenplan));
    edFirmenname->setText(f.Firmenname);
    edInhaber->setText(f.Inhaber);
    edStrasse->setText(f.Strasse);
    edPLZ->setText(f.PLZ);
    edOrt->setText(f.Ort);
    edTelefonnummer->setText(f.Telefonnummer);
    edFaxnummer->setText(f.Faxnummer);
    edEMail->setText(f.eMail);
    edEMailASPZV->setText(f.eMailASPZV);
    edInternetAdresse->setText(f.InternetAdresse);
    edAmtsgericht->setText(f.Amtsgericht);
    edHRNummer->setText(f.HRNummer);
    edSteuerNummer->setText(f.SteuerNummer);
    edUmsatzIDNummer->setText(f.UmsatzIDNummer);
    edGlaeubigerID->setText(f.GlaeubigerID);
    cbErfassungsMonat->setCurrentIndex(f.ErfassungsBeginn.isValid() ? f.ErfassungsBeginn.month() - 1
                                                                    : -1);
    edErfassungsJahr->setText(
        f.ErfassungsBeginn.isValid() ? QString::number(f.ErfassungsBeginn.year()) : QString());
    cbWirtschaftsBeginn->setCurrentIndex(qBound(1, f.WirtschaftsBeginn, 12) - 1);
    EingabeErlauben(false);
}

void TfrmFirmendaten::EingabeErlauben(bool erlauben) {
    eingabeModus = erlauben;
    geaendert = false;
    for (QLineEdit* e : textfelder)
        e->setReadOnly(!erlauben);
    const bool beginn = erlauben && ErfassungsBeginnAenderbar(dm.ADOConnection_Daten);
    cbErfassungsMonat->setEnabled(beginn);
    edErfassungsJahr->setEnabled(beginn);
    cbWirtschaftsBeginn->setEnabled(erlauben && WirtschaftsBeginnAenderbar(dm.ADOConnection_Daten));
    btnBearbeiten->setEnabled(!erlauben);
    btnSpeichern->setEnabled(erlauben);
}

bool TfrmFirmendaten::Speichern() {
    if (!eingabeModus || !AenderungErlaubt())
        return false;
    const bool mitBeginn = edErfassungsJahr->isEnabled();
    tFirma f = Sitzung().Firma;
    if (mitBeginn) {
        QDate beginn;
        switch (ErfassungsBeginnPruefen(dm.ADOConnection_Daten,
                                        cbErfassungsMonat->currentIndex() + 1,
                                        edErfassungsJahr->text(), beginn)) {
        case Firmenfeld::Monat:
            cbErfassungsMonat->setFocus();
            return false;
        case Firmenfeld::Jahr:
            edErfassungsJahr->setFocus();
            return false;
        case Firmenfeld::Keines:
            f.ErfassungsBeginn = beginn;
            break;
        }
    }
    f.Firmenname = edFirmenname->text();
    f.Inhaber = edInhaber->text();
    f.Strasse = edStrasse->text();
    f.PLZ = edPLZ->text();
    f.Ort = edOrt->text();
    f.Telefonnummer = edTelefonnummer->text();
    f.Faxnummer = edFaxnummer->text();
    f.eMail = edEMail->text();
    f.eMailASPZV = edEMailASPZV->text();
    f.InternetAdresse = edInternetAdresse->text();
    f.Amtsgericht = edAmtsgericht->text();
    f.HRNummer = edHRNummer->text();
    f.SteuerNummer = edSteuerNummer->text();
    f.UmsatzIDNummer = edUmsatzIDNummer->text();
    f.GlaeubigerID = edGlaeubigerID->text();
    f.WirtschaftsBeginn = cbWirtschaftsBeginn->currentIndex() + 1;
    FirmendatenSpeichern(dm.ADOConnection_Daten, f, mitBeginn);
    Sitzung().Firma = f;
    FirmendatenEintragen();
    return true;
}

bool TfrmFirmendaten::AenderungenKlaeren() {
    if (!eingabeModus || !geaendert)
        return true;
    return ::AenderungenKlaeren(
        QStringLiteral("Möchten Sie die Änderungen an den Firmendaten speichern?"),
        [this] { return Speichern(); }, [this] { FirmendatenEintragen(); });
}
