#pragma once

#include "Stammdatenlisten.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataModule1;

// The list of customers or suppliers with its search; TfrmKunden and TfrmLieferanten set the
// number range. In the account picker the edit buttons are hidden and a double click takes the
// account.
class TfrmPersonenkonten : public QWidget {
    Q_OBJECT
public:
    void KontenEintragen();
    qint64 GewaehltesKonto() const;
    void AuswahlModus(bool auswahl);

    QComboBox* cbSuchfeld;
    QComboBox* cbSuchart;
    QLineEdit* edSuche;
    QPushButton* btnSucheStarten;
    QPushButton* btnSucheAbbrechen;
    QPushButton* btnNeu;
    QPushButton* btnBearbeiten;
    QPushButton* btnLoeschen;
    QTableWidget* tvKonten;
    QLabel* laAnzahl;

Q_SIGNALS:
    void kontoGewaehlt(qint64 konto);

protected:
    TfrmPersonenkonten(TDataModule1& dm, int kontoArt, qint64 von, qint64 bis, QWidget* parent);
    void showEvent(QShowEvent* e) override;
    // The new-account command; suppliers offer both kinds when both are listed.
    virtual void neu();
    void neuesKonto(int kontoArt);
    void bereichSetzen(qint64 von, qint64 bis);

    TDataModule1& dm;

private:
    int kontoArt;
    qint64 von;
    qint64 bis;
    bool auswahlModus = false;
    std::optional<tPersonenkontoSuche> suche;

    void suchfeldGewaehlt();
    void bearbeiten();
    void loeschen();
};

class TfrmKunden : public TfrmPersonenkonten {
public:
    explicit TfrmKunden(TDataModule1& dm, QWidget* parent = nullptr);
};

// Goods suppliers, cost suppliers or both, as the caller sets them.
class TfrmLieferanten : public TfrmPersonenkonten {
public:
    TfrmLieferanten(TDataModule1& dm, bool ware, bool kosten, QWidget* parent = nullptr);
    void AnzeigeSetzen(bool ware, bool kosten);

    bool LieferantenWareAnzeigen = true;
    bool LieferantenKostenAnzeigen = false;

protected:
    void neu() override;
};
