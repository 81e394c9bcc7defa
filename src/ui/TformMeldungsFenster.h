#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// A modal hint with an OK button and, on request, the box "Hinweis nicht mehr anzeigen".
class TformMeldungsFenster : public QDialog {
    Q_OBJECT
public:
    explicit TformMeldungsFenster(QWidget* parent = nullptr);

    // Shows the hint; returns whether the box was ticked when the window closed.
    bool MeldungZeigen(const QString& Titel, const QString& Hinweis, bool CheckNichtMehrAnzeigen);

    QLabel* laHinweis;
    QCheckBox* cbNichtMehrAnzeigen;
};
