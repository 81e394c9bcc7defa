#include "TformHauptForm.h"

#include "Benutzerrechte.h"
#include "Benutzerverwaltung.h"
#include "DataModule.h"
#include "Dateien.h"
#include "Hauptfensterdaten.h"
#include "Kontoanlage.h"
#include "Optionen.h"
#include "Programmversion.h"
#include "Rueckfragen.h"
#include "Sitzung.h"
#include "TformFaelligkeitAufteilen.h"
#include "TformKassenminusbestandAbfrage.h"
#include "TformOptionen.h"
#include "Uhr.h"
#include "Updatetransaktionen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDataStream>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr Navigationsgruppe alleGruppen[] = {
    Navigationsgruppe::Erfassen,        Navigationsgruppe::Stammdaten,
    Navigationsgruppe::Auswertungen,    Navigationsgruppe::Datensicherung,
    Navigationsgruppe::Monatsabschluss, Navigationsgruppe::Zahlungsverkehr};

QString gruppenObjektname(Navigationsgruppe g) {
    return g == Navigationsgruppe::Monatsabschluss
               ? QStringLiteral("dxNavBar3Group_Datenaustausch")
               : QStringLiteral("dxNavBar3Group_") + Gruppenname(g);
}

QString panelTitel(const QString& gruppe) {
    return QStringLiteral("Menü [") + gruppe + u']';
}

// A ribbon bar: a titled row of buttons. Bars without a visible action are left out.
QGroupBox* leiste(const QString& name, const std::vector<QAction*>& aktionen) {
    auto* box = new QGroupBox(name);
    box->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    for (QAction* a : aktionen) {
        auto* knopf = new QToolButton(box);
        knopf->setDefaultAction(a);
        knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
        layout->addWidget(knopf);
    }
    return box;
}

// A caption longer than the heading's room is cut from the end and followed by "...", so a long
// area name never widens the window.
void UeberschriftKuerzen(QLabel* label, const QString& titel) {
    const QFontMetrics fm(label->font());
    const int platz = label->width();
    QString text = titel;
    if (platz > 0 && fm.horizontalAdvance(text) > platz) {
        const QString punkte = QStringLiteral("...");
        while (!text.isEmpty() && fm.horizontalAdvance(text + punkte) > platz)
            text.chop(1);
        text += punkte;
    }
    label->setText(text);
}

void leistenSetzen(QWidget* karte, const std::vector<QGroupBox*>& leisten) {
    auto* layout = new QHBoxLayout(karte);
    for (QGroupBox* l : leisten)
        layout->addWidget(l);
    layout->addStretch();
}

// Notices of the advisory firm: white bold text on red, so nobody overlooks them.
void HinweisZeigen(QWidget* eltern, const tHinweisMeldung& meldung) {
    QDialog d(eltern);
    d.setWindowTitle(meldung.Ueberschrift);
    d.resize(800, 600);
    auto* layout = new QVBoxLayout(&d);
    auto* text = new QPlainTextEdit(meldung.Hinweistext, &d);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setStyleSheet(QStringLiteral("QPlainTextEdit { background: red; color: white; "
                                       "font: bold 14pt \"Arial\"; }"));
    layout->addWidget(text);
    auto* streifen = new QWidget(&d);
    streifen->setFixedHeight(33);
    auto* streifenLayout = new QHBoxLayout(streifen);
    auto* ok = new QPushButton(QStringLiteral("OK"), streifen);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    streifenLayout->addStretch();
    streifenLayout->addWidget(ok);
    streifenLayout->addStretch();
    layout->addWidget(streifen);
    d.exec();
}

} // namespace

TformHauptForm::TformHauptForm(TDataModule1& dm, const Seitenregister& register_,
                               LoginAusfuehren anmelden, QWidget* parent)
    : QMainWindow(parent), dm(dm), seitenregister(register_), anmelden(std::move(anmelden)) {
    setObjectName(QStringLiteral("TformHauptForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    acStartseite = neueAktion(QStringLiteral("acStartseite"), QStringLiteral("Startseite"));
    acOptionen = neueAktion(QStringLiteral("acOptionen"), QStringLiteral("Optionen"));
    acBenutzerWechseln =
        neueAktion(QStringLiteral("acBenutzerWechseln"), QStringLiteral("Abmelden"));
    acProgrammende = neueAktion(QStringLiteral("acProgrammende"), QStringLiteral("Programmende"));
    acInfo = neueAktion(QStringLiteral("acInfo"), QStringLiteral("Info"));
    acHilfe = neueAktion(QStringLiteral("acHilfe"), QStringLiteral("Hilfe"));
    acHilfe->setShortcut(Qt::Key_F1);
    acMailPersBerater =
        neueAktion(QStringLiteral("acMailPersBerater"), QStringLiteral("persönlicher Berater"));
    acMailSachbearbeiter =
        neueAktion(QStringLiteral("acMailSachbearbeiter"), QStringLiteral("Sachbearbeiter"));
    acMailLohnSachbearbeiter = neueAktion(QStringLiteral("acMailLohnSachbearbeiter"),
                                          QStringLiteral("Lohn-Sachbearbeiter"));
    registrierteAktionenAnlegen();
    // The booking engine asks through these dialogs while it checks and saves.
    TformKassenminusbestandAbfrage::Anmelden(this);
    TformFaelligkeitAufteilen::Anmelden(this);
    NeuesKontoAnmelden(dm, this);

    connect(acStartseite, &QAction::triggered, this, [this] {
        startseiteZeigen();
        ersteGruppeWaehlen();
        AnsichtAnpassen();
    });
    connect(acOptionen, &QAction::triggered, this, &TformHauptForm::acOptionenExecute);
    connect(acBenutzerWechseln, &QAction::triggered, this,
            &TformHauptForm::acBenutzerWechselnExecute);
    connect(acProgrammende, &QAction::triggered, this, &QWidget::close);
    connect(acInfo, &QAction::triggered, this,
            [] { Benutzer().information(Infotext(ProgrammVersion())); });
    connect(acHilfe, &QAction::triggered, this, &TformHauptForm::acHilfeExecute);
    connect(acMailPersBerater, &QAction::triggered, this, [this] {
        mailSenden(Sitzung().Firma.VBBeraterEMail,
                   QStringLiteral("Es ist keine E-Mail-Adresse des persönlichen Beraters "
                                  "hinterlegt!"));
    });
    connect(acMailSachbearbeiter, &QAction::triggered, this, [this] {
        mailSenden(Sitzung().Firma.VBSachbearbeiterEMail,
                   QStringLiteral("Es ist keine E-Mail-Adresse des Sachbearbeiters hinterlegt!"));
    });
    connect(acMailLohnSachbearbeiter, &QAction::triggered, this, [this] {
        mailSenden(Sitzung().Firma.VBLohnSachbearbeiterEMail,
                   QStringLiteral("Es ist keine E-Mail-Adresse des Lohn-Sachbearbeiters "
                                  "hinterlegt!"));
    });

    dxRibbon1 = new QTabWidget(this);
    dxRibbon1->setObjectName(QStringLiteral("dxRibbon1"));
    tabStart = new QWidget(dxRibbon1);
    tabSonstiges = new QWidget(dxRibbon1);
    tabErfassen = new QWidget(dxRibbon1);
    dxRibbon1->addTab(tabStart, QStringLiteral("Start"));
    dxRibbon1->addTab(tabSonstiges, QStringLiteral("Sonstiges"));
    dxRibbon1->addTab(tabErfassen, QStringLiteral("Erfassen"));
    // The ribbon never widens the window beyond a small screen: bars that do not fit are cut at
    // the right, their commands stay on their keys.
    dxRibbon1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Maximum);
    ribbonAufbauen();

    laUeberschriftKlein = new QLabel(this);
    laUeberschriftGross = new QLabel(this);
    QFont gross = laUeberschriftGross->font();
    gross.setPointSize(gross.pointSize() + 6);
    gross.setBold(true);
    laUeberschriftGross->setFont(gross);
    laUeberschriftGross->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    cxPageControl1 = new QStackedWidget(this);
    cxTabSheet_NoSelect = startseiteAufbauen();
    cxTabSheet_Erfassungen = new QWidget(cxPageControl1);
    cxTabSheet_Erfassungen->setLayout(new QVBoxLayout);
    cxTabSheet_Sonstiges = new QWidget(cxPageControl1);
    auto* sonstigesLayout = new QVBoxLayout(cxTabSheet_Sonstiges);
    seitenstapel = new QStackedWidget(cxTabSheet_Sonstiges);
    sonstigesLayout->addWidget(seitenstapel);
    cxPageControl1->addWidget(cxTabSheet_NoSelect);
    cxPageControl1->addWidget(cxTabSheet_Erfassungen);
    cxPageControl1->addWidget(cxTabSheet_Sonstiges);

    auto* mitte = new QWidget(this);
    auto* mitteLayout = new QVBoxLayout(mitte);
    mitteLayout->addWidget(dxRibbon1);
    mitteLayout->addWidget(laUeberschriftKlein);
    mitteLayout->addWidget(laUeberschriftGross);
    mitteLayout->addWidget(cxPageControl1, 1);
    setCentralWidget(mitte);

    dpNavigation = new QDockWidget(panelTitel(QStringLiteral("Startseite")), this);
    dpNavigation->setObjectName(QStringLiteral("dpNavigation"));
    dpNavigation->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dpNavigation->setMinimumWidth(220);
    dxNavBar3 = new QToolBox(dpNavigation);
    dxNavBar3->setObjectName(QStringLiteral("dxNavBar3"));
    for (Navigationsgruppe g : alleGruppen) {
        auto* liste = new QListWidget(dxNavBar3);
        liste->setObjectName(gruppenObjektname(g));
        gruppen[g] = liste;
        if (g == Navigationsgruppe::Erfassen) {
            connect(liste, &QListWidget::itemClicked, this, [this, liste](QListWidgetItem* item) {
                erfassungsbereichOeffnen(liste->row(item));
            });
            liste->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(liste, &QListWidget::customContextMenuRequested, this,
                    [this, liste](const QPoint& punkt) {
                        const auto& anbieter = seitenregister.erfassen();
                        const int index = liste->row(liste->itemAt(punkt));
                        if (!anbieter || !anbieter->Kontextmenue || index < 0)
                            return;
                        QMenu menu(liste);
                        anbieter->Kontextmenue(this->dm, this, index, menu);
                        if (!menu.isEmpty() && menu.exec(liste->viewport()->mapToGlobal(punkt)))
                            erfassenEintragen();
                    });
            continue;
        }
        for (const tSeitenEintrag* e : seitenregister.gruppe(g)) {
            auto* item = new QListWidgetItem(
                e->Navigationstext.isEmpty() ? e->Beschriftung : e->Navigationstext, liste);
            item->setData(Qt::UserRole, e->Aktion);
        }
        connect(liste, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            if (QAction* a = aktion(item->data(Qt::UserRole).toString()); a && a->isEnabled())
                a->trigger();
        });
    }
    connect(dxNavBar3, &QToolBox::currentChanged, this, &TformHauptForm::gruppeOeffnen);
    dpNavigation->setWidget(dxNavBar3);
    addDockWidget(Qt::LeftDockWidgetArea, dpNavigation);

    laStatus = new QLabel(this);
    laApotheke = new QLabel(this);
    laBenutzer = new QLabel(this);
    laVersion = new QLabel(Versionsbeschriftung(ProgrammVersion()), this);
    laVersion->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(laVersion, &QWidget::customContextMenuRequested, this, [] {
        Benutzer().information(Versionsdetails(
            ProgrammVersion(), DateiDatum(QCoreApplication::applicationFilePath())));
    });
    laUhrzeit = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("dxRibbonStatusBar1"));
    statusBar()->addWidget(laStatus, 1);
    statusBar()->addPermanentWidget(laApotheke);
    statusBar()->addPermanentWidget(laBenutzer);
    statusBar()->addPermanentWidget(laVersion);
    statusBar()->addPermanentWidget(laUhrzeit);

    timerUhrzeit = new QTimer(this);
    timerUhrzeit->setObjectName(QStringLiteral("timerUhrzeit"));
    connect(timerUhrzeit, &QTimer::timeout, this, &TformHauptForm::timerUhrzeitTimer);

    FormCreate();
}

QAction* TformHauptForm::neueAktion(const QString& name, const QString& text) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    // Shortcuts of the window's actions work wherever the focus is inside the window.
    addAction(a);
    aktionen[name] = a;
    return a;
}

QAction* TformHauptForm::aktion(const QString& name) const {
    const auto it = aktionen.find(name);
    return it == aktionen.end() ? nullptr : it->second;
}

QWidget* TformHauptForm::seite(const QString& aktion) const {
    const auto it = seiten.find(aktion);
    return it == seiten.end() ? nullptr : it->second;
}

void TformHauptForm::registrierteAktionenAnlegen() {
    for (const tSeitenEintrag& e : seitenregister.eintraege()) {
        QAction* a = neueAktion(e.Aktion, e.Beschriftung);
        a->setShortcut(e.Taste);
        connect(a, &QAction::triggered, this, [this, &e] { eintragAusfuehren(e); });
    }
}

void TformHauptForm::ribbonAufbauen() {
    std::vector<QAction*> haupt{acStartseite, acOptionen};
    std::vector<QAction*> extras;
    for (const tSeitenEintrag& e : seitenregister.eintraege()) {
        if (e.Karte == Registerkarte::Start)
            haupt.push_back(aktion(e.Aktion));
        else if (e.Karte == Registerkarte::Sonstiges)
            extras.push_back(aktion(e.Aktion));
    }
    extras.push_back(acInfo);
    extras.push_back(acHilfe);

    // The first steps of a new business, as far as their pages exist.
    auto* ersteSchritte = new QGroupBox(QStringLiteral("ErsteSchritte"));
    ersteSchritte->setObjectName(QStringLiteral("ErsteSchritte"));
    auto* ersteLayout = new QHBoxLayout(ersteSchritte);
    const std::pair<const char*, const char16_t*> schritte[] = {
        {"acFirmendaten", u"Erfassungsbeginn/Stammdaten"},
        {"acErfassungsbereiche", u"Geldkonten einrichten"},
        {"acBenutzer", u"Benutzer einrichten"}};
    for (const auto& [name, text] : schritte) {
        if (QAction* a = aktion(QString::fromLatin1(name))) {
            auto* knopf = new QPushButton(QString::fromUtf16(text), ersteSchritte);
            connect(a, &QAction::changed, knopf, [knopf, a] { knopf->setEnabled(a->isEnabled()); });
            connect(knopf, &QPushButton::clicked, a, &QAction::trigger);
            ersteLayout->addWidget(knopf);
        }
    }

    std::vector<QGroupBox*> startLeisten{leiste(QStringLiteral("Haupt"), haupt)};
    if (!ersteSchritte->findChildren<QPushButton*>().isEmpty())
        startLeisten.push_back(ersteSchritte);
    else
        delete ersteSchritte;
    startLeisten.push_back(
        leiste(QStringLiteral("Programmende"), {acBenutzerWechseln, acProgrammende}));
    leistenSetzen(tabStart, startLeisten);
    leistenSetzen(tabSonstiges,
                  {leiste(QStringLiteral("Extras"), extras),
                   leiste(QStringLiteral("Mail an KMB-Mitarbeiter"),
                          {acMailPersBerater, acMailSachbearbeiter, acMailLohnSachbearbeiter})});
}

QWidget* TformHauptForm::startseiteAufbauen() {
    auto* blatt = new QWidget(cxPageControl1);
    blatt->setObjectName(QStringLiteral("cxTabSheet_NoSelect"));
    auto* layout = new QVBoxLayout(blatt);
    imgKelmbrandLogo = new QLabel(blatt);
    laBerater = new QLabel(blatt);
    laBeraterTelefon = new QLabel(blatt);
    laSachbearbeiter = new QLabel(blatt);
    laSachbearbeiterTelefon = new QLabel(blatt);
    laLohnSachbearbeiter = new QLabel(blatt);
    laLohnSachbearbeiterTelefon = new QLabel(blatt);
    laNiederlassungStrasse = new QLabel(blatt);
    laNiederlassungOrt = new QLabel(blatt);
    laNiederlassungTelefon = new QLabel(blatt);
    for (QLabel* l : {imgKelmbrandLogo, laBerater, laBeraterTelefon, laSachbearbeiter,
                      laSachbearbeiterTelefon, laLohnSachbearbeiter, laLohnSachbearbeiterTelefon,
                      laNiederlassungStrasse, laNiederlassungOrt, laNiederlassungTelefon})
        layout->addWidget(l);
    layout->addStretch();
    return blatt;
}

void TformHauptForm::FormCreate() {
    tSitzung& s = Sitzung();
    setWindowTitle(Fenstertitel(ProgrammVersion()));
    hilfedatei = HilfeDateiFinden(QCoreApplication::applicationDirPath(), s.Datenverzeichnis);
    const QDate heute = Heute();
    s.Monat = heute.month();
    s.Jahr = heute.year();
    const QString logo =
        MitTrenner(QCoreApplication::applicationDirPath()) + QStringLiteral("KelmbrandLogo.png");
    if (QFileInfo(logo).isFile())
        imgKelmbrandLogo->setPixmap(QPixmap(logo));
    try {
        OptionenLaden(dm, s.Optionen);
        UpdateTransaktionenArchivStarten(dm, s.MNr, s.BenutzerID, s.Firma.Kontenplan);
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
    }
    HinweiseZeigen();
    dxRibbon1->setTabVisible(dxRibbon1->indexOf(tabErfassen), false);
    const bool online = s.Optionen.Online;
    imgKelmbrandLogo->setCursor(online ? Qt::ArrowCursor : Qt::PointingHandCursor);
    dxRibbon1->setCurrentWidget(tabStart);
    timerUhrzeitTimer();
}

void TformHauptForm::HinweiseZeigen() {
    if (!Sitzung().Optionen.Online)
        return;
    try {
        for (const tHinweisMeldung& m : HinweisMeldungenLaden(dm.ADOConnection_Stamm, Heute()))
            HinweisZeigen(this, m);
    } catch (const DatenbankFehler&) {
        // Notices are a courtesy: a broken table never keeps the user from working.
    }
}

void TformHauptForm::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (angezeigt)
        return;
    angezeigt = true;
    // After the window is up, so the hints of the first show have it as their parent.
    QTimer::singleShot(0, this, &TformHauptForm::FormShow);
}

void TformHauptForm::FormShow() {
    tSitzung& s = Sitzung();
    BenutzerEinstellungen =
        BenutzereinstellungenLaden(dm.ADOConnection_Bereich, s.BenutzerID, s.MNr);
    BenutzerEinstellungenUebernehmen();
    OptionenUebernehmen();
    NiederlassungEintragen();
    startseiteZeigen();
    AnsichtAnpassen();
    AdminKennwortHinweis(dm.ADOConnection_Bereich, s.BenutzerID, s.Optionen.Online);
}

void TformHauptForm::timerUhrzeitTimer() {
    laUhrzeit->setText(UhrzeitText(Jetzt()));
    timerUhrzeit->start(60000);
}

void TformHauptForm::BenutzerEinstellungenUebernehmen() {
    tSitzung& s = Sitzung();
    for (const tSeitenEintrag& e : seitenregister.eintraege())
        if (e.Recht)
            aktion(e.Aktion)->setEnabled(HatRecht(dm.ADOConnection_Bereich, *e.Recht));
    acOptionen->setEnabled(HatRecht(dm.ADOConnection_Bereich, Rechte::Optionen));
    gruppenAnzeigen();
    if (LetzteVersionAbgleichen(dm.ADOConnection_Bereich, s.BenutzerID,
                                ProgrammVersionDreiteilig()))
        Benutzer().frage(Meldungsart::Bestaetigung,
                         QStringLiteral("Seit Ihrer letzten Anmeldung ist eine neue "
                                        "Programmversion installiert worden!\rUnter dem "
                                        "Menüpunkt Programmupdate finden Sie alle Neuerungen."),
                         Knoepfe::Ok);
}

void TformHauptForm::gruppenAnzeigen() {
    const QSignalBlocker blocker(dxNavBar3);
    while (dxNavBar3->count() > 0) {
        // The toolbox deletes an item's scroll area only later; its filter on the list would
        // keep resizing the list against the next scroll area without end.
        for (QWidget* p = dxNavBar3->widget(0)->parentWidget(); p && p != dxNavBar3;
             p = p->parentWidget())
            if (auto* huelle = qobject_cast<QScrollArea*>(p)) {
                huelle->takeWidget();
                break;
            }
        dxNavBar3->removeItem(0);
    }
    for (Navigationsgruppe g : alleGruppen) {
        QListWidget* liste = gruppen[g];
        bool sichtbar = false;
        if (g == Navigationsgruppe::Erfassen) {
            sichtbar = seitenregister.erfassen().has_value();
        } else {
            for (const tSeitenEintrag* e : seitenregister.gruppe(g))
                sichtbar = sichtbar || aktion(e->Aktion)->isEnabled() || !e->Recht;
        }
        liste->setVisible(sichtbar);
        if (sichtbar)
            dxNavBar3->addItem(liste, Gruppenname(g));
    }
}

void TformHauptForm::gruppeOeffnen(int index) {
    QWidget* liste = dxNavBar3->widget(index);
    if (!liste)
        return;
    dxRibbon1->setTabVisible(dxRibbon1->indexOf(tabErfassen), false);
    dpNavigation->setWindowTitle(panelTitel(dxNavBar3->itemText(index)));
    if (liste == gruppen[Navigationsgruppe::Erfassen]) {
        erfassenEintragen();
        startseiteZeigen();
        return;
    }
    auto* items = static_cast<QListWidget*>(liste);
    if (items->count() == 1) {
        items->setCurrentRow(0);
        if (QAction* a = aktion(items->item(0)->data(Qt::UserRole).toString());
            a && a->isEnabled()) {
            a->trigger();
            return;
        }
    }
    startseiteZeigen();
    AnsichtAnpassen();
}

// The first group without running its item, no item selected.
void TformHauptForm::ersteGruppeWaehlen() {
    const QSignalBlocker blocker(dxNavBar3);
    dxNavBar3->setCurrentIndex(0);
    for (auto& [g, liste] : gruppen)
        liste->clearSelection();
    if (dxNavBar3->count() > 0)
        dpNavigation->setWindowTitle(panelTitel(dxNavBar3->itemText(0)));
}

QIcon NavigationsSymbol(int symbol) {
    // Drawn rather than shipped: a coloured disc per area kind, a green tick for a complete
    // month.
    const QColor farbe = symbol == 28   ? QColor(46, 160, 67)
                         : symbol == 52 ? QColor(230, 140, 30)
                         : symbol == 53 ? QColor(40, 110, 200)
                         : symbol == 55 ? QColor(140, 70, 170)
                                        : QColor(200, 170, 40);
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(farbe);
    maler.drawEllipse(QRectF(1, 1, 14, 14));
    if (symbol == 28) {
        QPainterPath haken;
        haken.moveTo(4.5, 8.5);
        haken.lineTo(7, 11);
        haken.lineTo(11.5, 5);
        maler.strokePath(haken, QPen(Qt::white, 2));
    }
    maler.end();
    return QIcon(bild);
}

void TformHauptForm::erfassenEintragen() {
    const auto& anbieter = seitenregister.erfassen();
    QListWidget* liste = gruppen[Navigationsgruppe::Erfassen];
    liste->clear();
    if (anbieter)
        for (const tErfassenEintrag& e : anbieter->BuchungsbereicheLaden(dm))
            new QListWidgetItem(NavigationsSymbol(e.Symbol), e.Text, liste);
}

void TformHauptForm::erfassungsbereichOeffnen(int index) {
    const auto& anbieter = seitenregister.erfassen();
    if (!anbieter || !anbieter->Seite || index < 0)
        return;
    if (!erfassungsseite) {
        erfassungsseite = anbieter->Seite(dm, cxTabSheet_Erfassungen);
        cxTabSheet_Erfassungen->layout()->addWidget(erfassungsseite);
        GridEinstellungenLaden();
        if (anbieter->Aktionen)
            leistenSetzen(tabErfassen, {leiste(QStringLiteral("Erfassen"),
                                               anbieter->Aktionen(erfassungsseite))});
    }
    dxNavBar3->setEnabled(false);
    // Shown first, so that the opened area puts the cursor into its first input field.
    seiteZeigen(cxTabSheet_Erfassungen);
    const QString titel = anbieter->BereichOeffnen(dm, erfassungsseite, index);
    laUeberschriftKlein->setText(QStringLiteral("Belegerfassung [") + Sitzung().Firma.Firmenname +
                                 u']');
    UeberschriftKuerzen(laUeberschriftGross, titel);
    dxNavBar3->setEnabled(true);
}

void TformHauptForm::eintragAusfuehren(const tSeitenEintrag& eintrag) {
    if (eintrag.Seite) {
        QWidget*& s = seiten[eintrag.Aktion];
        if (!s) {
            s = eintrag.Seite(dm, seitenstapel);
            seitenstapel->addWidget(s);
            if (eintrag.StartseiteBeobachten)
                eintrag.StartseiteBeobachten(s, [this] { NiederlassungEintragen(); });
        }
        seitenstapel->setCurrentWidget(s);
        laUeberschriftKlein->setText(QStringLiteral("KIVO-Online [") + Sitzung().Firma.Firmenname +
                                     u']');
        laUeberschriftGross->setText(eintrag.Beschriftung);
        seiteZeigen(cxTabSheet_Sonstiges);
    }
    if (eintrag.Ausfuehren)
        eintrag.Ausfuehren(dm, this);
}

// The Erfassen tab belongs to the bookings page: shown and active there, hidden elsewhere.
void TformHauptForm::seiteZeigen(QWidget* blatt) {
    cxPageControl1->setCurrentWidget(blatt);
    const bool erfassen = blatt == cxTabSheet_Erfassungen;
    dxRibbon1->setTabVisible(dxRibbon1->indexOf(tabErfassen), erfassen);
    dxRibbon1->setCurrentWidget(erfassen ? tabErfassen : tabStart);
}

void TformHauptForm::startseiteZeigen() {
    seiteZeigen(cxTabSheet_NoSelect);
}

void TformHauptForm::AnsichtAnpassen() {
    const tSitzung& s = Sitzung();
    laApotheke->setText(s.MNr + u' ' + s.Firma.Firmenname);
    laBenutzer->setText(QStringLiteral("angemeldet ist: ") + s.BenutzerName);
    if (cxPageControl1->currentWidget() != cxTabSheet_NoSelect) {
        erfassenEintragen();
        return;
    }
    laUeberschriftKlein->setText(QStringLiteral("KIVO-Online [") + s.Firma.Firmenname + u']');
    laUeberschriftGross->setText(QStringLiteral("Startseite"));
}

void TformHauptForm::NiederlassungEintragen() {
    const tFirma& f = Sitzung().Firma;
    laBerater->setText(QStringLiteral("Ihr persönlicher Berater: ") + f.VBBerater);
    laBeraterTelefon->setText(QStringLiteral("Durchwahl: ") + f.VBBeraterTelefon);
    laSachbearbeiter->setText(QStringLiteral("Ihr Kelmbrand-Sachbearbeiter: ") +
                              f.VBSachbearbeiter);
    laSachbearbeiterTelefon->setText(QStringLiteral("Durchwahl: ") + f.VBSachbearbeiterTelefon);
    laLohnSachbearbeiter->setText(QStringLiteral("Ihr Kelmbrand-Lohnsachbearbeiter: ") +
                                  f.VBLohnSachbearbeiter);
    laLohnSachbearbeiterTelefon->setText(QStringLiteral("Durchwahl: ") +
                                         f.VBLohnSachbearbeiterTelefon);
    tNiederlassung n;
    try {
        n = NiederlassungLaden(dm.ADOConnection_Daten, dm.ADOConnection_Stamm);
    } catch (const DatenbankFehler&) {
        // Without the branch the panel shows the advisers alone.
    }
    laNiederlassungStrasse->setText(n.Strasse);
    laNiederlassungOrt->setText(n.PLZOrt);
    laNiederlassungTelefon->setText(n.Telefonnummer);
    const bool online = Sitzung().Optionen.Online;
    acMailPersBerater->setVisible(!online && !f.VBBeraterEMail.isEmpty());
    acMailSachbearbeiter->setVisible(!online && !f.VBSachbearbeiterEMail.isEmpty());
    acMailLohnSachbearbeiter->setVisible(!online && !f.VBLohnSachbearbeiterEMail.isEmpty());
    if (QWidget* mail =
            tabSonstiges->findChild<QGroupBox*>(QStringLiteral("Mail an KMB-Mitarbeiter")))
        mail->setVisible(!online);
}

void TformHauptForm::mailSenden(const QString& adresse, const QString& fehlt) {
    if (Sitzung().Optionen.Online)
        return;
    if (adresse.isEmpty()) {
        Benutzer().fehler(fehlt);
        return;
    }
    MitSystemOeffnen(QStringLiteral("mailto:") + adresse);
}

void TformHauptForm::OptionenUebernehmen() {
    erfassenEintragen();
}

void TformHauptForm::acOptionenExecute() {
    TformOptionen dialog(dm, this);
    if (dialog.Execute()) {
        startseiteZeigen();
        AnsichtAnpassen();
    }
    OptionenUebernehmen();
}

void TformHauptForm::acHilfeExecute() {
    if (hilfedatei.isEmpty() || !MitSystemOeffnen(hilfedatei))
        Benutzer().information(QStringLiteral("Die Hilfedatei KivoOnline.chm ist nicht "
                                              "vorhanden."));
}

bool TformHauptForm::schliessenErlaubt() {
    for (const tSeitenEintrag& e : seitenregister.eintraege())
        if (QWidget* s = seite(e.Aktion); s && e.SchliessenErlaubt && !e.SchliessenErlaubt(s))
            return false;
    return true;
}

void TformHauptForm::einstellungenSichern() {
    const tSitzung& s = Sitzung();
    try {
        BenutzereinstellungenSpeichern(dm.ADOConnection_Bereich, s.BenutzerID, s.MNr,
                                       BenutzerEinstellungen);
        GridEinstellungenSpeichern();
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
    }
}

void TformHauptForm::GridEinstellungenSpeichern() {
    const auto& anbieter = seitenregister.erfassen();
    // A grid never shown this run keeps the layout stored last time.
    if (!anbieter || !erfassungsseite || !anbieter->Kopfzeilen)
        return;
    QByteArray layout;
    QDataStream aus(&layout, QIODevice::WriteOnly);
    QList<QByteArray> zustaende;
    for (QHeaderView* k : anbieter->Kopfzeilen(erfassungsseite))
        zustaende.append(k->saveState());
    aus << zustaende;
    GridEinstellungenSchreiben(dm.ADOConnection_Bereich, Sitzung().BenutzerID, layout);
}

void TformHauptForm::GridEinstellungenLaden() {
    const auto& anbieter = seitenregister.erfassen();
    if (!anbieter || !erfassungsseite || !anbieter->Kopfzeilen)
        return;
    const std::vector<QHeaderView*> kopfzeilen = anbieter->Kopfzeilen(erfassungsseite);
    QList<QByteArray> standard;
    if (gridStandard.isEmpty()) {
        for (QHeaderView* k : kopfzeilen)
            standard.append(k->saveState());
        QDataStream aus(&gridStandard, QIODevice::WriteOnly);
        aus << standard;
    } else {
        QDataStream ein(gridStandard);
        ein >> standard;
    }
    QList<QByteArray> gespeichert;
    QDataStream ein(GridEinstellungenLesen(dm.ADOConnection_Bereich, Sitzung().BenutzerID));
    ein >> gespeichert;
    for (size_t i = 0; i < kopfzeilen.size(); ++i) {
        if (i < size_t(standard.size()))
            kopfzeilen[i]->restoreState(standard[qsizetype(i)]);
        // A layout that does not fit the grid is ignored by the header view.
        if (i < size_t(gespeichert.size()))
            kopfzeilen[i]->restoreState(gespeichert[qsizetype(i)]);
    }
}

void TformHauptForm::acBenutzerWechselnExecute() {
    if (!schliessenErlaubt())
        return;
    einstellungenSichern();
    if (!anmelden(dm)) {
        abgemeldet = true;
        close();
        return;
    }
    // The pages belong to the previous login (its Bereich and business): built anew on use.
    for (auto& [name, s] : seiten)
        delete s;
    seiten.clear();
    tSitzung& s = Sitzung();
    OptionenLaden(dm, s.Optionen);
    BenutzerEinstellungen =
        BenutzereinstellungenLaden(dm.ADOConnection_Bereich, s.BenutzerID, s.MNr);
    BenutzerEinstellungenUebernehmen();
    NiederlassungEintragen();
    startseiteZeigen();
    ersteGruppeWaehlen();
    OptionenUebernehmen();
    AnsichtAnpassen();
    GridEinstellungenLaden();
}

void TformHauptForm::closeEvent(QCloseEvent* ereignis) {
    if (!abgemeldet) {
        if (!schliessenErlaubt()) {
            ereignis->ignore();
            return;
        }
        einstellungenSichern();
    }
    timerUhrzeit->stop();
    dm.DatenbankenSchliessen(Sitzung().BenutzerID);
    ereignis->accept();
}

int HauptfensterAusfuehren(TDataModule1& dm, const LoginAusfuehren& anmelden) {
    Seitenregister seitenregister;
    SeitenRegistrieren(seitenregister);
    TformHauptForm fenster(dm, seitenregister, anmelden);
    fenster.resize(1200, 800);
    fenster.showMaximized();
    return QApplication::exec();
}
