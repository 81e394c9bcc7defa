#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;
class TDataModule1;

// The areas page: every set-up area with its kind, account, activation month and opening
// balance; new cash boxes and banks, editing, deleting banks and the standard paying bank.
class TfrmGeldkonten : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGeldkonten(TDataModule1& dm, QWidget* parent = nullptr);

    void GeldkontenEintragen();

    QTableWidget* tvGeldkonten;
    QPushButton* btnNeuKasse;
    QPushButton* btnNeuBank;
    QPushButton* btnBearbeiten;
    QPushButton* btnLoeschen;
    QPushButton* btnStandardZahlbank;
    QPushButton* btnAufteilungskonten;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TDataModule1& dm;

    int gewaehlterBereich() const;
    int gewaehlteArt() const;
    void auswahlGeaendert();
    void neu(int bereichsart);
    void bearbeiten();
    void loeschen();
    void standardZahlbank();
};
