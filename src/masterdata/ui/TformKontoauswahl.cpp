#include "TformKontoauswahl.h"

#include "Buchungsbereiche.h"
#include "Kontenbereiche.h"
#include "Rueckfragen.h"
#include "TfrmPersonenkonten.h"
#include "TfrmSachkonten.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TformKontoauswahl::TformKontoauswahl(TDataModule1& dm, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kontoauswahl"));
    resize(900, 600);
    tabs = new QTabWidget(this);
    frmSachkonten = new TfrmSachkonten(dm, tabs);
    frmLieferanten = new TfrmLieferanten(dm, true, false, tabs);
    frmKunden = new TfrmKunden(dm, tabs);
    frmLieferantenKosten = new TfrmLieferanten(dm, false, true, tabs);
    frmKostenkonten = new TfrmSachkonten(dm, tabs);
    frmKostenkonten->SachkontenEintragen(Kontenbereich::Kostenkonten, QString());
    for (TfrmSachkonten* s : {frmSachkonten, frmKostenkonten}) {
        s->AuswahlModus(true);
        connect(s, &TfrmSachkonten::kontoGewaehlt, this, [this](qint64 k) { uebernehmen(k); });
    }
    for (TfrmPersonenkonten* p : std::initializer_list<TfrmPersonenkonten*>{
             frmLieferanten, frmKunden, frmLieferantenKosten}) {
        p->AuswahlModus(true);
        connect(p, &TfrmPersonenkonten::kontoGewaehlt, this, [this](qint64 k) { uebernehmen(k); });
    }
    btnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnUebernehmen);
    knoepfe->addWidget(btnAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(tabs);
    haupt->addLayout(knoepfe);
    connect(btnUebernehmen, &QPushButton::clicked, this, [this] { uebernehmen(kontoDesBlatts()); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformKontoauswahl::Execute(qint64& konto, unsigned flags) {
    tabs->clear();
    const std::pair<unsigned, std::pair<QWidget*, const char16_t*>> blaetter[] = {
        {Kontoauswahl::Sachkonten, {frmSachkonten, u"Sachkonten"}},
        {Kontoauswahl::Lieferanten, {frmLieferanten, u"Lieferanten"}},
        {Kontoauswahl::Kunden, {frmKunden, u"Kunden"}},
        {Kontoauswahl::LieferantenKosten, {frmLieferantenKosten, u"Lieferanten (Kosten)"}},
        {Kontoauswahl::Kostenkonten, {frmKostenkonten, u"Kostenkonten"}}};
    for (const auto& [flag, blatt] : blaetter) {
        blatt.first->setVisible(false);
        if (flags & flag)
            tabs->addTab(blatt.first, QString::fromUtf16(blatt.second));
    }
    gewaehlt = 0;
    konto = 0;
    if (tabs->count() == 0)
        return false;
    if (exec() != QDialog::Accepted)
        return false;
    konto = gewaehlt;
    return true;
}

namespace {
unsigned blaetterDerArt(int bereichsart, bool gegenkonto) {
    switch (bereichsart) {
    case Bereichsart::Kasse:
    case Bereichsart::Bank:
        return Kontoauswahl::Sachkonten | Kontoauswahl::Lieferanten | Kontoauswahl::Kunden |
               Kontoauswahl::LieferantenKosten;
    case Bereichsart::Wareneingang:
        return Kontoauswahl::Lieferanten;
    case Bereichsart::Rechnungsausgang:
        return Kontoauswahl::Kunden;
    case Bereichsart::Kosten:
        return gegenkonto ? Kontoauswahl::LieferantenKosten : Kontoauswahl::Sachkonten;
    default:
        return 0;
    }
}
} // namespace

bool TformKontoauswahl::KontoAuswahlBereichsart(qint64& konto, int bereichsart) {
    return Execute(konto, blaetterDerArt(bereichsart, false));
}

bool TformKontoauswahl::GegenKontoAuswahlBereichsart(qint64& konto, int bereichsart) {
    return Execute(konto, blaetterDerArt(bereichsart, true));
}

std::optional<qint64> TformKontoauswahl::KontoWaehlen(TDataModule1& dm, unsigned tabs,
                                                      QWidget* parent) {
    TformKontoauswahl auswahl(dm, parent);
    qint64 konto = 0;
    if (!auswahl.Execute(konto, tabs))
        return std::nullopt;
    return konto;
}

qint64 TformKontoauswahl::kontoDesBlatts() const {
    QWidget* blatt = tabs->currentWidget();
    if (auto* s = qobject_cast<TfrmSachkonten*>(blatt))
        return s->GewaehltesKonto();
    if (auto* p = qobject_cast<TfrmPersonenkonten*>(blatt))
        return p->GewaehltesKonto();
    return 0;
}

void TformKontoauswahl::uebernehmen(qint64 konto) {
    if (konto <= 0) {
        Benutzer().fehler(QStringLiteral("Sie haben kein Konto ausgewählt!"));
        return;
    }
    gewaehlt = konto;
    accept();
}
