#include "TfrmSachkonten.h"

#include "DataModule.h"
#include "Kontenbereiche.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Stammdatenlisten.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfrmSachkonten::TfrmSachkonten(TDataModule1& dm, QWidget* parent) : QWidget(parent), dm(dm) {
    edSuche = new QLineEdit(this);
    btnSuchen = new QPushButton(QStringLiteral("Suchen"), this);
    btnLeeren = new QPushButton(QStringLiteral("Leeren"), this);
    btnEigenschaften = new QPushButton(QStringLiteral("Eigenschaften"), this);
    tvSachkonten = new QTableWidget(0, 3, this);
    tvSachkonten->setHorizontalHeaderLabels(
        {QStringLiteral("Konto"), QStringLiteral("Bezeichnung"), QStringLiteral("Steuer")});
    tvSachkonten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvSachkonten->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvSachkonten->setSelectionMode(QAbstractItemView::SingleSelection);
    tvSachkonten->verticalHeader()->hide();
    tvSachkonten->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    laHinweis = new QLabel(
        QStringLiteral(
            "Stimmen Sie bitte die Kontonummer mit Ihrem zuständigen Sachbearbeiter ab!"),
        this);
    laHinweis->hide();
    laAnzahl = new QLabel(this);
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(btnEigenschaften);
    leiste->addStretch();
    leiste->addWidget(edSuche);
    leiste->addWidget(btnSuchen);
    leiste->addWidget(btnLeeren);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(leiste);
    haupt->addWidget(laHinweis);
    haupt->addWidget(tvSachkonten);
    haupt->addWidget(laAnzahl);
    const auto suchen = [this] {
        SachkontenEintragen(bereich, edSuche->text());
    };
    connect(btnSuchen, &QPushButton::clicked, this, suchen);
    connect(edSuche, &QLineEdit::returnPressed, this, suchen);
    connect(btnLeeren, &QPushButton::clicked, this, [this] {
        edSuche->clear();
        SachkontenEintragen(bereich, QString());
    });
    connect(btnEigenschaften, &QPushButton::clicked, this, [this] { eigenschaften(); });
    connect(tvSachkonten, &QTableWidget::cellDoubleClicked, this, [this] {
        if (auswahlModus)
            Q_EMIT kontoGewaehlt(GewaehltesKonto());
        else
            eigenschaften();
    });
}

void TfrmSachkonten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    SachkontenEintragen(bereich, edSuche->text());
}

void TfrmSachkonten::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && edSuche->hasFocus()) {
        edSuche->clear();
        SachkontenEintragen(bereich, QString());
        return;
    }
    QWidget::keyPressEvent(e);
}

void TfrmSachkonten::SachkontenEintragen(int bereichId, const QString& suchbegriff) {
    bereich = bereichId;
    laHinweis->setVisible(auswahlModus);
    std::optional<tKontenGrenzen> grenzen;
    if (bereichId != 0)
        grenzen = KontenbereichGrenzen(Sitzung().Kontenbereiche, bereichId);
    const std::vector<tSachkonto> konten =
        SachkontenLaden(dm.ADOConnection_Archiv, grenzen, suchbegriff);
    tvSachkonten->setRowCount(int(konten.size()));
    for (int z = 0; z < int(konten.size()); ++z) {
        tvSachkonten->setItem(z, 0, new QTableWidgetItem(QString::number(konten[z].Konto)));
        tvSachkonten->setItem(z, 1, new QTableWidgetItem(konten[z].Bezeichnung));
        tvSachkonten->setItem(z, 2, new QTableWidgetItem(konten[z].Steuer));
    }
    laAnzahl->setText(QStringLiteral("%1 Sachkonten").arg(konten.size()));
}

qint64 TfrmSachkonten::GewaehltesKonto() const {
    const QTableWidgetItem* item = tvSachkonten->item(tvSachkonten->currentRow(), 0);
    return item && item->isSelected() ? item->text().toLongLong() : 0;
}

void TfrmSachkonten::AuswahlModus(bool auswahl) {
    auswahlModus = auswahl;
    btnEigenschaften->setVisible(!auswahl);
}

void TfrmSachkonten::eigenschaften() {
    const qint64 konto = GewaehltesKonto();
    if (konto == 0)
        return;
    TformSachkonto dialog(dm, this);
    dialog.Anzeigen(konto);
}

TformSachkonto::TformSachkonto(TDataModule1& dm, QWidget* parent) : QDialog(parent), dm(dm) {
    laKonto = new QLabel(this);
    laBezeichnung = new QLabel(this);
    laSteuer = new QLabel(this);
    auto* form = new QFormLayout;
    form->addRow(laKonto);
    form->addRow(QStringLiteral("Bezeichnung:"), laBezeichnung);
    form->addRow(QStringLiteral("Steuerschlüssel:"), laSteuer);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
}

bool TformSachkonto::Anzeigen(qint64 konto) {
    const std::optional<tSachkonto> k =
        SachkontoLaden(dm.ADOConnection_Archiv, QString::number(konto));
    if (!k) {
        Benutzer().fehler(
            QStringLiteral("Das Konto \"%1\" konnte nicht gefunden werden!").arg(konto));
        return false;
    }
    setWindowTitle(k->Bezeichnung);
    laKonto->setText(QStringLiteral("Konto: %1").arg(konto));
    laBezeichnung->setText(k->Bezeichnung);
    laSteuer->setText(k->Steuer);
    exec();
    return true;
}
