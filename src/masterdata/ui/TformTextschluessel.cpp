#include "TformTextschluessel.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "Konten.h"
#include "Kontenbereiche.h"
#include "Pfade.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Textschluessel.h"
#include "TformKontoauswahl.h"
#include "TfrmAufteilungskontenAuswahl.h"
#include "Uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QString Rahmen = QStringLiteral("border: 1px solid red;");

bool istSachkonto(qint64 konto) {
    return KontoImKontenbereich(Sitzung().Kontenbereiche, konto, Kontenbereich::Sachkonten);
}

} // namespace

TformTextschluessel::TformTextschluessel(TDataModule1& dm_, QWidget* eltern)
    : QDialog(eltern), dm(dm_) {
    resize(600, 560);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edTSName = new QLineEdit(this);
    const int laenge = Feldlaenge(QStringLiteral("archiv"), QStringLiteral("Textschluessel"),
                                  QStringLiteral("TSName"));
    edTSName->setMaxLength(laenge > 0 ? laenge : 50);
    form->addRow(QStringLiteral("Textschlüssel:"), edTSName);
    cbBuchungsseite = new QComboBox(this);
    cbBuchungsseite->addItems({QStringLiteral("< nicht vorbelegt >"), QStringLiteral("Einnahme"),
                               QStringLiteral("Ausgabe")});
    form->addRow(QStringLiteral("Erfassungsseite:"), cbBuchungsseite);
    cbSteuer = new QComboBox(this);
    form->addRow(QStringLiteral("Steuer:"), cbSteuer);
    edBetrag = new QLineEdit(this);
    form->addRow(QStringLiteral("Betrag:"), edBetrag);
    auto* kontoZeile = new QHBoxLayout;
    edKonto = new QLineEdit(this);
    edKonto->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edKonto));
    btnKonto = new QPushButton(QStringLiteral("..."), this);
    kontoZeile->addWidget(edKonto);
    kontoZeile->addWidget(btnKonto);
    form->addRow(QStringLiteral("Konto:"), kontoZeile);
    rbBuchungstextStamm = new QRadioButton(QStringLiteral("Stammtext:"), this);
    laStammtext = new QLabel(this);
    form->addRow(rbBuchungstextStamm, laStammtext);
    rbBuchungstextIndividuell = new QRadioButton(QStringLiteral("Indiv. Text:"), this);
    edBuchungstextIndividuell = new QLineEdit(this);
    form->addRow(rbBuchungstextIndividuell, edBuchungstextIndividuell);
    chkFilialuebergreifend = new QCheckBox(QStringLiteral("filialübergreifend"), this);
    form->addRow(QString(), chkFilialuebergreifend);
    layout->addLayout(form);
    frmAufteilungskonten = new TfrmAufteilungskontenAuswahl(dm, this);
    layout->addWidget(frmAufteilungskonten);
    laTSAnlageFehler = new QLabel(this);
    laTSAnlageFehler->setStyleSheet(QStringLiteral("color: red;"));
    layout->addWidget(laTSAnlageFehler);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    btnOK = new QPushButton(this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    layout->addLayout(knoepfe);

    connect(btnOK, &QPushButton::clicked, this, &TformTextschluessel::btnOKClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(edTSName, &QLineEdit::editingFinished, this, &TformTextschluessel::edTSNameExit);
    connect(edKonto, &QLineEdit::textEdited, this, &TformTextschluessel::edKontoPropertiesChange);
    connect(btnKonto, &QPushButton::clicked, this,
            &TformTextschluessel::edKontoPropertiesButtonClick);
    connect(rbBuchungstextIndividuell, &QRadioButton::toggled, edBuchungstextIndividuell,
            &QLineEdit::setEnabled);
}

void TformTextschluessel::MaskeLeeren() {
    laTSAnlageFehler->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{edTSName, cbBuchungsseite, cbSteuer, edKonto})
        w->setStyleSheet(QString());
    edTSName->clear();
    edBuchungstextIndividuell->clear();
    edBetrag->setText(BetragText(Betrag()));
    cbBuchungsseite->setCurrentIndex(0);
    edKonto->clear();
    laStammtext->clear();
    frmAufteilungskonten->grdKonten->clear();
    frmAufteilungskonten->chkArchivAufteilungskonten->setChecked(true);
    frmAufteilungskonten->ErstesKontoRegel(0, false);
}

void TformTextschluessel::steuerlisteFuellen() {
    cbSteuer->clear();
    cbSteuer->addItems(SteuerschluesselEintraege(
        dm.ADOConnection_Stamm, WirksamerKontenplan(Sitzung().Firma.Kontenplan), Heute()));
    cbSteuer->setCurrentIndex(-1);
    for (int i = 0; i < cbSteuer->count(); ++i)
        if (cbSteuer->itemText(i).section(QLatin1Char(' '), 0, 0) == geladeneSteuer.trimmed())
            cbSteuer->setCurrentIndex(i);
}

bool TformTextschluessel::zeigen() {
    steuerlisteFuellen();
    edTSName->setFocus();
    OKiDO = false;
    exec();
    return OKiDO;
}

bool TformTextschluessel::NeuerTexschluessel(const QString& tsName, const QString& buchungstext,
                                             qint64 konto) {
    if (!AenderungErlaubt())
        return false;
    ID = -1;
    TSNeu = true;
    geladeneSteuer = QStringLiteral("0");
    setWindowTitle(QStringLiteral("Neuer Textschlüssel"));
    btnOK->setText(QStringLiteral("Anfügen"));
    btnAbbrechen->show();
    MaskeLeeren();
    edTSName->setText(tsName);
    chkFilialuebergreifend->setChecked(true);
    if (konto >= 80000 && konto <= 99999) {
        cbBuchungsseite->setCurrentIndex(1);
        geladeneSteuer = QStringLiteral("9");
    } else if (konto >= 10000 && konto <= 69999) {
        geladeneSteuer = QStringLiteral("3");
    }
    edBuchungstextIndividuell->setText(buchungstext);
    edKonto->setText(QString::number(konto));
    edKonto->setEnabled(konto == 0);
    btnKonto->setEnabled(konto == 0);
    if (konto != 0)
        laStammtext->setText(KontoBezeichnung(dm.ADOConnection_Archiv, Sitzung().MNr, konto));
    frmAufteilungskonten->ErstesKontoRegel(konto, false);
    rbBuchungstextStamm->hide();
    laStammtext->hide();
    rbBuchungstextIndividuell->setChecked(true);
    return zeigen();
}

bool TformTextschluessel::TextschluesselLaden(const QString& tsName) {
    const std::optional<tTextschluessel> ts = TextschluesselLesen(dm.ADOConnection_Archiv, tsName);
    if (!ts)
        return false;
    ID = ts->ID;
    edTSName->setText(ts->TSName);
    const QString seite = ts->Buchungsseite;
    cbBuchungsseite->setCurrentIndex(seite == QStringLiteral("E")   ? 1
                                     : seite == QStringLiteral("A") ? 2
                                     : seite.isEmpty()              ? 0
                                                                    : -1);
    geladeneSteuer = ts->Steuer;
    edBetrag->setText(BetragText(ts->Betrag));
    edKonto->setText(QString::number(ts->Konto));
    chkFilialuebergreifend->setChecked(ts->Oeffentlich);
    edBuchungstextIndividuell->setText(ts->Buchungstext);
    const auto person = PersonenkontoLaden(dm.ADOConnection_Archiv, Sitzung().MNr, ts->Konto);
    laStammtext->setText(person ? person->Bezeichnung : QString());
    const bool sachkonto = istSachkonto(ts->Konto);
    rbBuchungstextStamm->setVisible(!sachkonto);
    laStammtext->setVisible(!sachkonto);
    if (ts->Buchungstext.isEmpty())
        rbBuchungstextStamm->setChecked(true);
    else
        rbBuchungstextIndividuell->setChecked(true);
    edBuchungstextIndividuell->setEnabled(rbBuchungstextIndividuell->isChecked());
    frmAufteilungskonten->AufteilungskontenLadenTS(*ts);
    edKonto->setEnabled(sachkonto);
    btnKonto->setEnabled(sachkonto);
    return true;
}

bool TformTextschluessel::TexschluesselBearbeiten(const QString& tsName, bool nurSchliessen) {
    if (!AenderungErlaubt())
        return false;
    if (tsName.trimmed().isEmpty())
        return false;
    TSNeu = false;
    setWindowTitle(QStringLiteral("Textschlüssel bearbeiten"));
    btnOK->setText(nurSchliessen ? QStringLiteral("Schließen") : QStringLiteral("OK"));
    btnAbbrechen->setVisible(!nurSchliessen);
    MaskeLeeren();
    if (!TextschluesselLaden(tsName))
        return false;
    return zeigen();
}

void TformTextschluessel::fehlerZeigen(QWidget* feld, const QString& text) {
    laTSAnlageFehler->setText(text);
    laTSAnlageFehler->show();
    if (feld)
        feld->setStyleSheet(Rahmen);
}

void TformTextschluessel::edTSNameExit() {
    if (TextschluesselNameVergeben(dm.ADOConnection_Archiv, edTSName->text(), ID))
        fehlerZeigen(nullptr, QStringLiteral("Dieser Textschlüsselname ist bereits vergeben!"));
}

void TformTextschluessel::edKontoPropertiesChange() {
    const QString name =
        KontoBezeichnung(dm.ADOConnection_Archiv, Sitzung().MNr, edKonto->text().toLongLong());
    laStammtext->setText(name);
    edBuchungstextIndividuell->setText(name);
}

void TformTextschluessel::edKontoPropertiesButtonClick() {
    const auto konto =
        TformKontoauswahl::KontoWaehlen(dm,
                                        Kontoauswahl::Sachkonten | Kontoauswahl::Lieferanten |
                                            Kontoauswahl::LieferantenKosten | Kontoauswahl::Kunden,
                                        this);
    if (!konto)
        return;
    edKonto->setText(QString::number(*konto));
    edKontoPropertiesChange();
    steuerlisteFuellen();
}

void TformTextschluessel::btnOKClick() {
    for (QWidget* w : std::initializer_list<QWidget*>{edTSName, cbBuchungsseite, cbSteuer, edKonto})
        w->setStyleSheet(QString());
    laTSAnlageFehler->hide();
    const QString vergeben = QStringLiteral("Dieser Textschlüsselname ist bereits vergeben!");
    Datenbank& archiv = dm.ADOConnection_Archiv;
    const QString name = edTSName->text();
    if (TextschluesselNameVergeben(archiv, name, ID)) {
        fehlerZeigen(edTSName, vergeben);
        edTSName->setFocus();
        edTSName->selectAll();
        return;
    }
    // Every check below runs; the last failing one leaves its text in the error line.
    bool fehler = false;
    if (!TSNameZeichenErlaubt(name)) {
        fehlerZeigen(edTSName,
                     QStringLiteral("Folgdende Zeichen sind nicht erlaubt: + - ? * % \""));
        fehler = true;
    }
    if (name.trimmed().isEmpty()) {
        fehlerZeigen(edTSName, QStringLiteral("Geben Sie bitte einen Textschlüsselnamen ein!"));
        edTSName->setFocus();
        fehler = true;
    }
    if (cbBuchungsseite->currentIndex() < 0) {
        fehlerZeigen(cbBuchungsseite, QStringLiteral("Ungültige Erfassungsseite!"));
        cbBuchungsseite->setFocus();
        fehler = true;
    }
    if (cbSteuer->currentIndex() < 0) {
        fehlerZeigen(cbSteuer, QStringLiteral("Ungültige Steuer!"));
        cbSteuer->setFocus();
        fehler = true;
    }
    const std::optional<Betrag> betrag = BetragAusText(edBetrag->text());
    if (!betrag) {
        fehlerZeigen(edBetrag, QStringLiteral("Ungültiger Betrag!"));
        fehler = true;
    }
    if (fehler)
        return;

    tTextschluessel ts;
    ts.ID = ID;
    ts.TSName = name.trimmed();
    ts.Betrag = *betrag;
    ts.Konto = edKonto->text().toLongLong();
    ts.Steuer = cbSteuer->currentText().section(QLatin1Char(' '), 0, 0).trimmed();
    ts.Buchungsseite = cbBuchungsseite->currentIndex() == 1   ? QStringLiteral("E")
                       : cbBuchungsseite->currentIndex() == 2 ? QStringLiteral("A")
                                                              : QString();
    // A key without account is allowed; a named account must exist for this business.
    if (ts.Konto != 0 && !KontoVorhanden(archiv, Sitzung().MNr, ts.Konto)) {
        fehlerZeigen(edKonto, QStringLiteral("Das Konto ist nicht vorhanden!"));
        return;
    }
    if (rbBuchungstextIndividuell->isChecked())
        ts.Buchungstext = edBuchungstextIndividuell->text();
    ts.Aufteilungskonten = frmAufteilungskonten->Konten();
    if (ts.Aufteilungskonten.empty() && ts.Konto >= 80000 && ts.Konto <= 89999 &&
        Benutzer().frage(Meldungsart::Warnung,
                         QStringLiteral("Sie haben dem Textschlüssel für das Lieferantenkonto noch "
                                        "kein Kostenkonto hinterlegt!\r\rMöchten Sie dem "
                                        "Textschlüssel noch ein Kostenkonten zuweisen?"),
                         Knoepfe::JaNein) != Antwort::Nein) {
        frmAufteilungskonten->NeuesKontoWaehlen();
        return;
    }
    ts.Oeffentlich = chkFilialuebergreifend->isChecked();
    const QString beschraenkung = TextschluesselBeschraenkenPruefen(dm, ID, ts.Oeffentlich);
    if (!beschraenkung.isEmpty()) {
        fehlerZeigen(nullptr, beschraenkung);
        return;
    }
    ts.ArchivAufteilungsKontenAusblenden =
        !frmAufteilungskonten->chkArchivAufteilungskonten->isChecked();
    ts.ErstesAufteilungskontoHauptkonto =
        frmAufteilungskonten->chkErstesKontoHauptkonto->isChecked();
    if (!TextschluesselSpeichern(archiv, Sitzung().MNr, ts, !TSNeu, true)) {
        fehlerZeigen(edTSName, vergeben);
        edTSName->setFocus();
        edTSName->selectAll();
        return;
    }
    ID = ts.ID;
    OKiDO = true;
    accept();
}
