#pragma once

#include "Rueckfragen.h"

class QProgressDialog;
class QWidget;

// Message boxes with German buttons for the question seam.
class QtRueckfragen final : public Rueckfragen {
public:
    QtRueckfragen();
    ~QtRueckfragen() override;

    Antwort frage(Meldungsart art, const QString& text, Knoepfe knoepfe) override;
    bool hinweis(const QString& titel, const QString& text, bool mitCheckbox) override;
    std::optional<QString> eingabe(const QString& titel, const QString& text,
                                   const QString& vorgabe, bool verdeckt) override;
    void fortschritt(int wert, int maximum, const QString& text) override;

private:
    QProgressDialog* fortschrittsanzeige = nullptr;
};

// The program's texts write a line break as "\r".
QString Anzeigetext(const QString& text);
