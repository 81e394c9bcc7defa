#include "TformOptionen.h"

#include "Benutzerrechte.h"
#include "DataModule.h"
#include "Datenbank.h"
#include "Komprimieren.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "TformFTPOptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const int UpdateIntervalle[] = {0, 7, 30};

QComboBox* auswahl(QWidget* parent, std::initializer_list<const char16_t*> eintraege,
                   bool editierbar = false) {
    auto* c = new QComboBox(parent);
    for (const auto* e : eintraege)
        c->addItem(QString::fromUtf16(e));
    c->setEditable(editierbar);
    return c;
}

// A folder field with its picker button.
QWidget* verzeichnisFeld(QWidget* parent, QLineEdit* feld) {
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* knopf = new QPushButton(QStringLiteral("..."), w);
    QObject::connect(knopf, &QPushButton::clicked, feld, [feld] {
        const QString v = QFileDialog::getExistingDirectory(
            feld->window(), QStringLiteral("Wähle ein Verzeichnis aus:"), feld->text());
        if (!v.isEmpty())
            feld->setText(v);
    });
    l->addWidget(feld);
    l->addWidget(knopf);
    return w;
}

// A right click on the picture of the transfer tab opens the expert settings.
class FtpBild : public QLabel {
public:
    FtpBild(QWidget* parent, std::function<void()> aktion)
        : QLabel(parent), aktion(std::move(aktion)) {
        setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(48, 48));
    }

protected:
    void contextMenuEvent(QContextMenuEvent* e) override {
        e->accept();
        aktion();
    }

private:
    std::function<void()> aktion;
};

} // namespace

TformOptionen::TformOptionen(TDataModule1& datenmodul, QWidget* parent)
    : QDialog(parent), pcRegister(new QTabWidget(this)), dm(datenmodul) {
    setWindowTitle(QStringLiteral("Optionen"));
    pcRegister->addTab(registerAllgemein(), QStringLiteral("Allgemein"));
    pcRegister->addTab(registerErfassen(), QStringLiteral("Erfassen"));
    pcRegister->addTab(registerDatensicherung(), QStringLiteral("Datensicherung"));
    pcRegister->addTab(registerOffenePosten(), QStringLiteral("Offene Posten/ZV"));
    pcRegister->addTab(registerVerwaltung(), QStringLiteral("Verwaltung"));
    pcRegister->addTab(registerOnlineuebertragung(), QStringLiteral("Onlineübertragung"));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(btnOK, &QPushButton::clicked, this, &TformOptionen::okGeklickt);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcRegister);
    layout->addLayout(knoepfe);
}

QWidget* TformOptionen::registerAllgemein() {
    auto* w = new QWidget(this);
    cbProgrammupdate = auswahl(w, {u"keine Updateprüfung", u"jede Woche", u"jeden Monat"});
    laProgrammupdateOnline = new QLabel(
        QStringLiteral("In der Online-Version werden Programmupdates von der Kelmbrand Nortal GmbH "
                       "direkt durchgeführt!"),
        w);
    laProgrammupdateOnline->setWordWrap(true);
    auto* f = new QFormLayout(w);
    f->addRow(QStringLiteral("Programmupdate:"), cbProgrammupdate);
    f->addRow(laProgrammupdateOnline);
    return w;
}

QWidget* TformOptionen::registerErfassen() {
    auto* w = new QWidget(this);
    cbKontoAnzeige = new QCheckBox(QStringLiteral("Kontoanzeige (Neustart erforderlich)"), w);
    cbKassenminusWarnung = new QCheckBox(QStringLiteral("Warnhinweis bei Kassenminusbestand"), w);
    cbDatenImport = new QCheckBox(QStringLiteral("\"Datenimport\" aktivieren"), w);
    cbWiederkErfassungen =
        new QCheckBox(QStringLiteral("\"Wiederkehrende Erfassungen\" aktivieren"), w);
    cbErstesEingabefeld = auswahl(w, {u"Belegdatum", u"Textschlüssel", u"Gegenkonto", u"Betrag"});
    auto* f = new QFormLayout(w);
    f->addRow(cbKontoAnzeige);
    f->addRow(cbKassenminusWarnung);
    f->addRow(cbDatenImport);
    f->addRow(cbWiederkErfassungen);
    f->addRow(QStringLiteral("Erstes Eingabefeld:"), cbErstesEingabefeld);
    return w;
}

QWidget* TformOptionen::registerDatensicherung() {
    auto* w = new QWidget(this);
    edDaSiVerzeichnis = new QLineEdit(w);
    cbDaSiMaske =
        auswahl(w, {u"Sicherung_%jjjj%_%mm%_%tt%", u"Mandant_#%MNr%", u"Wochentag_%WT%"}, true);
    gbAutoSicherung = new QGroupBox(
        QStringLiteral("automatische Datensicherung beim Beenden und Benutzerwechsel"), w);
    gbAutoSicherung->setCheckable(true);
    cbVorherNachfragen = new QCheckBox(QStringLiteral("Vorher nachfragen"), gbAutoSicherung);
    edDaSiVerzeichnisAuto = new QLineEdit(gbAutoSicherung);
    auto* hinweis = new QLabel(QStringLiteral("Die automatische Datensicherung wird für jeden "
                                              "Wochentag gespeichert. z. B. für Freitag unter dem "
                                              "Dateinamen AutoSicherung_Fr.dasi"),
                               gbAutoSicherung);
    hinweis->setWordWrap(true);
    auto* g = new QFormLayout(gbAutoSicherung);
    g->addRow(cbVorherNachfragen);
    g->addRow(QStringLiteral("Verzeichnis:"),
              verzeichnisFeld(gbAutoSicherung, edDaSiVerzeichnisAuto));
    g->addRow(hinweis);
    auto* f = new QFormLayout(w);
    f->addRow(QStringLiteral("Verzeichnis:"), verzeichnisFeld(w, edDaSiVerzeichnis));
    f->addRow(QStringLiteral("Dateimaske:"), cbDaSiMaske);
    f->addRow(gbAutoSicherung);
    return w;
}

QWidget* TformOptionen::registerOffenePosten() {
    auto* w = new QWidget(this);
    cbOPOS = new QCheckBox(QStringLiteral("Anlage offener Posten akvtivieren (OPOS)"), w);
    cbRechNrPflicht = new QCheckBox(QStringLiteral("Rechnungsnummer ist Pflicht"), w);
    edFaelligkeit = new QLineEdit(w);
    edSkonto = new QLineEdit(w);
    cbSkontoZiehen = auswahl(w, {u"immer ziehen", u"bis Skontofälligkeit", u"bis Fälligkeit"});
    cbBankensammler =
        new QCheckBox(QStringLiteral("Bankensammler bei Erstellung der Zahlungsatei drucken"), w);
    connect(cbOPOS, &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            cbRechNrPflicht->setChecked(true);
        cbRechNrPflicht->setEnabled(!an);
    });
    auto* frage = new QLabel(QStringLiteral("Wieviele Tage im Voraus sollen Rechnungen im ZV als "
                                            "fällig markiert werden:"),
                             w);
    frage->setWordWrap(true);
    auto* f = new QFormLayout(w);
    f->addRow(cbOPOS);
    f->addRow(cbRechNrPflicht);
    f->addRow(frage);
    f->addRow(QStringLiteral("Fälligkeit:"), edFaelligkeit);
    f->addRow(QStringLiteral("Skonto:"), edSkonto);
    f->addRow(QStringLiteral("Skonto ziehen (ZV):"), cbSkontoZiehen);
    f->addRow(cbBankensammler);
    return w;
}

QWidget* TformOptionen::registerVerwaltung() {
    auto* w = new QWidget(this);
    laDatendateiGroesse = new QLabel(w);
    laArchivdateiGroesse = new QLabel(w);
    btnDatendateiKomprimieren = new QPushButton(QStringLiteral("Jetzt komprimieren"), w);
    btnArchivdateiKomprimieren = new QPushButton(QStringLiteral("Jetzt komprimieren"), w);
    connect(btnDatendateiKomprimieren, &QPushButton::clicked, this, [this] { komprimieren(true); });
    connect(btnArchivdateiKomprimieren, &QPushButton::clicked, this,
            [this] { komprimieren(false); });
    auto gruppe = [w](const QString& titel, QLabel* groesse, QPushButton* knopf) {
        auto* g = new QGroupBox(titel, w);
        auto* f = new QFormLayout(g);
        f->addRow(QStringLiteral("Größe:"), groesse);
        f->addRow(knopf);
        return g;
    };
    auto* l = new QVBoxLayout(w);
    l->addWidget(gruppe(QStringLiteral("Datendatei verwalten"), laDatendateiGroesse,
                        btnDatendateiKomprimieren));
    l->addWidget(gruppe(QStringLiteral("Archivdatei verwalten"), laArchivdateiGroesse,
                        btnArchivdateiKomprimieren));
    l->addStretch();
    return w;
}

QWidget* TformOptionen::registerOnlineuebertragung() {
    auto* w = new QWidget(this);
    cbPassivModus = new QCheckBox(QStringLiteral("Passive-Modus"), w);
    cbProxyModus = auswahl(w, {u"Custom Proxy", u"Http Proxy with FTP", u"Kein Proxy",
                               u"NovellBorder", u"Open", u"Site", u"Transparent",
                               u"User Host FireWall ID", u"User Pass", u"User Site"});
    edProxyHost = new QLineEdit(w);
    edProxyUser = new QLineEdit(w);
    edProxyPasswort = new QLineEdit(w);
    edProxyPasswort->setEchoMode(QLineEdit::Password);
    edProxyPort = new QLineEdit(w);
    imgFTP = new FtpBild(w, [this] { ftpOptionenBearbeiten(); });
    connect(cbProxyModus, &QComboBox::currentIndexChanged, this,
            &TformOptionen::proxyFelderSchalten);
    auto* f = new QFormLayout(w);
    f->addRow(imgFTP);
    f->addRow(cbPassivModus);
    f->addRow(QStringLiteral("Proxy:"), cbProxyModus);
    f->addRow(QStringLiteral("Host:"), edProxyHost);
    f->addRow(QStringLiteral("Benutzer:"), edProxyUser);
    f->addRow(QStringLiteral("Passwort:"), edProxyPasswort);
    f->addRow(QStringLiteral("Port:"), edProxyPort);
    return w;
}

bool TformOptionen::Execute(int Tab) {
    if (!AenderungErlaubt())
        return false;
    if (!HatRecht(dm.ADOConnection_Bereich, Rechte::Optionen)) {
        Benutzer().fehler(QStringLiteral("Sie sind nicht berechtigt die Optionen zu ändern!"));
        return false;
    }
    const tOptionen& o = Sitzung().Optionen;
    anzeigen(o);
    for (int i = 0; i < pcRegister->count(); ++i)
        pcRegister->setTabVisible(i, Tab == -1 || Tab == i);
    if (o.Online) {
        pcRegister->setTabVisible(Datensicherung, false);
        pcRegister->setTabVisible(Onlineuebertragung, false);
    }
    pcRegister->setCurrentIndex(Tab == -1 ? 0 : Tab);
    btnAbbrechen->setFocus();
    return exec() == QDialog::Accepted;
}

void TformOptionen::anzeigen(const tOptionen& o) {
    const auto* intervall =
        std::find(std::begin(UpdateIntervalle), std::end(UpdateIntervalle), o.UpdateCheckIntervall);
    cbProgrammupdate->setCurrentIndex(intervall == std::end(UpdateIntervalle) || o.Online
                                          ? 0
                                          : int(intervall - UpdateIntervalle));
    cbProgrammupdate->setEnabled(!o.Online);
    laProgrammupdateOnline->setVisible(o.Online);

    cbKontoAnzeige->setChecked(o.KontoAnzeige);
    cbKassenminusWarnung->setChecked(!o.KassenminusbestandIgnorieren);
    cbDatenImport->setChecked(o.DatenImportAktiv);
    cbWiederkErfassungen->setChecked(o.WiederkErfassungenAktiv);
    cbErstesEingabefeld->setCurrentIndex(qBound(0, o.ErstesEingabeFeld, 3));

    edDaSiVerzeichnis->setText(o.DaSiVerzeichnis);
    cbDaSiMaske->setCurrentText(o.DaSiMaske);
    gbAutoSicherung->setChecked(o.AutoSicherungBeimBeenden);
    cbVorherNachfragen->setChecked(o.AutoSicherungVorherNachfragen);
    edDaSiVerzeichnisAuto->setText(o.DaSiVerzeichnisAuto);

    cbRechNrPflicht->setChecked(o.RechNrPflicht);
    cbOPOS->setChecked(o.OPOS);
    cbRechNrPflicht->setEnabled(!o.OPOS);
    edFaelligkeit->setText(QString::number(o.ZVFaelligkeitstage));
    edSkonto->setText(QString::number(o.ZVSkontoTage));
    cbSkontoZiehen->setCurrentIndex(qBound(0, o.WannSkontoZiehen, 2));
    cbBankensammler->setChecked(o.BankensammlerDrucken);

    groessenAnzeigen();

    FTPUebertragung = o.FTPUebertragung;
    cbPassivModus->setChecked(FTPUebertragung.PassiveModus);
    cbProxyModus->setCurrentIndex(qBound(1, FTPUebertragung.ProxyModus, 10) - 1);
    edProxyHost->setText(FTPUebertragung.ProxyHost);
    edProxyUser->setText(FTPUebertragung.ProxyUser);
    edProxyPasswort->setText(FTPUebertragung.ProxyPasswort);
    edProxyPort->setText(QString::number(FTPUebertragung.ProxyPort));
    proxyFelderSchalten();
}

void TformOptionen::uebernehmen(tOptionen& o) const {
    o.UpdateCheckIntervall = UpdateIntervalle[cbProgrammupdate->currentIndex()];
    o.KontoAnzeige = cbKontoAnzeige->isChecked();
    o.KassenminusbestandIgnorieren = !cbKassenminusWarnung->isChecked();
    o.DatenImportAktiv = cbDatenImport->isChecked();
    o.WiederkErfassungenAktiv = cbWiederkErfassungen->isChecked();
    o.ErstesEingabeFeld = cbErstesEingabefeld->currentIndex();
    o.DaSiVerzeichnis = edDaSiVerzeichnis->text();
    o.DaSiMaske = cbDaSiMaske->currentText();
    o.AutoSicherungBeimBeenden = gbAutoSicherung->isChecked();
    o.AutoSicherungVorherNachfragen = cbVorherNachfragen->isChecked();
    o.DaSiVerzeichnisAuto = edDaSiVerzeichnisAuto->text();
    o.OPOS = cbOPOS->isChecked();
    o.RechNrPflicht = cbRechNrPflicht->isChecked();
    o.ZVFaelligkeitstage = edFaelligkeit->text().trimmed().toInt();
    o.ZVSkontoTage = edSkonto->text().trimmed().toInt();
    o.WannSkontoZiehen = cbSkontoZiehen->currentIndex();
    o.BankensammlerDrucken = cbBankensammler->isChecked();
    o.AufteilungInBuchungsListeAnzeigen = false;
    o.FTPUebertragung = FTPUebertragung;
    o.FTPUebertragung.PassiveModus = cbPassivModus->isChecked();
    o.FTPUebertragung.ProxyModus = cbProxyModus->currentIndex() + 1;
    o.FTPUebertragung.ProxyHost = edProxyHost->text();
    o.FTPUebertragung.ProxyUser = edProxyUser->text();
    o.FTPUebertragung.ProxyPasswort = edProxyPasswort->text();
    o.FTPUebertragung.ProxyPort = edProxyPort->text().trimmed().toInt();
}

void TformOptionen::okGeklickt() {
    for (QLineEdit* feld : {edFaelligkeit, edSkonto}) {
        bool ok = false;
        const int tage = feld->text().trimmed().toInt(&ok);
        if (!ok || tage < 0 || tage > 255) {
            Benutzer().fehler(QStringLiteral("Es sind nur Zahlen zwischen 0 und 255 erlaubt!"));
            pcRegister->setCurrentIndex(OffenePosten);
            feld->setFocus();
            return;
        }
    }
    tOptionen neu = Sitzung().Optionen;
    uebernehmen(neu);
    try {
        OptionenSpeichern(dm, neu);
    } catch (const DatenbankFehler& f) {
        Benutzer().fehler(f.text());
        return;
    }
    Sitzung().Optionen = neu;
    accept();
}

void TformOptionen::groessenAnzeigen() {
    laDatendateiGroesse->setText(DateigroesseText(dm.ADOConnection_Daten.datei()));
    laArchivdateiGroesse->setText(DateigroesseText(dm.ADOConnection_Archiv.datei()));
}

void TformOptionen::komprimieren(bool datendatei) {
    const QString datei = datendatei ? QStringLiteral("Datendatei") : QStringLiteral("Archivdatei");
    const QString wer = datendatei ? QStringLiteral("Betrieb") : QStringLiteral("Betriebsbereich");
    if (Benutzer().frage(
            Meldungsart::Bestaetigung,
            QStringLiteral("Möchten Sie die %1 wirklich komprimieren?\r\rBeachten Sie: "
                           "Es müssen alle Benutzer aus diesem %2 abgemeldet sein!")
                .arg(datei, wer),
            Knoepfe::JaNein) != Antwort::Ja)
        return;
    const bool ok = datendatei ? dm.DatenDateiKomprimieren() : dm.ArchivDateiKomprimieren();
    groessenAnzeigen();
    if (ok)
        Benutzer().information(QStringLiteral("Die %1 wurde erfolgreich komprimiert!").arg(datei));
    else
        Benutzer().fehler(
            QStringLiteral("Es ist ein Fehler beim Komprimieren der %1 aufgetreten!").arg(datei));
}

void TformOptionen::proxyFelderSchalten() {
    const bool mitProxy = cbProxyModus->currentIndex() + 1 != 3;
    for (QWidget* w :
         std::initializer_list<QWidget*>{edProxyHost, edProxyUser, edProxyPasswort, edProxyPort})
        w->setEnabled(mitProxy);
}

void TformOptionen::ftpOptionenBearbeiten() {
    TformFTPOptionen dialog(this);
    dialog.Execute(FTPUebertragung);
}
