#include "TformPlatzhalter.h"

#include "Platzhalter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TformPlatzhalter::TformPlatzhalter(QWidget* parent)
    : QDialog(parent), lvPlatzhalter(new QTreeWidget(this)),
      btnEinfuegen(new QPushButton(QStringLiteral("Einfügen"), this)),
      btnAbbrechen(new QPushButton(QStringLiteral("Abbrechen"), this)) {
    setWindowTitle(QStringLiteral("Platzhalter"));
    lvPlatzhalter->setHeaderLabels({QStringLiteral("Platzhalter"), QStringLiteral("Beschreibung")});
    lvPlatzhalter->setRootIsDecorated(false);
    for (const tPlatzhalter& p : PlatzhalterListe())
        new QTreeWidgetItem(lvPlatzhalter, {p.Platzhalter, p.Beschreibung});
    lvPlatzhalter->resizeColumnToContents(0);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnEinfuegen);
    knoepfe->addWidget(btnAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvPlatzhalter);
    layout->addLayout(knoepfe);
    btnEinfuegen->setEnabled(false);
    connect(lvPlatzhalter, &QTreeWidget::itemSelectionChanged, this,
            [this] { btnEinfuegen->setEnabled(lvPlatzhalter->currentItem() != nullptr); });
    connect(lvPlatzhalter, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(btnEinfuegen, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

QString TformPlatzhalter::GetPlatzhalter() {
    lvPlatzhalter->clearSelection();
    lvPlatzhalter->setCurrentItem(nullptr);
    btnEinfuegen->setEnabled(false);
    if (exec() != QDialog::Accepted || !lvPlatzhalter->currentItem())
        return QString();
    return lvPlatzhalter->currentItem()->text(0).trimmed();
}
