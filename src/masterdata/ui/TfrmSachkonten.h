#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataModule1;

// The ledger accounts of the chart, read-only, optionally limited to an account range.
class TfrmSachkonten : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSachkonten(TDataModule1& dm, QWidget* parent = nullptr);

    // bereichId 0 lists every ledger account, otherwise the first range of that ID.
    void SachkontenEintragen(int bereichId, const QString& suchbegriff);
    qint64 GewaehltesKonto() const;
    void AuswahlModus(bool auswahl);

    QLineEdit* edSuche;
    QPushButton* btnSuchen;
    QPushButton* btnLeeren;
    QPushButton* btnEigenschaften;
    QTableWidget* tvSachkonten;
    QLabel* laHinweis;
    QLabel* laAnzahl;

Q_SIGNALS:
    void kontoGewaehlt(qint64 konto);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TDataModule1& dm;
    int bereich = 0;
    bool auswahlModus = false;

    void eigenschaften();
};

// One ledger account: number, name and tax key.
class TformSachkonto : public QDialog {
    Q_OBJECT
public:
    explicit TformSachkonto(TDataModule1& dm, QWidget* parent = nullptr);
    // Shows "Das Konto "n" konnte nicht gefunden werden!" when it is unknown.
    bool Anzeigen(qint64 konto);

    QLabel* laKonto;
    QLabel* laBezeichnung;
    QLabel* laSteuer;

private:
    TDataModule1& dm;
};
