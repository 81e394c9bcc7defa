#pragma once

#include "Benutzerverwaltung.h"

#include <QWidget>

class Datenbank;
class QAction;
class QTreeWidget;

// The users page: every user of the Bereich with status picture, ID, name, initials and the
// Betriebe he has access to. The acting user is the logged-in one.
class TfrmBenutzer : public QWidget {
    Q_OBJECT
public:
    TfrmBenutzer(Datenbank& bereich, const QString& datenverzeichnis, const QString& bereichName,
                 QWidget* parent = nullptr);

    // Reloads the grid from the database, as every time the page is shown.
    void BenutzerEintragen();
    void NeueBenutzer();
    void BenutzerBearbeiten(qint64 id);
    void BenutzerLoeschenAusfuehren();

    QAction* acNeu;
    QAction* acBearbeiten;
    QAction* acLoeschen;
    QTreeWidget* grid;

    // The role under which each row keeps its picture number (0 to 11).
    static constexpr int SymbolRolle = Qt::UserRole + 1;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    Datenbank& bereich;
    QString datenverzeichnis;
    QString bereichName;
    std::vector<tBenutzerZeile> zeilen;

    const tBenutzerZeile* gewaehlteZeile() const;
    void aktionenAnpassen();
    void formularZeigen(tBenutzerFormular formular);
};
