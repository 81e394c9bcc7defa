#include "TfrmGeldkonten.h"

#include "Benutzerrechte.h"
#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Stammdatenlisten.h"
#include "TformAufteilungskontenAuswahl.h"
#include "TformGeldkonto.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Spalte { Art, Konto, Bezeichnung, Status, Aktivierung, Saldo, Anzahl };
}

TfrmGeldkonten::TfrmGeldkonten(TDataModule1& dm, QWidget* parent) : QWidget(parent), dm(dm) {
    tvGeldkonten = new QTableWidget(0, Anzahl, this);
    tvGeldkonten->setHorizontalHeaderLabels(
        {QStringLiteral("Art"), QStringLiteral("Konto"), QStringLiteral("Bezeichnung"),
         QStringLiteral("Status"), QStringLiteral("Aktivierung am"), QStringLiteral("Saldo")});
    tvGeldkonten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvGeldkonten->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvGeldkonten->setSelectionMode(QAbstractItemView::SingleSelection);
    tvGeldkonten->horizontalHeader()->setSectionResizeMode(Bezeichnung, QHeaderView::Stretch);
    tvGeldkonten->verticalHeader()->hide();
    btnNeuKasse = new QPushButton(QStringLiteral("Neue Kasse"), this);
    btnNeuBank = new QPushButton(QStringLiteral("Neue Bank"), this);
    btnBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), this);
    btnLoeschen = new QPushButton(QStringLiteral("löschen"), this);
    btnStandardZahlbank = new QPushButton(QStringLiteral("Standardzahlbank setzen"), this);
    btnAufteilungskonten = new QPushButton(QStringLiteral("Aufteilungskonten"), this);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {btnNeuKasse, btnNeuBank, btnBearbeiten, btnLoeschen, btnStandardZahlbank,
                           btnAufteilungskonten})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(knoepfe);
    haupt->addWidget(tvGeldkonten);

    connect(tvGeldkonten, &QTableWidget::itemSelectionChanged, this,
            [this] { auswahlGeaendert(); });
    connect(tvGeldkonten, &QTableWidget::cellDoubleClicked, this, [this] { bearbeiten(); });
    connect(btnNeuKasse, &QPushButton::clicked, this, [this] { neu(Bereichsart::Kasse); });
    connect(btnNeuBank, &QPushButton::clicked, this, [this] { neu(Bereichsart::Bank); });
    connect(btnBearbeiten, &QPushButton::clicked, this, [this] { bearbeiten(); });
    connect(btnLoeschen, &QPushButton::clicked, this, [this] { loeschen(); });
    connect(btnStandardZahlbank, &QPushButton::clicked, this, [this] { standardZahlbank(); });
    connect(btnAufteilungskonten, &QPushButton::clicked, this, [this] {
        if (const int id = gewaehlterBereich(); id >= 0) {
            TformAufteilungskontenAuswahl dialog(this->dm, this);
            dialog.execute(id);
        }
    });
}

void TfrmGeldkonten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    GeldkontenEintragen();
}

void TfrmGeldkonten::GeldkontenEintragen() {
    const int vorher = gewaehlterBereich();
    const QSignalBlocker blocker(tvGeldkonten);
    tvGeldkonten->setRowCount(0);
    const bool salden = HatRecht(dm.ADOConnection_Bereich, Rechte::Geldkontensalden);
    const std::vector<tBuchungsbereich> bereiche =
        GeldkontenLaden(dm.ADOConnection_Daten, [this](int id) {
            return HatRecht(dm.ADOConnection_Bereich, Rechte::Buchungsbereich(id));
        });
    int auswahl = -1;
    for (const tBuchungsbereich& b : bereiche) {
        const int z = tvGeldkonten->rowCount();
        tvGeldkonten->insertRow(z);
        const auto zelle = [&](int spalte, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setData(Qt::UserRole, b.BereichID);
            item->setData(Qt::UserRole + 1, b.Bereichsart);
            tvGeldkonten->setItem(z, spalte, item);
        };
        const bool geld = b.Bereichsart == Bereichsart::Kasse || b.Bereichsart == Bereichsart::Bank;
        QString status;
        if (!b.Aktiv)
            status = QStringLiteral("inaktiv");
        else if (geld && b.BereichID == Sitzung().Optionen.StandardZahlbank)
            status = QStringLiteral("Standardzahlbank");
        zelle(Art, BereichsartText(b.Bereichsart));
        zelle(Konto, b.Konto > 0 ? QString::number(b.Konto) : QString());
        zelle(Bezeichnung, b.Bezeichnung);
        zelle(Status, status);
        const bool mitAnfang = b.Aktiv && geld;
        zelle(Aktivierung, mitAnfang && b.AnfangsMonat.isValid()
                               ? b.AnfangsMonat.toString(QStringLiteral("dd.MM.yyyy"))
                               : QString());
        zelle(Saldo, mitAnfang && salden ? BetragText(b.AnfangsSaldo) + QStringLiteral(" €  ")
                                         : QString());
        tvGeldkonten->item(z, Saldo)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (b.BereichID == vorher)
            auswahl = z;
    }
    if (auswahl >= 0)
        tvGeldkonten->selectRow(auswahl);
    auswahlGeaendert();
}

int TfrmGeldkonten::gewaehlterBereich() const {
    const QTableWidgetItem* item = tvGeldkonten->item(tvGeldkonten->currentRow(), 0);
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

int TfrmGeldkonten::gewaehlteArt() const {
    const QTableWidgetItem* item = tvGeldkonten->item(tvGeldkonten->currentRow(), 0);
    return item && item->isSelected() ? item->data(Qt::UserRole + 1).toInt() : -1;
}

void TfrmGeldkonten::auswahlGeaendert() {
    const bool zeile = gewaehlterBereich() >= 0;
    const bool bank = gewaehlteArt() == Bereichsart::Bank;
    btnBearbeiten->setEnabled(zeile);
    btnAufteilungskonten->setEnabled(zeile);
    btnLoeschen->setEnabled(bank);
    btnStandardZahlbank->setEnabled(bank);
}

void TfrmGeldkonten::neu(int bereichsart) {
    TformGeldkonto dialog(dm, this);
    if (dialog.NeuesGeldkonto(bereichsart))
        GeldkontenEintragen();
}

void TfrmGeldkonten::bearbeiten() {
    const int id = gewaehlterBereich();
    if (id < 0)
        return;
    TformGeldkonto dialog(dm, this);
    if (dialog.GeldkontoBearbeiten(id))
        GeldkontenEintragen();
}

void TfrmGeldkonten::loeschen() {
    const int id = gewaehlterBereich();
    if (id < 0 || gewaehlteArt() != Bereichsart::Bank || !AenderungErlaubt())
        return;
    if (Benutzer().frage(
            Meldungsart::Bestaetigung,
            QStringLiteral("Möchte Sie den ausgewählten Erfassungsbereich wirklich löschen?"),
            Knoepfe::JaNein) != Antwort::Ja)
        return;
    if (BuchungsbereichLoeschen(dm, id))
        GeldkontenEintragen();
}

void TfrmGeldkonten::standardZahlbank() {
    const int id = gewaehlterBereich();
    if (id < 0 || !AenderungErlaubt())
        return;
    if (StandardZahlbankUmschalten(dm, id))
        GeldkontenEintragen();
}
