#include "TfrmBenutzer.h"

#include "Datenbank.h"
#include "Rueckfragen.h"
#include "TformBenutzer.h"

#include <QAction>
#include <QHeaderView>
#include <QPainter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Twelve pictures: the colour tells the status group, the shape active with a password (filled),
// active without one (ring) and inactive (crossed).
QIcon zeilenSymbol(int nummer) {
    static const QColor farben[] = {QColor(0xc0, 0x30, 0x30), QColor(0x30, 0x70, 0xc0),
                                    QColor(0x30, 0x90, 0x40), Qt::darkGray};
    const QColor farbe = farben[nummer / 3];
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(farbe, 2));
    maler.setBrush(nummer % 3 == 0 ? QBrush(farbe) : QBrush(Qt::NoBrush));
    maler.drawEllipse(2, 2, 12, 12);
    if (nummer % 3 == 2)
        maler.drawLine(3, 13, 13, 3);
    return QIcon(bild);
}

} // namespace

TfrmBenutzer::TfrmBenutzer(Datenbank& bereich, const QString& datenverzeichnis,
                           const QString& bereichName, QWidget* parent)
    : QWidget(parent), bereich(bereich), datenverzeichnis(datenverzeichnis),
      bereichName(bereichName) {
    acNeu = new QAction(QStringLiteral("Neu"), this);
    acNeu->setToolTip(QStringLiteral("Neuen Benutzer anlegen"));
    acBearbeiten = new QAction(QStringLiteral("Bearbeiten"), this);
    acBearbeiten->setToolTip(QStringLiteral("Benutzer bearbeiten"));
    acLoeschen = new QAction(QStringLiteral("löschen"), this);
    acLoeschen->setToolTip(QStringLiteral("Benutzer löschen"));
    auto* leiste = new QToolBar;
    leiste->addAction(acNeu);
    leiste->addAction(acBearbeiten);
    leiste->addAction(acLoeschen);

    grid = new QTreeWidget;
    grid->setRootIsDecorated(false);
    grid->setHeaderLabels({QString(), QStringLiteral("ID"), QStringLiteral("Name"),
                           QStringLiteral("Kürzel"), QStringLiteral("Zugriff auf")});
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->header()->setStretchLastSection(true);

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(leiste);
    aussen->addWidget(grid);

    connect(acNeu, &QAction::triggered, this, [this] { NeueBenutzer(); });
    connect(acBearbeiten, &QAction::triggered, this, [this] {
        if (const tBenutzerZeile* z = gewaehlteZeile())
            BenutzerBearbeiten(z->ID);
    });
    connect(acLoeschen, &QAction::triggered, this, [this] { BenutzerLoeschenAusfuehren(); });
    connect(grid, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (const tBenutzerZeile* z = gewaehlteZeile())
            BenutzerBearbeiten(z->ID);
    });
    connect(grid, &QTreeWidget::itemSelectionChanged, this, [this] { aktionenAnpassen(); });
    aktionenAnpassen();
}

void TfrmBenutzer::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    BenutzerEintragen();
}

void TfrmBenutzer::BenutzerEintragen() {
    try {
        zeilen = BenutzerListeLaden(bereich);
    } catch (const DatenbankFehler& e) {
        zeilen.clear();
        Benutzer().fehler(e.text());
    }
    const QSignalBlocker blocker(grid);
    grid->clear();
    for (const tBenutzerZeile& z : zeilen) {
        auto* zeile = new QTreeWidgetItem(
            grid, {QString(), QString::number(z.ID), z.BenutzerName, z.Kuerzel, z.ZugriffAuf});
        const int symbol = BenutzerSymbol(z.UserStatus, z.Aktiv, z.HatPasswort);
        zeile->setIcon(0, zeilenSymbol(symbol));
        zeile->setData(0, SymbolRolle, symbol);
    }
    aktionenAnpassen();
}

const tBenutzerZeile* TfrmBenutzer::gewaehlteZeile() const {
    const QList<QTreeWidgetItem*> auswahl = grid->selectedItems();
    if (auswahl.size() != 1)
        return nullptr;
    const int index = grid->indexOfTopLevelItem(auswahl.front());
    return index >= 0 && std::size_t(index) < zeilen.size() ? &zeilen[index] : nullptr;
}

void TfrmBenutzer::aktionenAnpassen() {
    const tBenutzerZeile* z = gewaehlteZeile();
    acBearbeiten->setEnabled(z != nullptr);
    acLoeschen->setEnabled(z && LoeschenAngeboten(*z, AngemeldeterHandelnder()));
}

void TfrmBenutzer::formularZeigen(tBenutzerFormular formular) {
    const tHandelnder handelnder = AngemeldeterHandelnder();
    TformBenutzer dialog(bereich, handelnder, std::move(formular), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        BenutzerSpeichern(bereich, dialog.formular(), handelnder);
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
    }
    BenutzerEintragen();
}

void TfrmBenutzer::NeueBenutzer() {
    const tHandelnder handelnder = AngemeldeterHandelnder();
    if (!NeuerBenutzerErlaubt(handelnder))
        return;
    formularZeigen(NeuesBenutzerFormular(bereich, datenverzeichnis, bereichName, handelnder));
}

void TfrmBenutzer::BenutzerBearbeiten(qint64 id) {
    const tHandelnder handelnder = AngemeldeterHandelnder();
    try {
        if (!BenutzerBearbeitenErlaubt(bereich, handelnder, id))
            return;
        formularZeigen(
            BenutzerFormularLaden(bereich, datenverzeichnis, bereichName, handelnder, id));
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
    }
}

void TfrmBenutzer::BenutzerLoeschenAusfuehren() {
    const tBenutzerZeile* z = gewaehlteZeile();
    if (!z)
        return;
    try {
        if (BenutzerLoeschen(bereich, AngemeldeterHandelnder(), *z))
            BenutzerEintragen();
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
    }
}
