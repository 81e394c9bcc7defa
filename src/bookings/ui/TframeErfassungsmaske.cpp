#include "TframeErfassungsmaske.h"

#include "Benutzereinstellungen.h"
#include "Buchungspruefung.h"
#include "DataModule.h"
#include "Datum.h"
#include "Konten.h"
#include "Rueckfragen.h"
#include "Salden.h"
#include "Sitzung.h"
#include "TformBemerkung.h"
#include "TformKonto.h"
#include "TformKontoauswahl.h"
#include "TformTextschluessel.h"
#include "TfrmErfassungen.h"
#include "Uhr.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const Monatsnamen[] = {"Januar",    "Februar", "März",     "April",
                                   "Mai",       "Juni",    "Juli",     "August",
                                   "September", "Oktober", "November", "Dezember"};

} // namespace

TframeErfassungsmaske::TframeErfassungsmaske(TDataModule1& d, QWidget* eltern)
    : QWidget(eltern), Maske(d), dm(d) {
    setObjectName(QStringLiteral("TframeErfassungsmaske"));
    auto* layout = new QVBoxLayout(this);

    auto* kopf = new QHBoxLayout;
    kopf->addStretch(1);
    auto* saldoPanel = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        Saldo[i] = new QLabel(this);
        Saldo[i]->setObjectName(QStringLiteral("Saldo%1").arg(i));
        saldoPanel->addWidget(Saldo[i], i, 0);
    }
    kopf->addLayout(saldoPanel);
    btnJahrAuswahl = new QToolButton(this);
    btnMonatauswahl = new QToolButton(this);
    for (QToolButton* b : {btnJahrAuswahl, btnMonatauswahl}) {
        b->setPopupMode(QToolButton::InstantPopup);
        b->setMenu(new QMenu(b));
        b->setFocusPolicy(Qt::NoFocus);
        kopf->addWidget(b);
    }
    connect(btnMonatauswahl->menu(), &QMenu::aboutToShow, this,
            &TframeErfassungsmaske::monatsmenue);
    connect(btnJahrAuswahl->menu(), &QMenu::aboutToShow, this, &TframeErfassungsmaske::jahresmenue);
    layout->addLayout(kopf);

    BuchungsZeile = new QWidget(this);
    auto* zeile = new QGridLayout(BuchungsZeile);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setHorizontalSpacing(1);
    for (int c = 0; c < Spalte::Anzahl; ++c) {
        const tSpaltenDaten& s = BuchungsZeilenDaten(c);
        auto* kopfzelle = new QLabel(s.Bezeichnung, BuchungsZeile);
        zeile->addWidget(kopfzelle, 0, c);
        Zelle[c] = new QLineEdit(BuchungsZeile);
        Zelle[c]->setObjectName(QStringLiteral("Spalte%1").arg(c));
        Zelle[c]->setAlignment(s.Rechts ? Qt::AlignRight : Qt::AlignLeft);
        if (c != Spalte::Text)
            Zelle[c]->setFixedWidth(s.Breite + 10);
        Zelle[c]->installEventFilter(this);
        zeile->addWidget(Zelle[c], 1, c);
        connect(Zelle[c], &QLineEdit::textEdited, this, [this, c](const QString& text) {
            Maske.Z.Spalten[c] = text;
            if (c == Spalte::TS) {
                Maske.TSAuswaehlen(text);
                tsListeAnzeigen();
            }
            if (c == Spalte::Betrag && Maske.Z.AufteilungAktiv) {
                Maske.AufteilungDurchRechnen();
                splitAnzeigen();
            }
            if (c == Spalte::Betrag)
                zvAnzeigen();
        });
    }
    zeile->setColumnStretch(Spalte::Text, 1);
    layout->addWidget(BuchungsZeile);
    BuchungFehlerLabel = new QLabel(this);
    BuchungFehlerLabel->setObjectName(QStringLiteral("BuchungFehlerLabel"));
    BuchungFehlerLabel->setStyleSheet(QStringLiteral("color: red"));
    layout->addWidget(BuchungFehlerLabel);

    auto* teiler = new QSplitter(this);
    pcErfassung = new QTabWidget(teiler);
    tabInfo = new QWidget;
    auto* info = new QVBoxLayout(tabInfo);
    Erfassungen = new TfrmErfassungen(dm, tabInfo);
    info->addWidget(Erfassungen);
    pcErfassung->addTab(tabInfo, QStringLiteral("Info"));
    connect(Erfassungen, &TfrmErfassungen::Bearbeiten, this, [this](qint64 buchungsId) {
        Maske.BuchungLaden(QStringLiteral("Erfassungen"), buchungsId);
        anzeigen();
    });
    connect(Erfassungen, &TfrmErfassungen::Geaendert, this, [this] {
        Maske.BuchungsmaskeLeeren(true, true, true);
        anzeigen();
    });
    tabZVDaten = new QWidget;
    auto* zv = new QGridLayout(tabZVDaten);
    cbBankeinzug = new QCheckBox(QStringLiteral("Bankeinzug"), tabZVDaten);
    cbBankeinzug->setObjectName(QStringLiteral("cbBankeinzug"));
    connect(cbBankeinzug, &QCheckBox::clicked, this, [this](bool an) { Maske.Z.Bankeinzug = an; });
    edRechNr = new QLineEdit(tabZVDaten);
    gbZahlung = new QWidget(tabZVDaten);
    edValutaTage = new QLineEdit(gbZahlung);
    edValutaDatum = new QLineEdit(gbZahlung);
    edSkontoTage = new QLineEdit(gbZahlung);
    edSkontoDatum = new QLineEdit(gbZahlung);
    edSkontoSatz = new QLineEdit(gbZahlung);
    edSkontoBetrag = new QLineEdit(gbZahlung);
    edNettoTage = new QLineEdit(gbZahlung);
    edFaelligkeitsDatum = new QLineEdit(gbZahlung);
    laZahlbetrag = new QLabel(gbZahlung);
    const std::pair<QLineEdit*, const char*> namen[] = {
        {edRechNr, "edRechNr"},
        {edValutaTage, "edValutaTage"},
        {edValutaDatum, "edValutaDatum"},
        {edSkontoTage, "edSkontoTage"},
        {edSkontoDatum, "edSkontoDatum"},
        {edSkontoSatz, "edSkontoSatz"},
        {edSkontoBetrag, "edSkontoBetrag"},
        {edNettoTage, "edNettoTage"},
        {edFaelligkeitsDatum, "edFaelligkeitsDatum"}};
    for (const auto& [feld, name] : namen)
        feld->setObjectName(QString::fromLatin1(name));
    for (QLineEdit* e : {edValutaTage, edSkontoTage, edNettoTage}) {
        e->setMaxLength(3);
        e->setValidator(new QIntValidator(0, 999, e));
    }
    auto* zahlung = new QGridLayout(gbZahlung);
    zahlung->setContentsMargins(0, 0, 0, 0);
    zahlung->addWidget(new QLabel(QStringLiteral("Valuta:"), gbZahlung), 0, 0);
    zahlung->addWidget(edValutaTage, 0, 1);
    zahlung->addWidget(edValutaDatum, 0, 2);
    zahlung->addWidget(new QLabel(QStringLiteral("Skonto:"), gbZahlung), 1, 0);
    zahlung->addWidget(edSkontoTage, 1, 1);
    zahlung->addWidget(edSkontoDatum, 1, 2);
    zahlung->addWidget(edSkontoSatz, 1, 3);
    zahlung->addWidget(edSkontoBetrag, 1, 4);
    zahlung->addWidget(new QLabel(QStringLiteral("Nettofälligkeit:"), gbZahlung), 2, 0);
    zahlung->addWidget(edNettoTage, 2, 1);
    zahlung->addWidget(edFaelligkeitsDatum, 2, 2);
    zahlung->addWidget(laZahlbetrag, 3, 0, 1, 5);
    zv->addWidget(cbBankeinzug, 0, 1);
    zv->addWidget(new QLabel(QStringLiteral("Rechnungsnummer:"), tabZVDaten), 1, 0);
    zv->addWidget(edRechNr, 1, 1);
    zv->addWidget(gbZahlung, 2, 0, 1, 2);
    laKundennummer = new QLabel(tabZVDaten);
    laIBAN = new QLabel(tabZVDaten);
    laMandatsreferenz = new QLabel(tabZVDaten);
    laMandatsunterschriftDatum = new QLabel(tabZVDaten);
    const std::pair<QLabel*, const char16_t*> kontoZeilen[] = {
        {laKundennummer, u"Kundennummer:"},
        {laIBAN, u"IBAN:"},
        {laMandatsreferenz, u"Mandatsreferenz:"},
        {laMandatsunterschriftDatum, u"Mandatsunterschrift am:"}};
    int zeilenNr = 0;
    for (const auto& [wert, text] : kontoZeilen) {
        zv->addWidget(new QLabel(QString::fromUtf16(text), tabZVDaten), zeilenNr, 2);
        zv->addWidget(wert, zeilenNr++, 3);
    }
    btnFaelligkeitAufteilen = new QPushButton(QStringLiteral("Fälligkeit aufteilen"), tabZVDaten);
    btnKontoBearbeiten = new QPushButton(QStringLiteral("Konto bearbeiten (F10)"), tabZVDaten);
    zv->addWidget(btnFaelligkeitAufteilen, zeilenNr, 2);
    zv->addWidget(btnKontoBearbeiten, zeilenNr, 3);
    zv->setColumnStretch(4, 1);
    zv->setRowStretch(zeilenNr + 1, 1);
    for (QLineEdit* e : zvFelder()) {
        connect(e, &QLineEdit::editingFinished, this, [this, e] { zvFeldVerlassen(e); });
        e->installEventFilter(this);
    }
    connect(edRechNr, &QLineEdit::textEdited, BuchungFehlerLabel, &QLabel::clear);
    connect(btnFaelligkeitAufteilen, &QPushButton::clicked, this, [this] {
        Maske.FaelligkeitAufteilen();
        zvAnzeigen();
    });
    pcErfassung->addTab(tabZVDaten, QStringLiteral("ZV-Daten"));
    tabAufteilung = new QWidget;
    auto* aufteilung = new QVBoxLayout(tabAufteilung);
    AufteilungsListe = new QTableWidget(0, 4, tabAufteilung);
    AufteilungsListe->setObjectName(QStringLiteral("AufteilungsListe"));
    AufteilungsListe->setHorizontalHeaderLabels({QStringLiteral("Konto"), QStringLiteral("Betrag"),
                                                 QStringLiteral("Steuer"), QStringLiteral("Text")});
    AufteilungsListe->horizontalHeader()->setStretchLastSection(true);
    AufteilungsListe->verticalHeader()->hide();
    AufteilungsListe->installEventFilter(this);
    aufteilung->addWidget(AufteilungsListe);
    connect(AufteilungsListe, &QTableWidget::currentCellChanged, this,
            [this](int zeile, int spalte, int, int) {
                if (anzeigeLaeuft || zeile < 0)
                    return;
                Maske.SplitWechseln(zeile, spalte);
                splitAnzeigen();
            });
    connect(AufteilungsListe, &QTableWidget::cellChanged, this,
            &TframeErfassungsmaske::splitZelleGeaendert);
    pcErfassung->addTab(tabAufteilung, QStringLiteral("Aufteilung"));
    paErfassungZusatz = new QStackedWidget(teiler);
    TSListe = new QTableWidget(0, 2, paErfassungZusatz);
    TSListe->setObjectName(QStringLiteral("TSListe"));
    TSListe->setHorizontalHeaderLabels({QStringLiteral("TS"), QStringLiteral("Bezeichnung")});
    TSListe->horizontalHeader()->setStretchLastSection(true);
    TSListe->verticalHeader()->hide();
    TSListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TSListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    TSListe->setFocusPolicy(Qt::NoFocus);
    connect(TSListe, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (Maske.Z.AufteilungAktiv || zeile >= int(Maske.TSListe.size()))
            return;
        Maske.Aktiv[Spalte::TS] = true;
        Maske.Z.Spalten[Spalte::TS] = Maske.TSListe[size_t(zeile)].TSName;
        Maske.TSIndex = zeile;
        Maske.Cursor = Spalte::TS;
        gehe(Spalte::Betrag);
    });
    paErfassungZusatz->addWidget(TSListe);
    SteuerListe = new QTableWidget(0, 2, paErfassungZusatz);
    SteuerListe->setObjectName(QStringLiteral("SteuerListe"));
    SteuerListe->setHorizontalHeaderLabels(
        {QStringLiteral("Steuer"), QStringLiteral("Bezeichnung")});
    SteuerListe->horizontalHeader()->setStretchLastSection(true);
    SteuerListe->verticalHeader()->hide();
    SteuerListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SteuerListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    SteuerListe->setFocusPolicy(Qt::NoFocus);
    // A double click takes the key into the tax cell the cursor stands in.
    connect(SteuerListe, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (zeile >= int(Maske.Steuerliste.size()))
            return;
        const QString schluessel = Maske.Steuerliste[size_t(zeile)].first;
        if (Maske.SplitlisteHatFokus && Maske.SplitSpalte == 2 &&
            size_t(Maske.SplitZeile) < Maske.Z.Aufteilung.size()) {
            Maske.Z.Aufteilung[size_t(Maske.SplitZeile)].Steuer = schluessel;
        } else if (!Maske.SplitlisteHatFokus && Maske.Cursor == Spalte::Steuer &&
                   Maske.Aktiv[Spalte::Steuer]) {
            Maske.Z.Spalten[Spalte::Steuer] = schluessel;
        } else {
            return;
        }
        anzeigen();
    });
    paErfassungZusatz->addWidget(SteuerListe);
    layout->addWidget(teiler, 1);

    const auto aktion = [this](QAction*& a, const QString& name, const QString& text, Qt::Key taste,
                               auto ausfuehren) {
        a = new QAction(text, this);
        a->setObjectName(name);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        a->setIconText(QKeySequence(taste).toString() + QStringLiteral(" - ") + text);
        connect(a, &QAction::triggered, this, ausfuehren);
        addAction(a);
    };
    aktion(acErfassungLeeren, QStringLiteral("acErfassungLeeren"), QStringLiteral("verwerfen"),
           Qt::Key_F2, [this] {
               Maske.BuchungsmaskeLeeren(true, true, true);
               anzeigen();
           });
    acErfassungLeeren->setToolTip(QStringLiteral("Leert die Erfassungsmaske"));
    aktion(acErfassungKlaeren, QStringLiteral("acErfassungKlaeren"), QStringLiteral("klären"),
           Qt::Key_F3, [this] {
               Maske.KlaerenUmschalten();
               anzeigen();
           });
    acErfassungKlaeren->setCheckable(true);
    acErfassungKlaeren->setToolTip(QStringLiteral("Schaltet die Erfassung auf unklar/geklärt"));
    aktion(acErfassungBemerkung, QStringLiteral("acErfassungBemerkung"),
           QStringLiteral("Bemerkungen"), Qt::Key_F4, [this] { bemerkung(); });
    acErfassungBemerkung->setToolTip(QStringLiteral("Fügt der Erfassung eine Bemerkung hinzu"));
    aktion(acErfassungAufteilen, QStringLiteral("acErfassungAufteilen"),
           QStringLiteral("aufteilen und zurück"), Qt::Key_F5, [this] {
               Maske.Z.Spalten[Maske.Cursor] = Zelle[Maske.Cursor]->text();
               Maske.AufteilenUndZurueck();
               if (Maske.SplitlisteHatFokus)
                   pcErfassung->setCurrentWidget(tabAufteilung);
               else if (Maske.Z.AufteilungAktiv)
                   Maske.SplitZeile = int(Maske.Z.Aufteilung.size()) - 2;
               anzeigen();
           });
    aktion(acTSAnlegen, QStringLiteral("acTSAnlegen"), QStringLiteral("Textschlüssel anlegen"),
           Qt::Key_F6, [this] {
               TformTextschluessel dialog(dm, this);
               if (dialog.NeuerTexschluessel(QString(), Maske.Z.Spalten[Spalte::Text],
                                             Maske.Z.Spalten[Spalte::GKonto].toLongLong()))
                   Maske.TextschluesselLaden();
               anzeigen();
           });
    acTSAnlegen->setToolTip(QStringLiteral("Legt einen neuen Textschlüssel an"));
    aktion(acErfassungSpeichern, QStringLiteral("acErfassungSpeichern"),
           QStringLiteral("speichern"), Qt::Key_F9, [this] { speichern(); });
    acErfassungSpeichern->setToolTip(QStringLiteral("Speichert die Erfassung"));
    aktion(acKontoBearbeiten, QStringLiteral("acKontoBearbeiten"),
           QStringLiteral("Konto bearbeiten"), Qt::Key_F10, [this] {
               const qint64 g = Maske.Z.Spalten[Spalte::GKonto].trimmed().toLongLong();
               if (!IstPersonenkonto(g))
                   return;
               TformKonto dialog(dm, this);
               if (!dialog.KontoBearbeiten(KontoArtErmitteln(g), g))
                   return;
               if (!Maske.ZVGruppeSichtbar ||
                   Benutzer().frage(Meldungsart::Bestaetigung,
                                    QStringLiteral("Möchten Sie die Änderungen der "
                                                   "Zahlungsstammdaten in die aktueller Erfassung "
                                                   "übernehmen?"),
                                    Knoepfe::JaNein) == Antwort::Ja)
                   Maske.ZVDatenEintragen(QString::number(g));
               anzeigen();
           });
    connect(btnKontoBearbeiten, &QPushButton::clicked, acKontoBearbeiten, &QAction::trigger);
    aktion(acTSBearbeiten, QStringLiteral("acTSBearbeiten"),
           QStringLiteral("Textschlüssel bearbeiten"), Qt::Key_F11, [this] {
               TformTextschluessel dialog(dm, this);
               if (dialog.TexschluesselBearbeiten(Maske.Z.Spalten[Spalte::TS], false))
                   Maske.TextschluesselLaden();
               anzeigen();
           });

    paMenueErfassungsmaske = new QToolBar(this);
    paMenueErfassungsmaske->setObjectName(QStringLiteral("paMenueErfassungsmaske"));
    paMenueErfassungsmaske->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* a : {acErfassungLeeren, acErfassungSpeichern, acErfassungAufteilen,
                       acErfassungKlaeren, acErfassungBemerkung, acTSAnlegen})
        paMenueErfassungsmaske->addAction(a);
    for (QWidget* knopf : paMenueErfassungsmaske->findChildren<QToolButton*>())
        knopf->setFocusPolicy(Qt::NoFocus);
    auto* abstand = new QWidget(paMenueErfassungsmaske);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    paMenueErfassungsmaske->addWidget(abstand);
    btnTSAnzeigenSwitch = new QPushButton(paMenueErfassungsmaske);
    btnTSAnzeigenSwitch->setObjectName(QStringLiteral("btnTSAnzeigenSwitch"));
    btnTSAnzeigenSwitch->setFocusPolicy(Qt::NoFocus);
    paMenueErfassungsmaske->addWidget(btnTSAnzeigenSwitch);
    connect(btnTSAnzeigenSwitch, &QPushButton::clicked, this, [this] {
        const bool anzeigen = paErfassungZusatz->isHidden();
        tsListeUmschalten(anzeigen);
        TextschluesselAusblendenSchreiben(dm.ADOConnection_Bereich, Sitzung().BenutzerID,
                                          !anzeigen);
    });
    tsListeUmschalten(
        !TextschluesselAusblendenLesen(dm.ADOConnection_Bereich, Sitzung().BenutzerID));
    layout->insertWidget(1, paMenueErfassungsmaske);
}

void TframeErfassungsmaske::tsListeUmschalten(bool anzeigen) {
    paErfassungZusatz->setVisible(anzeigen);
    btnTSAnzeigenSwitch->setText(anzeigen ? QStringLiteral("Textschlüsselliste ausblenden")
                                          : QStringLiteral("Textschlüsselliste anzeigen"));
}

void TframeErfassungsmaske::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The switch needs room; on a narrow screen the list keeps its state.
    btnTSAnzeigenSwitch->setVisible(width() > 1056);
}

QList<QAction*> TframeErfassungsmaske::Aktionen() const {
    return {acErfassungLeeren, acErfassungKlaeren,   acErfassungBemerkung, acErfassungAufteilen,
            acTSAnlegen,       acErfassungSpeichern, acKontoBearbeiten,    acTSBearbeiten};
}

void TframeErfassungsmaske::BereichOeffnen(int bereichId) {
    Maske.BereichOeffnen(bereichId);
    const bool zv = Maske.ZVSeiteSichtbar();
    pcErfassung->setTabVisible(pcErfassung->indexOf(tabZVDaten), zv);
    pcErfassung->setCurrentWidget(tabInfo);
    Erfassungen->BereichAnzeigen(bereichId);
    monatsabschlussAnpassen();
    anzeigen();
}

void TframeErfassungsmaske::monatGewechselt() {
    Erfassungen->Aktualisieren();
    monatsabschlussAnpassen();
    anzeigen();
}

void TframeErfassungsmaske::monatsabschlussAnpassen() {
    const bool abgeschlossen =
        MonatAbgeschlossen(dm.ADOConnection_Daten, Sitzung().Monat, Sitzung().Jahr);
    BuchungsZeile->setVisible(!abgeschlossen);
    BuchungFehlerLabel->setVisible(!abgeschlossen);
    paMenueErfassungsmaske->setVisible(!abgeschlossen);
    Erfassungen->MonatsabschlussAnpassen(abgeschlossen);
}

void TframeErfassungsmaske::bemerkung() {
    TformBemerkung::BemerkungBearbeiten(Maske.Z.BuchungsBemerkung, false, Maske.Z.BuchungsBemerkung,
                                        this);
    anzeigen();
}

void TframeErfassungsmaske::kopfAnzeigen() {
    btnJahrAuswahl->setText(QStringLiteral("Jahr: ") + QString::number(Sitzung().Jahr));
    btnMonatauswahl->setText(QStringLiteral("Monat: ") +
                             QStringLiteral("%1").arg(Sitzung().Monat, 2, 10, QLatin1Char('0')));
}

void TframeErfassungsmaske::SaldenAnzeige() {
    const tSaldenAnzeige s =
        ::SaldenAnzeige(dm.ADOConnection_Daten, dm.ADOConnection_Archiv, Maske.Bereich().BereichID,
                        Sitzung().Monat, Sitzung().Jahr);
    for (int i = 0; i < 3; ++i)
        Saldo[i]->setText(s.Bezeichnung[i].isEmpty()
                              ? QString()
                              : s.Bezeichnung[i] + u' ' + BetragText(s.Wert[i]));
}

void TframeErfassungsmaske::anzeigen() {
    anzeigeLaeuft = true;
    for (int c = 0; c < Spalte::Anzahl; ++c) {
        if (Zelle[c]->text() != Maske.Z.Spalten[c])
            Zelle[c]->setText(Maske.Z.Spalten[c]);
        Zelle[c]->setReadOnly(!Maske.Aktiv[c]);
        Zelle[c]->setStyleSheet(Maske.Aktiv[c] ? QString() : QStringLiteral("color: grey"));
        Zelle[c]->setVisible(c > Spalte::GKonto || c < Spalte::Konto ||
                             Sitzung().Optionen.KontoAnzeige);
    }
    BuchungFehlerLabel->setText(Maske.Fehler);
    acErfassungKlaeren->setChecked(Maske.Z.Klaeren);
    pcErfassung->setTabVisible(pcErfassung->indexOf(tabAufteilung), Maske.Z.AufteilungAktiv);
    AufteilungsListe->setEnabled(Maske.Z.AufteilungAktiv);
    kopfAnzeigen();
    SaldenAnzeige();
    tsListeAnzeigen();
    steuerListeAnzeigen();
    splitAnzeigen();
    zvAnzeigen();
    anzeigeLaeuft = false;
    if (Maske.SplitlisteHatFokus) {
        AufteilungsListe->setFocus();
    } else if (isVisible() || !window()->isHidden()) {
        Zelle[Maske.Cursor]->setFocus();
        Zelle[Maske.Cursor]->selectAll();
    }
}

void TframeErfassungsmaske::tsListeAnzeigen() {
    if (TSListe->rowCount() != int(Maske.TSListe.size())) {
        TSListe->setRowCount(int(Maske.TSListe.size()));
        for (int i = 0; i < TSListe->rowCount(); ++i) {
            const tTextschluesselZeile& z = Maske.TSListe[size_t(i)];
            auto* name = new QTableWidgetItem(z.TSName);
            if (z.Konto >= 10000 && z.Konto <= 69999)
                name->setForeground(Qt::darkGreen);
            else if (z.Konto >= 80000 && z.Konto <= 89999)
                name->setForeground(Qt::blue);
            else if (z.Konto >= 90000 && z.Konto <= 99999)
                name->setForeground(Qt::red);
            TSListe->setItem(i, 0, name);
            TSListe->setItem(i, 1, new QTableWidgetItem(z.Buchungstext2));
        }
    }
    TSListe->clearSelection();
    if (Maske.TSIndex >= 0) {
        TSListe->selectRow(Maske.TSIndex);
        TSListe->scrollToItem(TSListe->item(Maske.TSIndex, 0), QAbstractItemView::PositionAtTop);
    }
}

void TframeErfassungsmaske::steuerListeAnzeigen() {
    SteuerListe->setRowCount(int(Maske.Steuerliste.size()));
    for (int i = 0; i < SteuerListe->rowCount(); ++i) {
        const auto& [schluessel, bezeichnung] = Maske.Steuerliste[size_t(i)];
        SteuerListe->setItem(i, 0, new QTableWidgetItem(schluessel));
        SteuerListe->setItem(i, 1, new QTableWidgetItem(bezeichnung));
    }
    const bool steuer =
        Maske.SplitlisteHatFokus ? Maske.SplitSpalte == 2 : Maske.Cursor == Spalte::Steuer;
    paErfassungZusatz->setCurrentWidget(steuer ? SteuerListe : TSListe);
}

void TframeErfassungsmaske::splitAnzeigen() {
    const bool war = anzeigeLaeuft;
    anzeigeLaeuft = true;
    const auto& liste = Maske.Z.Aufteilung;
    AufteilungsListe->setRowCount(int(liste.size()));
    for (int r = 0; r < int(liste.size()); ++r) {
        const auto& z = liste[size_t(r)];
        const QString texte[4] = {z.Konto, z.Betrag, z.Steuer, z.Text};
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem* item = AufteilungsListe->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                AufteilungsListe->setItem(r, c, item);
            }
            item->setText(texte[c]);
            item->setTextAlignment(c < 2    ? Qt::AlignRight | Qt::AlignVCenter
                                   : c == 2 ? Qt::AlignCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
            if (r == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(QColor(232, 232, 240));
            }
            if (c == 1)
                item->setForeground(texte[c].startsWith(u'-') ? Qt::red : Qt::black);
        }
    }
    if (Maske.Z.AufteilungAktiv && Maske.SplitZeile < AufteilungsListe->rowCount())
        AufteilungsListe->setCurrentCell(Maske.SplitZeile, Maske.SplitSpalte);
    anzeigeLaeuft = war;
}

void TframeErfassungsmaske::splitZelleGeaendert(int zeile, int spalte) {
    if (anzeigeLaeuft || zeile < 0 || size_t(zeile) >= Maske.Z.Aufteilung.size())
        return;
    auto& z = Maske.Z.Aufteilung[size_t(zeile)];
    QString* felder[4] = {&z.Konto, &z.Betrag, &z.Steuer, &z.Text};
    *felder[spalte] = AufteilungsListe->item(zeile, spalte)->text();
    if (spalte == 0)
        Maske.TSAuswaehlen(z.Konto);
    if (spalte == 1)
        Maske.AufteilungDurchRechnen();
    splitAnzeigen();
    tsListeAnzeigen();
}

void TframeErfassungsmaske::zvAnzeigen() {
    const tMaskenZustand& z = Maske.Z;
    cbBankeinzug->setVisible(Maske.ZVGruppeSichtbar);
    gbZahlung->setVisible(Maske.ZVGruppeSichtbar);
    cbBankeinzug->setChecked(z.Bankeinzug);
    cbBankeinzug->setEnabled(!Maske.BankeinzugGesperrt);
    edRechNr->setText(z.Rechnungsnummer);
    edRechNr->setEnabled(!Maske.Bereich().BNrAlsRNr);
    edValutaTage->setText(QString::number(z.Valutatage));
    edValutaDatum->setText(DatumText(Maske.ValutaDatum()));
    edSkontoTage->setText(QString::number(z.Skontotage));
    edSkontoDatum->setText(DatumText(Maske.SkontoDatum()));
    edSkontoSatz->setText(QString::number(z.SkontoSatz, 'f', 2).replace(u'.', u',') +
                          QStringLiteral(" %"));
    edSkontoBetrag->setText(BetragText(z.SkontoBetrag));
    edNettoTage->setText(QString::number(z.Nettotage));
    edFaelligkeitsDatum->setText(DatumText(Maske.FaelligkeitsDatum()));
    laZahlbetrag->setText(Maske.Zahlbetrag());
    // Instalments replace the discount and net terms.
    const bool offen = !z.Faelligkeitsaufteilung;
    for (QWidget* w :
         std::initializer_list<QWidget*>{edSkontoTage, edSkontoDatum, edSkontoSatz, edSkontoBetrag,
                                         edNettoTage, edFaelligkeitsDatum, laZahlbetrag})
        w->setEnabled(offen);
    laKundennummer->setText(Maske.ZVKundennummer);
    laIBAN->setText(Maske.ZVIBAN);
    laMandatsreferenz->setText(Maske.ZVMandatsreferenz);
    laMandatsunterschriftDatum->setText(Maske.ZVMandatsdatum);
}

std::vector<QLineEdit*> TframeErfassungsmaske::zvFelder() const {
    return {edRechNr,     edValutaTage,   edValutaDatum, edSkontoTage,       edSkontoDatum,
            edSkontoSatz, edSkontoBetrag, edNettoTage,   edFaelligkeitsDatum};
}

bool TframeErfassungsmaske::zvFeldVerlassen(QLineEdit* e) {
    if (anzeigeLaeuft)
        return true;
    tMaskenZustand& z = Maske.Z;
    const QString text = e->text();
    bool gueltig = true;
    if (e == edRechNr) {
        z.Rechnungsnummer = text;
    } else if (e == edValutaTage || e == edSkontoTage) {
        (e == edValutaTage ? z.Valutatage : z.Skontotage) = text.toInt();
        Maske.NettotageAnheben();
    } else if (e == edNettoTage) {
        z.Nettotage = text.toInt();
    } else if (e == edSkontoSatz) {
        QString satz = text;
        satz.remove(u'%').replace(u',', u'.');
        Maske.SkontoSatzSetzen(satz.trimmed().toDouble());
    } else if (e == edSkontoBetrag) {
        Maske.SkontoBetragSetzen(BetragAusText(text).value_or(Betrag()));
    } else if (e == edValutaDatum) {
        gueltig = Maske.ValutaDatumVerlassen(text);
    } else if (e == edSkontoDatum) {
        gueltig = Maske.SkontoDatumVerlassen(text);
    } else if (e == edFaelligkeitsDatum) {
        gueltig = Maske.FaelligkeitsDatumVerlassen(text);
    }
    anzeigeLaeuft = true;
    zvAnzeigen();
    anzeigeLaeuft = false;
    if (!gueltig) {
        e->setFocus();
        e->selectAll();
    }
    return gueltig;
}

void TframeErfassungsmaske::zvEnter(QLineEdit* e) {
    if (!zvFeldVerlassen(e))
        return;
    if (e == edFaelligkeitsDatum || (e == edRechNr && !gbZahlung->isVisible())) {
        Maske.Cursor = Spalte::Nummer;
        anzeigen();
        return;
    }
    // From the valuta date Enter passes over the discount days to the discount date.
    int schritte = e == edValutaDatum ? 2 : 1;
    const std::vector<QLineEdit*> felder = zvFelder();
    for (auto it = std::find(felder.begin(), felder.end(), e) + 1; it != felder.end(); ++it)
        if ((*it)->isEnabled() && --schritte == 0) {
            (*it)->setFocus();
            (*it)->selectAll();
            return;
        }
}

void TframeErfassungsmaske::gehe(int spalte) {
    Maske.Z.Spalten[Maske.Cursor] = Zelle[Maske.Cursor]->text();
    Maske.Fehler.clear();
    if (spalte >= 0 && spalte < Spalte::Anzahl)
        Maske.Wechseln(spalte);
    anzeigen();
}

void TframeErfassungsmaske::speichern() {
    if (Maske.SplitlisteHatFokus)
        Maske.SplitlisteHatFokus = false;
    Maske.Z.Spalten[Maske.Cursor] = Zelle[Maske.Cursor]->text();
    const std::vector<QLineEdit*> felder = zvFelder();
    if (const auto it = std::find(felder.begin(), felder.end(), QApplication::focusWidget());
        it != felder.end() && !zvFeldVerlassen(*it))
        return;
    if (Maske.Speichern())
        Erfassungen->Aktualisieren();
    anzeigen();
    if (Maske.FehlerFeld == Pruefcode::Rechnungsnummer)
        edRechNr->setFocus();
    else if (Maske.FehlerFeld == Pruefcode::Skontosatz ||
             Maske.FehlerFeld == Pruefcode::Skontobetrag)
        edSkontoSatz->setFocus();
}

bool TframeErfassungsmaske::zeilenTaste(int c, QKeyEvent* k) {
    const QString text = k->text();
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Maske.Z.Spalten[c] = Zelle[c]->text();
        Maske.Fehler.clear();
        if (Maske.Enter())
            Erfassungen->Aktualisieren();
        anzeigen();
        return true;
    case Qt::Key_Tab:
        gehe(c + 1 == Spalte::Anzahl ? 0 : c + 1);
        return true;
    case Qt::Key_Backtab:
        gehe(c == 0 ? Spalte::Anzahl - 1 : c - 1);
        return true;
    case Qt::Key_Left:
        if (Zelle[c]->cursorPosition() > 0 || Zelle[c]->hasSelectedText())
            return false;
        gehe(c == 0 ? Spalte::Anzahl - 1 : c - 1);
        return true;
    case Qt::Key_Right:
        if (c == Spalte::Praefix || c == Spalte::Text ||
            Zelle[c]->cursorPosition() < Zelle[c]->text().size())
            return false;
        gehe(c + 1 == Spalte::Anzahl ? 0 : c + 1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (c != Spalte::TS || !Maske.Aktiv[c])
            return false;
        Maske.TSSchritt(k->key() == Qt::Key_Up ? -1 : 1);
        anzeigen();
        return true;
    case Qt::Key_Insert:
        if (c == Spalte::Konto || c == Spalte::GKonto) {
            if (const auto n = TformKontoauswahl::KontoWaehlen(dm, ~0u, this)) {
                Maske.Z.Spalten[c] = QString::number(*n);
                anzeigen();
            }
            return true;
        }
        return false;
    default:
        break;
    }
    if (text.size() != 1 || k->modifiers() & Qt::ControlModifier)
        return false;
    const QChar z = text.front();
    Maske.Z.Spalten[c] = Zelle[c]->text();
    if (Maske.PlusMinus(c, z)) {
        anzeigen();
        return true;
    }
    return z.isPrint() && !Maske.ZeichenErlaubt(c, z);
}

bool TframeErfassungsmaske::splitTaste(QKeyEvent* k) {
    const int r = AufteilungsListe->currentRow();
    const int c = AufteilungsListe->currentColumn();
    if (r < 1)
        return false;
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        Maske.SplitEnter();
        splitAnzeigen();
        return true;
    }
    if (k->key() == Qt::Key_Insert && c == 0) {
        // Written like a typed number, so the cell's own update runs.
        if (const auto n = TformKontoauswahl::KontoWaehlen(dm, Kontoauswahl::Alle, this))
            AufteilungsListe->item(r, 0)->setText(QString::number(*n));
        return true;
    }
    if (k->key() == Qt::Key_Down && r == AufteilungsListe->rowCount() - 1) {
        Maske.SplitZeileAnhaengen();
        splitAnzeigen();
        return false;
    }
    if (c == 1 && (k->text() == u"B" || k->text() == u"b")) {
        if (Maske.Hochrechnen(r))
            Maske.SplitEnter();
        splitAnzeigen();
        return true;
    }
    if (c == 1 && k->text().size() == 1 && k->text().front().isPrint() &&
        !k->text().front().isDigit() && k->text() != u",")
        return true;
    return false;
}

bool TframeErfassungsmaske::eventFilter(QObject* o, QEvent* e) {
    for (int c = 0; c < Spalte::Anzahl; ++c) {
        if (o != Zelle[c])
            continue;
        if (e->type() == QEvent::KeyPress)
            return zeilenTaste(c, static_cast<QKeyEvent*>(e));
        // A click into another cell is a move like any other: the cell being left is checked.
        if (e->type() == QEvent::FocusIn && !anzeigeLaeuft && c != Maske.Cursor &&
            static_cast<QFocusEvent*>(e)->reason() == Qt::MouseFocusReason)
            gehe(c);
        if (e->type() == QEvent::FocusIn && !anzeigeLaeuft)
            Maske.SplitlisteHatFokus = false;
        return false;
    }
    if (o == AufteilungsListe && e->type() == QEvent::KeyPress)
        return splitTaste(static_cast<QKeyEvent*>(e));
    if (e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        const std::vector<QLineEdit*> felder = zvFelder();
        const auto it = std::find(felder.begin(), felder.end(), o);
        if (it != felder.end() && (taste == Qt::Key_Return || taste == Qt::Key_Enter)) {
            zvEnter(*it);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TframeErfassungsmaske::monatsmenue() {
    QMenu* menu = btnMonatauswahl->menu();
    menu->clear();
    const QDate heute = Heute();
    const QDate beginn = Sitzung().Firma.ErfassungsBeginn;
    for (int m = 1; m <= 12; ++m) {
        QAction* a = menu->addAction(QString::fromUtf8(Monatsnamen[m - 1]));
        a->setCheckable(true);
        a->setChecked(m == Sitzung().Monat);
        const QDate erster(Sitzung().Jahr, m, 1);
        a->setEnabled((!beginn.isValid() || erster >= QDate(beginn.year(), beginn.month(), 1)) &&
                      erster <= heute);
        connect(a, &QAction::triggered, this, [this, m] {
            Maske.MonatWaehlen(m);
            monatGewechselt();
        });
        if (m % 3 == 0 && m < 12)
            menu->addSeparator();
    }
}

void TframeErfassungsmaske::jahresmenue() {
    QMenu* menu = btnJahrAuswahl->menu();
    menu->clear();
    const int jetzt = Heute().year();
    const QDate beginn = Sitzung().Firma.ErfassungsBeginn;
    int von = beginn.isValid() ? beginn.year() : jetzt;
    if (von <= jetzt - 21)
        von = jetzt - 20;
    for (int j = von; j <= jetzt; ++j) {
        QAction* a = menu->addAction(QString::number(j));
        a->setCheckable(true);
        a->setChecked(j == Sitzung().Jahr);
        connect(a, &QAction::triggered, this, [this, j] {
            Maske.JahrWaehlen(j);
            monatGewechselt();
        });
    }
}
