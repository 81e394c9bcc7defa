#include "TformBenutzer.h"

#include "Rueckfragen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList TformBenutzer::Arten = {
    QStringLiteral("Admin"), QStringLiteral("Admin (nur lesen)"), QStringLiteral("Benutzer")};

namespace {

int artIndex(Benutzerrolle art) {
    switch (art) {
    case Benutzerrolle::Admin:
        return 0;
    case Benutzerrolle::AdminNurLesen:
        return 1;
    case Benutzerrolle::Benutzer:
        return 2;
    case Benutzerrolle::Hauptadministrator:
        break;
    }
    return -1;
}

} // namespace

TformBenutzer::TformBenutzer(Datenbank& bereich, const tHandelnder& handelnder,
                             tBenutzerFormular formular, QWidget* parent)
    : QDialog(parent), bereich(bereich), handelnder(handelnder), daten(std::move(formular)) {
    cbStatus = new QComboBox;
    cbStatus->addItems(Arten);
    edName = new QLineEdit(daten.BenutzerName);
    edName->setMaxLength(BenutzerNameLaenge);
    edKuerzel = new QLineEdit(daten.Kuerzel);
    edKuerzel->setMaxLength(KuerzelLaenge);
    edPasswort = new QLineEdit;
    edPasswort->setEchoMode(QLineEdit::Password);
    edPasswortBestaetigung = new QLineEdit;
    edPasswortBestaetigung->setEchoMode(QLineEdit::Password);
    cbAktiv = new QCheckBox(QStringLiteral("Benutzer aktiv"));
    cbAktiv->setChecked(daten.Aktiv);
    lbBetriebe = new QListWidget;
    lbRechte = new QListWidget;
    btnAlle = new QPushButton(QStringLiteral("alle auswählen"));
    btnKeine = new QPushButton(QStringLiteral("keine auswählen"));
    btnOK = new QPushButton(daten.UserID < 0 ? QStringLiteral("Anfügen") : QStringLiteral("OK"));
    btnOK->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    setWindowTitle(daten.UserID < 0 ? QStringLiteral("Neuer Benutzer")
                                    : QStringLiteral("Benutzer bearbeiten"));
    if (daten.UserID >= 0)
        edPasswort->setPlaceholderText(QStringLiteral("unverändert"));

    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Benutzerstatus:"), cbStatus);
    felder->addRow(QStringLiteral("Benutzername:"), edName);
    felder->addRow(QStringLiteral("Kürzel:"), edKuerzel);
    felder->addRow(QStringLiteral("Passwort:"), edPasswort);
    felder->addRow(QStringLiteral("Passwort (Bestätigung):"), edPasswortBestaetigung);
    felder->addRow(QString(), cbAktiv);
    auto* listen = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Betriebe:")));
    links->addWidget(lbBetriebe);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Rechte:")));
    rechts->addWidget(lbRechte);
    auto* auswahl = new QHBoxLayout;
    auswahl->addWidget(btnAlle);
    auswahl->addWidget(btnKeine);
    rechts->addLayout(auswahl);
    listen->addLayout(links);
    listen->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(felder);
    aussen->addLayout(listen);
    aussen->addLayout(knoepfe);

    for (const tBetriebsRechte& b : daten.Betriebe) {
        auto* eintrag = new QListWidgetItem(b.MNr, lbBetriebe);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(b.angehakt ? Qt::Checked : Qt::Unchecked);
    }
    cbStatus->setCurrentIndex(artIndex(daten.Art));
    // The main administrator keeps status, rights and activity.
    const bool hauptadministrator = daten.Art == Benutzerrolle::Hauptadministrator;
    cbStatus->setEnabled(!hauptadministrator);
    cbAktiv->setEnabled(!hauptadministrator);

    connect(cbStatus, &QComboBox::currentIndexChanged, this, [this] { artGewechselt(); });
    connect(lbBetriebe, &QListWidget::currentRowChanged, this, [this] { rechteZeigen(); });
    connect(lbBetriebe, &QListWidget::itemChanged, this, [this](QListWidgetItem* eintrag) {
        const int zeile = lbBetriebe->row(eintrag);
        const bool gewollt = eintrag->checkState() == Qt::Checked;
        if (!BetriebAnhaken(daten, std::size_t(zeile), gewollt)) {
            const QSignalBlocker blocker(lbBetriebe);
            eintrag->setCheckState(Qt::Unchecked);
        }
        if (zeile == lbBetriebe->currentRow())
            rechteZeigen();
    });
    connect(lbRechte, &QListWidget::itemChanged, this, [this](QListWidgetItem* eintrag) {
        const int betrieb = lbBetriebe->currentRow();
        if (betrieb >= 0)
            daten.Betriebe[betrieb].rechte.at(lbRechte->row(eintrag)).erteilt =
                eintrag->checkState() == Qt::Checked;
    });
    connect(btnAlle, &QPushButton::clicked, this, [this] { alleSetzen(true); });
    connect(btnKeine, &QPushButton::clicked, this, [this] { alleSetzen(false); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    artGewechselt();
    edName->setFocus();
}

Benutzerrolle TformBenutzer::gewaehlteArt() const {
    switch (cbStatus->currentIndex()) {
    case 0:
        return Benutzerrolle::Admin;
    case 1:
        return Benutzerrolle::AdminNurLesen;
    case 2:
        return Benutzerrolle::Benutzer;
    default:
        return Benutzerrolle::Hauptadministrator;
    }
}

void TformBenutzer::artGewechselt() {
    const bool benutzer = gewaehlteArt() == Benutzerrolle::Benutzer;
    lbBetriebe->setEnabled(benutzer);
    rechteZeigen();
}

void TformBenutzer::rechteZeigen() {
    const QSignalBlocker blocker(lbRechte);
    lbRechte->clear();
    const int zeile = lbBetriebe->currentRow();
    const bool benutzer = gewaehlteArt() == Benutzerrolle::Benutzer;
    const bool aenderbar = benutzer && zeile >= 0 && daten.Betriebe[zeile].angehakt &&
                           daten.Betriebe[zeile].verwaltbar;
    lbRechte->setEnabled(aenderbar);
    btnAlle->setEnabled(aenderbar);
    btnKeine->setEnabled(aenderbar);
    if (!benutzer || zeile < 0 || !daten.Betriebe[zeile].angehakt)
        return;
    for (const RechtEintrag& r : daten.Betriebe[zeile].rechte) {
        auto* eintrag = new QListWidgetItem(r.bezeichnung, lbRechte);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(r.erteilt ? Qt::Checked : Qt::Unchecked);
    }
}

void TformBenutzer::alleSetzen(bool erteilt) {
    const int zeile = lbBetriebe->currentRow();
    if (zeile < 0)
        return;
    for (RechtEintrag& r : daten.Betriebe[zeile].rechte)
        r.erteilt = erteilt;
    rechteZeigen();
}

void TformBenutzer::btnOKClick() {
    daten.BenutzerName = edName->text();
    daten.Kuerzel = edKuerzel->text();
    daten.Passwort = edPasswort->text();
    daten.PasswortBestaetigung = edPasswortBestaetigung->text();
    daten.Art = gewaehlteArt();
    daten.Aktiv = cbAktiv->isChecked();
    const tPruefergebnis ergebnis = BenutzerFormularPruefen(bereich, daten, handelnder);
    if (!ergebnis.ok()) {
        Benutzer().fehler(ergebnis.meldung);
        switch (ergebnis.feld) {
        case Formularfeld::Name:
            edName->setFocus();
            break;
        case Formularfeld::Kuerzel:
            edKuerzel->setFocus();
            break;
        case Formularfeld::Bestaetigung:
            edPasswortBestaetigung->setFocus();
            break;
        case Formularfeld::Keins:
            break;
        }
        return;
    }
    accept();
}
