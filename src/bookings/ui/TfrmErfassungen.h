#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class TDataModule1;
class TfrmErfassungsliste;

// The bookings of the open area in the working month under the entry mask, with the commands
// on them: edit, delete, move to another month, remarks, history and info.
class TfrmErfassungen : public QWidget {
    Q_OBJECT
public:
    explicit TfrmErfassungen(TDataModule1& dm, QWidget* eltern = nullptr);

    // Lists the area's bookings of the working month.
    void BereichAnzeigen(int bereichId);
    void Aktualisieren();
    // In a closed month the commands that change bookings are hidden; "löschen" also in
    // "Erfassungen klären".
    void MonatsabschlussAnpassen(bool abgeschlossen);

    TfrmErfassungsliste* Liste;
    QPushButton* btnAufteilungen;
    QToolButton* btnVerschieben;
    QMenu* pmMonate;
    QMenu* pmErfassungsliste;
    QAction* acErfassungBearbeiten;
    QAction* acErfassungLoeschen;
    QAction* acErfassungBemerkungLoeschen;
    QAction* acErfassungsverlauf;
    QAction* acErfassungsinfo;
    QAction* acSpaltenVerwalten;
    QAction* acSucheBelegnummer;
    QAction* acTSBearbeiten;
    QAction* acKontoEigenschaften;
    QAction* acGKontoEigenschaften;
    QAction* acKontoBearbeiten;
    QAction* acGKontoBearbeiten;

Q_SIGNALS:
    // The user wants the booking in the entry mask; the month and paid-invoice checks passed.
    void Bearbeiten(qint64 buchungsId);
    // Bookings were deleted, moved or changed: balances and the area menu follow.
    void Geaendert();

private:
    TDataModule1& dm;
    int bereichId = 0;

    void bearbeiten();
    void loeschen();
    void bemerkungLoeschen();
    void verlauf();
    void info();
    void sucheBelegnummer();
    void monateAnbieten();
    void verschieben(int monat, int jahr);
    void kontextmenueAnpassen();
};
