#pragma once

#include <QDialog>

class QPushButton;
class TDataModule1;
class TfrmAufteilungskontenAuswahl;

// "Aufteilungskonten" of a booking area, opened from the area list.
class TformAufteilungskontenAuswahl : public QDialog {
    Q_OBJECT
public:
    explicit TformAufteilungskontenAuswahl(TDataModule1& dm, QWidget* eltern = nullptr);

    // Shows the area's split accounts; OK saves them. True when saved.
    bool execute(int bereichId);

    TfrmAufteilungskontenAuswahl* frmAufteilungskonten;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

private:
    TDataModule1& dm;
};
