#include "TformErfassungsSpalten.h"

#include "ErfassungslistenModell.h"
#include "TfrmErfassungsliste.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

using M = tErfassungslistenModell;

bool nichtAufgefuehrt(int spalte, const TfrmErfassungsliste& liste) {
    switch (spalte) {
    case M::ID:
    case M::Erfassungsbereich:
    case M::ErfassungsID:
    case M::Haupterfassung:
        return true;
    case M::Loeschdatum:
        return liste.Tabelle() != u"Erfassungen_geloescht";
    default:
        return false;
    }
}

bool gesperrt(int spalte) {
    return spalte == M::Rechnung || spalte == M::Einnahme || spalte == M::Ausgabe;
}

} // namespace

TformErfassungsSpalten::TformErfassungsSpalten(TfrmErfassungsliste& liste, QWidget* eltern)
    : QDialog(eltern), liste(liste) {
    setWindowTitle(QStringLiteral("Spalten verwalten"));
    lbSpalten = new QListWidget(this);
    btnStandard = new QPushButton(QStringLiteral("Standard wiederherstellen"), this);
    btnSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    btnSchliessen->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnStandard);
    knoepfe->addStretch();
    knoepfe->addWidget(btnSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbSpalten, 1);
    layout->addLayout(knoepfe);
    resize(320, 520);

    eintragen();
    connect(lbSpalten, &QListWidget::itemChanged, this, [this](QListWidgetItem* eintrag) {
        const int spalte = eintrag->data(Qt::UserRole).toInt();
        this->liste.Raster->header()->setSectionHidden(spalte,
                                                       eintrag->checkState() != Qt::Checked);
    });
    connect(btnStandard, &QPushButton::clicked, this, [this] {
        this->liste.StandardSpalten();
        eintragen();
    });
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void TformErfassungsSpalten::SpaltenVerwalten(TfrmErfassungsliste& liste, QWidget* eltern) {
    TformErfassungsSpalten dialog(liste, eltern);
    dialog.exec();
}

// The columns in the order the user arranged them, checked when shown.
void TformErfassungsSpalten::eintragen() {
    const QSignalBlocker sperre(lbSpalten);
    lbSpalten->clear();
    const QHeaderView* kopf = liste.Raster->header();
    for (int sichtbar = 0; sichtbar < kopf->count(); ++sichtbar) {
        const int spalte = kopf->logicalIndex(sichtbar);
        if (nichtAufgefuehrt(spalte, liste))
            continue;
        auto* eintrag = new QListWidgetItem(M::Ueberschrift(spalte), lbSpalten);
        eintrag->setData(Qt::UserRole, spalte);
        eintrag->setCheckState(kopf->isSectionHidden(spalte) ? Qt::Unchecked : Qt::Checked);
        if (gesperrt(spalte))
            eintrag->setFlags(eintrag->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
    }
}
