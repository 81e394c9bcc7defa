#include "TfrmTextschluessel.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Sitzung.h"
#include "TformTextschluessel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString seitenText(const QString& seite) {
    if (seite == QStringLiteral("E"))
        return QStringLiteral("Einnahme");
    if (seite == QStringLiteral("A"))
        return QStringLiteral("Ausgabe");
    return {};
}

QString jaNein(bool b) {
    return b ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

} // namespace

TfrmTextschluessel::TfrmTextschluessel(TDataModule1& dm_, QWidget* eltern)
    : QWidget(eltern), dm(dm_) {
    auto* layout = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    acTextschluesselNeu = new QAction(QStringLiteral("Neuer Textschlüssel"), this);
    acTextschluesselBearbeiten = new QAction(QStringLiteral("Textschlüssel bearbeiten"), this);
    acTextschluesselLoeschen = new QAction(QStringLiteral("Textschlüssel löschen"), this);
    for (QAction* a : {acTextschluesselNeu, acTextschluesselBearbeiten, acTextschluesselLoeschen}) {
        auto* k = new QToolButton(this);
        k->setDefaultAction(a);
        leiste->addWidget(k);
    }
    leiste->addStretch();
    layout->addLayout(leiste);
    auto* suche = new QHBoxLayout;
    edSuche = new QLineEdit(this);
    edSuche->setPlaceholderText(QStringLiteral("Suchen"));
    edSuche->setClearButtonEnabled(true);
    cbTSFilter = new QComboBox(this);
    cbTSFilter->addItems({QStringLiteral("alle anzeigen"), QStringLiteral("Lieferanten"),
                          QStringLiteral("Lieferanten (Kosten)"), QStringLiteral("Kunden"),
                          QStringLiteral("Sonstige"), QStringLiteral("ohne Konto")});
    chkNurVerwendete = new QCheckBox(QStringLiteral("nur verwendete anzeigen"), this);
    suche->addWidget(edSuche);
    suche->addWidget(cbTSFilter);
    suche->addWidget(chkNurVerwendete);
    layout->addLayout(suche);
    grdTextschluessel = new QTreeWidget(this);
    grdTextschluessel->setHeaderLabels({QStringLiteral("Textschlüssel"),
                                        QStringLiteral("Erfassungstext"), QStringLiteral("Betrag"),
                                        QStringLiteral("Erfassungsseite"), QStringLiteral("Steuer"),
                                        QStringLiteral("Konto"), QStringLiteral("Konto 2"),
                                        QStringLiteral("öffentlich"), QStringLiteral("verwendet")});
    grdTextschluessel->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(grdTextschluessel);
    laAnzahl = new QLabel(this);
    layout->addWidget(laAnzahl);

    connect(edSuche, &QLineEdit::returnPressed, this,
            &TfrmTextschluessel::TextschluesselListeAktualisieren);
    connect(edSuche, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (t.isEmpty())
            TextschluesselListeAktualisieren();
    });
    connect(cbTSFilter, &QComboBox::currentIndexChanged, this,
            &TfrmTextschluessel::TextschluesselListeAktualisieren);
    connect(chkNurVerwendete, &QCheckBox::toggled, this,
            &TfrmTextschluessel::TextschluesselListeAktualisieren);
    connect(acTextschluesselNeu, &QAction::triggered, this, &TfrmTextschluessel::neu);
    connect(acTextschluesselBearbeiten, &QAction::triggered, this, &TfrmTextschluessel::bearbeiten);
    connect(acTextschluesselLoeschen, &QAction::triggered, this, &TfrmTextschluessel::loeschen);
    connect(grdTextschluessel, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) {
                if (item && item->parent())
                    bearbeiten();
            });
    // Esc in the search field clears the search.
    auto* leeren = new QAction(edSuche);
    leeren->setShortcut(Qt::Key_Escape);
    leeren->setShortcutContext(Qt::WidgetShortcut);
    edSuche->addAction(leeren);
    connect(leeren, &QAction::triggered, edSuche, &QLineEdit::clear);
}

void TfrmTextschluessel::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    const QSignalBlocker a(edSuche);
    const QSignalBlocker b(chkNurVerwendete);
    edSuche->clear();
    chkNurVerwendete->setChecked(false);
    TextschluesselListeAktualisieren();
}

void TfrmTextschluessel::TextschluesselListeAktualisieren() {
    tTextschluesselFilter f;
    f.Listenfilter = cbTSFilter->currentIndex();
    f.Suchtext = edSuche->text();
    f.NurVerwendete = chkNurVerwendete->isChecked();
    f.Privatkonten = HatRecht(dm.ADOConnection_Bereich, Rechte::Privatkonten);
    f.Personalkonten = HatRecht(dm.ADOConnection_Bereich, Rechte::Personalkonten);
    LetzteAbfrage = f;
    const QString gewaehlt = AusgewaehlterTextschluessel();
    const std::vector<tTextschluesselZeile> zeilen =
        TextschluesselListe(dm.ADOConnection_Archiv, Sitzung().MNr, Sitzung().Kontenbereiche, f);
    grdTextschluessel->setUpdatesEnabled(false);
    grdTextschluessel->clear();
    QTreeWidgetItem* gruppe = nullptr;
    for (const tTextschluesselZeile& z : zeilen) {
        if (!gruppe || gruppe->text(0) != z.Gruppe) {
            gruppe = new QTreeWidgetItem(grdTextschluessel, {z.Gruppe});
            gruppe->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(gruppe, {z.TSName, z.Buchungstext2, BetragText(z.Betrag),
                                                  seitenText(z.Buchungsseite), z.Steuer,
                                                  z.Konto ? QString::number(z.Konto) : QString(),
                                                  z.Konto2 ? QString::number(z.Konto2) : QString(),
                                                  jaNein(z.Oeffentlich), jaNein(z.Verwendet)});
        if (z.TSName == gewaehlt)
            grdTextschluessel->setCurrentItem(item);
    }
    grdTextschluessel->setUpdatesEnabled(true);
    laAnzahl->setText(QString::number(zeilen.size()) + QStringLiteral(" Textschlüssel"));
}

QString TfrmTextschluessel::AusgewaehlterTextschluessel() const {
    const QTreeWidgetItem* item = grdTextschluessel->currentItem();
    return item && item->parent() ? item->text(0) : QString();
}

void TfrmTextschluessel::neu() {
    TformTextschluessel f(dm, this);
    if (f.NeuerTexschluessel(QString(), QString(), 0))
        TextschluesselListeAktualisieren();
}

void TfrmTextschluessel::bearbeiten() {
    const QString name = AusgewaehlterTextschluessel();
    if (name.isEmpty())
        return;
    TformTextschluessel f(dm, this);
    if (f.TexschluesselBearbeiten(name, false))
        TextschluesselListeAktualisieren();
}

void TfrmTextschluessel::loeschen() {
    const QString name = AusgewaehlterTextschluessel();
    // Deleting also removes learning entries: the same read-only rule as every change.
    if (name.isEmpty() || !AenderungErlaubt())
        return;
    if (TextschluesselLoeschen(dm.ADOConnection_Archiv, name))
        TextschluesselListeAktualisieren();
}
