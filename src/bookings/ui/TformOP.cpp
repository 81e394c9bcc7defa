#include "TformOP.h"

#include "DataModule.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "TformKontoauswahl.h"
#include "Uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QDateEdit* datumsfeld(QWidget* eltern) {
    auto* d = new QDateEdit(eltern);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return d;
}

QSpinBox* tagefeld(QWidget* eltern) {
    auto* s = new QSpinBox(eltern);
    s->setRange(0, 999);
    return s;
}

QString SatzText(double satz) {
    return QLocale(QLocale::German).toString(satz);
}

double SatzAusText(const QString& text) {
    return QLocale(QLocale::German).toDouble(text.trimmed());
}

} // namespace

TformOP::TformOP(TDataModule1& dm, QWidget* parent)
    : QDialog(parent), laKonto(new QLabel(this)), edKonto(new QLineEdit(this)),
      btnKontoauswahl(new QPushButton(this)), cbRechnungsart(new QComboBox(this)),
      edRechnungsnummer(new QLineEdit(this)),
      cbBankeinzug(new QCheckBox(QStringLiteral("Bankeinzug"), this)),
      deBelegdatum(datumsfeld(this)), seValutatage(tagefeld(this)), deValutadatum(datumsfeld(this)),
      seSkontotage(tagefeld(this)), deSkontodatum(datumsfeld(this)), seNettotage(tagefeld(this)),
      deFaelligkeitsdatum(datumsfeld(this)), edBetrag(new QLineEdit(this)),
      edSkontoSatz(new QLineEdit(this)), edSkonto(new QLineEdit(this)),
      laZahlbetrag(new QLabel(this)), btnAnlegen(new QPushButton(this)),
      btnAbbrechen(new QPushButton(QStringLiteral("Abbrechen"), this)), dm(dm) {
    cbRechnungsart->addItems({QStringLiteral("Rechnung"), QStringLiteral("Gutschrift"),
                              QStringLiteral("Bezahlung"), QStringLiteral("gezahlte Gutschrift")});
    auto* konto = new QHBoxLayout;
    konto->addWidget(edKonto);
    konto->addWidget(btnKontoauswahl);
    auto zeile = [this](QSpinBox* tage, QDateEdit* datum) {
        auto* l = new QHBoxLayout;
        l->addWidget(tage);
        l->addWidget(new QLabel(QStringLiteral("Tage"), this));
        l->addWidget(datum);
        return l;
    };
    auto* form = new QFormLayout;
    form->addRow(laKonto, konto);
    form->addRow(QStringLiteral("Rechnungsart:"), cbRechnungsart);
    form->addRow(QStringLiteral("Rechnungsnummer:"), edRechnungsnummer);
    form->addRow(QString(), cbBankeinzug);
    form->addRow(QStringLiteral("Belegdatum:"), deBelegdatum);
    form->addRow(QStringLiteral("Valuta:"), zeile(seValutatage, deValutadatum));
    form->addRow(QStringLiteral("Skonto bis:"), zeile(seSkontotage, deSkontodatum));
    form->addRow(QStringLiteral("Fällig:"), zeile(seNettotage, deFaelligkeitsdatum));
    form->addRow(QStringLiteral("Betrag:"), edBetrag);
    form->addRow(QStringLiteral("Skontosatz:"), edSkontoSatz);
    form->addRow(QStringLiteral("Skonto:"), edSkonto);
    form->addRow(QString(), laZahlbetrag);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnAnlegen);
    knoepfe->addWidget(btnAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(knoepfe);
    for (QPushButton* k : {btnKontoauswahl, btnAnlegen, btnAbbrechen})
        k->setAutoDefault(false);

    for (QSpinBox* s : {seValutatage, seSkontotage, seNettotage})
        connect(s, &QSpinBox::valueChanged, this, &TformOP::datenAbgleichen);
    connect(deBelegdatum, &QDateEdit::dateChanged, this, &TformOP::datenAbgleichen);
    for (QDateEdit* d : {deValutadatum, deSkontodatum, deFaelligkeitsdatum})
        connect(d, &QDateEdit::dateChanged, this, [this, d] { datumGeaendert(d); });
    connect(edSkontoSatz, &QLineEdit::editingFinished, this, &TformOP::satzGeaendert);
    connect(edSkonto, &QLineEdit::editingFinished, this, &TformOP::skontoGeaendert);
    connect(edBetrag, &QLineEdit::editingFinished, this, &TformOP::satzGeaendert);
    connect(btnKontoauswahl, &QPushButton::clicked, this, [this] {
        const unsigned tabs = KontoArt == KontoArt::Kunde
                                  ? Kontoauswahl::Kunden
                                  : Kontoauswahl::Lieferanten | Kontoauswahl::LieferantenKosten;
        if (const auto konto = TformKontoauswahl::KontoWaehlen(this->dm, tabs, this))
            edKonto->setText(QString::number(*konto));
    });
    connect(btnAnlegen, &QPushButton::clicked, this, &TformOP::anlegenKlick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformOP::Execute(int kontoArt, int art, double skontoSatz, bool bankeinzug, Betrag betrag,
                      const QString& rechnungsnummer, qint64 konto) {
    if (Sitzung().NurLesen) {
        Benutzer().fehler(QStringLiteral("Sie haben hierfür keine Berechtigung!"));
        return false;
    }
    ZeilenID = -1;
    NurLesen = false;
    setWindowTitle(QStringLiteral("Neuer offener Posten..."));
    btnAnlegen->setText(QStringLiteral("Anlegen"));
    kontoartSetzen(kontoArt);
    tOPEingabe e;
    e.Konto = konto;
    e.Art = art;
    e.Rechnungsnummer = rechnungsnummer;
    e.Bankeinzug = bankeinzug;
    e.Belegdatum = Heute();
    e.SkontoSatz = skontoSatz;
    e.Betrag = betrag;
    e.Skonto = Anteil(betrag, skontoSatz / 100);
    anzeigen(e);
    return exec() == QDialog::Accepted;
}

bool TformOP::OPBearbeiten(qint64 id, qint64 buchungsId, bool nurLesen) {
    const auto zeile = OPLaden(dm.ADOConnection_Daten, id, buchungsId);
    if (!zeile)
        return false;
    ZeilenID = zeile->first;
    setWindowTitle(nurLesen ? QStringLiteral("Offenen Posten anzeigen")
                            : QStringLiteral("Offenen Posten bearbeiten"));
    btnAnlegen->setText(nurLesen ? QStringLiteral("Schließen") : QStringLiteral("Ändern"));
    btnAbbrechen->setVisible(!nurLesen);
    kontoartSetzen(KontoArtErmitteln(zeile->second.Konto));
    anzeigen(zeile->second);
    btnKontoauswahl->setEnabled(!nurLesen);
    for (QWidget* w : std::initializer_list<QWidget*>{
             edKonto, cbRechnungsart, edRechnungsnummer, cbBankeinzug, deBelegdatum, seValutatage,
             deValutadatum, seSkontotage, deSkontodatum, seNettotage, deFaelligkeitsdatum, edBetrag,
             edSkontoSatz, edSkonto})
        w->setEnabled(!nurLesen);
    NurLesen = nurLesen;
    return exec() == QDialog::Accepted;
}

void TformOP::kontoartSetzen(int kontoArt) {
    KontoArt = kontoArt;
    const bool kunde = kontoArt == KontoArt::Kunde;
    laKonto->setText(kunde ? QStringLiteral("Kunde:") : QStringLiteral("Lieferant:"));
    btnKontoauswahl->setText(kunde ? QStringLiteral("Kundenauswahl")
                                   : QStringLiteral("Lieferantenauswahl"));
}

void TformOP::anzeigen(const tOPEingabe& e) {
    edKonto->setText(e.Konto ? QString::number(e.Konto) : QString());
    cbRechnungsart->setCurrentIndex(e.Art);
    edRechnungsnummer->setText(e.Rechnungsnummer);
    cbBankeinzug->setChecked(e.Bankeinzug);
    {
        const QSignalBlocker a(deBelegdatum), b(seValutatage), c(seSkontotage), d(seNettotage);
        deBelegdatum->setDate(e.Belegdatum);
        seValutatage->setValue(e.Valutatage);
        seSkontotage->setValue(e.Skontotage);
        seNettotage->setValue(e.Nettotage);
    }
    datenAbgleichen();
    edBetrag->setText(BetragText(e.Betrag));
    edSkontoSatz->setText(SatzText(e.SkontoSatz));
    edSkonto->setText(BetragText(e.Skonto));
    zahlbetragZeigen();
}

tOPEingabe TformOP::eingabe() const {
    tOPEingabe e;
    e.Konto = edKonto->text().trimmed().toLongLong();
    e.Art = cbRechnungsart->currentIndex();
    e.Rechnungsnummer = edRechnungsnummer->text().trimmed();
    e.Bankeinzug = cbBankeinzug->isChecked();
    e.Belegdatum = deBelegdatum->date();
    e.Valutatage = seValutatage->value();
    e.Skontotage = seSkontotage->value();
    e.Nettotage = seNettotage->value();
    e.SkontoSatz = SatzAusText(edSkontoSatz->text());
    e.Betrag = BetragAusText(edBetrag->text()).value_or(Betrag());
    e.Skonto = BetragAusText(edSkonto->text()).value_or(Betrag());
    return e;
}

void TformOP::datenAbgleichen() {
    const QSignalBlocker a(deValutadatum), b(deSkontodatum), c(deFaelligkeitsdatum);
    const QDate valuta = deBelegdatum->date().addDays(seValutatage->value());
    deValutadatum->setDate(valuta);
    deSkontodatum->setDate(valuta.addDays(seSkontotage->value()));
    deFaelligkeitsdatum->setDate(valuta.addDays(seNettotage->value()));
}

void TformOP::datumGeaendert(QDateEdit* datum) {
    const bool valuta = datum == deValutadatum;
    const QDate basis = valuta ? deBelegdatum->date() : deValutadatum->date();
    QSpinBox* tage = valuta ? seValutatage : datum == deSkontodatum ? seSkontotage : seNettotage;
    const QSignalBlocker sperre(tage);
    tage->setValue(int(qMax<qint64>(0, basis.daysTo(datum->date()))));
    datenAbgleichen();
}

void TformOP::satzGeaendert() {
    const Betrag betrag = BetragAusText(edBetrag->text()).value_or(Betrag());
    edSkonto->setText(BetragText(Anteil(betrag, SatzAusText(edSkontoSatz->text()) / 100)));
    zahlbetragZeigen();
}

void TformOP::skontoGeaendert() {
    const Betrag betrag = BetragAusText(edBetrag->text()).value_or(Betrag());
    const Betrag skonto = BetragAusText(edSkonto->text()).value_or(Betrag());
    edSkontoSatz->setText(
        SatzText(betrag.istNull() ? 0 : double(skonto.cent()) * 100 / double(betrag.cent())));
    zahlbetragZeigen();
}

void TformOP::zahlbetragZeigen() {
    const Betrag betrag = BetragAusText(edBetrag->text()).value_or(Betrag());
    const Betrag skonto = BetragAusText(edSkonto->text()).value_or(Betrag());
    laZahlbetrag->setText(QStringLiteral("Zahlbetrag: ") + BetragText(betrag - skonto));
}

void TformOP::anlegenKlick() {
    if (NurLesen) {
        reject();
        return;
    }
    const tOPEingabe e = eingabe();
    const tOPPruefung p = OPEingabePruefen(e);
    if (p.Feld != OPFeld::Keins) {
        Benutzer().fehler(p.Text);
        QWidget* feld = edBetrag;
        if (p.Feld == OPFeld::Konto)
            feld = edKonto;
        else if (p.Feld == OPFeld::Art)
            feld = cbRechnungsart;
        else if (p.Feld == OPFeld::Rechnungsnummer)
            feld = edRechnungsnummer;
        feld->setFocus();
        return;
    }
    Datenbank& daten = dm.ADOConnection_Daten;
    if (ZeilenID >= 0) {
        if (OPAendern(daten, ZeilenID, e))
            accept();
        else
            reject();
        return;
    }
    if (OPManuellAnlegen(daten, e))
        accept();
    else
        reject();
}
