#include "Rueckfragen.h"

#include <cstdio>

namespace {

class KonsolenRueckfragen final : public Rueckfragen {
public:
    Antwort frage(Meldungsart, const QString& text, Knoepfe knoepfe) override {
        std::fprintf(stderr, "%s\n", qUtf8Printable(QString(text).replace(u'\r', u'\n')));
        switch (knoepfe) {
        case Knoepfe::Ok:
            return Antwort::Ok;
        case Knoepfe::JaNein:
            return Antwort::Nein;
        case Knoepfe::JaNeinAbbrechen:
            return Antwort::Abbrechen;
        }
        return Antwort::Abbrechen;
    }
    bool hinweis(const QString& titel, const QString& text, bool) override {
        frage(Meldungsart::Information, titel + u'\r' + text, Knoepfe::Ok);
        return false;
    }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    void fortschritt(int, int, const QString&) override {}
};

KonsolenRueckfragen konsole;
Rueckfragen* aktuelle = &konsole;

} // namespace

Rueckfragen& Benutzer() {
    return *aktuelle;
}

RueckfragenAnmeldung::RueckfragenAnmeldung(Rueckfragen& implementierung) : vorherige(aktuelle) {
    aktuelle = &implementierung;
}

RueckfragenAnmeldung::~RueckfragenAnmeldung() {
    aktuelle = vorherige;
}
