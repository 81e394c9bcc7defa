#pragma once

#include "Textschluessel.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class TDataModule1;

// The text-key list page: keys grouped by their first letter, search, filter and the commands
// new, edit and delete.
class TfrmTextschluessel : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTextschluessel(TDataModule1& dm, QWidget* eltern = nullptr);

    void TextschluesselListeAktualisieren();
    // The name of the selected key, empty without one.
    QString AusgewaehlterTextschluessel() const;

    QLineEdit* edSuche;
    QComboBox* cbTSFilter;
    QCheckBox* chkNurVerwendete;
    QTreeWidget* grdTextschluessel;
    QLabel* laAnzahl;
    QAction* acTextschluesselNeu;
    QAction* acTextschluesselBearbeiten;
    QAction* acTextschluesselLoeschen;

    // The filter of the last listing, for the printout.
    tTextschluesselFilter LetzteAbfrage;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    TDataModule1& dm;

    void neu();
    void bearbeiten();
    void loeschen();
};
