#include "TformKassenminusbestandAbfrage.h"

#include "Buchungspruefung.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TformKassenminusbestandAbfrage::TformKassenminusbestandAbfrage(QWidget* parent)
    : QDialog(parent), laMeldung(new QLabel(this)),
      cbNichtMehrAnzeigen(new QCheckBox(QStringLiteral("Hinweis nicht mehr anzeigen"), this)),
      btnJa(new QPushButton(QStringLiteral("Ja"), this)),
      btnNein(new QPushButton(QStringLiteral("Nein"), this)) {
    setWindowTitle(QStringLiteral("Kassenminusbestand"));
    laMeldung->setWordWrap(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cbNichtMehrAnzeigen);
    knoepfe->addStretch();
    knoepfe->addWidget(btnJa);
    knoepfe->addWidget(btnNein);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(laMeldung);
    layout->addLayout(knoepfe);
    btnNein->setDefault(true);
    connect(btnJa, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNein, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformKassenminusbestandAbfrage::Execute(const QString& Meldung, bool& nichtMehrAnzeigen) {
    laMeldung->setText(Meldung);
    cbNichtMehrAnzeigen->setChecked(false);
    const bool ja = exec() == QDialog::Accepted;
    nichtMehrAnzeigen = cbNichtMehrAnzeigen->isChecked();
    return ja;
}

void TformKassenminusbestandAbfrage::Anmelden(QWidget* parent) {
    QPointer<QWidget> fenster(parent);
    KassenminusAbfrageAnmelden([fenster](const QString& meldung, bool& nichtMehrAnzeigen) {
        TformKassenminusbestandAbfrage dialog(fenster);
        return dialog.Execute(meldung, nichtMehrAnzeigen);
    });
}
