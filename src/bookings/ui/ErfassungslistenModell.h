#pragma once

#include "Erfassungsliste.h"

#include <QAbstractItemModel>
#include <QSet>
#include <vector>

class Datenbank;

// The rows of a booking list for a tree view: main rows at the top, the split rows of each as
// its children (unless the query lists split rows as rows of their own). Rows are read a page
// at a time as the view scrolls; no statement stays open between pages, so other workstations
// can write meanwhile.
class tErfassungslistenModell : public QAbstractItemModel {
    Q_OBJECT
public:
    // The columns in their order.
    enum Spalte {
        LfdNr,
        ID,
        Erfassungsbereich,
        ErfassungsID,
        Haupterfassung,
        Klaeren,
        BemerkungVorhanden,
        Belegdatum,
        TS,
        Konto,
        GKonto,
        Rechnung,
        Einnahme,
        Ausgabe,
        Buchungsseite,
        Erfassungstext,
        Steuer,
        Steuerbezeichnung,
        Belegnummer,
        Rechnungsnummer,
        Bemerkung,
        ErstelltVon,
        ErstelltAm,
        AenderungVon,
        LetzteAenderung,
        Erfassungskennzeichen,
        AnzahlAenderungen,
        AenderungSteuerRelevant,
        Loeschdatum,
        SpaltenAnzahl
    };
    static constexpr int Seitengroesse = 200;

    explicit tErfassungslistenModell(Datenbank& daten, QObject* eltern = nullptr);

    // Reads the list anew: the number of rows and the first page.
    void Fuellen(const tErfassungsAbfrage& abfrage, tSteuerbezeichnungen steuer);
    void Leeren();
    bool Gefuellt() const { return gefuellt; }
    const tErfassungsAbfrage& Abfrage() const { return abfrage; }
    qint64 Gesamt() const { return gesamt; }

    // The row behind the index, a main or a split row; nullptr for none.
    const tErfassungsZeile* Zeile(const QModelIndex& index) const;
    // The index (column 0) of the booking's main row; pages are read on while the booking is
    // listed but not yet read. Invalid when it is not listed.
    QModelIndex BuchungSuchen(qint64 buchungsId);

    static QString Ueberschrift(int spalte);
    // The field ErfassungsReihenfolgeSetzen sorts the column by; empty when it cannot be sorted.
    static QString Sortierfeld(int spalte);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    // Reads the list again in the column's order; columns without a sort field are ignored.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Eintrag {
        tErfassungsZeile zeile;
        std::vector<tErfassungsZeile> aufteilungen;
    };

    Datenbank& daten;
    tErfassungsAbfrage abfrage;
    tSteuerbezeichnungen steuer;
    std::vector<Eintrag> eintraege;
    // Rows of the query read so far (the next page's offset) and their IDs: a row that moved
    // forward because another workstation saved meanwhile is not listed twice.
    qint64 gelesen = 0;
    QSet<qint64> ids;
    qint64 gesamt = 0;
    bool ende = true;
    bool gefuellt = false;

    void seiteLesen();
    QVariant text(const tErfassungsZeile& z, int spalte) const;
};
