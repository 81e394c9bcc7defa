#include "Seitenregister.h"

#include "DataModule.h"
#include "Sitzung.h"
#include "TfrmBenutzer.h"

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
}
