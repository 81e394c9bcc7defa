#include "TformMeldungsFenster.h"

#include "QtRueckfragen.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TformMeldungsFenster::TformMeldungsFenster(QWidget* parent)
    : QDialog(parent), laHinweis(new QLabel(this)),
      cbNichtMehrAnzeigen(new QCheckBox(QStringLiteral("Hinweis nicht mehr anzeigen"), this)) {
    laHinweis->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(laHinweis);
    layout->addWidget(cbNichtMehrAnzeigen);
    layout->addWidget(knoepfe);
}

bool TformMeldungsFenster::MeldungZeigen(const QString& Titel, const QString& Hinweis,
                                         bool CheckNichtMehrAnzeigen) {
    setWindowTitle(Titel);
    laHinweis->setText(Anzeigetext(Hinweis));
    cbNichtMehrAnzeigen->setChecked(false);
    cbNichtMehrAnzeigen->setVisible(CheckNichtMehrAnzeigen);
    exec();
    return CheckNichtMehrAnzeigen && cbNichtMehrAnzeigen->isChecked();
}
