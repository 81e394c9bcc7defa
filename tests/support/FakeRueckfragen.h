#pragma once

#include "Rueckfragen.h"

#include <QStringList>
#include <deque>

// Records every text shown and answers questions from a prepared list. A question without a
// prepared answer fails the test, so no path is taken by accident.
class FakeRueckfragen final : public Rueckfragen {
public:
    FakeRueckfragen();

    struct Meldung {
        Meldungsart art;
        QString text;
        Knoepfe knoepfe;
    };

    std::vector<Meldung> meldungen;
    std::deque<Antwort> antworten;
    std::deque<std::optional<QString>> eingaben;
    bool checkboxAnkreuzen = false;

    Antwort frage(Meldungsart art, const QString& text, Knoepfe knoepfe) override;
    bool hinweis(const QString& titel, const QString& text, bool mitCheckbox) override;
    std::optional<QString> eingabe(const QString& titel, const QString& text,
                                   const QString& vorgabe, bool verdeckt) override;
    void fortschritt(int, int, const QString&) override {}

    QStringList texte() const;
    QString letzterText() const;

private:
    RueckfragenAnmeldung anmeldung;
};
