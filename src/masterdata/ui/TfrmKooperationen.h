#pragma once

#include <QWidget>

class QAction;
class QTreeWidget;
class TDataModule1;

// The page "Zentralregulierung": the central settlers and the partners of the selected one.
class TfrmKooperationen : public QWidget {
    Q_OBJECT
public:
    explicit TfrmKooperationen(TDataModule1& dm, QWidget* eltern = nullptr);

    void KooperationenEintragen();
    void KooperationsPartnerEintragen();

    QTreeWidget* lvZentralregulierer;
    QTreeWidget* lvPartner;
    QAction* acZentralreguliererNeu;
    QAction* acZentralreguliererEntfernen;
    QAction* acKontoHinzufuegen;
    QAction* acKontoEntfernen;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    TDataModule1& dm;

    qint64 gewaehlt(QTreeWidget* liste) const;
    void aktionenAnpassen();
    void zentralreguliererNeu();
    void zentralreguliererEntfernen();
    void kontoHinzufuegen();
    void kontoEntfernen();
};
