#include "TformFaelligkeitAufteilen.h"

#include "Datum.h"
#include "OffenePosten.h"
#include "Rueckfragen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TformFaelligkeitAufteilen::TformFaelligkeitAufteilen(QWidget* parent)
    : QDialog(parent), laHinweis(new QLabel(QStringLiteral("Hier sind nur skontierte Beträge zu "
                                                           "erfassen!"),
                                            this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)),
      btnEntfernen(new QPushButton(QStringLiteral("Fälligkeitsaufteilung entfernen"), this)) {
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Fälligkeitsdatum"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Betrag in €"), this), 0, 1);
    for (int i = 0; i < Zeilen; ++i) {
        edDatum[size_t(i)] = new QLineEdit(this);
        edBetrag[size_t(i)] = new QLineEdit(this);
        raster->addWidget(edDatum[size_t(i)], i + 1, 0);
        raster->addWidget(edBetrag[size_t(i)], i + 1, 1);
        connect(edDatum[size_t(i)], &QLineEdit::editingFinished, this,
                [this, i] { datumVerlassen(i); });
        connect(edBetrag[size_t(i)], &QLineEdit::editingFinished, this,
                [this, i] { betragVerlassen(i); });
    }
    edDatum[0]->setReadOnly(true);
    // Return finishes a field here; it must not close the dialog.
    for (QPushButton* k : {btnOK, btnEntfernen})
        k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnEntfernen);
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(laHinweis);
    layout->addLayout(raster);
    layout->addLayout(knoepfe);
    connect(btnOK, &QPushButton::clicked, this, &TformFaelligkeitAufteilen::okKlick);
    connect(btnEntfernen, &QPushButton::clicked, this, [this] {
        MaskeIstLeer = true;
        FaelligkeitsAufteilung.clear();
        done(Entfernt);
    });
}

bool TformFaelligkeitAufteilen::FaelligkeitenAufteilen(Betrag rechnungsbetrag,
                                                       const QDate& ersteFaelligkeit) {
    Rechnungsbetrag = rechnungsbetrag;
    ErsteFaelligkeit = ersteFaelligkeit;
    setWindowTitle(BetragText(rechnungsbetrag) + QStringLiteral(" - Fälligkeit aufteilen"));
    for (int i = 0; i < Zeilen; ++i) {
        edDatum[size_t(i)]->clear();
        edBetrag[size_t(i)]->clear();
    }
    edDatum[0]->setText(DatumText(ersteFaelligkeit));
    edBetrag[0]->setText(BetragText(rechnungsbetrag));
    MaskeIstLeer = true;
    FaelligkeitsAufteilung.clear();
    return exec() == QDialog::Accepted;
}

void TformFaelligkeitAufteilen::Anmelden(QWidget* parent) {
    QPointer<QWidget> fenster(parent);
    FaelligkeitsAufteilungAnmelden(
        [fenster](Betrag betrag,
                  const QDate& erste) -> std::optional<std::vector<tFaelligkeitsteil>> {
            TformFaelligkeitAufteilen dialog(fenster);
            if (dialog.FaelligkeitenAufteilen(betrag, erste) || dialog.result() == Entfernt)
                return dialog.FaelligkeitsAufteilung;
            return std::nullopt;
        });
}

Betrag TformFaelligkeitAufteilen::zeilenBetrag(int zeile) const {
    return BetragAusText(edBetrag[size_t(zeile)]->text()).value_or(Betrag());
}

Betrag TformFaelligkeitAufteilen::restbetrag() const {
    Betrag rest = Rechnungsbetrag;
    for (int i = 0; i < Zeilen; ++i)
        rest -= zeilenBetrag(i);
    return rest;
}

std::vector<tFaelligkeitsteil> TformFaelligkeitAufteilen::teile() const {
    std::vector<tFaelligkeitsteil> liste;
    for (int i = 0; i < Zeilen; ++i)
        liste.push_back({i == 0 ? ErsteFaelligkeit
                                : DatumAusText(edDatum[size_t(i)]->text(), ErsteFaelligkeit.month(),
                                               ErsteFaelligkeit.year())
                                      .value_or(QDate()),
                         zeilenBetrag(i)});
    while (!liste.empty() && liste.back().Betrag.istNull())
        liste.pop_back();
    return liste;
}

void TformFaelligkeitAufteilen::betragVerlassen(int zeile) {
    if (zeile + 1 < Zeilen && !zeilenBetrag(zeile + 1).istNull())
        return;
    if (restbetrag().cent() < 0) {
        Benutzer().fehler(QStringLiteral("Der Restbetrag darf nicht negativ sein!"));
        edBetrag[size_t(zeile)]->setFocus();
    }
}

void TformFaelligkeitAufteilen::datumVerlassen(int zeile) {
    if (zeilenBetrag(zeile).istNull())
        edBetrag[size_t(zeile)]->setText(BetragText(restbetrag()));
}

void TformFaelligkeitAufteilen::okKlick() {
    const std::vector<tFaelligkeitsteil> liste = teile();
    const QString fehler = FaelligkeitsAufteilungPruefen(Rechnungsbetrag, liste);
    if (!fehler.isEmpty()) {
        Benutzer().fehler(fehler);
        return;
    }
    FaelligkeitsAufteilung = liste;
    MaskeIstLeer = false;
    accept();
}
