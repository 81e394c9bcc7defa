#include "TformKonto.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Feldlaengen.h"
#include "Firmendaten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "Stammdatenlisten.h"
#include "Text.h"
#include "Textschluessel.h"
#include "TformBankverbindung.h"
#include "TformTextschluessel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString rot = QStringLiteral("background-color: #ffb0b0;");

QRegularExpressionValidator* ziffern(int n, QObject* eltern) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(n)),
                                           eltern);
}

bool vorgegebenerLieferant(qint64 konto) {
    return (konto >= 90000 && konto <= 93999) || (konto >= 80000 && konto <= 88999);
}

} // namespace

TformKonto::TformKonto(TDataModule1& dm, QWidget* parent) : QDialog(parent), dm(dm) {
    const auto feld = [this](const char* tabelle, const char* spalte) {
        auto* e = new QLineEdit(this);
        if (const int n = Feldlaenge(QStringLiteral("archiv"), QString::fromLatin1(tabelle),
                                     QString::fromLatin1(spalte));
            n > 0)
            e->setMaxLength(n);
        return e;
    };
    laNummer = new QLabel(this);
    cbPersonentyp = new QComboBox(this);
    cbPersonentyp->addItems({QStringLiteral("Firma"), QStringLiteral("Person")});
    edBezeichnung = feld("Lieferanten", "Bezeichnung");
    btnAehnlich = new QToolButton(this);
    btnAehnlich->setToolTip(QStringLiteral("Ähnliche Konten"));
    btnBezeichnungUebernehmen = new QPushButton(QStringLiteral("Bezeichnung übernehmen"), this);
    btnBezeichnungUebernehmen->setCheckable(true);
    btnBezeichnungAendern = new QPushButton(QStringLiteral("Bezeichnung ändern"), this);
    edTitel = feld("Lieferanten", "Titel");
    edNachname = feld("Lieferanten", "Nachname");
    edVorname = feld("Lieferanten", "Vorname");
    edBezeichnung2 = feld("Lieferanten", "Bezeichnung2");
    edBezeichnung3 = feld("Lieferanten", "Bezeichnung3");
    edStrasse = feld("Lieferanten", "Strasse");
    edPLZ = new QLineEdit(this);
    edPLZ->setMaxLength(5);
    edOrt = feld("Lieferanten", "Ort");
    edPostfach = feld("Lieferanten", "Postfach");
    edTelefonnummer = feld("Lieferanten", "Telefonnummer");
    edFaxnummer = feld("Lieferanten", "Faxnummer");
    edEMail = feld("Lieferanten", "eMailAdresse");
    cbZusatztextPopup = new QCheckBox(QStringLiteral("Zusatztext beim Erfassen anzeigen"), this);
    edZusatztext = new QPlainTextEdit(this);
    edZusatztext->setMaximumHeight(60);
    cbFilialuebergreifend = new QCheckBox(QStringLiteral("filialübergreifend"), this);
    edKundennummer = feld("KontoZVDaten", "Kundennummer");
    edSkontoSatz = new QLineEdit(this);
    edSkontoTage = new QLineEdit(this);
    edSkontoTage->setValidator(ziffern(3, edSkontoTage));
    edNettoTage = new QLineEdit(this);
    edNettoTage->setValidator(ziffern(3, edNettoTage));
    cbNettoMonatsende = new QCheckBox(QStringLiteral("Nettofälligkeit am Monatsende"), this);
    cbBankeinzug = new QCheckBox(QStringLiteral("Bankeinzug"), this);
    cbZVBank = new QComboBox(this);
    cbOPOS = new QCheckBox(QStringLiteral("Anlage offener Posten"), this);
    laMandatsreferenz = new QLabel(QStringLiteral("Mandatsreferenz:"), this);
    edMandatsreferenz = new QLineEdit(this);
    edMandatsreferenz->setMaxLength(35);
    laMandatsdatum = new QLabel(QStringLiteral("Mandatsunterschrift:"), this);
    edMandatsdatum = new QLineEdit(this);
    edMandatsdatum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    edMandatsdatum->setMaxLength(10);
    gbBank = new QGroupBox(QStringLiteral("Bankverbindungen"), this);
    tvBankverbindungen = new QTableWidget(0, 7, gbBank);
    tvBankverbindungen->setHorizontalHeaderLabels(
        {QStringLiteral("Standard"), QStringLiteral("geprüft"), QStringLiteral("IBAN"),
         QStringLiteral("BIC"), QStringLiteral("Kontonummer"), QStringLiteral("Bankleitzahl"),
         QStringLiteral("abw. Kontoninhaber")});
    tvBankverbindungen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvBankverbindungen->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvBankverbindungen->setSelectionMode(QAbstractItemView::SingleSelection);
    tvBankverbindungen->verticalHeader()->hide();
    btnBankHinzufuegen = new QPushButton(QStringLiteral("Bankverb. hinzufügen"), gbBank);
    btnBankBearbeiten = new QPushButton(QStringLiteral("Bankverb. bearbeiten"), gbBank);
    btnBankLoeschen = new QPushButton(QStringLiteral("Bankverb. löschen"), gbBank);
    btnBankStandard = new QPushButton(QStringLiteral("als Standard definieren"), gbBank);
    btnBankGeprueft = new QPushButton(QStringLiteral("Bankverb. SEPA geprüft"), gbBank);
    laTextschluessel = new QLabel(QStringLiteral("Textschlüssel:"), this);
    edTextschluessel = feld("Textschluessel", "TSName");
    gbTextschluessel = new QGroupBox(QStringLiteral("Textschlüssel"), this);
    tvTextschluessel = new QTableWidget(0, 2, gbTextschluessel);
    tvTextschluessel->setHorizontalHeaderLabels(
        {QStringLiteral("Textschlüssel"), QStringLiteral("Erfassungstext")});
    tvTextschluessel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvTextschluessel->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvTextschluessel->setSelectionMode(QAbstractItemView::SingleSelection);
    tvTextschluessel->horizontalHeader()->setStretchLastSection(true);
    tvTextschluessel->verticalHeader()->hide();
    btnTSHinzufuegen =
        new QPushButton(QStringLiteral("Textschlüssel hinzufügen"), gbTextschluessel);
    btnTSBearbeiten = new QPushButton(QStringLiteral("Textschlüssel bearbeiten"), gbTextschluessel);
    btnTSLoeschen = new QPushButton(QStringLiteral("Textschlüssel löschen"), gbTextschluessel);
    laFehler = new QLabel(QStringLiteral("rot = benötigte oder fehlerhafte Einträge"), this);
    laFehler->setStyleSheet(QStringLiteral("color: red"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);

    auto* form = new QFormLayout;
    form->addRow(QString(), laNummer);
    form->addRow(QStringLiteral("Typ:"), cbPersonentyp);
    auto* name = new QHBoxLayout;
    name->addWidget(edBezeichnung, 1);
    name->addWidget(btnAehnlich);
    name->addWidget(btnBezeichnungUebernehmen);
    name->addWidget(btnBezeichnungAendern);
    form->addRow(QStringLiteral("Bezeichnung:"), name);
    form->addRow(QStringLiteral("Titel:"), edTitel);
    form->addRow(QStringLiteral("Nachname:"), edNachname);
    form->addRow(QStringLiteral("Vorname:"), edVorname);
    form->addRow(QStringLiteral("Bezeichnung 2:"), edBezeichnung2);
    form->addRow(QStringLiteral("Bezeichnung 3:"), edBezeichnung3);
    form->addRow(QStringLiteral("Straße:"), edStrasse);
    auto* ort = new QHBoxLayout;
    ort->addWidget(edPLZ);
    ort->addWidget(edOrt, 1);
    form->addRow(QStringLiteral("PLZ / Ort:"), ort);
    form->addRow(QStringLiteral("Postfach:"), edPostfach);
    form->addRow(QStringLiteral("Telefon:"), edTelefonnummer);
    form->addRow(QStringLiteral("Fax:"), edFaxnummer);
    form->addRow(QStringLiteral("E-Mail:"), edEMail);
    form->addRow(QString(), cbZusatztextPopup);
    form->addRow(QStringLiteral("Zusatztext:"), edZusatztext);
    form->addRow(QString(), cbFilialuebergreifend);
    auto* zv = new QFormLayout;
    zv->addRow(QStringLiteral("Kundennummer:"), edKundennummer);
    zv->addRow(QStringLiteral("Skontosatz (%):"), edSkontoSatz);
    zv->addRow(QStringLiteral("Skontotage:"), edSkontoTage);
    zv->addRow(QStringLiteral("Nettotage:"), edNettoTage);
    zv->addRow(QString(), cbNettoMonatsende);
    zv->addRow(QString(), cbBankeinzug);
    zv->addRow(QStringLiteral("ZV-Bank:"), cbZVBank);
    zv->addRow(QString(), cbOPOS);
    zv->addRow(laMandatsreferenz, edMandatsreferenz);
    zv->addRow(laMandatsdatum, edMandatsdatum);
    zv->addRow(laTextschluessel, edTextschluessel);
    auto* bank = new QVBoxLayout(gbBank);
    bank->addWidget(tvBankverbindungen);
    auto* bankKnoepfe = new QHBoxLayout;
    for (QPushButton* k :
         {btnBankHinzufuegen, btnBankBearbeiten, btnBankLoeschen, btnBankStandard, btnBankGeprueft})
        bankKnoepfe->addWidget(k);
    bank->addLayout(bankKnoepfe);
    auto* tsLayout = new QVBoxLayout(gbTextschluessel);
    tsLayout->addWidget(tvTextschluessel);
    auto* tsKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {btnTSHinzufuegen, btnTSBearbeiten, btnTSLoeschen})
        tsKnoepfe->addWidget(k);
    tsKnoepfe->addStretch();
    tsLayout->addLayout(tsKnoepfe);
    auto* spalten = new QHBoxLayout;
    spalten->addLayout(form, 1);
    spalten->addLayout(zv, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(laFehler);
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(spalten);
    haupt->addWidget(gbBank);
    haupt->addWidget(gbTextschluessel);
    haupt->addLayout(knoepfe);

    connect(cbPersonentyp, &QComboBox::activated, this, [this] {
        if (cbPersonentyp->currentIndex() == 1 && edNachname->text().isEmpty())
            edNachname->setText(edBezeichnung->text());
        personentypGeaendert();
    });
    for (QLineEdit* e : {edNachname, edVorname})
        connect(e, &QLineEdit::textEdited, this, [this] { nameAusPerson(); });
    connect(edBezeichnung, &QLineEdit::textChanged, this, [this] { BezeichnungsPruefung(); });
    connect(btnAehnlich, &QToolButton::clicked, this, [this] {
        if (!aehnlichHinweis.isEmpty())
            Benutzer().information(aehnlichHinweis);
    });
    connect(btnBezeichnungUebernehmen, &QPushButton::toggled, this,
            [this](bool gedrueckt) { btnBezeichnungUebernehmen->setEnabled(!gedrueckt); });
    connect(btnBezeichnungAendern, &QPushButton::clicked, this, [this] {
        btnBezeichnungUebernehmen->setChecked(true);
        cbPersonentyp->setEnabled(true);
        for (QLineEdit* e : {edBezeichnung, edTitel, edNachname, edVorname})
            e->setReadOnly(false);
    });
    connect(cbBankeinzug, &QCheckBox::toggled, this, [this] { bankeinzugGeaendert(); });
    connect(cbNettoMonatsende, &QCheckBox::toggled, edNettoTage,
            [this](bool an) { edNettoTage->setEnabled(!an); });
    connect(cbOPOS, &QCheckBox::clicked, this, [](bool an) {
        if (!an)
            Benutzer().warnung(
                QStringLiteral("Wenn Sie die Anlage der offenen Posten für dieses Konto "
                               "entfernen,\rist kein OPOS-Ausgleich und Zahlungsverkehr mehr "
                               "möglich!"));
    });
    connect(edSkontoSatz, &QLineEdit::editingFinished, this, [this] { skontoSatzVerlassen(); });
    connect(edKundennummer, &QLineEdit::editingFinished, this, [this] {
        const QString nummer = edKundennummer->text().trimmed();
        if (nummer.isEmpty())
            return;
        const QString anderes = KundennummerVergebenAn(this->dm.ADOConnection_Archiv, Sitzung().MNr,
                                                       daten.KontoArt, nummer, daten.Konto);
        if (!anderes.isEmpty())
            Benutzer().information(QStringLiteral("Folgendes Konto ist mit der Kundennummer "
                                                  "\"%1\" bereits angelegt:\r\r\"%2\"")
                                       .arg(nummer, anderes));
    });
    edOrt->installEventFilter(this);
    connect(btnBankHinzufuegen, &QPushButton::clicked, this, [this] { bankBearbeiten(true); });
    connect(btnBankBearbeiten, &QPushButton::clicked, this, [this] { bankBearbeiten(false); });
    connect(tvBankverbindungen, &QTableWidget::cellDoubleClicked, this,
            [this] { bankBearbeiten(false); });
    connect(btnBankLoeschen, &QPushButton::clicked, this, [this] {
        const int z = tvBankverbindungen->currentRow();
        if (z < 0 ||
            Benutzer().frage(Meldungsart::Warnung,
                             QStringLiteral("Wollen Sie die ausgewählte Bankverbindung wirklich "
                                            "entfernen?"),
                             Knoepfe::JaNein) != Antwort::Ja)
            return;
        daten.Bankverbindungen.erase(daten.Bankverbindungen.begin() + z);
        standardBank = standardBank == z ? -1 : standardBank > z ? standardBank - 1 : standardBank;
        bankenZeigen();
    });
    connect(btnBankStandard, &QPushButton::clicked, this, [this] {
        if (tvBankverbindungen->currentRow() >= 0) {
            standardBank = tvBankverbindungen->currentRow();
            bankenZeigen();
        }
    });
    connect(btnBankGeprueft, &QPushButton::clicked, this, [this] {
        const int z = tvBankverbindungen->currentRow();
        if (z < 0)
            return;
        if (daten.Bankverbindungen[z].IBAN.trimmed().isEmpty()) {
            Benutzer().information(QStringLiteral(
                "Nur Bankverbindung mit einer IBAN können auf geprüft gesetzt werden!"));
            return;
        }
        daten.Bankverbindungen[z].Geprueft = true;
        bankenZeigen();
    });
    // The text-key commands write at once, independent of OK.
    connect(btnTSHinzufuegen, &QPushButton::clicked, this, [this] {
        TformTextschluessel dialog(this->dm, this);
        if (!dialog.NeuerTexschluessel(QString(), daten.Bezeichnung, daten.Konto))
            return;
        btnAbbrechen->setText(QStringLiteral("Schließen"));
        textschluesselZeigen();
    });
    const auto tsBearbeiten = [this] {
        const QString name = gewaehlterTextschluessel();
        TformTextschluessel dialog(this->dm, this);
        if (!name.isEmpty() && dialog.TexschluesselBearbeiten(name, false))
            textschluesselZeigen();
    };
    connect(btnTSBearbeiten, &QPushButton::clicked, this, tsBearbeiten);
    connect(tvTextschluessel, &QTableWidget::cellDoubleClicked, this, tsBearbeiten);
    connect(btnTSLoeschen, &QPushButton::clicked, this, [this] {
        const QString name = gewaehlterTextschluessel();
        if (name.isEmpty() || !AenderungErlaubt())
            return;
        if (TextschluesselLoeschen(this->dm.ADOConnection_Archiv, name))
            textschluesselZeigen();
    });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformKonto::NeuesKonto(qint64 konto, int kontoArt, const QString& name) {
    if (!AenderungErlaubt())
        return false;
    daten = tKontoDaten();
    daten.KontoArt = kontoArt;
    daten.Konto = konto;
    MaskeLeeren();
    setWindowTitle((kontoArt == KontoArt::Kunde ? QStringLiteral("Neuer Kunde")
                    : kontoArt == KontoArt::Lieferant
                        ? QStringLiteral("Neuer Lieferant")
                        : QStringLiteral("Neuer Lieferant (Kosten)")) +
                   (konto > 0 ? QStringLiteral(" (%1)").arg(konto) : QString()));
    laNummer->setVisible(konto > 0);
    laNummer->setText(QStringLiteral("FIBU- / Datev Konto: %1").arg(konto));
    btnBezeichnungUebernehmen->setVisible(konto > 0);
    btnBezeichnungAendern->setVisible(konto > 0);
    edBezeichnung->setText(name);
    const bool gesperrt = konto > 0;
    cbPersonentyp->setEnabled(!gesperrt);
    edBezeichnung->setReadOnly(gesperrt);
    laTextschluessel->show();
    edTextschluessel->show();
    gbTextschluessel->hide();
    cbOPOS->setChecked(true);
    btnOK->setText(QStringLiteral("Hinzufügen"));
    edKundennummer->setFocus();
    BezeichnungsPruefung();
    return zeigen();
}

bool TformKonto::KontoBearbeiten(int kontoArt, qint64 konto) {
    if (!AenderungErlaubt())
        return false;
    const std::optional<tKontoDaten> k =
        KontoDatenLaden(dm.ADOConnection_Archiv, Sitzung().MNr, kontoArt, konto);
    if (!k) {
        Benutzer().fehler(QStringLiteral("Das Konto konnte nicht gefunden werden!"));
        return false;
    }
    daten = *k;
    MaskeLeeren();
    setWindowTitle(kontoArt == KontoArt::Kunde ? QStringLiteral("Kunde bearbeiten")
                                               : QStringLiteral("Lieferant bearbeiten"));
    laNummer->setText(QStringLiteral("FIBU- / Datev Konto: %1").arg(konto));
    laNummer->show();
    btnBezeichnungUebernehmen->hide();
    btnBezeichnungAendern->hide();
    laTextschluessel->hide();
    edTextschluessel->hide();
    gbTextschluessel->show();
    textschluesselZeigen();
    const bool gesperrt = kontoArt != KontoArt::Kunde && vorgegebenerLieferant(konto);
    cbPersonentyp->setEnabled(!gesperrt);
    for (QLineEdit* e : {edBezeichnung, edTitel, edNachname, edVorname})
        e->setReadOnly(gesperrt);
    cbPersonentyp->setCurrentIndex(daten.Nachname.isEmpty() ? 0 : 1);
    edBezeichnung->setText(daten.Bezeichnung);
    edTitel->setText(daten.Titel);
    edNachname->setText(daten.Nachname);
    edVorname->setText(daten.Vorname);
    edBezeichnung2->setText(daten.Bezeichnung2);
    edBezeichnung3->setText(daten.Bezeichnung3);
    edStrasse->setText(daten.Strasse);
    edPLZ->setText(daten.PLZ);
    edOrt->setText(daten.Ort);
    edPostfach->setText(daten.Postfach);
    edTelefonnummer->setText(daten.Telefonnummer);
    edFaxnummer->setText(daten.Faxnummer);
    edEMail->setText(daten.eMailAdresse);
    cbZusatztextPopup->setChecked(daten.ZusatztextPopup);
    edZusatztext->setPlainText(daten.Zusatztext);
    cbFilialuebergreifend->setChecked(daten.Oeffentlich);
    const tKontoZVDaten& zv = daten.ZV;
    edKundennummer->setText(zv.Kundennummer);
    edSkontoSatz->setText(QString::number(zv.SSatz, 'f', 2).replace(u'.', u','));
    edSkontoTage->setText(QString::number(zv.STage));
    edNettoTage->setText(QString::number(zv.NTage));
    cbNettoMonatsende->setChecked(zv.NettofaelligkeitMonatsende);
    cbBankeinzug->setChecked(zv.Bankeinzug);
    // The collective customer account never carries open items.
    cbOPOS->setChecked(konto != 20110 && zv.OPOS);
    cbOPOS->setEnabled(konto != 20110);
    edMandatsreferenz->setText(zv.Mandatsreferenz);
    edMandatsdatum->setText(zv.MandatsunterschriftDatum.isValid() &&
                                    zv.MandatsunterschriftDatum.year() > 1899
                                ? zv.MandatsunterschriftDatum.toString(QStringLiteral("dd.MM.yyyy"))
                                : QString());
    const auto it = std::find(zvBanken.begin(), zvBanken.end(), zv.Zahlbank);
    cbZVBank->setCurrentIndex(it == zvBanken.end() ? 0 : int(it - zvBanken.begin()));
    standardBank = zv.StandardBank >= 0 && zv.StandardBank < int(daten.Bankverbindungen.size())
                       ? zv.StandardBank
                       : -1;
    bankenZeigen();
    personentypGeaendert();
    bankeinzugGeaendert();
    btnOK->setText(QStringLiteral("OK"));
    BezeichnungsPruefung();
    return zeigen();
}

bool TformKonto::zeigen() {
    btnAbbrechen->setText(QStringLiteral("Abbrechen"));
    OKiDO = false;
    GespeichertKonto = 0;
    exec();
    return OKiDO;
}

void TformKonto::MaskeLeeren() {
    cbZVBank->clear();
    zvBanken = {0};
    cbZVBank->addItem(QStringLiteral("< keine Belegung >"));
    for (const tZVBank& b : ZVBankenLaden(dm.ADOConnection_Daten)) {
        zvBanken.push_back(b.BereichID);
        cbZVBank->addItem(b.Bezeichnung);
    }
    for (QLineEdit* e :
         {edBezeichnung, edTitel, edNachname, edVorname, edBezeichnung2, edBezeichnung3, edStrasse,
          edPLZ, edOrt, edPostfach, edTelefonnummer, edFaxnummer, edEMail, edKundennummer,
          edMandatsreferenz, edMandatsdatum, edTextschluessel}) {
        e->clear();
        e->setReadOnly(false);
    }
    edZusatztext->clear();
    cbZusatztextPopup->setChecked(false);
    cbPersonentyp->setCurrentIndex(0);
    btnBezeichnungUebernehmen->setChecked(false);
    btnBezeichnungUebernehmen->setEnabled(true);
    // An imported debtor number belongs to this business; everything else starts shared.
    cbFilialuebergreifend->setChecked(!(daten.Konto >= 10000 && daten.Konto <= 69998));
    const bool kunde = daten.KontoArt == KontoArt::Kunde;
    cbBankeinzug->setChecked(!kunde);
    edSkontoSatz->setText(QStringLiteral("0,00"));
    edSkontoTage->setText(QStringLiteral("0"));
    edNettoTage->setText(QStringLiteral("0"));
    cbNettoMonatsende->setChecked(false);
    cbOPOS->setChecked(true);
    cbOPOS->setEnabled(true);
    for (QWidget* w :
         {static_cast<QWidget*>(laMandatsreferenz), static_cast<QWidget*>(edMandatsreferenz),
          static_cast<QWidget*>(laMandatsdatum), static_cast<QWidget*>(edMandatsdatum)})
        w->setVisible(kunde);
    if (daten.ID < 0)
        daten.Bankverbindungen.clear();
    standardBank = -1;
    bankenZeigen();
    personentypGeaendert();
    bankeinzugGeaendert();
    laFehler->hide();
    for (QWidget* w : findChildren<QWidget*>())
        if (w->styleSheet() == rot)
            w->setStyleSheet(QString());
}

void TformKonto::personentypGeaendert() {
    const bool person = cbPersonentyp->currentIndex() == 1;
    edBezeichnung->setVisible(!person);
    for (QLineEdit* e : {edTitel, edNachname, edVorname})
        e->setVisible(person);
    if (person)
        nameAusPerson();
}

void TformKonto::nameAusPerson() {
    edBezeichnung->setText((edNachname->text() + u' ' + edVorname->text()).trimmed());
}

void TformKonto::BezeichnungsPruefung() {
    const bool person = cbPersonentyp->currentIndex() == 1;
    const QString name = person ? edNachname->text() : edBezeichnung->text();
    const tAehnlicheKonten a =
        ::BezeichnungsPruefung(dm.ADOConnection_Archiv, daten.KontoArt, name, daten.Konto);
    aehnlichHinweis = a.Hinweis;
    static const QString zeichen[] = {QStringLiteral(""), QStringLiteral("!"), QStringLiteral("✓")};
    btnAehnlich->setText(zeichen[qBound(0, a.Symbol, 2)]);
    btnAehnlich->setToolTip(a.Hinweis);
}

bool TformKonto::geldBewegtProgramm() const {
    const bool kunde = daten.KontoArt == KontoArt::Kunde;
    return kunde == cbBankeinzug->isChecked();
}

void TformKonto::bankeinzugGeaendert() {
    cbZVBank->setEnabled(geldBewegtProgramm());
}

void TformKonto::bankenZeigen() {
    tvBankverbindungen->setRowCount(int(daten.Bankverbindungen.size()));
    for (int z = 0; z < int(daten.Bankverbindungen.size()); ++z) {
        const tBankverbindung& v = daten.Bankverbindungen[z];
        const QStringList werte = {z == standardBank ? QStringLiteral("ja") : QString(),
                                   v.Geprueft ? QStringLiteral("ja") : QString(),
                                   v.IBAN,
                                   v.BIC,
                                   v.Kontonummer,
                                   v.Bankleitzahl,
                                   v.AbweichenderKontoinhaber};
        for (int s = 0; s < werte.size(); ++s)
            tvBankverbindungen->setItem(z, s, new QTableWidgetItem(werte[s]));
    }
}

void TformKonto::bankBearbeiten(bool neu) {
    const int z = tvBankverbindungen->currentRow();
    if (!neu && z < 0)
        return;
    tBankverbindung v = neu ? tBankverbindung() : daten.Bankverbindungen[z];
    TformBankverbindung dialog(dm, this);
    if (!(neu ? dialog.NeueBankverbindung(v, false, true)
              : dialog.BankverbindungBearbeiten(v, false, true)))
        return;
    v.Geprueft = true;
    if (neu) {
        daten.Bankverbindungen.push_back(v);
        if (daten.Bankverbindungen.size() == 1)
            standardBank = 0;
    } else {
        daten.Bankverbindungen[z] = v;
    }
    bankenZeigen();
}

void TformKonto::textschluesselZeigen() {
    tTextschluesselFilter filter;
    filter.Konto = daten.Konto;
    const std::vector<tTextschluesselZeile> zeilen = TextschluesselListe(
        dm.ADOConnection_Archiv, Sitzung().MNr, Sitzung().Kontenbereiche, filter);
    tvTextschluessel->setRowCount(int(zeilen.size()));
    for (int z = 0; z < int(zeilen.size()); ++z) {
        tvTextschluessel->setItem(z, 0, new QTableWidgetItem(zeilen[z].TSName));
        tvTextschluessel->setItem(z, 1, new QTableWidgetItem(zeilen[z].Buchungstext2));
    }
    if (!zeilen.empty())
        tvTextschluessel->selectRow(0);
}

QString TformKonto::gewaehlterTextschluessel() const {
    const QTableWidgetItem* item = tvTextschluessel->item(tvTextschluessel->currentRow(), 0);
    return item ? item->text() : QString();
}

void TformKonto::skontoSatzVerlassen() {
    const std::optional<double> satz = SkontoSatzAusText(edSkontoSatz->text());
    if (!satz) {
        markieren(edSkontoSatz, true);
        edSkontoSatz->setFocus();
        edSkontoSatz->selectAll();
        return;
    }
    markieren(edSkontoSatz, false);
    edSkontoSatz->setText(QString::number(*satz, 'f', 2).replace(u'.', u','));
}

bool TformKonto::eventFilter(QObject* o, QEvent* e) {
    if (o == edOrt && e->type() == QEvent::FocusIn && !edPLZ->text().trimmed().isEmpty() &&
        edOrt->text().trimmed().isEmpty()) {
        const QString ort = OrtZurPLZ(dm.ADOConnection_Stamm, edPLZ->text().trimmed());
        if (!ort.isEmpty()) {
            edOrt->setText(ort);
            edOrt->selectAll();
        }
    }
    return QDialog::eventFilter(o, e);
}

void TformKonto::markieren(QWidget* w, bool r) {
    w->setStyleSheet(r ? rot : QString());
}

void TformKonto::btnOKClick() {
    for (QWidget* w : findChildren<QWidget*>())
        if (w->styleSheet() == rot)
            w->setStyleSheet(QString());
    laFehler->hide();
    bool fehler = false;
    const auto falsch = [&](QWidget* w) {
        markieren(w, true);
        fehler = true;
    };
    const bool person = cbPersonentyp->currentIndex() == 1;
    const bool kunde = daten.KontoArt == KontoArt::Kunde;
    if (person)
        edBezeichnung->setText(PersonenName(edNachname->text().trimmed(), edTitel->text().trimmed(),
                                            edVorname->text().trimmed()));
    if (btnBezeichnungUebernehmen->isVisible() && !btnBezeichnungUebernehmen->isChecked()) {
        Benutzer().fehler(
            QStringLiteral("Bitte bestätigen Sie die Kontenbezeichnung durch Klick "
                           "auf die Schaltfläche \"%1\" oder \"%2\"!")
                .arg(btnBezeichnungUebernehmen->text(), btnBezeichnungAendern->text()));
        falsch(btnBezeichnungUebernehmen);
    }
    tKontoDaten k = daten;
    k.Oeffentlich = cbFilialuebergreifend->isChecked();
    if (k.Konto >= 10000 && k.Konto <= 69999) {
        if (const QString m = FilialuebergreifendPruefen(dm, k); !m.isEmpty()) {
            Benutzer().fehler(m);
            falsch(cbFilialuebergreifend);
        }
    }
    const bool bewegt = geldBewegtProgramm();
    if (bewegt && standardBank < 0) {
        Benutzer().fehler(QStringLiteral("Definieren Sie bitte eine Standardbank!"));
        falsch(gbBank);
    }
    const QString datumText = edMandatsdatum->text().trimmed();
    const QDate mandatsdatum = QDate::fromString(datumText, QStringLiteral("dd.MM.yyyy"));
    if (kunde && cbBankeinzug->isChecked()) {
        if (edMandatsreferenz->text().trimmed().isEmpty())
            falsch(edMandatsreferenz);
        if (!mandatsdatum.isValid())
            falsch(edMandatsdatum);
    } else if (kunde && !datumText.isEmpty() && !mandatsdatum.isValid()) {
        falsch(edMandatsdatum);
    }
    if (standardBank >= 0 && kunde != cbBankeinzug->isChecked()) {
        const QString frage =
            kunde ? QStringLiteral("Sie haben eine Standardbankverbindung gesetzt, aber Bankeinzug "
                                   "nicht geschlüsselt!\rMöchten Sie diese Einstellungen so "
                                   "übernehmen?")
                  : QStringLiteral("Sie haben eine Standardbankverbindung gesetzt und trotzdem "
                                   "Bankeinzug geschlüsselt!\rMöchten Sie diese Einstellungen so "
                                   "übernehmen?");
        if (Benutzer().frage(Meldungsart::Fehler, frage, Knoepfe::JaNein) != Antwort::Ja)
            return;
    }
    const QString plz = edPLZ->text().trimmed();
    if (!plz.isEmpty() && (plz.size() != 5 || !NurZiffern(plz)))
        falsch(edPLZ);
    if (bewegt && edKundennummer->text().trimmed().isEmpty())
        falsch(edKundennummer);
    if (bewegt && daten.Bankverbindungen.empty())
        falsch(gbBank);
    const QString ts = edTextschluessel->text().trimmed();
    if (daten.ID < 0 &&
        (ts.isEmpty() || ts.contains(QRegularExpression(QStringLiteral("[-+?*%]"))) ||
         TextschluesselNameVergeben(dm.ADOConnection_Archiv, ts, -1)))
        falsch(edTextschluessel);
    if (daten.ID >= 0 && tvTextschluessel->rowCount() == 0)
        falsch(gbTextschluessel);
    const std::optional<double> satz = SkontoSatzAusText(edSkontoSatz->text());
    if (!satz || *satz > 100) {
        falsch(edSkontoSatz);
        edSkontoSatz->setFocus();
    } else if (*satz > 5 &&
               Benutzer().frage(Meldungsart::Warnung,
                                QStringLiteral("Sie haben einen Skontosatz über 5 % eingegeben. "
                                               "Möchten Sie die Stammdaten trotzdem speichern?"),
                                Knoepfe::JaNein) != Antwort::Ja) {
        falsch(edSkontoSatz);
        edSkontoSatz->setFocus();
    }
    if (person ? edNachname->text().trimmed().isEmpty() : edBezeichnung->text().trimmed().isEmpty())
        falsch(person ? edNachname : edBezeichnung);
    if (edBezeichnung->text().contains(QRegularExpression(QStringLiteral("[?*%]")))) {
        Benutzer().fehler(QStringLiteral("Folgende Zeichen dürfen in der Kontenbezeichnung nicht "
                                         "verwendet werden:\r\r? * %"));
        falsch(person ? edNachname : edBezeichnung);
    }
    const QString mail = edEMail->text().trimmed();
    if (!mail.isEmpty() && !PasstZuMuster(mail, QStringLiteral("*@*.*")))
        falsch(edEMail);
    const QString referenz = edMandatsreferenz->text();
    if (kunde && !referenz.isEmpty() && !MandatsreferenzGueltig(referenz)) {
        Benutzer().fehler(QStringLiteral("Nur folgende Zeichen dürfen in der Mandatsreferenz "
                                         "verwendet werden:\r\r0..9 A..Z a..z : ? , - ( + . ) /"));
        falsch(edMandatsreferenz);
    }
    if (fehler) {
        laFehler->show();
        return;
    }
    k.Bezeichnung = edBezeichnung->text().trimmed();
    k.Titel = person ? edTitel->text().trimmed() : QString();
    k.Nachname = person ? edNachname->text().trimmed() : QString();
    k.Vorname = person ? edVorname->text().trimmed() : QString();
    k.Bezeichnung2 = edBezeichnung2->text();
    k.Bezeichnung3 = edBezeichnung3->text();
    k.Strasse = edStrasse->text();
    k.PLZ = plz;
    k.Ort = edOrt->text();
    k.Postfach = edPostfach->text();
    k.Telefonnummer = edTelefonnummer->text();
    k.Faxnummer = edFaxnummer->text();
    k.eMailAdresse = mail;
    k.ZusatztextPopup = cbZusatztextPopup->isChecked();
    k.Zusatztext = edZusatztext->toPlainText();
    k.ZV.Kundennummer = edKundennummer->text().trimmed();
    k.ZV.SSatz = *satz;
    k.ZV.STage = edSkontoTage->text().toInt();
    k.ZV.NTage = edNettoTage->text().toInt();
    k.ZV.NettofaelligkeitMonatsende = cbNettoMonatsende->isChecked();
    k.ZV.Bankeinzug = cbBankeinzug->isChecked();
    k.ZV.Zahlbank = zvBanken[qMax(0, cbZVBank->currentIndex())];
    k.ZV.StandardBank = standardBank;
    k.ZV.OPOS = cbOPOS->isChecked();
    k.ZV.Mandatsreferenz = kunde ? referenz : QString();
    k.ZV.MandatsunterschriftDatum = kunde ? mandatsdatum : QDate();
    if (!KontoSpeichern(dm, k, ts))
        return;
    // A cost supplier's key still needs its cost account: the user completes it right away.
    if (daten.ID < 0 && k.KontoArt == KontoArt::LieferantKosten) {
        TformTextschluessel dialog(dm, this);
        dialog.TexschluesselBearbeiten(ts, true);
    }
    daten = k;
    GespeichertKonto = k.Konto;
    OKiDO = true;
    accept();
}
