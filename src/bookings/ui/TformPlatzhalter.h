#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The placeholder picker of the text-key editor.
class TformPlatzhalter : public QDialog {
    Q_OBJECT
public:
    explicit TformPlatzhalter(QWidget* parent = nullptr);

    // The chosen placeholder, empty when cancelled.
    QString GetPlatzhalter();

    QTreeWidget* lvPlatzhalter;
    QPushButton* btnEinfuegen;
    QPushButton* btnAbbrechen;
};
