#include "TformErfassungsVerlauf.h"

#include "DataModule.h"
#include "Datum.h"
#include "Erfassungsverlauf.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString BetragOderLeer(const std::optional<Betrag>& b) {
    return b ? BetragText(*b) : QString();
}

QStringList Spalten(const tErfassungsZeile& z) {
    const QString zeit = QStringLiteral("dd.MM.yyyy hh:mm");
    // Split rows share the main row's date and text key; they are not repeated.
    return {z.Hauptbuchung ? DatumText(z.Belegdatum) : QString(),
            z.Hauptbuchung ? z.TSName : QString(),
            QString::number(z.Konto),
            QString::number(z.GKonto),
            BetragOderLeer(z.Einnahme()),
            BetragOderLeer(z.Ausgabe()),
            z.Buchungstext,
            z.Steuer,
            z.Belegnummer,
            z.Rechnungsnummer,
            z.Bemerkung,
            z.ErstelltVon,
            z.ErstelltAm.toString(zeit),
            z.AenderungVon,
            z.LetzteAenderung.isValid() ? z.LetzteAenderung.toString(zeit) : QString(),
            QString::number(z.AnzahlAenderungen)};
}

} // namespace

TformErfassungsVerlauf::TformErfassungsVerlauf(TDataModule1& dm, qint64 buchungsId, QWidget* parent)
    : QDialog(parent), tvVerlauf(new QTreeWidget(this)),
      btnSchliessen(new QPushButton(QStringLiteral("Schließen"), this)) {
    setWindowTitle(QStringLiteral("Erfassungsverlauf"));
    resize(1000, 500);
    tvVerlauf->setHeaderLabels(
        {QStringLiteral("Belegdatum"), QStringLiteral("TS"), QStringLiteral("Konto"),
         QStringLiteral("GKonto"), QStringLiteral("Einnahme"), QStringLiteral("Ausgabe"),
         QStringLiteral("Erfassungstext"), QStringLiteral("Steuer"), QStringLiteral("Belegnummer"),
         QStringLiteral("Rechnungsnummer"), QStringLiteral("Bemerkung"),
         QStringLiteral("Erstellt von"), QStringLiteral("Erstellt am"),
         QStringLiteral("Änderung von"), QStringLiteral("Letzte Änderung"),
         QStringLiteral("Anzahl Änderungen")});
    tvVerlauf->setRootIsDecorated(true);
    tvVerlauf->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tvVerlauf);
    layout->addLayout(knoepfe);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);

    QTreeWidgetItem* stand = nullptr;
    for (const tVerlaufsZeile& v : ErfassungsVerlauf(dm.ADOConnection_Daten, buchungsId)) {
        if (!stand || stand->text(0) != v.Aenderung) {
            stand = new QTreeWidgetItem(tvVerlauf, {v.Aenderung});
            stand->setFirstColumnSpanned(true);
        }
        auto* zeile = new QTreeWidgetItem(stand, Spalten(v.Zeile));
        if (!v.Zeile.Hauptbuchung)
            for (int i = 0; i < tvVerlauf->columnCount(); ++i)
                zeile->setForeground(i, Qt::gray);
        for (const int i : {2, 3, 4, 5, 15})
            zeile->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    tvVerlauf->expandAll();
    tvVerlauf->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TformErfassungsVerlauf::ErfassungsVerlaufOeffnen(TDataModule1& dm, qint64 buchungsId,
                                                      QWidget* parent) {
    TformErfassungsVerlauf dialog(dm, buchungsId, parent);
    dialog.exec();
}
