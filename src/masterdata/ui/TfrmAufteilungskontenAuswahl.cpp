#include "TfrmAufteilungskontenAuswahl.h"

#include "AufteilungskontenListen.h"
#include "DataModule.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Textschluessel.h"
#include "TformKontoauswahl.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TfrmAufteilungskontenAuswahl::TfrmAufteilungskontenAuswahl(TDataModule1& dm_, QWidget* eltern)
    : QWidget(eltern), dm(dm_) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* zeile = new QHBoxLayout;
    grdKonten = new QTreeWidget(this);
    grdKonten->setHeaderLabels({QStringLiteral("Konto"), QStringLiteral("Bezeichnung")});
    grdKonten->setRootIsDecorated(false);
    grdKonten->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    zeile->addWidget(grdKonten);
    auto* knoepfe = new QVBoxLayout;
    btnNeuesKonto = new QPushButton(QStringLiteral("Konto hinzufügen"), this);
    btnKontoEntfernen = new QPushButton(QStringLiteral("Konto entfernen"), this);
    btnAufwaerts = new QPushButton(QStringLiteral("Aufwärts"), this);
    btnAbwaerts = new QPushButton(QStringLiteral("Abwärts"), this);
    for (QPushButton* b : {btnNeuesKonto, btnKontoEntfernen, btnAufwaerts, btnAbwaerts})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    zeile->addLayout(knoepfe);
    layout->addLayout(zeile);
    chkArchivAufteilungskonten = new QCheckBox(
        QStringLiteral("Archivaufteilungskonten des Erfassungsbereichs anzeigen"), this);
    chkErstesKontoHauptkonto = new QCheckBox(
        QStringLiteral("Erstes Konto als Hauptkonto übernehmen (nur im WE und RA)"), this);
    layout->addWidget(chkArchivAufteilungskonten);
    layout->addWidget(chkErstesKontoHauptkonto);

    connect(btnNeuesKonto, &QPushButton::clicked, this,
            &TfrmAufteilungskontenAuswahl::NeuesKontoWaehlen);
    connect(btnKontoEntfernen, &QPushButton::clicked, this, [this] {
        delete grdKonten->currentItem();
        erstesKontoFaerben();
        knoepfeAnpassen();
    });
    connect(btnAufwaerts, &QPushButton::clicked, this, [this] { verschieben(-1); });
    connect(btnAbwaerts, &QPushButton::clicked, this, [this] { verschieben(1); });
    connect(grdKonten, &QTreeWidget::itemSelectionChanged, this,
            &TfrmAufteilungskontenAuswahl::knoepfeAnpassen);
    connect(chkErstesKontoHauptkonto, &QCheckBox::toggled, this,
            &TfrmAufteilungskontenAuswahl::erstesKontoFaerben);
    knoepfeAnpassen();
}

void TfrmAufteilungskontenAuswahl::AufteilungskontenLadenTS(const tTextschluessel& ts) {
    chkArchivAufteilungskonten->setChecked(!ts.ArchivAufteilungsKontenAusblenden);
    ErstesKontoRegel(ts.Konto, ts.ErstesAufteilungskontoHauptkonto);
    chkArchivAufteilungskonten->show();
    chkErstesKontoHauptkonto->show();
    kontenZeigen(AufteilungskontenTSLaden(dm.ADOConnection_Archiv, ts.ID));
}

void TfrmAufteilungskontenAuswahl::AufteilungskontenLadenBereich(int bereichId) {
    chkArchivAufteilungskonten->setChecked(false);
    chkErstesKontoHauptkonto->setChecked(false);
    chkArchivAufteilungskonten->hide();
    chkErstesKontoHauptkonto->hide();
    kontenZeigen(AufteilungskontenBereichLaden(dm.ADOConnection_Daten, bereichId));
}

void TfrmAufteilungskontenAuswahl::ErstesKontoRegel(qint64 konto, bool gespeichert) {
    if (KontoImKontenbereich(Sitzung().Kontenbereiche, konto, Kontenbereich::Sachkonten)) {
        chkErstesKontoHauptkonto->setChecked(false);
        chkErstesKontoHauptkonto->setEnabled(false);
    } else if (konto >= 80000 && konto <= 89999) {
        chkErstesKontoHauptkonto->setChecked(true);
        chkErstesKontoHauptkonto->setEnabled(false);
    } else {
        chkErstesKontoHauptkonto->setChecked(gespeichert);
        chkErstesKontoHauptkonto->setEnabled(true);
    }
}

std::vector<qint64> TfrmAufteilungskontenAuswahl::Konten() const {
    std::vector<qint64> konten;
    for (int i = 0; i < grdKonten->topLevelItemCount(); ++i)
        konten.push_back(grdKonten->topLevelItem(i)->data(0, Qt::UserRole).toLongLong());
    return konten;
}

bool TfrmAufteilungskontenAuswahl::KontoHinzufuegen(qint64 konto) {
    const std::vector<qint64> vorhanden = Konten();
    if (std::find(vorhanden.begin(), vorhanden.end(), konto) != vorhanden.end()) {
        Benutzer().fehler(QStringLiteral("Das ausgewählte Konto befindet sich bereits in der Liste "
                                         "der Aufteilungskonten!"));
        return false;
    }
    auto* item = new QTreeWidgetItem(
        grdKonten,
        {QString::number(konto), KontoBezeichnung(dm.ADOConnection_Archiv, Sitzung().MNr, konto)});
    item->setData(0, Qt::UserRole, konto);
    grdKonten->setCurrentItem(item);
    erstesKontoFaerben();
    return true;
}

void TfrmAufteilungskontenAuswahl::NeuesKontoWaehlen() {
    if (const auto konto = TformKontoauswahl::KontoWaehlen(dm, Kontoauswahl::Sachkonten, this))
        KontoHinzufuegen(*konto);
}

void TfrmAufteilungskontenAuswahl::kontenZeigen(const std::vector<qint64>& konten) {
    grdKonten->clear();
    for (const qint64 konto : konten) {
        const auto s = SachkontoLaden(dm.ADOConnection_Archiv, QString::number(konto));
        auto* item = new QTreeWidgetItem(grdKonten,
                                         {QString::number(konto), s ? s->Bezeichnung : QString()});
        item->setData(0, Qt::UserRole, konto);
    }
    erstesKontoFaerben();
    knoepfeAnpassen();
}

void TfrmAufteilungskontenAuswahl::verschieben(int richtung) {
    QTreeWidgetItem* item = grdKonten->currentItem();
    if (!item)
        return;
    const int von = grdKonten->indexOfTopLevelItem(item);
    const int nach = von + richtung;
    if (nach < 0 || nach >= grdKonten->topLevelItemCount())
        return;
    grdKonten->takeTopLevelItem(von);
    grdKonten->insertTopLevelItem(nach, item);
    grdKonten->setCurrentItem(item);
    grdKonten->setFocus();
    erstesKontoFaerben();
}

void TfrmAufteilungskontenAuswahl::knoepfeAnpassen() {
    const QList<QTreeWidgetItem*> auswahl = grdKonten->selectedItems();
    const int zeile = auswahl.size() == 1 ? grdKonten->indexOfTopLevelItem(auswahl.first()) : -1;
    btnKontoEntfernen->setEnabled(!auswahl.isEmpty());
    btnAufwaerts->setEnabled(zeile > 0);
    btnAbwaerts->setEnabled(zeile >= 0 && zeile < grdKonten->topLevelItemCount() - 1);
}

void TfrmAufteilungskontenAuswahl::erstesKontoFaerben() {
    const QBrush orange(QColor(255, 185, 151));
    for (int i = 0; i < grdKonten->topLevelItemCount(); ++i)
        for (int s = 0; s < 2; ++s)
            grdKonten->topLevelItem(i)->setBackground(
                s, i == 0 && chkErstesKontoHauptkonto->isChecked() ? orange : QBrush());
}
