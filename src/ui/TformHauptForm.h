#pragma once

#include "Benutzereinstellungen.h"
#include "Programmstart.h"
#include "Seitenregister.h"

#include <QMainWindow>
#include <map>

class QAction;
class QDockWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolBox;
class TDataModule1;

// The main window: ribbon tabs, the navigation groups, the page area, the status bar and the
// clock. Created once after the login; closing it ends the program, "Abmelden" returns to the
// login without ending it.
class TformHauptForm : public QMainWindow {
    Q_OBJECT
public:
    // anmelden runs the login again for a user change.
    TformHauptForm(TDataModule1& dm, const Seitenregister& register_, LoginAusfuehren anmelden,
                   QWidget* parent = nullptr);

    // The action of this name ("acBenutzer"), built in or registered; nullptr when absent.
    QAction* aktion(const QString& name) const;
    // The page of a registered action once it was opened.
    QWidget* seite(const QString& aktion) const;

    // Settings of the logged-in user for this business, saved at close and user change.
    std::vector<tBenutzerEinstellung> BenutzerEinstellungen;

    QTabWidget* dxRibbon1;
    QWidget* tabStart;
    QWidget* tabSonstiges;
    QWidget* tabErfassen;
    QDockWidget* dpNavigation;
    QToolBox* dxNavBar3;
    std::map<Navigationsgruppe, QListWidget*> gruppen;
    QStackedWidget* cxPageControl1;
    QWidget* cxTabSheet_NoSelect;
    QWidget* cxTabSheet_Erfassungen;
    QWidget* cxTabSheet_Sonstiges;
    QLabel* laStatus;
    QLabel* laUeberschriftKlein;
    QLabel* laUeberschriftGross;
    QLabel* laApotheke;
    QLabel* laBenutzer;
    QLabel* laVersion;
    QLabel* laUhrzeit;
    QLabel* laBerater;
    QLabel* laBeraterTelefon;
    QLabel* laSachbearbeiter;
    QLabel* laSachbearbeiterTelefon;
    QLabel* laLohnSachbearbeiter;
    QLabel* laLohnSachbearbeiterTelefon;
    QLabel* laNiederlassungStrasse;
    QLabel* laNiederlassungOrt;
    QLabel* laNiederlassungTelefon;
    QLabel* imgKelmbrandLogo;
    QTimer* timerUhrzeit;

    QAction* acStartseite;
    QAction* acOptionen;
    QAction* acBenutzerWechseln;
    QAction* acProgrammende;
    QAction* acInfo;
    QAction* acHilfe;
    QAction* acMailPersBerater;
    QAction* acMailSachbearbeiter;
    QAction* acMailLohnSachbearbeiter;

    void timerUhrzeitTimer();
    void AnsichtAnpassen();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    TDataModule1& dm;
    const Seitenregister& seitenregister;
    LoginAusfuehren anmelden;
    QString hilfedatei;
    bool angezeigt = false;
    // After a cancelled user change every connection is closed: nothing is left to save.
    bool abgemeldet = false;
    std::map<QString, QAction*> aktionen;
    std::map<QString, QWidget*> seiten;
    QStackedWidget* seitenstapel;
    QWidget* erfassungsseite = nullptr;
    QByteArray gridStandard;

    void FormCreate();
    void FormShow();
    QAction* neueAktion(const QString& name, const QString& text);
    void ribbonAufbauen();
    QWidget* startseiteAufbauen();
    void registrierteAktionenAnlegen();
    void gruppeOeffnen(int index);
    void gruppenAnzeigen();
    void ersteGruppeWaehlen();
    void erfassenEintragen();
    void erfassungsbereichOeffnen(int index);
    void eintragAusfuehren(const tSeitenEintrag& eintrag);
    void seiteZeigen(QWidget* blatt);
    void startseiteZeigen();
    void BenutzerEinstellungenUebernehmen();
    void NiederlassungEintragen();
    void OptionenUebernehmen();
    void HinweiseZeigen();
    bool schliessenErlaubt();
    void einstellungenSichern();
    void GridEinstellungenLaden();
    void GridEinstellungenSpeichern();
    void acOptionenExecute();
    void acBenutzerWechselnExecute();
    void acHilfeExecute();
    void mailSenden(const QString& adresse, const QString& fehlt);
};

// The image of an Erfassen item by its number (BereichSymbolIndex).
QIcon NavigationsSymbol(int symbol);

// Creates the main window with every subsystem's pages and runs it until it closes.
int HauptfensterAusfuehren(TDataModule1& dm, const LoginAusfuehren& anmelden);
