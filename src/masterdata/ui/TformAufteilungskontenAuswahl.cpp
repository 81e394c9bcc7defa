#include "TformAufteilungskontenAuswahl.h"

#include "AufteilungskontenListen.h"
#include "Benutzerrechte.h"
#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "TfrmAufteilungskontenAuswahl.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TformAufteilungskontenAuswahl::TformAufteilungskontenAuswahl(TDataModule1& dm_, QWidget* eltern)
    : QDialog(eltern), dm(dm_) {
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    frmAufteilungskonten = new TfrmAufteilungskontenAuswahl(dm, this);
    layout->addWidget(frmAufteilungskonten);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    layout->addLayout(knoepfe);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformAufteilungskontenAuswahl::execute(int bereichId) {
    if (!AenderungErlaubt())
        return false;
    const tBuchungsbereich b = BuchungsbereichLaden(dm.ADOConnection_Daten, bereichId);
    setWindowTitle(b.BereichID < 0 ? QStringLiteral("Aufteilungskonten")
                                   : QStringLiteral("Aufteilungskonten [%1]").arg(b.Bezeichnung));
    frmAufteilungskonten->AufteilungskontenLadenBereich(bereichId);
    if (exec() != QDialog::Accepted)
        return false;
    AufteilungskontenBereichSpeichern(dm.ADOConnection_Daten, bereichId,
                                      frmAufteilungskonten->Konten());
    return true;
}
