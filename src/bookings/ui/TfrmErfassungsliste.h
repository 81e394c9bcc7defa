#pragma once

#include "Erfassungsliste.h"

#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QTreeView;
class TDataModule1;
class tErfassungslistenModell;

// The list of stored bookings: main rows with their split rows beneath, fetched page by page as
// the user scrolls, sortable by clicking a header, columns arranged by the user. The bookings
// page, the search and later the pools and account sheets each hold one.
class TfrmErfassungsliste : public QWidget {
    Q_OBJECT
public:
    explicit TfrmErfassungsliste(TDataModule1& dm, QWidget* eltern = nullptr);

    // The bookings of an area (or the pseudo area -1) in a month, newest first by default;
    // the selected booking stays selected when it is still listed.
    void ErfassungenEintragenBereich(const QString& tabelle, int bereichId,
                                     Erfassungssortierung sortierung, int jahr, int monat);
    // The hits of the search page, without split rows beneath.
    void ErfassungenEintragenSuche(const tErfassungssuche& suche);
    // Reads the list again with its last query.
    void Aktualisieren();
    // Empties the list (the search page after changing the table).
    void Leeren();

    // Shows or hides the split rows under every main row.
    void AufteilungsErfassungenAnzeigen(bool anzeigen);
    bool AufteilungenAnzeigen() const { return aufteilungenAnzeigen; }

    // The selected main rows; split rows cannot be selected.
    std::vector<tErfassungsZeile> Auswahl() const;
    // The booking the cursor stands on, nullopt when none.
    std::optional<tErfassungsZeile> AktuelleZeile() const;
    // The area kind the list shows ("Rechnung" in kinds 3 to 5, "Einnahme"/"Ausgabe" else).
    int Bereichsart() const { return bereichsart; }
    const QString& Tabelle() const { return tabelle; }
    qint64 Anzahl() const;

    // "Standard wiederherstellen" of the column chooser: every column as after start, then the
    // amount columns for the area kind.
    void StandardSpalten();

    QTreeView* Raster;
    QLabel* laAnzahl;
    tErfassungslistenModell* Modell;

Q_SIGNALS:
    // Double click on a main row (except on "Anzahl Änderungen"), or Enter.
    void ErfassungGewaehlt(qint64 buchungsId);
    // Double click on "Anzahl Änderungen".
    void VerlaufGewuenscht(qint64 buchungsId);
    void AuswahlGeaendert();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    TDataModule1& dm;
    QString tabelle;
    int bereichsart = 0;
    bool aufteilungenAnzeigen = false;
    QByteArray standardLayout;
    // The column the user sorted by (-1: the list's own order).
    int sortSpalte = -1;
    Qt::SortOrder sortRichtung = Qt::AscendingOrder;
    // The booking to select again after the list was read anew.
    std::optional<qint64> markiert;

    void fuellen(tErfassungsAbfrage abfrage);
    void nachFuellen();
    // The amount columns for the area kind, "Löschdatum" only in the archive of deleted ones.
    void betragsspaltenFuerArt();
};
