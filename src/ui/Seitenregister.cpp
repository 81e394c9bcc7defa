#include "Seitenregister.h"

#include "Benutzerrechte.h"
#include "Buchungsbereiche.h"
#include "DataModule.h"
#include "Sitzung.h"
#include "TformAufteilungskontenAuswahl.h"
#include "TformGeldkonto.h"
#include "TframeErfassungsmaske.h"
#include "TfrmBenutzer.h"
#include "TfrmErfassungen.h"
#include "TfrmErfassungsliste.h"
#include "TfrmErfassungssuche.h"
#include "TfrmFirmendaten.h"
#include "TfrmGeldkonten.h"
#include "TfrmKMBDaten.h"
#include "TfrmKooperationen.h"
#include "TfrmPersonenkonten.h"
#include "TfrmSachkonten.h"
#include "TfrmTextschluessel.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <algorithm>
#include <map>

namespace {

// The navigation's order of the items of every group.
const std::map<Navigationsgruppe, QStringList> reihenfolge = {
    {Navigationsgruppe::Stammdaten,
     {QStringLiteral("acFirmendaten"), QStringLiteral("acKelmbranddaten"),
      QStringLiteral("acBenutzer"), QStringLiteral("acErfassungsbereiche"),
      QStringLiteral("acLieferanten"), QStringLiteral("acLieferantenKosten"),
      QStringLiteral("acKunden"), QStringLiteral("acTextschluessel"),
      QStringLiteral("acSachkonten"), QStringLiteral("acZentralregulierung")}},
    {Navigationsgruppe::Auswertungen,
     {QStringLiteral("acAuswErfassungsbereiche"), QStringLiteral("acAuswOPListeLieferanten"),
      QStringLiteral("acAuswOPListeKunden"), QStringLiteral("acAuswKontoblatt"),
      QStringLiteral("acAuswKontenstatistik"), QStringLiteral("acZahlZVUebersicht"),
      QStringLiteral("acAuswSuche")}},
    {Navigationsgruppe::Datensicherung,
     {QStringLiteral("acSichSicherungErtellen"), QStringLiteral("acSichDatenRuecksichern")}},
    {Navigationsgruppe::Monatsabschluss, {QStringLiteral("acDatenMonatsabschluss")}},
    {Navigationsgruppe::Zahlungsverkehr,
     {QStringLiteral("acZahlLieferantenueberweisung"), QStringLiteral("acZahlKundenlastschrift"),
      QStringLiteral("acZahlKundenrueckzahlung"), QStringLiteral("acZahlZVUebersicht")}}};

void BenutzerSeiteRegistrieren(Seitenregister& r) {
    r.eintragen({.Aktion = QStringLiteral("acBenutzer"),
                 .Beschriftung = QStringLiteral("Benutzer"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Recht = Rechte::Benutzerverwaltung,
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmBenutzer(dm.ADOConnection_Bereich, Sitzung().Datenverzeichnis,
                                             Sitzung().Bereich, eltern);
                 }});
}

void TextschluesselSeitenRegistrieren(Seitenregister& r) {
    r.eintragen({.Aktion = QStringLiteral("acTextschluessel"),
                 .Beschriftung = QStringLiteral("Textschlüssel"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmTextschluessel(dm, eltern);
                 }});
    r.eintragen({.Aktion = QStringLiteral("acZentralregulierung"),
                 .Beschriftung = QStringLiteral("Zentralregulierung"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmKooperationen(dm, eltern);
                 }});
}

void StammdatenSeitenRegistrieren(Seitenregister& r) {
    r.eintragen({.Aktion = QStringLiteral("acFirmendaten"),
                 .Beschriftung = QStringLiteral("Firmendaten"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Recht = Rechte::Firmendaten,
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmFirmendaten(dm, eltern);
                 },
                 .SchliessenErlaubt =
                     [](QWidget* seite) {
                         return static_cast<TfrmFirmendaten*>(seite)->AenderungenKlaeren();
                     }});
    r.eintragen(
        {.Aktion = QStringLiteral("acKelmbranddaten"),
         .Beschriftung = QStringLiteral("Kelmbranddaten"),
         .Gruppen = {Navigationsgruppe::Stammdaten},
         .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
             return new TfrmKMBDaten(dm, eltern);
         },
         .SchliessenErlaubt =
             [](QWidget* seite) { return static_cast<TfrmKMBDaten*>(seite)->AenderungenKlaeren(); },
         .StartseiteBeobachten =
             [](QWidget* seite, const std::function<void()>& aktualisieren) {
                 QObject::connect(static_cast<TfrmKMBDaten*>(seite), &TfrmKMBDaten::Gespeichert,
                                  seite, aktualisieren);
             }});
    r.eintragen({.Aktion = QStringLiteral("acErfassungsbereiche"),
                 .Beschriftung = QStringLiteral("Erfassungsbereiche"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmGeldkonten(dm, eltern);
                 }});
    r.eintragen({.Aktion = QStringLiteral("acLieferanten"),
                 .Beschriftung = QStringLiteral("Lieferanten"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmLieferanten(dm, true, false, eltern);
                 }});
    r.eintragen({.Aktion = QStringLiteral("acLieferantenKosten"),
                 .Beschriftung = QStringLiteral("Lieferanten (Kosten)"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmLieferanten(dm, false, true, eltern);
                 }});
    r.eintragen({.Aktion = QStringLiteral("acKunden"),
                 .Beschriftung = QStringLiteral("Kunden"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmKunden(dm, eltern);
                 }});
    r.eintragen({.Aktion = QStringLiteral("acSachkonten"),
                 .Beschriftung = QStringLiteral("Sachkonten"),
                 .Gruppen = {Navigationsgruppe::Stammdaten},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmSachkonten(dm, eltern);
                 }});
    // The areas list and its menu; opening an area belongs to the bookings page.
    const auto bereiche = [](TDataModule1& dm) {
        return BuchungsbereicheLaden(dm.ADOConnection_Daten, Sitzung().Monat, Sitzung().Jahr,
                                     Sitzung().Optionen.WiederkErfassungenAktiv, [&](int id) {
                                         return HatRecht(dm.ADOConnection_Bereich,
                                                         Rechte::Buchungsbereich(id));
                                     });
    };
    r.erfassenAnbieten(
        {.BuchungsbereicheLaden =
             [bereiche](TDataModule1& dm) {
                 std::vector<tErfassenEintrag> eintraege;
                 for (const tBuchungsbereich& b : bereiche(dm))
                     eintraege.push_back({b.Bezeichnung, b.Symbol});
                 return eintraege;
             },
         .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
             return new TframeErfassungsmaske(dm, eltern);
         },
         .BereichOeffnen =
             [bereiche](TDataModule1& dm, QWidget* seite, int index) {
                 const tBereichsListe liste = bereiche(dm);
                 if (index >= int(liste.size()))
                     return QString();
                 static_cast<TframeErfassungsmaske*>(seite)->BereichOeffnen(
                     liste[size_t(index)].BereichID);
                 return liste[size_t(index)].Bezeichnung;
             },
         .Aktionen =
             [](QWidget* seite) {
                 const QList<QAction*> a = static_cast<TframeErfassungsmaske*>(seite)->Aktionen();
                 return std::vector<QAction*>(a.begin(), a.end());
             },
         .Kopfzeilen =
             [](QWidget* seite) {
                 return std::vector<QHeaderView*>{static_cast<TframeErfassungsmaske*>(seite)
                                                      ->Erfassungen->Liste->Raster->header()};
             },
         .Kontextmenue =
             [bereiche](TDataModule1& dm, QWidget* fenster, int index, QMenu& menu) {
                 const tBereichsListe liste = bereiche(dm);
                 if (index >= int(liste.size()) || liste[index].BereichID < 0)
                     return;
                 const int id = liste[index].BereichID;
                 QObject::connect(menu.addAction(QStringLiteral("Erfassungsbereich bearbeiten")),
                                  &QAction::triggered, fenster, [&dm, fenster, id] {
                                      TformGeldkonto dialog(dm, fenster);
                                      dialog.GeldkontoBearbeiten(id);
                                  });
                 QObject::connect(menu.addAction(QStringLiteral("Aufteilungskonten")),
                                  &QAction::triggered, fenster, [&dm, fenster, id] {
                                      TformAufteilungskontenAuswahl dialog(dm, fenster);
                                      dialog.execute(id);
                                  });
                 // Only the status the area does not have yet is offered.
                 const int status = liste[index].Status != 0 ? 0 : 1;
                 QObject::connect(
                     menu.addAction(status == 1
                                        ? QStringLiteral("Erfassungsbereich vollständig")
                                        : QStringLiteral("Erfassungsbereich unvollständig")),
                     &QAction::triggered, fenster, [&dm, id, status] {
                         if (AenderungErlaubt())
                             BuchungsbereichStatusSetzen(dm.ADOConnection_Daten, id,
                                                         Sitzung().Monat, Sitzung().Jahr, status);
                     });
             }});
}

void AuswertungenSeitenRegistrieren(Seitenregister& r) {
    r.eintragen({.Aktion = QStringLiteral("acAuswSuche"),
                 .Beschriftung = QStringLiteral("Suche"),
                 .Gruppen = {Navigationsgruppe::Auswertungen},
                 .Seite = [](TDataModule1& dm, QWidget* eltern) -> QWidget* {
                     return new TfrmErfassungssuche(dm, eltern);
                 }});
}

} // namespace

void Seitenregister::eintragen(tSeitenEintrag eintrag) {
    liste.push_back(std::move(eintrag));
}

void Seitenregister::erfassenAnbieten(tErfassenAnbieter a) {
    anbieter = std::move(a);
}

std::vector<const tSeitenEintrag*> Seitenregister::gruppe(Navigationsgruppe g) const {
    std::vector<const tSeitenEintrag*> items;
    for (const tSeitenEintrag& e : liste)
        if (std::find(e.Gruppen.begin(), e.Gruppen.end(), g) != e.Gruppen.end())
            items.push_back(&e);
    const auto it = reihenfolge.find(g);
    const QStringList bekannt = it == reihenfolge.end() ? QStringList() : it->second;
    // Later additions without a known place go to the end.
    const auto rang = [&bekannt](const tSeitenEintrag* e) {
        const qsizetype i = bekannt.indexOf(e->Aktion);
        return i < 0 ? bekannt.size() : i;
    };
    std::stable_sort(items.begin(), items.end(),
                     [&rang](const auto* a, const auto* b) { return rang(a) < rang(b); });
    return items;
}

QString Gruppenname(Navigationsgruppe g) {
    switch (g) {
    case Navigationsgruppe::Erfassen:
        return QStringLiteral("Erfassen");
    case Navigationsgruppe::Stammdaten:
        return QStringLiteral("Stammdaten");
    case Navigationsgruppe::Auswertungen:
        return QStringLiteral("Auswertungen");
    case Navigationsgruppe::Datensicherung:
        return QStringLiteral("Datensicherung");
    case Navigationsgruppe::Monatsabschluss:
        return QStringLiteral("Monatsabschluss");
    case Navigationsgruppe::Zahlungsverkehr:
        return QStringLiteral("Zahlungsverkehr");
    }
    return {};
}

void SeitenRegistrieren(Seitenregister& r) {
    BenutzerSeiteRegistrieren(r);
    StammdatenSeitenRegistrieren(r);
    TextschluesselSeitenRegistrieren(r);
    AuswertungenSeitenRegistrieren(r);
}
