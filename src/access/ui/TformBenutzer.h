#pragma once

#include "Benutzerverwaltung.h"

#include <QDialog>

class Datenbank;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The user dialog: name, initials, password, kind, activity and the rights per Betrieb. It
// edits the form it is given; the caller saves it after OK.
class TformBenutzer : public QDialog {
    Q_OBJECT
public:
    TformBenutzer(Datenbank& bereich, const tHandelnder& handelnder, tBenutzerFormular formular,
                  QWidget* parent = nullptr);

    const tBenutzerFormular& formular() const { return daten; }

    QComboBox* cbStatus;
    QLineEdit* edName;
    QLineEdit* edKuerzel;
    QLineEdit* edPasswort;
    QLineEdit* edPasswortBestaetigung;
    QCheckBox* cbAktiv;
    QListWidget* lbBetriebe;
    QListWidget* lbRechte;
    QPushButton* btnAlle;
    QPushButton* btnKeine;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

    // The entries of the kind box, in this order.
    static const QStringList Arten;

private:
    Datenbank& bereich;
    tHandelnder handelnder;
    tBenutzerFormular daten;

    Benutzerrolle gewaehlteArt() const;
    void artGewechselt();
    void rechteZeigen();
    void alleSetzen(bool erteilt);
    void btnOKClick();
};
