#include "FakeRueckfragen.h"

#include <gtest/gtest.h>

FakeRueckfragen::FakeRueckfragen() : anmeldung(*this) {}

Antwort FakeRueckfragen::frage(Meldungsart art, const QString& text, Knoepfe knoepfe) {
    meldungen.push_back({art, text, knoepfe});
    if (knoepfe == Knoepfe::Ok)
        return Antwort::Ok;
    if (antworten.empty()) {
        ADD_FAILURE() << "Unerwartete Frage: " << text.toStdString();
        return Antwort::Abbrechen;
    }
    Antwort a = antworten.front();
    antworten.pop_front();
    return a;
}

bool FakeRueckfragen::hinweis(const QString& titel, const QString& text, bool mitCheckbox) {
    meldungen.push_back({Meldungsart::Information, titel + u'\r' + text, Knoepfe::Ok});
    return mitCheckbox && checkboxAnkreuzen;
}

std::optional<QString> FakeRueckfragen::eingabe(const QString&, const QString& text, const QString&,
                                                bool) {
    meldungen.push_back({Meldungsart::Bestaetigung, text, Knoepfe::Ok});
    if (eingaben.empty()) {
        ADD_FAILURE() << "Unerwartete Eingabe: " << text.toStdString();
        return std::nullopt;
    }
    auto e = eingaben.front();
    eingaben.pop_front();
    return e;
}

QStringList FakeRueckfragen::texte() const {
    QStringList l;
    for (const auto& m : meldungen)
        l << m.text;
    return l;
}

QString FakeRueckfragen::letzterText() const {
    return meldungen.empty() ? QString() : meldungen.back().text;
}
