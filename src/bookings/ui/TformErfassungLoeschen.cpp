#include "TformErfassungLoeschen.h"

#include "DataModule.h"
#include "Datum.h"
#include "Rueckfragen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TformErfassungLoeschen::TformErfassungLoeschen(QWidget* parent)
    : QDialog(parent), laFrage(new QLabel(this)), laDatum(new QLabel(this)),
      laText(new QLabel(this)), laBetrag(new QLabel(this)), edBegruendung(new QLineEdit(this)),
      btnJa(new QPushButton(QStringLiteral("Ja"), this)),
      btnNein(new QPushButton(QStringLiteral("Nein"), this)) {
    setWindowTitle(QStringLiteral("Erfassung löschen"));
    laFrage->setWordWrap(true);
    laText->setWordWrap(true);
    // The archive keeps the reason in the remark column.
    edBegruendung->setMaxLength(255);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Belegdatum:"), laDatum);
    felder->addRow(QStringLiteral("Erfassungstext:"), laText);
    felder->addRow(QStringLiteral("Betrag:"), laBetrag);
    felder->addRow(QStringLiteral("Begründung:"), edBegruendung);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnJa);
    knoepfe->addWidget(btnNein);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(laFrage);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);
    btnJa->setAutoDefault(false);
    btnNein->setAutoDefault(false);
    connect(btnJa, &QPushButton::clicked, this, &TformErfassungLoeschen::JaGeklickt);
    connect(btnNein, &QPushButton::clicked, this, &QDialog::reject);
    connect(edBegruendung, &QLineEdit::textChanged, this, &TformErfassungLoeschen::KnoepfeAnpassen);
    Anzeigen(std::nullopt);
}

void TformErfassungLoeschen::Anzeigen(const std::optional<tLoeschAngaben>& angaben) {
    const QString keineAngabe = QStringLiteral("k. A.");
    if (angaben) {
        laFrage->setText(
            QStringLiteral("Sind Sie sicher, dass Sie folgende Erfassung löschen möchten?"));
        laDatum->setText(DatumText(angaben->Belegdatum));
        laText->setText(angaben->Buchungstext);
        laBetrag->setText(BetragText(angaben->Betrag));
    } else {
        laFrage->setText(QStringLiteral(
            "Sind Sie sicher, dass Sie die ausgewählten Erfassungen löschen möchten?"));
        laDatum->setText(keineAngabe);
        laText->setText(keineAngabe);
        laBetrag->setText(keineAngabe);
    }
    BegruendungNoetig = angaben && angaben->BegruendungNoetig;
    edBegruendung->clear();
    KnoepfeAnpassen();
    QWidget* fokus = BegruendungNoetig ? static_cast<QWidget*>(edBegruendung) : btnNein;
    btnNein->setDefault(!BegruendungNoetig);
    btnJa->setDefault(BegruendungNoetig);
    fokus->setFocus();
}

QString TformErfassungLoeschen::Begruendung() const {
    return edBegruendung->text().trimmed();
}

void TformErfassungLoeschen::KnoepfeAnpassen() {
    btnJa->setEnabled(!BegruendungNoetig || !Begruendung().isEmpty());
}

void TformErfassungLoeschen::JaGeklickt() {
    if (BegruendungNoetig && Begruendung().isEmpty()) {
        Benutzer().fehler(QStringLiteral(
            "Für das Löschen dieser Erfassung müssen Sie eine Begründung eingeben!"));
        edBegruendung->setFocus();
        return;
    }
    accept();
}

bool TformErfassungLoeschen::ExecuteEinzeln(TDataModule1& dm, const QString& ErfassungsTabelle,
                                            qint64 buchungsId, QWidget* parent) {
    return ExecuteListe(dm, ErfassungsTabelle, {buchungsId}, parent);
}

bool TformErfassungLoeschen::ExecuteListe(TDataModule1& dm, const QString& ErfassungsTabelle,
                                          const std::vector<qint64>& LoeschListe, QWidget* parent) {
    const std::vector<qint64> ids = LoeschbareErfassungen(dm, ErfassungsTabelle, LoeschListe);
    if (ids.empty())
        return false;
    std::optional<tLoeschAngaben> angaben;
    if (ids.size() == 1) {
        angaben = LoeschAngabenLesen(dm.ADOConnection_Daten, ErfassungsTabelle, ids.front());
        if (!angaben)
            return false;
    }
    TformErfassungLoeschen dialog(parent);
    dialog.Anzeigen(angaben);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return ErfassungenLoeschen(dm, ErfassungsTabelle, ids, dialog.Begruendung());
}
