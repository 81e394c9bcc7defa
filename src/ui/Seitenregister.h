#pragma once

#include "Benutzerrechte.h"

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QHeaderView;
class QMenu;
class QWidget;
class TDataModule1;

// How a subsystem puts its pages and commands into the main window: one entry per action,
// given in one place. The window shows only what is registered, so a subsystem that is not
// built has no trace in it.
//
// Usage, in the subsystem's ui folder (its function is then called from SeitenRegistrieren):
//
//     void StammdatenSeitenRegistrieren(Seitenregister& r) {
//         r.eintragen({.Aktion = "acFirmendaten",
//                      .Beschriftung = "Firmendaten",
//                      .Gruppen = {Navigationsgruppe::Stammdaten},
//                      .Recht = Rechte::Firmendaten,
//                      .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
//                          return new TfrmFirmendaten(dm, eltern);
//                      },
//                      .SchliessenErlaubt = [](QWidget* seite) {
//                          return static_cast<TfrmFirmendaten*>(seite)->AenderungenKlaeren();
//                      }});
//     }
//
// A page is created on its first use as a child of the page area and lives until the program
// ends or the user changes (then the next use creates it anew for the new login). Showing it
// is the page's moment to refresh itself from the database (its showEvent).

// The navigation groups in their order; an item takes its place in its group by its action.
enum class Navigationsgruppe {
    Erfassen,
    Stammdaten,
    Auswertungen,
    Datensicherung,
    Monatsabschluss,
    Zahlungsverkehr
};

// The ribbon tab that carries the action's button; Keine for navigation-only actions.
enum class Registerkarte { Keine, Start, Sonstiges };

struct tSeitenEintrag {
    // The action's name ("acBenutzer") and caption ("Benutzer").
    QString Aktion{};
    QString Beschriftung{};
    // The navigation items (an action may stand in two groups); their caption when it differs
    // from the action's.
    std::vector<Navigationsgruppe> Gruppen{};
    QString Navigationstext{};
    Registerkarte Karte = Registerkarte::Keine;
    QKeySequence Taste{};
    // The action is enabled only for users holding this right in the business. A group whose
    // every item is refused is hidden.
    std::optional<::Recht> Recht{};
    // A page shown in the page area ("Panel für alles").
    std::function<QWidget*(TDataModule1& dm, QWidget* eltern)> Seite{};
    // A dialog or command; for a page, what follows showing it.
    std::function<void(TDataModule1& dm, QWidget* fenster)> Ausfuehren{};
    // Asked for an existing page before closing and before a user change; false stops them
    // (the user cancelled the question for unsaved data).
    std::function<bool(QWidget* seite)> SchliessenErlaubt{};
    // For a page whose saving changes what the start page shows: called once the page exists,
    // with the window's refresh of the start page's advisers and branch.
    std::function<void(QWidget* seite, const std::function<void()>& startseiteAktualisieren)>
        StartseiteBeobachten{};
};

// One item of the Erfassen group: the area's name and its navigation image
// (BereichSymbolIndex).
struct tErfassenEintrag {
    QString Text{};
    int Symbol = 0;
};

// The booking entry owns the Erfassen group: its items are the booking areas. Without a
// provider the group is not shown.
struct tErfassenAnbieter {
    // The items in the order of the area list; asked whenever the group opens.
    std::function<std::vector<tErfassenEintrag>(TDataModule1& dm)> BuchungsbereicheLaden{};
    // The bookings page ("Erfassungen"), created on first use.
    std::function<QWidget*(TDataModule1& dm, QWidget* eltern)> Seite{};
    // Opens the area with this index of the list on the bookings page; gives the area's caption
    // for the heading.
    std::function<QString(TDataModule1& dm, QWidget* seite, int index)> BereichOeffnen{};
    // The commands of the "Erfassen" ribbon bar, bound to the bookings page.
    std::function<std::vector<QAction*>(QWidget* seite)> Aktionen{};
    // The header views of the booking grids; their layout is stored per user.
    std::function<std::vector<QHeaderView*>(QWidget* seite)> Kopfzeilen{};
    // Fills the context menu of the item with this index; the group is read anew after a
    // command of the menu ran.
    std::function<void(TDataModule1& dm, QWidget* fenster, int index, QMenu& menu)> Kontextmenue{};
};

class Seitenregister {
public:
    void eintragen(tSeitenEintrag eintrag);
    void erfassenAnbieten(tErfassenAnbieter anbieter);

    const std::vector<tSeitenEintrag>& eintraege() const { return liste; }
    const std::optional<tErfassenAnbieter>& erfassen() const { return anbieter; }

    // The items of a group in the navigation's order: the known items as the window lists
    // them, later additions at the end.
    std::vector<const tSeitenEintrag*> gruppe(Navigationsgruppe g) const;

private:
    std::vector<tSeitenEintrag> liste;
    std::optional<tErfassenAnbieter> anbieter;
};

// The group's caption ("Stammdaten", ... "Monatsabschluss").
QString Gruppenname(Navigationsgruppe g);

// Every subsystem's entries: one registration call per subsystem.
void SeitenRegistrieren(Seitenregister& r);
