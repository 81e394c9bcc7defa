#include "TfrmKMBDaten.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "Firmendaten.h"
#include "Hauptfensterdaten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmKMBDaten::TfrmKMBDaten(TDataModule1& dm, QWidget* parent) : QWidget(parent), dm(dm) {
    auto* haupt = new QVBoxLayout(this);
    btnBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), this);
    btnSpeichern = new QPushButton(QStringLiteral("Speichern"), this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnBearbeiten);
    knoepfe->addWidget(btnSpeichern);
    knoepfe->addStretch();
    haupt->addLayout(knoepfe);
    const auto gruppe = [&](const QString& titel, const QString& praefix, QLineEdit*& name,
                            QLineEdit*& telefon, QLineEdit*& email) {
        auto* g = new QGroupBox(titel, this);
        auto* form = new QFormLayout(g);
        const auto feld = [&](const QString& spalte, const QString& beschriftung) {
            auto* e = new QLineEdit(g);
            if (const int n =
                    Feldlaenge(QStringLiteral("daten"), QStringLiteral("Firmendaten"), spalte);
                n > 0)
                e->setMaxLength(n);
            connect(e, &QLineEdit::textEdited, this, [this] { geaendert = true; });
            textfelder.push_back(e);
            form->addRow(beschriftung, e);
            return e;
        };
        name = feld(praefix, QStringLiteral("Name:"));
        telefon = feld(praefix + QStringLiteral("Telefon"), QStringLiteral("Durchwahl:"));
        email = feld(praefix + QStringLiteral("EMail"), QStringLiteral("E-Mail:"));
        haupt->addWidget(g);
    };
    gruppe(QStringLiteral("Berater"), QStringLiteral("VBBerater"), edBerater, edBeraterTelefon,
           edBeraterEMail);
    gruppe(QStringLiteral("Sachbearbeiter"), QStringLiteral("VBSachbearbeiter"), edSachbearbeiter,
           edSachbearbeiterTelefon, edSachbearbeiterEMail);
    gruppe(QStringLiteral("Lohnsachbearbeiter"), QStringLiteral("VBLohnSachbearbeiter"),
           edLohnSachbearbeiter, edLohnSachbearbeiterTelefon, edLohnSachbearbeiterEMail);
    auto* nl = new QGroupBox(QStringLiteral("Niederlassung"), this);
    cbNiederlassung = new QComboBox(nl);
    (new QVBoxLayout(nl))->addWidget(cbNiederlassung);
    haupt->addWidget(nl);
    haupt->addStretch();
    connect(cbNiederlassung, &QComboBox::activated, this, [this] { geaendert = true; });
    connect(btnBearbeiten, &QPushButton::clicked, this, [this] {
        if (AenderungErlaubt())
            EingabeErlauben(true);
    });
    connect(btnSpeichern, &QPushButton::clicked, this, [this] { Speichern(); });
    KMBDatenEintragen();
}

void TfrmKMBDaten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!eingabeModus)
        KMBDatenEintragen();
}

void TfrmKMBDaten::KMBDatenEintragen() {
    const tFirma& f = Sitzung().Firma;
    edBerater->setText(f.VBBerater);
    edBeraterTelefon->setText(f.VBBeraterTelefon);
    edBeraterEMail->setText(f.VBBeraterEMail);
    edSachbearbeiter->setText(f.VBSachbearbeiter);
    edSachbearbeiterTelefon->setText(f.VBSachbearbeiterTelefon);
    edSachbearbeiterEMail->setText(f.VBSachbearbeiterEMail);
    edLohnSachbearbeiter->setText(f.VBLohnSachbearbeiter);
    edLohnSachbearbeiterTelefon->setText(f.VBLohnSachbearbeiterTelefon);
    edLohnSachbearbeiterEMail->setText(f.VBLohnSachbearbeiterEMail);
    const int id = NiederlassungLaden(dm.ADOConnection_Daten, f.MNr);
    cbNiederlassung->clear();
    for (const tNiederlassungsEintrag& n : NiederlassungenLaden(dm.ADOConnection_Stamm))
        cbNiederlassung->addItem(n.Anzeige, n.ID);
    cbNiederlassung->setCurrentIndex(cbNiederlassung->findData(id));
    EingabeErlauben(false);
}

void TfrmKMBDaten::EingabeErlauben(bool erlauben) {
    eingabeModus = erlauben;
    geaendert = false;
    for (QLineEdit* e : textfelder)
        e->setReadOnly(!erlauben);
    cbNiederlassung->setEnabled(erlauben);
    btnBearbeiten->setEnabled(!erlauben);
    btnSpeichern->setEnabled(erlauben);
}

bool TfrmKMBDaten::Speichern() {
    if (!eingabeModus || !AenderungErlaubt())
        return false;
    if (cbNiederlassung->currentIndex() < 0) {
        Benutzer().fehler(QStringLiteral("Wählen Sie Ihre zuständige Niederlassung aus!"));
        cbNiederlassung->setFocus();
        return false;
    }
    tFirma f = Sitzung().Firma;
    f.VBBerater = edBerater->text();
    f.VBBeraterTelefon = edBeraterTelefon->text();
    f.VBBeraterEMail = edBeraterEMail->text();
    f.VBSachbearbeiter = edSachbearbeiter->text();
    f.VBSachbearbeiterTelefon = edSachbearbeiterTelefon->text();
    f.VBSachbearbeiterEMail = edSachbearbeiterEMail->text();
    f.VBLohnSachbearbeiter = edLohnSachbearbeiter->text();
    f.VBLohnSachbearbeiterTelefon = edLohnSachbearbeiterTelefon->text();
    f.VBLohnSachbearbeiterEMail = edLohnSachbearbeiterEMail->text();
    KMBDatenSpeichern(dm.ADOConnection_Daten, f, cbNiederlassung->currentData().toInt());
    Sitzung().Firma = f;
    KMBDatenEintragen();
    Q_EMIT Gespeichert();
    return true;
}

bool TfrmKMBDaten::AenderungenKlaeren() {
    if (!eingabeModus || !geaendert)
        return true;
    return ::AenderungenKlaeren(
        QStringLiteral("Möchten Sie die Änderungen an den Kelmbranddaten speichern?"),
        [this] { return Speichern(); }, [this] { KMBDatenEintragen(); });
}
