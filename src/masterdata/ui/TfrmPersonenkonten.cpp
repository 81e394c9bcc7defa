#include "TfrmPersonenkonten.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Sitzung.h"
#include "TformKonto.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Spalte { Konto, Name, Strasse, PLZ, Ort, Telefon, EMail, Filiale, Kundennummer, IBAN, BIC };
}

TfrmPersonenkonten::TfrmPersonenkonten(TDataModule1& dm, int kontoArt, qint64 von, qint64 bis,
                                       QWidget* parent)
    : QWidget(parent), dm(dm), kontoArt(kontoArt), von(von), bis(bis) {
    cbSuchfeld = new QComboBox(this);
    cbSuchfeld->addItems(SuchfeldNamen());
    cbSuchart = new QComboBox(this);
    edSuche = new QLineEdit(this);
    btnSucheStarten = new QPushButton(QStringLiteral("Suche starten"), this);
    btnSucheAbbrechen = new QPushButton(QStringLiteral("Suche abbrechen"), this);
    btnNeu = new QPushButton(QStringLiteral("Neu"), this);
    btnBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), this);
    btnLoeschen = new QPushButton(QStringLiteral("Löschen"), this);
    tvKonten = new QTableWidget(0, 11, this);
    tvKonten->setHorizontalHeaderLabels(SuchfeldNamen().mid(0, 7) +
                                        QStringList{QStringLiteral("Filialübergreifend")} +
                                        SuchfeldNamen().mid(7));
    tvKonten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvKonten->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvKonten->setSelectionMode(QAbstractItemView::SingleSelection);
    tvKonten->verticalHeader()->hide();
    tvKonten->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    laAnzahl = new QLabel(this);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {btnNeu, btnBearbeiten, btnLoeschen})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    auto* suchleiste = new QHBoxLayout;
    suchleiste->addWidget(cbSuchfeld);
    suchleiste->addWidget(cbSuchart);
    suchleiste->addWidget(new QLabel(QStringLiteral("Suchbegriff:"), this));
    suchleiste->addWidget(edSuche, 1);
    suchleiste->addWidget(btnSucheStarten);
    suchleiste->addWidget(btnSucheAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(knoepfe);
    haupt->addLayout(suchleiste);
    haupt->addWidget(tvKonten);
    haupt->addWidget(laAnzahl);

    cbSuchfeld->setCurrentIndex(int(Suchfeld::Name));
    suchfeldGewaehlt();
    connect(cbSuchfeld, &QComboBox::activated, this, [this] { suchfeldGewaehlt(); });
    const auto starten = [this] {
        const Suchfeld f = Suchfeld(cbSuchfeld->currentIndex());
        const bool konto = f == Suchfeld::Konto;
        const int art = cbSuchart->currentIndex();
        suche = tPersonenkontoSuche{f,
                                    art == 1 ? Suchart::BeginntMit
                                    : konto  ? Suchart::Entspricht
                                             : Suchart::Enthaelt,
                                    edSuche->text()};
        KontenEintragen();
    };
    connect(btnSucheStarten, &QPushButton::clicked, this, starten);
    connect(edSuche, &QLineEdit::returnPressed, this, starten);
    connect(btnSucheAbbrechen, &QPushButton::clicked, this, [this] {
        suche.reset();
        KontenEintragen();
    });
    connect(btnNeu, &QPushButton::clicked, this, [this] { neu(); });
    connect(btnBearbeiten, &QPushButton::clicked, this, [this] { bearbeiten(); });
    connect(btnLoeschen, &QPushButton::clicked, this, [this] { loeschen(); });
    connect(tvKonten, &QTableWidget::cellDoubleClicked, this, [this] {
        if (auswahlModus)
            Q_EMIT kontoGewaehlt(GewaehltesKonto());
        else
            bearbeiten();
    });
}

void TfrmPersonenkonten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    KontenEintragen();
}

void TfrmPersonenkonten::suchfeldGewaehlt() {
    cbSuchart->clear();
    if (Suchfeld(cbSuchfeld->currentIndex()) == Suchfeld::Konto)
        cbSuchart->addItems({QStringLiteral("entspricht"), QStringLiteral("beginnt mit")});
    else
        cbSuchart->addItems({QStringLiteral("enthält"), QStringLiteral("beginnt mit")});
}

void TfrmPersonenkonten::bereichSetzen(qint64 v, qint64 b) {
    von = v;
    bis = b;
}

void TfrmPersonenkonten::AuswahlModus(bool auswahl) {
    auswahlModus = auswahl;
    for (QPushButton* k : {btnNeu, btnBearbeiten, btnLoeschen})
        k->setVisible(!auswahl);
}

qint64 TfrmPersonenkonten::GewaehltesKonto() const {
    const QTableWidgetItem* item = tvKonten->item(tvKonten->currentRow(), Konto);
    return item && item->isSelected() ? item->text().toLongLong() : 0;
}

void TfrmPersonenkonten::KontenEintragen() {
    const qint64 vorher = GewaehltesKonto();
    const int oben = tvKonten->rowAt(0);
    const std::vector<tPersonenkontoZeile> zeilen =
        PersonenkontenLaden(dm.ADOConnection_Archiv, Sitzung().MNr, kontoArt, von, bis, suche);
    tvKonten->setRowCount(int(zeilen.size()));
    int auswahl = -1;
    for (int z = 0; z < int(zeilen.size()); ++z) {
        const tPersonenkontoZeile& k = zeilen[z];
        const QStringList werte = {QString::number(k.Konto),
                                   k.Bezeichnung,
                                   k.Strasse,
                                   k.PLZ,
                                   k.Ort,
                                   k.Telefonnummer,
                                   k.eMailAdresse,
                                   k.Oeffentlich ? QStringLiteral("ja") : QStringLiteral("nein"),
                                   k.Kundennummer,
                                   k.IBAN,
                                   k.BIC};
        for (int s = 0; s < werte.size(); ++s)
            tvKonten->setItem(z, s, new QTableWidgetItem(werte[s]));
        if (k.Konto == vorher)
            auswahl = z;
    }
    if (auswahl >= 0)
        tvKonten->selectRow(auswahl);
    if (oben >= 0 && oben < tvKonten->rowCount())
        tvKonten->scrollToItem(tvKonten->item(oben, 0), QAbstractItemView::PositionAtTop);
    laAnzahl->setText(QStringLiteral("%1 Konten").arg(zeilen.size()));
}

void TfrmPersonenkonten::neu() {
    neuesKonto(kontoArt);
}

void TfrmPersonenkonten::neuesKonto(int art) {
    TformKonto dialog(dm, this);
    if (dialog.NeuesKonto(0, art, QString())) {
        KontenEintragen();
        for (int z = 0; z < tvKonten->rowCount(); ++z)
            if (tvKonten->item(z, Konto)->text().toLongLong() == dialog.GespeichertKonto)
                tvKonten->selectRow(z);
    }
}

void TfrmPersonenkonten::bearbeiten() {
    const qint64 konto = GewaehltesKonto();
    if (konto <= 0)
        return;
    TformKonto dialog(dm, this);
    if (dialog.KontoBearbeiten(KontoArtErmitteln(konto), konto))
        KontenEintragen();
}

void TfrmPersonenkonten::loeschen() {
    const qint64 konto = GewaehltesKonto();
    if (konto <= 0 || !AenderungErlaubt())
        return;
    if (KontoLoeschen(dm, KontoArtErmitteln(konto), konto))
        KontenEintragen();
}

TfrmKunden::TfrmKunden(TDataModule1& dm, QWidget* parent)
    : TfrmPersonenkonten(dm, KontoArt::Kunde, KontoArtGrenzen(KontoArt::Kunde).KontoVon,
                         KontoArtGrenzen(KontoArt::Kunde).KontoBis, parent) {}

TfrmLieferanten::TfrmLieferanten(TDataModule1& dm, bool ware, bool kosten, QWidget* parent)
    : TfrmPersonenkonten(dm, KontoArt::Lieferant, 0, 0, parent) {
    AnzeigeSetzen(ware, kosten);
}

void TfrmLieferanten::AnzeigeSetzen(bool ware, bool kosten) {
    LieferantenWareAnzeigen = ware;
    LieferantenKostenAnzeigen = kosten;
    const qint64 von = kosten ? KontoArtGrenzen(KontoArt::LieferantKosten).KontoVon
                              : KontoArtGrenzen(KontoArt::Lieferant).KontoVon;
    const qint64 bis = ware ? KontoArtGrenzen(KontoArt::Lieferant).KontoBis
                            : KontoArtGrenzen(KontoArt::LieferantKosten).KontoBis;
    bereichSetzen(von, bis);
}

void TfrmLieferanten::neu() {
    if (LieferantenWareAnzeigen && LieferantenKostenAnzeigen) {
        QMenu menu(this);
        QAction* ware = menu.addAction(QStringLiteral("Lieferant"));
        menu.addAction(QStringLiteral("Lieferant (Kosten)"));
        QAction* gewaehlt = menu.exec(btnNeu->mapToGlobal(QPoint(0, btnNeu->height())));
        if (gewaehlt)
            neuesKonto(gewaehlt == ware ? KontoArt::Lieferant : KontoArt::LieferantKosten);
        return;
    }
    neuesKonto(LieferantenKostenAnzeigen ? KontoArt::LieferantKosten : KontoArt::Lieferant);
}
