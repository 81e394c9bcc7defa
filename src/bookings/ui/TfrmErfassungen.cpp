#include "TfrmErfassungen.h"

#include "Buchungspruefung.h"
#include "DataModule.h"
#include "ErfassungBearbeiten.h"
#include "Erfassungsverlauf.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "TformErfassungLoeschen.h"
#include "TformErfassungsSpalten.h"
#include "TformErfassungsVerlauf.h"
#include "TformKonto.h"
#include "TformTextschluessel.h"
#include "TfrmErfassungsliste.h"
#include "TfrmErfassungssuche.h"
#include "TfrmSachkonten.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

bool Sachkonto(qint64 konto) {
    return konto > 0 && !IstPersonenkonto(konto);
}

bool Lieferantenkonto(qint64 konto) {
    const int art = KontoArtErmitteln(konto);
    return art == KontoArt::Lieferant || art == KontoArt::LieferantKosten;
}

} // namespace

TfrmErfassungen::TfrmErfassungen(TDataModule1& d, QWidget* eltern) : QWidget(eltern), dm(d) {
    setObjectName(QStringLiteral("TfrmErfassungen"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* knoepfe = new QHBoxLayout;
    btnAufteilungen = new QPushButton(QStringLiteral("Aufteilungen anzeigen"), this);
    btnAufteilungen->setObjectName(QStringLiteral("btnAufteilungen"));
    btnAufteilungen->setCheckable(true);
    btnAufteilungen->setFocusPolicy(Qt::NoFocus);
    knoepfe->addWidget(btnAufteilungen);
    Liste = new TfrmErfassungsliste(dm, this);
    connect(btnAufteilungen, &QPushButton::toggled, this, [this](bool an) {
        Liste->AufteilungsErfassungenAnzeigen(an);
        btnAufteilungen->setText(an ? QStringLiteral("Aufteilungen ausblenden")
                                    : QStringLiteral("Aufteilungen anzeigen"));
    });

    const auto aktion = [this](const char* name, const QString& text, auto ausfuehren) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, ausfuehren);
        return a;
    };
    acErfassungBearbeiten =
        aktion("acErfassungBearbeiten", QStringLiteral("bearbeiten"), [this] { bearbeiten(); });
    acErfassungLoeschen =
        aktion("acErfassungLoeschen", QStringLiteral("löschen"), [this] { loeschen(); });
    acErfassungLoeschen->setToolTip(QStringLiteral("Löscht die Erfassung(en)"));
    acErfassungBemerkungLoeschen =
        aktion("acErfassungBemerkungLoeschen", QStringLiteral("Bemerkung löschen"),
               [this] { bemerkungLoeschen(); });
    acErfassungsverlauf =
        aktion("acErfassungsverlauf", QStringLiteral("Erfassungsverlauf"), [this] { verlauf(); });
    acErfassungsinfo =
        aktion("acErfassungsinfo", QStringLiteral("Erfassungsinfo"), [this] { info(); });
    acSpaltenVerwalten = aktion("acSpaltenVerwalten", QStringLiteral("Spalten verwalten"),
                                [this] { TformErfassungsSpalten::SpaltenVerwalten(*Liste, this); });
    acSucheBelegnummer = aktion("acSucheBelegnummer", QStringLiteral("Suche nach Belegnummer"),
                                [this] { sucheBelegnummer(); });
    acTSBearbeiten =
        aktion("acTSBearbeitenListe", QStringLiteral("Textschlüssel bearbeiten"), [this] {
            if (const auto z = Liste->AktuelleZeile()) {
                TformTextschluessel dialog(dm, this);
                dialog.TexschluesselBearbeiten(z->TSName, false);
            }
        });
    const auto eigenschaften = [this](bool gegenkonto) {
        if (const auto z = Liste->AktuelleZeile()) {
            TformSachkonto dialog(dm, this);
            dialog.Anzeigen(gegenkonto ? z->GKonto : z->Konto);
        }
    };
    acKontoEigenschaften = aktion("acKontoEigenschaften", QStringLiteral("Eigenschaften (Konto)"),
                                  [eigenschaften] { eigenschaften(false); });
    acGKontoEigenschaften =
        aktion("acGKontoEigenschaften", QStringLiteral("Eigenschaften (Gegenkonto)"),
               [eigenschaften] { eigenschaften(true); });
    const auto kontoBearbeiten = [this](bool gegenkonto) {
        if (const auto z = Liste->AktuelleZeile()) {
            const qint64 konto = gegenkonto ? z->GKonto : z->Konto;
            TformKonto dialog(dm, this);
            if (dialog.KontoBearbeiten(KontoArtErmitteln(konto), konto))
                Aktualisieren();
        }
    };
    acKontoBearbeiten = aktion("acKontoBearbeitenListe", QStringLiteral("Konto bearbeiten (Konto)"),
                               [kontoBearbeiten] { kontoBearbeiten(false); });
    acGKontoBearbeiten =
        aktion("acGKontoBearbeitenListe", QStringLiteral("Konto bearbeiten (Gegenkonto)"),
               [kontoBearbeiten] { kontoBearbeiten(true); });

    for (QAction* a : {acErfassungBearbeiten, acErfassungLoeschen}) {
        auto* knopf = new QToolButton(this);
        knopf->setDefaultAction(a);
        knopf->setFocusPolicy(Qt::NoFocus);
        knoepfe->addWidget(knopf);
    }
    btnVerschieben = new QToolButton(this);
    btnVerschieben->setObjectName(QStringLiteral("btnVerschieben"));
    btnVerschieben->setText(QStringLiteral("in anderen Monat verschieben"));
    btnVerschieben->setFocusPolicy(Qt::NoFocus);
    pmMonate = new QMenu(btnVerschieben);
    pmMonate->setObjectName(QStringLiteral("pmMonate"));
    connect(btnVerschieben, &QToolButton::clicked, this, &TfrmErfassungen::monateAnbieten);
    knoepfe->addWidget(btnVerschieben);
    knoepfe->addStretch(1);
    layout->addLayout(knoepfe);
    layout->addWidget(Liste, 1);

    pmErfassungsliste = new QMenu(this);
    pmErfassungsliste->setObjectName(QStringLiteral("pmErfassungsliste"));
    pmErfassungsliste->addAction(acSpaltenVerwalten);
    pmErfassungsliste->addAction(acErfassungLoeschen);
    pmErfassungsliste->addAction(acErfassungBearbeiten);
    pmErfassungsliste->addAction(acErfassungBemerkungLoeschen);
    QMenu* stammdaten = pmErfassungsliste->addMenu(QStringLiteral("Stammdaten"));
    for (QAction* a : {acTSBearbeiten, acKontoEigenschaften, acGKontoEigenschaften,
                       acKontoBearbeiten, acGKontoBearbeiten})
        stammdaten->addAction(a);
    pmErfassungsliste->addMenu(QStringLiteral("Suche"))->addAction(acSucheBelegnummer);
    pmErfassungsliste->addAction(acErfassungsverlauf);
    pmErfassungsliste->addAction(acErfassungsinfo);
    connect(pmErfassungsliste, &QMenu::aboutToShow, this, &TfrmErfassungen::kontextmenueAnpassen);
    Liste->Raster->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Liste->Raster, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { pmErfassungsliste->popup(Liste->Raster->mapToGlobal(p)); });
    connect(Liste, &TfrmErfassungsliste::ErfassungGewaehlt, this, [this] { bearbeiten(); });
    connect(Liste, &TfrmErfassungsliste::VerlaufGewuenscht, this,
            [this](qint64 id) { TformErfassungsVerlauf::ErfassungsVerlaufOeffnen(dm, id, this); });
    connect(Liste, &TfrmErfassungsliste::AuswahlGeaendert, this,
            &TfrmErfassungen::kontextmenueAnpassen);
    kontextmenueAnpassen();
}

void TfrmErfassungen::BereichAnzeigen(int id) {
    bereichId = id;
    Aktualisieren();
}

void TfrmErfassungen::Aktualisieren() {
    const tSitzung& s = Sitzung();
    Liste->ErfassungenEintragenBereich(QStringLiteral("Erfassungen"), bereichId,
                                       Erfassungssortierung::ErstelltAmAbsteigend, s.Jahr, s.Monat);
    kontextmenueAnpassen();
}

void TfrmErfassungen::MonatsabschlussAnpassen(bool abgeschlossen) {
    for (QAction* a : {acErfassungLoeschen, acErfassungBearbeiten, acErfassungBemerkungLoeschen})
        a->setVisible(!abgeschlossen && (a != acErfassungLoeschen || bereichId != -1));
    btnVerschieben->setVisible(!abgeschlossen);
}

void TfrmErfassungen::kontextmenueAnpassen() {
    const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile();
    const bool haupt = z && z->Hauptbuchung;
    for (QAction* a : {acErfassungLoeschen, acErfassungBearbeiten, acErfassungBemerkungLoeschen,
                       acErfassungsverlauf, acErfassungsinfo, acSucheBelegnummer})
        a->setEnabled(haupt);
    acTSBearbeiten->setEnabled(z && !z->TSName.isEmpty());
    acKontoEigenschaften->setEnabled(z && Sachkonto(z->Konto));
    acGKontoEigenschaften->setEnabled(z && Sachkonto(z->GKonto));
    acKontoBearbeiten->setEnabled(z && Lieferantenkonto(z->Konto));
    acGKontoBearbeiten->setEnabled(z && Lieferantenkonto(z->GKonto));
}

void TfrmErfassungen::bearbeiten() {
    const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile();
    if (!z || !z->Hauptbuchung)
        return;
    const tSitzung& s = Sitzung();
    if (MonatAbgeschlossen(dm.ADOConnection_Daten, s.Monat, s.Jahr)) {
        Benutzer().fehler(QStringLiteral("Der Monat %1/%2 ist bereits abgeschlossen!\rSie können "
                                         "daher keine Erfassungen in diesem Monat bearbeiten.")
                              .arg(s.Monat)
                              .arg(s.Jahr));
        return;
    }
    if (z->Bereichsart >= 3 && RechnungBezahlt(dm.ADOConnection_Daten, z->BuchungsID, true))
        return;
    Q_EMIT Bearbeiten(z->BuchungsID);
}

void TfrmErfassungen::loeschen() {
    std::vector<qint64> ids;
    for (const tErfassungsZeile& z : Liste->Auswahl())
        ids.push_back(z.BuchungsID);
    if (ids.empty())
        return;
    if (TformErfassungLoeschen::ExecuteListe(dm, Liste->Tabelle(), ids, this)) {
        Aktualisieren();
        Q_EMIT Geaendert();
    }
}

void TfrmErfassungen::bemerkungLoeschen() {
    const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile();
    if (z && z->Hauptbuchung && BemerkungLoeschen(dm, z->BuchungsID))
        Aktualisieren();
}

void TfrmErfassungen::verlauf() {
    if (const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile(); z && z->Hauptbuchung)
        TformErfassungsVerlauf::ErfassungsVerlaufOeffnen(dm, z->BuchungsID, this);
}

void TfrmErfassungen::info() {
    if (const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile())
        Benutzer().information(ErfassungsInfoText(*z));
}

void TfrmErfassungen::sucheBelegnummer() {
    if (const std::optional<tErfassungsZeile> z = Liste->AktuelleZeile())
        TfrmErfassungssuche::ErfassungssucheFenster(
            dm, TfrmErfassungssuche::BelegnummerSuche(z->Belegnummer), this);
}

void TfrmErfassungen::monateAnbieten() {
    pmMonate->clear();
    const std::vector<std::pair<int, int>> monate = VerschiebeMonate(dm, bereichId);
    if (monate.empty()) {
        Benutzer().information(KeineVerschiebeMonate);
        return;
    }
    for (const auto& [monat, jahr] : monate)
        connect(pmMonate->addAction(
                    QStringLiteral("%1/%2").arg(monat, 2, 10, QLatin1Char('0')).arg(jahr)),
                &QAction::triggered, this, [this, m = monat, j = jahr] { verschieben(m, j); });
    pmMonate->popup(btnVerschieben->mapToGlobal(QPoint(0, btnVerschieben->height())));
}

void TfrmErfassungen::verschieben(int monat, int jahr) {
    std::vector<qint64> ids;
    for (const tErfassungsZeile& z : Liste->Auswahl())
        ids.push_back(z.BuchungsID);
    if (VerschiebenBestaetigen(dm, ids, monat, jahr) &&
        ErfassungenVerschieben(dm, ids, monat, jahr)) {
        Aktualisieren();
        Q_EMIT Geaendert();
    }
}
