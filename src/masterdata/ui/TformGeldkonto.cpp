#include "TformGeldkonto.h"

#include "Bankverbindungen.h"
#include "Belegmaske.h"
#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "Firmendaten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Text.h"
#include "TformAufteilungskontenAuswahl.h"
#include "TformBankverbindung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLineEdit* textfeld(QWidget* eltern, const char* feld) {
    auto* e = new QLineEdit(eltern);
    if (const int n = Feldlaenge(QStringLiteral("daten"), QStringLiteral("Buchungsbereiche"),
                                 QString::fromLatin1(feld));
        n > 0)
        e->setMaxLength(n);
    return e;
}

QString verbindungsText(const tBankverbindung& v) {
    if (v.leer())
        return QStringLiteral("keine Bankverbindung");
    return QStringLiteral("IBAN: %1  BIC: %2%3")
        .arg(v.IBAN, v.BIC, v.Geprueft ? QStringLiteral("  (geprüft)") : QString());
}

} // namespace

TformGeldkonto::TformGeldkonto(TDataModule1& dm, QWidget* parent) : QDialog(parent), dm(dm) {
    laKonto = new QLabel(QStringLiteral("Konto:"), this);
    edKonto = new QLineEdit(this);
    edKonto->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edKonto));
    laKontoHinweis = new QLabel(
        QStringLiteral(
            "Stimmen Sie bitte die Kontonummer mit Ihrem zuständigen Sachbearbeiter ab!"),
        this);
    edBezeichnung = textfeld(this, "Bezeichnung");
    cbAktiv = new QCheckBox(QStringLiteral("Konto aktiv"), this);
    cbMonat = new QComboBox(this);
    cbMonat->addItems(Monatsnamen());
    edJahr = new QLineEdit(this);
    edJahr->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edJahr));
    laSaldo = new QLabel(QStringLiteral("Saldo:"), this);
    edSaldo = new QLineEdit(this);
    cbBelegNrVergabe = new QComboBox(this);
    cbBelegNrVergabe->addItems({QStringLiteral("automatisch (+1)"), QStringLiteral("schleppend"),
                                QStringLiteral("keine (Erhöhung mit \"+\"-Taste)")});
    cbNeuBeginnen = new QComboBox(this);
    cbNeuBeginnen->addItems({QStringLiteral("nie"), QStringLiteral("pro Kalenderjahr"),
                             QStringLiteral("pro Wirtschaftsjahr"), QStringLiteral("pro Monat")});
    cbBelegMaske = new QComboBox(this);
    cbBelegMaske->setEditable(true);
    cbBelegMaske->addItems({QStringLiteral("ww_mm_"), QStringLiteral("wwww_mm_"),
                            QStringLiteral("ww/mm-"), QStringLiteral("wwww/mm-"),
                            QStringLiteral("jj_aa/bb_")});
    if (const int n = Feldlaenge(QStringLiteral("daten"), QStringLiteral("Buchungsbereiche"),
                                 QStringLiteral("BelegMaske"));
        n > 0)
        cbBelegMaske->lineEdit()->setMaxLength(n);
    laBeispiel = new QLabel(this);
    laMaskeHinweis = new QLabel(QStringLiteral("Stimmen Sie bitte den Aufbau der Belegnummern mit "
                                               "Ihrem zuständigen Sachbearbeiter ab!"),
                                this);
    cbKeinHinweis = new QCheckBox(
        QStringLiteral("Hinweis bei bereits vergebenen Belegnummern unterdrücken"), this);
    cbBelegMaskeAendern = new QCheckBox(QStringLiteral("Änderungen zulassen"), this);
    cbBNrAlsRNr = new QCheckBox(QStringLiteral("Belegnummer als Rechnungsnummer übernehmen"), this);
    laZVVerzeichnis = new QLabel(QStringLiteral("Zahlungsverzeichnis:"), this);
    edZVVerzeichnis = textfeld(this, "ZVVerzeichnis");
    btnZVVerzeichnis = new QPushButton(QStringLiteral("..."), this);
    gbBank = new QGroupBox(QStringLiteral("Bankverbindung"), this);
    laZahlung = new QLabel(gbBank);
    laAlternative = new QLabel(gbBank);
    btnZahlungBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), gbBank);
    btnZahlungGeprueft = new QPushButton(QStringLiteral("Bankverb. geprüft"), gbBank);
    btnZahlungEntfernen = new QPushButton(QStringLiteral("Entfernen"), gbBank);
    btnAlternativeBearbeiten = new QPushButton(QStringLiteral("Bearbeiten"), gbBank);
    btnAlternativeGeprueft = new QPushButton(QStringLiteral("Bankverb. geprüft"), gbBank);
    btnAlternativeEntfernen = new QPushButton(QStringLiteral("Entfernen"), gbBank);
    btnAufteilungskonten = new QPushButton(QStringLiteral("Aufteilungskonten"), this);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);

    auto* form = new QFormLayout;
    form->addRow(laKonto, edKonto);
    form->addRow(QString(), laKontoHinweis);
    form->addRow(QStringLiteral("Bezeichnung:"), edBezeichnung);
    form->addRow(QString(), cbAktiv);
    auto* monat = new QHBoxLayout;
    monat->addWidget(cbMonat);
    monat->addWidget(edJahr);
    form->addRow(QStringLiteral("Aktivierung ab:"), monat);
    form->addRow(laSaldo, edSaldo);
    form->addRow(QStringLiteral("Belegnummernvergabe:"), cbBelegNrVergabe);
    form->addRow(QStringLiteral("Neu beginnen:"), cbNeuBeginnen);
    form->addRow(QStringLiteral("Belegnummernmaske:"), cbBelegMaske);
    form->addRow(QString(), laBeispiel);
    form->addRow(QString(), laMaskeHinweis);
    form->addRow(QString(), cbKeinHinweis);
    form->addRow(QString(), cbBelegMaskeAendern);
    form->addRow(QString(), cbBNrAlsRNr);
    auto* verzeichnis = new QHBoxLayout;
    verzeichnis->addWidget(edZVVerzeichnis);
    verzeichnis->addWidget(btnZVVerzeichnis);
    form->addRow(laZVVerzeichnis, verzeichnis);
    auto* bank = new QFormLayout(gbBank);
    const auto zeile = [](QLabel* text, QPushButton* a, QPushButton* b, QPushButton* c) {
        auto* l = new QHBoxLayout;
        l->addWidget(text, 1);
        l->addWidget(a);
        l->addWidget(b);
        l->addWidget(c);
        return l;
    };
    bank->addRow(QStringLiteral("Zahlungsverkehr:"),
                 zeile(laZahlung, btnZahlungBearbeiten, btnZahlungGeprueft, btnZahlungEntfernen));
    bank->addRow(QStringLiteral("Kontoauszugsimport:"),
                 zeile(laAlternative, btnAlternativeBearbeiten, btnAlternativeGeprueft,
                       btnAlternativeEntfernen));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnAufteilungskonten);
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(gbBank);
    haupt->addLayout(knoepfe);

    connect(cbAktiv, &QCheckBox::toggled, this, [this] { aktivGeklickt(); });
    connect(cbBelegMaske, &QComboBox::currentTextChanged, this, [this] { maskeGeaendert(); });
    connect(cbBelegNrVergabe, &QComboBox::activated, this, [this] { vergabeGewaehlt(); });
    connect(btnZVVerzeichnis, &QPushButton::clicked, this, [this] {
        const QString d = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Wähle ein Verzeichnis aus:"), edZVVerzeichnis->text());
        if (!d.isEmpty())
            edZVVerzeichnis->setText(d);
    });
    connect(btnZahlungBearbeiten, &QPushButton::clicked, this,
            [this] { verbindungBearbeiten(konto.Zahlung, true); });
    connect(btnAlternativeBearbeiten, &QPushButton::clicked, this,
            [this] { verbindungBearbeiten(konto.Alternative, false); });
    connect(btnZahlungGeprueft, &QPushButton::clicked, this,
            [this] { verbindungGeprueft(konto.Zahlung); });
    connect(btnAlternativeGeprueft, &QPushButton::clicked, this,
            [this] { verbindungGeprueft(konto.Alternative); });
    connect(btnZahlungEntfernen, &QPushButton::clicked, this,
            [this] { verbindungEntfernen(konto.Zahlung); });
    connect(btnAlternativeEntfernen, &QPushButton::clicked, this,
            [this] { verbindungEntfernen(konto.Alternative); });
    connect(btnAufteilungskonten, &QPushButton::clicked, this, [this] {
        TformAufteilungskontenAuswahl dialog(this->dm, this);
        dialog.execute(konto.BereichID);
    });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformGeldkonto::NeuesGeldkonto(int bereichsart) {
    if (!AenderungErlaubt())
        return false;
    konto = tGeldkonto();
    konto.Bereichsart = bereichsart;
    konto.AnfangsMonat = QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1);
    konto.BelegMaske = QStringLiteral("ww_mm_");
    aenderbar = true;
    setWindowTitle(bereichsart == Bereichsart::Kasse  ? QStringLiteral("Neue Kasse")
                   : bereichsart == Bereichsart::Bank ? QStringLiteral("Neue Bank")
                                                      : QStringLiteral("Neues Geldkonto"));
    btnOK->setText(QStringLiteral("Anfügen"));
    felderFuellen();
    edKonto->setFocus();
    return zeigen();
}

bool TformGeldkonto::GeldkontoBearbeiten(int bereichId) {
    if (!AenderungErlaubt())
        return false;
    const std::optional<tGeldkonto> geladen = GeldkontoLaden(dm, bereichId);
    if (!geladen)
        return false;
    konto = *geladen;
    aenderbar = !GeldkontoGebucht(dm.ADOConnection_Daten, bereichId);
    if (!konto.AnfangsMonat.isValid())
        konto.AnfangsMonat = QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1);
    setWindowTitle(QStringLiteral("Erfassungsbereich bearbeiten"));
    btnOK->setText(QStringLiteral("OK"));
    felderFuellen();
    btnAbbrechen->setFocus();
    return zeigen();
}

bool TformGeldkonto::zeigen() {
    OKiDO = false;
    exec();
    return OKiDO;
}

void TformGeldkonto::felderFuellen() {
    edKonto->setText(konto.Konto > 0 ? QString::number(konto.Konto) : QString());
    edKonto->setEnabled(aenderbar);
    laKonto->setVisible(aenderbar);
    edKonto->setVisible(aenderbar || konto.Konto > 0);
    laKontoHinweis->setVisible(aenderbar);
    edBezeichnung->setText(konto.Bezeichnung);
    // A new area has no ID to hang split accounts on until it is saved.
    btnAufteilungskonten->setEnabled(konto.BereichID >= 0);
    cbBelegNrVergabe->setCurrentIndex(qBound(1, konto.BelegNrVergabe, 3) - 1);
    cbBelegMaske->setEditText(konto.BelegMaske);
    cbNeuBeginnen->setCurrentIndex(konto.BelegNrNeuBeginnen >= 1 && konto.BelegNrNeuBeginnen <= 4
                                       ? konto.BelegNrNeuBeginnen - 1
                                       : 0);
    maskeGeaendert();
    const bool geld =
        konto.Bereichsart == Bereichsart::Kasse || konto.Bereichsart == Bereichsart::Bank;
    cbKeinHinweis->setChecked(geld && konto.KeinHinweisDoppelteBNr);
    cbBelegMaskeAendern->setChecked(konto.BelegMaskeAendern);
    cbBNrAlsRNr->setChecked(konto.BNrAlsRNr);
    edZVVerzeichnis->setText(konto.ZVVerzeichnis);
    cbMonat->setCurrentIndex(konto.AnfangsMonat.month() - 1);
    edJahr->setText(QString::number(konto.AnfangsMonat.year()));
    edSaldo->setText(BetragText(konto.AnfangsSaldo));
    cbAktiv->setChecked(konto.Aktiv);
    MaskeAnpassen();
    vergabeGewaehlt();
    aktivGeklickt();
    verbindungenZeigen();
}

void TformGeldkonto::MaskeAnpassen() {
    const int art = konto.Bereichsart;
    const bool geld = art == Bereichsart::Kasse || art == Bereichsart::Bank;
    gbBank->setVisible(art == Bereichsart::Bank);
    laZVVerzeichnis->setVisible(!Sitzung().Optionen.Online);
    edZVVerzeichnis->setVisible(!Sitzung().Optionen.Online);
    btnZVVerzeichnis->setVisible(!Sitzung().Optionen.Online);
    cbBNrAlsRNr->setVisible(art == Bereichsart::Rechnungsausgang);
    const bool saldo = geld && (Sitzung().UserStatus < StatusBenutzer ||
                                HatRecht(dm.ADOConnection_Bereich, Rechte::Geldkontensalden));
    laSaldo->setVisible(saldo);
    edSaldo->setVisible(saldo);
    adjustSize();
}

void TformGeldkonto::aktivGeklickt() {
    const bool frei = cbAktiv->isChecked() && aenderbar;
    cbMonat->setEnabled(frei);
    edJahr->setEnabled(frei);
    edSaldo->setEnabled(frei);
    laSaldo->setEnabled(frei);
}

void TformGeldkonto::maskeGeaendert() {
    const QString maske = cbBelegMaske->currentText();
    laBeispiel->setText(QStringLiteral("Beispiel: ") +
                        BelegMaskeAufloesen(Sitzung().Jahr, Sitzung().Monat, 0, 0, maske,
                                            Sitzung().Firma.WirtschaftsBeginn) +
                        QStringLiteral("1"));
    laMaskeHinweis->setVisible(maske.toUpper() != QStringLiteral("WW_MM_"));
    const bool waehlbar = NeubeginnWaehlbar(maske);
    if (!waehlbar)
        cbNeuBeginnen->setCurrentIndex(-1);
    else if (!cbNeuBeginnen->isEnabled() && cbNeuBeginnen->currentIndex() < 0)
        cbNeuBeginnen->setCurrentIndex(0);
    cbNeuBeginnen->setEnabled(waehlbar);
}

void TformGeldkonto::vergabeGewaehlt() {
    const bool geld =
        konto.Bereichsart == Bereichsart::Kasse || konto.Bereichsart == Bereichsart::Bank;
    // Trailing numbers repeat by design, so the duplicate warning would only disturb.
    if (cbBelegNrVergabe->currentIndex() == 1) {
        cbKeinHinweis->setChecked(true);
        cbKeinHinweis->setEnabled(false);
    } else {
        cbKeinHinweis->setEnabled(geld);
    }
}

void TformGeldkonto::verbindungenZeigen() {
    laZahlung->setText(verbindungsText(konto.Zahlung));
    laAlternative->setText(verbindungsText(konto.Alternative));
}

void TformGeldkonto::verbindungBearbeiten(tBankverbindung& v, bool zahlung) {
    TformBankverbindung dialog(dm, this);
    if (!dialog.BankverbindungBearbeiten(v, false, false))
        return;
    if (zahlung && edBezeichnung->text().trimmed().isEmpty())
        edBezeichnung->setText(BanknameZurBLZ(dm.ADOConnection_Stamm, v.Bankleitzahl));
    verbindungenZeigen();
}

void TformGeldkonto::verbindungGeprueft(tBankverbindung& v) {
    if (v.IBAN.trimmed().isEmpty()) {
        Benutzer().information(
            QStringLiteral("Nur Bankverbindung mit einer IBAN können auf geprüft gesetzt werden!"));
        return;
    }
    v.Geprueft = true;
    verbindungenZeigen();
}

void TformGeldkonto::verbindungEntfernen(tBankverbindung& v) {
    if (Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Möchten Sie die Bankverbindung wirklich entfernen?"),
                         Knoepfe::JaNein) != Antwort::Ja)
        return;
    v = tBankverbindung();
    verbindungenZeigen();
}

void TformGeldkonto::btnOKClick() {
    const auto fehler = [](QWidget* feld, Meldungsart art, const QString& text) {
        Benutzer().frage(art, text, Knoepfe::Ok);
        feld->setFocus();
    };
    if (edKonto->isVisible() && edKonto->isEnabled() &&
        !KontoKorrekt(dm, Sitzung().Kontenbereiche, konto.Bereichsart, konto.BereichID,
                      edKonto->text())) {
        edKonto->setFocus();
        return;
    }
    if (edBezeichnung->text().trimmed().isEmpty()) {
        fehler(edBezeichnung, Meldungsart::Information,
               QStringLiteral("Geben Sie bitte eine Bezeichnung ein!"));
        return;
    }
    // The start row is written from these fields whether or not the area is active.
    const QString jahrText = edJahr->text().trimmed();
    const QDate anfang =
        IstGanzzahl(jahrText) ? QDate(jahrText.toInt(), cbMonat->currentIndex() + 1, 1) : QDate();
    if (!anfang.isValid() || anfang.year() < 1900) {
        fehler(edJahr, Meldungsart::Fehler, QStringLiteral("Ungültiges Datum!"));
        return;
    }
    if (edJahr->isEnabled() && cbAktiv->isChecked() && Sitzung().Firma.ErfassungsBeginn > anfang) {
        fehler(cbMonat, Meldungsart::Fehler,
               QStringLiteral("Der erste Buchungsmonat dieses Geldkontos kann nicht vor dem\r"
                              "Erfassungsbeginn des Betriebes liegen!"));
        return;
    }
    const std::optional<Betrag> saldo = edSaldo->text().trimmed().isEmpty()
                                            ? std::optional<Betrag>(Betrag())
                                            : BetragAusText(edSaldo->text());
    if (!saldo ||
        (cbAktiv->isChecked() && konto.Bereichsart == Bereichsart::Kasse && saldo->cent() < 0)) {
        fehler(edSaldo, Meldungsart::Fehler, QStringLiteral("Ungültiger Saldo!"));
        return;
    }
    const QString maske = cbBelegMaske->currentText();
    if (!maske.isEmpty() && maske.back().isDigit()) {
        fehler(cbBelegMaske, Meldungsart::Information,
               QStringLiteral("Am Ende der Belegnummernmaske darf keine Zahl stehen!"));
        return;
    }
    if (cbBelegNrVergabe->currentIndex() < 0) {
        fehler(cbBelegNrVergabe, Meldungsart::Information,
               QStringLiteral("Wählen Sie bitte eine Art der Belegnummernvergabe aus!"));
        return;
    }
    if (cbNeuBeginnen->isEnabled() && cbNeuBeginnen->currentIndex() < 0) {
        fehler(cbNeuBeginnen, Meldungsart::Information,
               QStringLiteral("Wählen Sie bitte aus, wann die Belegnummernvergabe neu beginnen "
                              "soll!"));
        return;
    }
    tGeldkonto g = konto;
    if (edKonto->isEnabled())
        g.Konto = edKonto->text().trimmed().toLongLong();
    g.Bezeichnung = edBezeichnung->text().trimmed();
    g.Aktiv = cbAktiv->isChecked();
    g.BelegNrVergabe = cbBelegNrVergabe->currentIndex() + 1;
    g.BelegNrNeuBeginnen = cbNeuBeginnen->isEnabled() ? cbNeuBeginnen->currentIndex() + 1 : 0;
    g.BelegMaske = maske;
    g.ZVVerzeichnis = edZVVerzeichnis->text();
    g.KeinHinweisDoppelteBNr = cbKeinHinweis->isChecked();
    g.BelegMaskeAendern = cbBelegMaskeAendern->isChecked();
    g.BNrAlsRNr = konto.Bereichsart == Bereichsart::Rechnungsausgang && cbBNrAlsRNr->isChecked();
    g.AnfangsMonat = anfang;
    g.AnfangsSaldo = *saldo;
    if (!GeldkontoSpeichern(dm, g, aenderbar))
        return;
    konto = g;
    OKiDO = true;
    accept();
}
