#pragma once

#include "Buchung.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Splits an invoice's due date into up to ten instalments that add up to the invoice amount.
class TformFaelligkeitAufteilen : public QDialog {
    Q_OBJECT
public:
    explicit TformFaelligkeitAufteilen(QWidget* parent = nullptr);

    // True when the user confirmed a split; FaelligkeitsAufteilung then holds the rows up to the
    // last one with an amount, so each instalment keeps its position. After false, result() is
    // Entfernt when the user removed the split rather than cancelled.
    bool FaelligkeitenAufteilen(Betrag rechnungsbetrag, const QDate& ersteFaelligkeit);
    static constexpr int Entfernt = QDialog::Accepted + 1;

    // Puts the dialog behind the booking's due-date split.
    static void Anmelden(QWidget* parent);

    std::vector<tFaelligkeitsteil> FaelligkeitsAufteilung;
    bool MaskeIstLeer = true;

    static constexpr int Zeilen = 10;
    QLabel* laHinweis;
    std::array<QLineEdit*, Zeilen> edDatum;
    std::array<QLineEdit*, Zeilen> edBetrag;
    QPushButton* btnOK;
    QPushButton* btnEntfernen;

private:
    Betrag Rechnungsbetrag;
    QDate ErsteFaelligkeit;

    Betrag zeilenBetrag(int zeile) const;
    Betrag restbetrag() const;
    std::vector<tFaelligkeitsteil> teile() const;
    void betragVerlassen(int zeile);
    void datumVerlassen(int zeile);
    void okKlick();
};
