#include "TformAnmeldung.h"

#include "DataModule.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Three distinct pictures for main administrator (1), user (2) and read-only administrator (3).
QIcon benutzerSymbol(int nummer) {
    static const QColor farben[] = {Qt::gray, QColor(0xc0, 0x30, 0x30), QColor(0x30, 0x70, 0xc0),
                                    QColor(0x90, 0x90, 0x30)};
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setBrush(farben[nummer]);
    maler.setPen(Qt::NoPen);
    maler.drawEllipse(4, 1, 8, 7);
    maler.drawRoundedRect(1, 9, 14, 7, 3, 3);
    return QIcon(bild);
}

} // namespace

TformAnmeldung::TformAnmeldung(TDataModule1& dm, const QString& parameter, QWidget* parent)
    : QDialog(parent), dm(dm), parameter(parameter) {
    setWindowTitle(QStringLiteral("Anmeldung"));
    laBereich = new QLabel(QStringLiteral("Bereich:"));
    cbBereich = new QComboBox;
    cbBetriebe = new QComboBox;
    laInhaber = new QLabel;
    cbBenutzer = new QComboBox;
    edPasswort = new QLineEdit;
    edPasswort->setEchoMode(QLineEdit::Password);
    edPasswort->installEventFilter(this);
    btnAnmelden = new QPushButton(QStringLiteral("Anmelden"));
    btnAnmelden->setDefault(true);
    btnProgrammende = new QPushButton(QStringLiteral("Programmende"));

    auto* formular = new QFormLayout;
    formular->addRow(laBereich, cbBereich);
    formular->addRow(QStringLiteral("Betrieb:"), cbBetriebe);
    formular->addRow(QStringLiteral("Inhaber:"), laInhaber);
    formular->addRow(QStringLiteral("Benutzer:"), cbBenutzer);
    formular->addRow(QStringLiteral("Passwort:"), edPasswort);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnAnmelden);
    knoepfe->addWidget(btnProgrammende);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(formular);
    aussen->addLayout(knoepfe);
    setMinimumWidth(420);

    connect(cbBereich, &QComboBox::currentIndexChanged, this, [this] { BetriebeEintragen(); });
    connect(cbBetriebe, &QComboBox::currentIndexChanged, this, [this] { UserEintragen(); });
    connect(btnAnmelden, &QPushButton::clicked, this, [this] { btnAnmeldenClick(); });
    connect(btnProgrammende, &QPushButton::clicked, this, &QDialog::reject);
}

bool TformAnmeldung::Execute() {
    BereicheEintragen();
    edPasswort->clear();
    edPasswort->setFocus();
    OKiDO = false;
    exec();
    {
        const QSignalBlocker b1(cbBereich), b2(cbBetriebe);
        cbBereich->clear();
        cbBetriebe->clear();
        cbBenutzer->clear();
    }
    betriebe.clear();
    benutzer.clear();
    if (!OKiDO)
        AnmeldungAbbrechen(dm);
    return OKiDO;
}

void TformAnmeldung::BereicheEintragen() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList bereiche = BereicheErmitteln(dm.datenverzeichnis(), parameter);
    {
        const QSignalBlocker blocker(cbBereich);
        cbBereich->clear();
        cbBereich->addItems(bereiche);
        cbBereich->setCurrentIndex(bereiche.isEmpty() ? -1 : 0);
    }
    cbBereich->setVisible(bereiche.size() > 1);
    laBereich->setVisible(bereiche.size() > 1);
    QGuiApplication::restoreOverrideCursor();
    BetriebeEintragen();
}

void TformAnmeldung::BetriebeEintragen() {
    {
        const QSignalBlocker blocker(cbBetriebe);
        cbBetriebe->clear();
    }
    betriebe.clear();
    if (cbBereich->currentIndex() >= 0) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        betriebe = BetriebeErmitteln(dm, cbBereich->currentText());
        QGuiApplication::restoreOverrideCursor();
        const QSignalBlocker blocker(cbBetriebe);
        for (const tBetriebEintrag& b : betriebe)
            cbBetriebe->addItem(b.anzeige());
        cbBetriebe->setCurrentIndex(betriebe.empty() ? -1 : 0);
    }
    UserEintragen();
}

void TformAnmeldung::UserEintragen() {
    cbBenutzer->clear();
    benutzer.clear();
    laInhaber->clear();
    const int betrieb = cbBetriebe->currentIndex();
    if (cbBereich->currentIndex() < 0 || betrieb < 0)
        return;
    laInhaber->setText(betriebe[betrieb].Inhaber);
    laInhaber->repaint();
    try {
        benutzer = BenutzerErmitteln(dm.ADOConnection_Bereich, betriebe[betrieb].MNr);
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
        return;
    }
    int auswahl = 0;
    for (std::size_t i = 0; i < benutzer.size(); ++i) {
        const int symbol = AnmeldeSymbol(benutzer[i].UserStatus, benutzer[i].NurLesen);
        cbBenutzer->addItem(benutzerSymbol(symbol), benutzer[i].BenutzerName);
        cbBenutzer->setItemData(int(i), symbol, SymbolRolle);
        if (benutzer[i].ID == Sitzung().BenutzerID)
            auswahl = int(i);
    }
    if (!benutzer.empty())
        cbBenutzer->setCurrentIndex(auswahl);
}

void TformAnmeldung::btnAnmeldenClick() {
    if (cbBereich->currentIndex() < 0) {
        Benutzer().fehler(QStringLiteral("Geben Sie einen gültigen Bereich ein!"));
        return;
    }
    const int gewaehlt = cbBenutzer->currentIndex();
    const int betrieb = cbBetriebe->currentIndex();
    if (gewaehlt < 0 || betrieb < 0)
        return;
    const tBenutzerEintrag& b = benutzer[gewaehlt];
    bool korrekt = false;
    try {
        korrekt = PasswortKorrekt(dm.ADOConnection_Bereich, b.ID, edPasswort->text());
    } catch (const DatenbankFehler& e) {
        Benutzer().fehler(e.text());
        return;
    }
    if (!korrekt) {
        Benutzer().fehler(QStringLiteral("Ungültiges Passwort!"));
        edPasswort->setFocus();
        edPasswort->selectAll();
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool geoeffnet =
        AnmeldungAbschliessen(dm, cbBereich->currentText(), betriebe[betrieb].MNr, b);
    QGuiApplication::restoreOverrideCursor();
    if (!geoeffnet)
        return;
    OKiDO = true;
    accept();
}

bool TformAnmeldung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != edPasswort || ereignis->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, ereignis);
    const auto schritt = [](QComboBox* box, int richtung) {
        const int neu = box->currentIndex() + richtung;
        if (neu >= 0 && neu < box->count())
            box->setCurrentIndex(neu);
    };
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
    case Qt::Key_PageUp:
        schritt(cbBetriebe, -1);
        return true;
    case Qt::Key_PageDown:
        schritt(cbBetriebe, 1);
        return true;
    case Qt::Key_Up:
        schritt(cbBenutzer, -1);
        return true;
    case Qt::Key_Down:
        schritt(cbBenutzer, 1);
        return true;
    default:
        return QDialog::eventFilter(objekt, ereignis);
    }
}
