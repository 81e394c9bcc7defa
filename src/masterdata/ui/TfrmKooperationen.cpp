#include "TfrmKooperationen.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "TformKontoauswahl.h"
#include "Zentralregulierung.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* liste(QWidget* eltern, const QString& titel) {
    auto* l = new QTreeWidget(eltern);
    l->setHeaderLabels({QStringLiteral("Konto"), titel});
    l->setRootIsDecorated(false);
    l->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    return l;
}

void fuellen(QTreeWidget* l, const std::vector<tZRKonto>& konten, qint64 auswahl) {
    const QIcon symbole[] = {l->style()->standardIcon(QStyle::SP_FileIcon),
                             l->style()->standardIcon(QStyle::SP_MessageBoxWarning)};
    l->clear();
    for (const tZRKonto& k : konten) {
        auto* item = new QTreeWidgetItem(l, {QString::number(k.Konto), k.Bezeichnung});
        item->setIcon(0, symbole[k.Symbol]);
        item->setData(0, Qt::UserRole, k.Konto);
        if (k.Konto == auswahl)
            l->setCurrentItem(item);
    }
}

constexpr unsigned Lieferantenkonten = Kontoauswahl::Lieferanten | Kontoauswahl::LieferantenKosten;

} // namespace

TfrmKooperationen::TfrmKooperationen(TDataModule1& dm_, QWidget* eltern)
    : QWidget(eltern), dm(dm_) {
    auto* layout = new QVBoxLayout(this);
    acZentralreguliererNeu = new QAction(QStringLiteral("Neuer Zentralregulierer"), this);
    acZentralreguliererEntfernen = new QAction(QStringLiteral("Zentralregulierer entfernen"), this);
    acKontoHinzufuegen = new QAction(QStringLiteral("Konto hinzufügen"), this);
    acKontoEntfernen = new QAction(QStringLiteral("Konto entfernen"), this);
    auto* leiste = new QHBoxLayout;
    for (QAction* a : {acZentralreguliererNeu, acZentralreguliererEntfernen, acKontoHinzufuegen,
                       acKontoEntfernen}) {
        auto* k = new QToolButton(this);
        k->setDefaultAction(a);
        leiste->addWidget(k);
    }
    leiste->addStretch();
    layout->addLayout(leiste);
    lvZentralregulierer = liste(this, QStringLiteral("Zentralregulierer"));
    lvPartner = liste(this, QStringLiteral("Bezeichnung"));
    layout->addWidget(lvZentralregulierer);
    layout->addWidget(new QLabel(QStringLiteral("zugehörige Waren- bzw. Kostenlieferanten"), this));
    layout->addWidget(lvPartner);

    connect(lvZentralregulierer, &QTreeWidget::itemSelectionChanged, this,
            &TfrmKooperationen::KooperationsPartnerEintragen);
    connect(lvPartner, &QTreeWidget::itemSelectionChanged, this,
            &TfrmKooperationen::aktionenAnpassen);
    connect(acZentralreguliererNeu, &QAction::triggered, this,
            &TfrmKooperationen::zentralreguliererNeu);
    connect(acZentralreguliererEntfernen, &QAction::triggered, this,
            &TfrmKooperationen::zentralreguliererEntfernen);
    connect(acKontoHinzufuegen, &QAction::triggered, this, &TfrmKooperationen::kontoHinzufuegen);
    connect(acKontoEntfernen, &QAction::triggered, this, &TfrmKooperationen::kontoEntfernen);
    aktionenAnpassen();
}

void TfrmKooperationen::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    KooperationenEintragen();
}

qint64 TfrmKooperationen::gewaehlt(QTreeWidget* l) const {
    const QList<QTreeWidgetItem*> auswahl = l->selectedItems();
    return auswahl.size() == 1 ? auswahl.first()->data(0, Qt::UserRole).toLongLong() : 0;
}

void TfrmKooperationen::KooperationenEintragen() {
    const qint64 vorher = gewaehlt(lvZentralregulierer);
    {
        const QSignalBlocker b(lvZentralregulierer);
        fuellen(lvZentralregulierer, ZentralreguliererListe(dm), vorher);
    }
    KooperationsPartnerEintragen();
}

void TfrmKooperationen::KooperationsPartnerEintragen() {
    const qint64 haupt = gewaehlt(lvZentralregulierer);
    const qint64 vorher = gewaehlt(lvPartner);
    {
        const QSignalBlocker b(lvPartner);
        if (haupt == 0)
            lvPartner->clear();
        else
            fuellen(lvPartner, ZentralregulierungPartner(dm, haupt), vorher);
    }
    aktionenAnpassen();
}

void TfrmKooperationen::aktionenAnpassen() {
    const bool haupt = gewaehlt(lvZentralregulierer) != 0;
    acZentralreguliererEntfernen->setEnabled(haupt);
    acKontoHinzufuegen->setEnabled(haupt);
    acKontoEntfernen->setEnabled(haupt && gewaehlt(lvPartner) != 0);
}

// A settlement forces direct debit on its accounts: read-only users change nothing here.
void TfrmKooperationen::zentralreguliererNeu() {
    if (!AenderungErlaubt())
        return;
    const auto konto = TformKontoauswahl::KontoWaehlen(dm, Lieferantenkonten, this);
    if (konto && ZentralreguliererNeu(dm, *konto)) {
        KooperationenEintragen();
        for (int i = 0; i < lvZentralregulierer->topLevelItemCount(); ++i)
            if (lvZentralregulierer->topLevelItem(i)->data(0, Qt::UserRole).toLongLong() == *konto)
                lvZentralregulierer->setCurrentItem(lvZentralregulierer->topLevelItem(i));
    }
}

void TfrmKooperationen::zentralreguliererEntfernen() {
    const qint64 haupt = gewaehlt(lvZentralregulierer);
    if (haupt == 0 || !AenderungErlaubt())
        return;
    if (ZentralreguliererEntfernen(dm, haupt))
        KooperationenEintragen();
}

void TfrmKooperationen::kontoHinzufuegen() {
    const qint64 haupt = gewaehlt(lvZentralregulierer);
    if (haupt == 0 || !AenderungErlaubt())
        return;
    const auto konto = TformKontoauswahl::KontoWaehlen(dm, Lieferantenkonten, this);
    if (konto && ZentralregulierungPartnerHinzufuegen(dm, haupt, *konto))
        KooperationsPartnerEintragen();
}

void TfrmKooperationen::kontoEntfernen() {
    const qint64 partner = gewaehlt(lvPartner);
    if (partner == 0 || !AenderungErlaubt())
        return;
    if (ZentralregulierungPartnerEntfernen(dm, partner))
        KooperationsPartnerEintragen();
}
