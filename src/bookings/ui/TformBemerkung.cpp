#include "TformBemerkung.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The remark column holds 255 characters.
constexpr int MaxLaenge = 255;
} // namespace

TformBemerkung::TformBemerkung(QWidget* parent)
    : QDialog(parent), memBemerkung(new QPlainTextEdit(this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)),
      btnAbbrechen(new QPushButton(QStringLiteral("Abbrechen"), this)),
      btnSchliessen(new QPushButton(QStringLiteral("Schließen"), this)) {
    setWindowTitle(QStringLiteral("Bemerkung"));
    memBemerkung->setTabChangesFocus(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    knoepfe->addWidget(btnSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memBemerkung);
    layout->addLayout(knoepfe);
    for (QPushButton* k : {btnOK, btnAbbrechen, btnSchliessen})
        k->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(memBemerkung, &QPlainTextEdit::textChanged, this, &TformBemerkung::Begrenzen);
    Anzeigen(QString(), false);
}

void TformBemerkung::Anzeigen(const QString& sBemerkung, bool Readonly) {
    memBemerkung->setPlainText(sBemerkung);
    memBemerkung->setReadOnly(Readonly);
    btnOK->setVisible(!Readonly);
    btnAbbrechen->setVisible(!Readonly);
    btnSchliessen->setVisible(Readonly);
    memBemerkung->setFocus();
}

QString TformBemerkung::Text() const {
    return memBemerkung->toPlainText();
}

void TformBemerkung::Begrenzen() {
    const QString text = memBemerkung->toPlainText();
    if (text.size() <= MaxLaenge)
        return;
    memBemerkung->setPlainText(text.left(MaxLaenge));
    memBemerkung->moveCursor(QTextCursor::End);
}

bool TformBemerkung::BemerkungBearbeiten(const QString& sBemerkung, bool Readonly, QString& text,
                                         QWidget* parent) {
    TformBemerkung dialog(parent);
    dialog.Anzeigen(sBemerkung, Readonly);
    const bool ok = dialog.exec() == QDialog::Accepted && !Readonly;
    text = ok ? dialog.Text() : sBemerkung;
    return ok;
}
