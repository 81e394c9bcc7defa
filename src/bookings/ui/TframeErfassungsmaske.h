#pragma once

#include "Erfassungsmaske.h"

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QToolButton;
class TDataModule1;

// The page on which bookings are typed: the booking line, its error label, the payment and
// split tabs, the text-key list and the balances of the area. The rules live in
// tErfassungsmaske; this frame shows its state and hands keys and moves to it.
class TframeErfassungsmaske : public QWidget {
    Q_OBJECT
public:
    explicit TframeErfassungsmaske(TDataModule1& dm, QWidget* eltern = nullptr);

    void BereichOeffnen(int bereichId);
    // The commands of the "Erfassen" ribbon, F2 to F11.
    QList<QAction*> Aktionen() const;

    tErfassungsmaske Maske;
    QLineEdit* Zelle[Spalte::Anzahl] = {};
    QLabel* laUeberschriftKlein;
    QLabel* laUeberschriftGross;
    QLabel* BuchungFehlerLabel;
    QLabel* Saldo[3] = {};
    QToolButton* btnJahrAuswahl;
    QToolButton* btnMonatauswahl;
    QTabWidget* pcErfassung;
    QWidget* tabZVDaten;
    QWidget* tabAufteilung;
    QTableWidget* AufteilungsListe;
    QTableWidget* TSListe;
    QLineEdit* edRechNr;
    QLineEdit* edValutaTage;
    QLineEdit* edSkontoTage;
    QLineEdit* edSkontoSatz;
    QLineEdit* edNettoTage;
    QLabel* laDaten;
    QLabel* laZahlbetrag;
    QAction* acErfassungLeeren;
    QAction* acErfassungKlaeren;
    QAction* acErfassungBemerkung;
    QAction* acErfassungAufteilen;
    QAction* acTSAnlegen;
    QAction* acErfassungSpeichern;
    QAction* acKontoBearbeiten;
    QAction* acTSBearbeiten;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TDataModule1& dm;
    bool anzeigeLaeuft = false;

    void anzeigen();
    void tsListeAnzeigen();
    void splitAnzeigen();
    void zvAnzeigen();
    void SaldenAnzeige();
    void kopfAnzeigen();
    void gehe(int spalte);
    void speichern();
    void zvUebernehmen();
    bool zeilenTaste(int spalte, QKeyEvent* k);
    bool splitTaste(QKeyEvent* k);
    void splitZelleGeaendert(int zeile, int spalte);
    void monatsmenue();
    void jahresmenue();
};
