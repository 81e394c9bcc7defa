#pragma once

#include "ErfassungBearbeiten.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class TDataModule1;

// "Erfassung löschen": the question before deleting one or several bookings, with the reason
// stored in the archive. In an outgoing-invoice area the reason is required.
class TformErfassungLoeschen : public QDialog {
    Q_OBJECT
public:
    explicit TformErfassungLoeschen(QWidget* parent = nullptr);

    // One booking: its date, text and amount; nullopt for several ("k. A.").
    void Anzeigen(const std::optional<tLoeschAngaben>& angaben);
    QString Begruendung() const;

    // The checks, the question and the deletion; true when deleted.
    static bool ExecuteEinzeln(TDataModule1& dm, const QString& ErfassungsTabelle,
                               qint64 buchungsId, QWidget* parent = nullptr);
    static bool ExecuteListe(TDataModule1& dm, const QString& ErfassungsTabelle,
                             const std::vector<qint64>& LoeschListe, QWidget* parent = nullptr);

    QLabel* laFrage;
    QLabel* laDatum;
    QLabel* laText;
    QLabel* laBetrag;
    QLineEdit* edBegruendung;
    QPushButton* btnJa;
    QPushButton* btnNein;

private:
    bool BegruendungNoetig = false;
    void JaGeklickt();
    void KnoepfeAnpassen();
};
