#include "TfrmErfassungssuche.h"

#include "DataModule.h"
#include "Datum.h"
#include "OffenePosten.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "TformOP.h"
#include "TfrmErfassungsliste.h"
#include "Uhr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString tabelleErfassungen = QStringLiteral("Erfassungen");
const QString tabelleGeloescht = QStringLiteral("Erfassungen_geloescht");

void fehlerImFeld(QLineEdit* feld, const QString& text) {
    Benutzer().fehler(text);
    feld->setFocus();
    feld->selectAll();
}

} // namespace

TfrmErfassungssuche::TfrmErfassungssuche(TDataModule1& dm_, QWidget* eltern)
    : QWidget(eltern), dm(dm_) {
    auto* layout = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    layout->addLayout(raster);

    const auto feld = [this](QWidget* w) {
        w->installEventFilter(this);
        return w;
    };
    edVon = new QLineEdit(this);
    edBis = new QLineEdit(this);
    edTextschluessel = new QLineEdit(this);
    edBetragVon = new QLineEdit(this);
    edBetragBis = new QLineEdit(this);
    edKonto = new QLineEdit(this);
    edKonto->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), edKonto));
    edErfassungstext = new QLineEdit(this);
    edBelegnummer = new QLineEdit(this);
    edRechnungsnummer = new QLineEdit(this);
    cbTabelle = new QComboBox(this);
    cbTabelle->addItems({QStringLiteral("Erfassungen"), QStringLiteral("gelöschte Erfassungen")});
    btnSucheStarten = new QPushButton(QStringLiteral("Suche starten"), this);

    // Reading order, row by row: label and field pairs in three columns.
    const struct {
        const char* text;
        QWidget* w;
        int zeile;
        int spalte;
    } felder[] = {{"von:", edVon, 0, 0},
                  {"bis:", edBis, 0, 1},
                  {"Textschlüssel:", edTextschluessel, 0, 2},
                  {"Betrag:", edBetragVon, 1, 0},
                  {"bis:", edBetragBis, 1, 1},
                  {"Konto:", edKonto, 1, 2},
                  {"Erfassungstext:", edErfassungstext, 2, 0},
                  {"Belegnummer:", edBelegnummer, 2, 1},
                  {"Rech-Nr.:", edRechnungsnummer, 2, 2}};
    for (const auto& f : felder) {
        auto* l = new QLabel(QString::fromUtf8(f.text), this);
        l->setBuddy(f.w);
        raster->addWidget(l, f.zeile, 2 * f.spalte);
        raster->addWidget(feld(f.w), f.zeile, 2 * f.spalte + 1);
    }
    raster->addWidget(feld(cbTabelle), 3, 1);
    raster->addWidget(feld(btnSucheStarten), 3, 3);
    raster->setColumnStretch(6, 1);

    Liste = new TfrmErfassungsliste(dm, this);
    layout->addWidget(Liste, 1);

    QWidget* vorher = nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{
             edVon, edBis, edTextschluessel, edBetragVon, edBetragBis, edKonto, edErfassungstext,
             edBelegnummer, edRechnungsnummer, cbTabelle, btnSucheStarten, Liste->Raster}) {
        if (vorher)
            setTabOrder(vorher, w);
        vorher = w;
    }

    const QDate heute = Heute();
    edVon->setText(DatumText(QDate(heute.year(), 1, 1)));
    edBis->setText(DatumText(heute));

    // A date typed short ("5.3.") is shown in full once the field is left.
    for (QLineEdit* d : {edVon, edBis})
        connect(d, &QLineEdit::editingFinished, this, [d] {
            const QDate h = Heute();
            if (const auto datum = DatumAusText(d->text(), h.month(), h.year()))
                d->setText(DatumText(*datum));
        });
    connect(btnSucheStarten, &QPushButton::clicked, this, &TfrmErfassungssuche::SucheStarten);
    // The hits of one table say nothing about the other.
    connect(cbTabelle, &QComboBox::currentIndexChanged, Liste, &TfrmErfassungsliste::Leeren);
    connect(Liste, &TfrmErfassungsliste::ErfassungGewaehlt, this,
            &TfrmErfassungssuche::erfassungGewaehlt);
}

TfrmErfassungssuche* TfrmErfassungssuche::ErfassungssucheFenster(TDataModule1& dm,
                                                                 const tErfassungssuche& suche,
                                                                 QWidget* eltern) {
    QWidget* oben = eltern ? eltern->window() : nullptr;
    auto* f = new TfrmErfassungssuche(dm, oben);
    f->setWindowFlags(Qt::Window);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->setWindowTitle(QStringLiteral("Erfassungssuche"));
    QScreen* bildschirm = oben ? oben->screen() : QGuiApplication::primaryScreen();
    const QRect r = bildschirm->geometry();
    f->setGeometry(r.x() + 100, r.y() + 100, r.width() - 200, r.height() - 200);
    auto* schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), f);
    connect(schliessen, &QShortcut::activated, f, &QWidget::close);
    f->KriterienSetzen(suche);
    f->show();
    f->SucheStarten();
    return f;
}

tErfassungssuche TfrmErfassungssuche::BelegnummerSuche(const QString& belegnummer) {
    tErfassungssuche s;
    s.Von = Sitzung().Firma.ErfassungsBeginn;
    s.Bis = Heute();
    s.Belegnummer = belegnummer;
    return s;
}

void TfrmErfassungssuche::KriterienSetzen(const tErfassungssuche& s) {
    edVon->setText(DatumText(s.Von));
    edBis->setText(DatumText(s.Bis));
    edTextschluessel->setText(s.TSName);
    edBetragVon->setText(s.BetragVon.istNull() ? QString() : BetragText(s.BetragVon));
    edBetragBis->setText(s.BetragBis.istNull() ? QString() : BetragText(s.BetragBis));
    edKonto->setText(s.Konto > 0 ? QString::number(s.Konto) : QString());
    edErfassungstext->setText(s.Buchungstext);
    edBelegnummer->setText(s.Belegnummer);
    edRechnungsnummer->setText(s.Rechnungsnummer);
    cbTabelle->setCurrentIndex(s.Tabelle == tabelleGeloescht ? 1 : 0);
}

bool TfrmErfassungssuche::SucheStarten() {
    const std::optional<tErfassungssuche> s = kriterienLesen();
    if (!s)
        return false;
    Liste->ErfassungenEintragenSuche(*s);
    return true;
}

std::optional<tErfassungssuche> TfrmErfassungssuche::kriterienLesen() {
    // A double quote never reaches the search, and the fields show what was searched for.
    for (QLineEdit* f : {edTextschluessel, edErfassungstext, edBelegnummer, edRechnungsnummer})
        if (f->text().contains(u'"'))
            f->setText(f->text().replace(u'"', u' '));

    tErfassungssuche s;
    s.Tabelle = cbTabelle->currentIndex() == 1 ? tabelleGeloescht : tabelleErfassungen;
    const QDate heute = Heute();
    for (const auto& [feld, ziel] : {std::pair{edVon, &s.Von}, std::pair{edBis, &s.Bis}}) {
        if (feld->text().trimmed().isEmpty())
            continue;
        const auto datum = DatumAusText(feld->text(), heute.month(), heute.year());
        if (!datum) {
            fehlerImFeld(feld, QStringLiteral("Ungültiges Datum!"));
            return std::nullopt;
        }
        *ziel = *datum;
        feld->setText(DatumText(*datum));
    }
    for (const auto& [feld, ziel] :
         {std::pair{edBetragVon, &s.BetragVon}, std::pair{edBetragBis, &s.BetragBis}}) {
        if (feld->text().trimmed().isEmpty())
            continue;
        const auto betrag = BetragAusText(feld->text());
        if (!betrag) {
            fehlerImFeld(feld, QStringLiteral("Ungültiger Betrag! Geben Sie den Betrag bitte so "
                                              "ein: 1.234,56"));
            return std::nullopt;
        }
        *ziel = *betrag;
    }
    s.Konto = edKonto->text().toLongLong();
    s.TSName = edTextschluessel->text();
    s.Buchungstext = edErfassungstext->text();
    s.Belegnummer = edBelegnummer->text();
    s.Rechnungsnummer = edRechnungsnummer->text();
    return s;
}

// The open item of the chosen booking; without one an empty dialog would only puzzle. A
// read-only user sees it unchangeable, without being refused first (AenderungErlaubt would).
void TfrmErfassungssuche::erfassungGewaehlt(qint64 buchungsId) {
    if (!OPLaden(dm.ADOConnection_Daten, -1, buchungsId)) {
        Benutzer().information(QStringLiteral("Zu dieser Erfassung gehört kein offener Posten."));
        return;
    }
    TformOP dlg(dm, this);
    dlg.OPBearbeiten(-1, buchungsId, Sitzung().NurLesen);
}

void TfrmErfassungssuche::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        edVon->setFocus();
}

// Enter in any field starts the search.
bool TfrmErfassungssuche::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            SucheStarten();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
