#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Bemerkung": the remark of a booking, editable or read-only.
class TformBemerkung : public QDialog {
    Q_OBJECT
public:
    explicit TformBemerkung(QWidget* parent = nullptr);

    void Anzeigen(const QString& sBemerkung, bool Readonly);
    QString Text() const;

    // "OK" gives true and the edited text; anything else false and the text unchanged.
    static bool BemerkungBearbeiten(const QString& sBemerkung, bool Readonly, QString& text,
                                    QWidget* parent = nullptr);

    QPlainTextEdit* memBemerkung;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;
    QPushButton* btnSchliessen;

private:
    void Begrenzen();
};
