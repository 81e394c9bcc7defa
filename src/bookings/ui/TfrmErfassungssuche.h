#pragma once

#include "Erfassungsliste.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class TDataModule1;
class TfrmErfassungsliste;

// The booking search: criteria above, the hits below. A page of the main window ("Suche"), and
// in a window of its own for "Suche nach Belegnummer".
class TfrmErfassungssuche : public QWidget {
    Q_OBJECT
public:
    explicit TfrmErfassungssuche(TDataModule1& dm, QWidget* eltern = nullptr);

    // The search in a window of its own, the criteria filled and the search already run; the
    // window deletes itself when closed.
    static TfrmErfassungssuche*
    ErfassungssucheFenster(TDataModule1& dm, const tErfassungssuche& suche, QWidget* eltern);
    // The criteria of "Suche nach Belegnummer": the receipt number among the bookings from the
    // company's start of bookkeeping to today.
    static tErfassungssuche BelegnummerSuche(const QString& belegnummer);

    // Fills the fields from the criteria (without searching).
    void KriterienSetzen(const tErfassungssuche& suche);
    // "Suche starten": false, after a message and with the list unchanged, when a field holds
    // no valid date, amount or account.
    bool SucheStarten();

    QLineEdit* edVon;
    QLineEdit* edBis;
    QLineEdit* edTextschluessel;
    QLineEdit* edBetragVon;
    QLineEdit* edBetragBis;
    QLineEdit* edKonto;
    QLineEdit* edErfassungstext;
    QLineEdit* edBelegnummer;
    QLineEdit* edRechnungsnummer;
    QComboBox* cbTabelle;
    QPushButton* btnSucheStarten;
    TfrmErfassungsliste* Liste;

protected:
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    TDataModule1& dm;

    std::optional<tErfassungssuche> kriterienLesen();
    void erfassungGewaehlt(qint64 buchungsId);
};
