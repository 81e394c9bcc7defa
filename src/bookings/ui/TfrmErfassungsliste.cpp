#include "TfrmErfassungsliste.h"

#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "ErfassungslistenModell.h"
#include "Sichtbarkeit.h"
#include "Sitzung.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

using M = tErfassungslistenModell;

// Columns the user never sees: the keys that tie rows together.
constexpr int Verborgen[] = {M::ID, M::Erfassungsbereich, M::ErfassungsID, M::Haupterfassung,
                             M::Buchungsseite};

} // namespace

TfrmErfassungsliste::TfrmErfassungsliste(TDataModule1& dm, QWidget* eltern)
    : QWidget(eltern), dm(dm) {
    Modell = new tErfassungslistenModell(dm.ADOConnection_Daten, this);
    Raster = new QTreeView(this);
    Raster->setObjectName(QStringLiteral("Raster"));
    Raster->setModel(Modell);
    Raster->setUniformRowHeights(true);
    Raster->setAllColumnsShowFocus(true);
    Raster->setSelectionBehavior(QAbstractItemView::SelectRows);
    Raster->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Raster->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Raster->setExpandsOnDoubleClick(false);
    Raster->setRootIsDecorated(false);
    laAnzahl = new QLabel(this);

    QHeaderView* kopf = Raster->header();
    kopf->setSectionsMovable(true);
    kopf->setSectionsClickable(true);
    kopf->setSortIndicatorShown(true);
    kopf->setSortIndicator(-1, Qt::AscendingOrder);
    kopf->setStretchLastSection(false);
    for (int spalte : Verborgen)
        kopf->setSectionHidden(spalte, true);
    kopf->setSectionHidden(M::Loeschdatum, true);
    kopf->setSectionHidden(M::Rechnung, true);
    for (int spalte : {int(M::Klaeren), int(M::BemerkungVorhanden)})
        kopf->resizeSection(spalte, 40);
    kopf->resizeSection(M::Erfassungstext, 250);
    kopf->resizeSection(M::Steuerbezeichnung, 160);
    standardLayout = kopf->saveState();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Raster, 1);
    layout->addWidget(laAnzahl);

    connect(kopf, &QHeaderView::sortIndicatorChanged, this,
            [this](int spalte, Qt::SortOrder richtung) {
                if (spalte < 0)
                    return;
                if (M::Sortierfeld(spalte).isEmpty()) {
                    // Back to the order the list has.
                    QSignalBlocker sperre(Raster->header());
                    Raster->header()->setSortIndicator(sortSpalte, sortRichtung);
                    return;
                }
                sortSpalte = spalte;
                sortRichtung = richtung;
                Modell->sort(spalte, richtung);
            });
    connect(Modell, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const auto zeile = AktuelleZeile();
        markiert = zeile ? std::optional<qint64>(zeile->BuchungsID) : std::nullopt;
    });
    connect(Modell, &QAbstractItemModel::modelReset, this, [this] { nachFuellen(); });
    connect(Modell, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& eltern, int erste, int letzte) {
                if (eltern.isValid() || !aufteilungenAnzeigen)
                    return;
                for (int i = erste; i <= letzte; ++i)
                    if (Modell->hasChildren(Modell->index(i, 0)))
                        Raster->expand(Modell->index(i, 0));
            });
    Raster->installEventFilter(this);
    Raster->viewport()->installEventFilter(this);
    connect(Raster->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmErfassungsliste::AuswahlGeaendert);
}

// A double click counts on the cell it lands on; the view's own signal also wants to have seen
// the press before it on that same cell.
bool TfrmErfassungsliste::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Raster->viewport() && ereignis->type() == QEvent::MouseButtonDblClick) {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() != Qt::LeftButton)
            return false;
        const QModelIndex index = Raster->indexAt(maus->position().toPoint());
        const tErfassungsZeile* z = Modell->Zeile(index);
        if (z && z->Hauptbuchung) {
            if (index.column() == M::AnzahlAenderungen)
                Q_EMIT VerlaufGewuenscht(z->BuchungsID);
            else
                Q_EMIT ErfassungGewaehlt(z->BuchungsID);
        }
        return true;
    }
    if (objekt == Raster && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste != Qt::Key_Return && taste != Qt::Key_Enter)
            return false;
        const tErfassungsZeile* z = Modell->Zeile(Raster->currentIndex());
        if (z && z->Hauptbuchung)
            Q_EMIT ErfassungGewaehlt(z->BuchungsID);
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TfrmErfassungsliste::ErfassungenEintragenBereich(const QString& neueTabelle, int bereichId,
                                                      Erfassungssortierung sortierung, int jahr,
                                                      int monat) {
    tabelle = neueTabelle;
    bereichsart =
        bereichId > 0 ? std::max(0, BereichsartErmitteln(dm.ADOConnection_Daten, bereichId)) : 0;
    const QDate von(jahr, monat, 1);
    const tErfassungsAbfrage abfrage =
        ErfassungsListeBereich(tabelle, bereichId, von, von.addMonths(1).addDays(-1),
                               Sitzung().Optionen.AufteilungInBuchungsListeAnzeigen, sortierung,
                               SichtbarkeitLaden(dm.ADOConnection_Bereich),
                               SichtbareBereiche(dm.ADOConnection_Daten, dm.ADOConnection_Bereich));
    fuellen(abfrage);
}

void TfrmErfassungsliste::ErfassungenEintragenSuche(const tErfassungssuche& suche) {
    tabelle = suche.Tabelle;
    bereichsart = 0;
    fuellen(ErfassungsSuche(suche, SichtbarkeitLaden(dm.ADOConnection_Bereich),
                            SichtbareBereiche(dm.ADOConnection_Daten, dm.ADOConnection_Bereich)));
}

void TfrmErfassungsliste::fuellen(tErfassungsAbfrage abfrage) {
    // The header says the order: a column the user sorted by (also in a layout the main window
    // restored) keeps its order across refills.
    QHeaderView* kopf = Raster->header();
    sortSpalte = kopf->sortIndicatorSection();
    sortRichtung = kopf->sortIndicatorOrder();
    if (sortSpalte >= 0 && !ErfassungsReihenfolgeSetzen(abfrage, M::Sortierfeld(sortSpalte),
                                                        sortRichtung == Qt::DescendingOrder)) {
        sortSpalte = -1;
        QSignalBlocker sperre(kopf);
        kopf->setSortIndicator(-1, Qt::AscendingOrder);
    }
    betragsspaltenFuerArt();
    Raster->setRootIsDecorated(!abfrage.Aufteilungszeilen);
    Modell->Fuellen(abfrage, tSteuerbezeichnungen(dm.ADOConnection_Stamm));
}

void TfrmErfassungsliste::nachFuellen() {
    laAnzahl->setText(Modell->Gefuellt()
                          ? QString::number(Modell->Gesamt()) + QStringLiteral(" Erfassungen")
                          : QString());
    if (aufteilungenAnzeigen)
        Raster->expandAll();
    if (!markiert)
        return;
    const QModelIndex index = Modell->BuchungSuchen(*markiert);
    markiert.reset();
    if (!index.isValid())
        return;
    Raster->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    Raster->scrollTo(index);
}

void TfrmErfassungsliste::Aktualisieren() {
    if (Modell->Gefuellt())
        Modell->Fuellen(Modell->Abfrage(), tSteuerbezeichnungen(dm.ADOConnection_Stamm));
}

void TfrmErfassungsliste::Leeren() {
    Modell->Leeren();
}

void TfrmErfassungsliste::AufteilungsErfassungenAnzeigen(bool anzeigen) {
    aufteilungenAnzeigen = anzeigen;
    if (anzeigen)
        Raster->expandAll();
    else
        Raster->collapseAll();
}

std::vector<tErfassungsZeile> TfrmErfassungsliste::Auswahl() const {
    QModelIndexList zeilen = Raster->selectionModel()->selectedRows();
    std::sort(zeilen.begin(), zeilen.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<tErfassungsZeile> auswahl;
    for (const QModelIndex& index : zeilen) {
        const tErfassungsZeile* z = Modell->Zeile(index);
        if (z && z->Hauptbuchung && !index.parent().isValid())
            auswahl.push_back(*z);
    }
    return auswahl;
}

std::optional<tErfassungsZeile> TfrmErfassungsliste::AktuelleZeile() const {
    QModelIndex index = Raster->currentIndex();
    // The cursor on a split row stands on its booking.
    if (index.parent().isValid())
        index = index.parent();
    const tErfassungsZeile* z = Modell->Zeile(index);
    if (!z)
        return std::nullopt;
    return *z;
}

qint64 TfrmErfassungsliste::Anzahl() const {
    return Modell->Gesamt();
}

void TfrmErfassungsliste::StandardSpalten() {
    QHeaderView* kopf = Raster->header();
    QSignalBlocker sperre(kopf);
    kopf->restoreState(standardLayout);
    kopf->setSortIndicator(sortSpalte, sortRichtung);
    betragsspaltenFuerArt();
}

void TfrmErfassungsliste::betragsspaltenFuerArt() {
    QHeaderView* kopf = Raster->header();
    const bool rechnung = bereichsart >= 3 && bereichsart <= 5;
    kopf->setSectionHidden(M::Rechnung, !rechnung);
    kopf->setSectionHidden(M::Einnahme, rechnung);
    kopf->setSectionHidden(M::Ausgabe, rechnung);
    kopf->setSectionHidden(M::Loeschdatum, tabelle != u"Erfassungen_geloescht");
}
