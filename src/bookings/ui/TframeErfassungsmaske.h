#pragma once

#include "Erfassungsmaske.h"

#include <QWidget>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolBar;
class QTabWidget;
class QTableWidget;
class QToolButton;
class TDataModule1;
class TfrmErfassungen;

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
    QWidget* BuchungsZeile;
    QLineEdit* Zelle[Spalte::Anzahl] = {};
    QLabel* BuchungFehlerLabel;
    QLabel* Saldo[3] = {};
    QToolButton* btnJahrAuswahl;
    QToolButton* btnMonatauswahl;
    QTabWidget* pcErfassung;
    // "Info": the bookings of the area in the working month.
    QWidget* tabInfo;
    TfrmErfassungen* Erfassungen;
    QWidget* tabZVDaten;
    QWidget* tabAufteilung;
    QTableWidget* AufteilungsListe;
    QToolBar* paMenueErfassungsmaske;
    // "Textschlüsselliste ausblenden" / "Textschlüsselliste anzeigen".
    QPushButton* btnTSAnzeigenSwitch;
    // The text-key list and the tax list beside the mask; one of them is in front.
    QStackedWidget* paErfassungZusatz;
    QTableWidget* TSListe;
    QTableWidget* SteuerListe;
    QCheckBox* cbBankeinzug;
    QLineEdit* edRechNr;
    // Valuta, discount and net terms with their dates; hidden for accounts without open items.
    QWidget* gbZahlung;
    QLineEdit* edValutaTage;
    QLineEdit* edValutaDatum;
    QLineEdit* edSkontoTage;
    QLineEdit* edSkontoDatum;
    QLineEdit* edSkontoSatz;
    QLineEdit* edSkontoBetrag;
    QLineEdit* edNettoTage;
    QLineEdit* edFaelligkeitsDatum;
    QLabel* laZahlbetrag;
    QLabel* laKundennummer;
    QLabel* laIBAN;
    QLabel* laMandatsreferenz;
    QLabel* laMandatsunterschriftDatum;
    QPushButton* btnFaelligkeitAufteilen;
    QPushButton* btnKontoBearbeiten;
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
    void resizeEvent(QResizeEvent* e) override;

private:
    TDataModule1& dm;
    bool anzeigeLaeuft = false;

    void anzeigen();
    void tsListeAnzeigen();
    void steuerListeAnzeigen();
    void tsListeUmschalten(bool anzeigen);
    void splitAnzeigen();
    void zvAnzeigen();
    void SaldenAnzeige();
    void kopfAnzeigen();
    void gehe(int spalte);
    void speichern();
    // The payment page's fields in their order; Enter moves along it.
    std::vector<QLineEdit*> zvFelder() const;
    // Takes over the field being left; false when its date was refused and the focus stays.
    bool zvFeldVerlassen(QLineEdit* feld);
    void zvEnter(QLineEdit* feld);
    bool zeilenTaste(int spalte, QKeyEvent* k);
    bool splitTaste(QKeyEvent* k);
    void splitZelleGeaendert(int zeile, int spalte);
    void monatsmenue();
    // After a change of the working month the list follows.
    void monatGewechselt();
    // In a closed month everything that would change bookings is hidden.
    void monatsabschlussAnpassen();
    void bemerkung();
    void jahresmenue();
};
