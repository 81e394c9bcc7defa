#pragma once

#include <QString>
#include <optional>

// The one way core code talks to the user: messages, questions, the few input prompts and
// progress. The window implements it with message boxes, tests with a scripted fake.

enum class Meldungsart { Fehler, Warnung, Information, Bestaetigung };
enum class Knoepfe { Ok, JaNein, JaNeinAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

class Rueckfragen {
public:
    virtual ~Rueckfragen() = default;

    // Texts may contain "\r" for a line break, as the program's message texts are written.
    virtual Antwort frage(Meldungsart art, const QString& text, Knoepfe knoepfe) = 0;

    // A modal hint with title and OK; with mitCheckbox the box "Hinweis nicht mehr anzeigen"
    // is shown unticked. Returns whether the box was ticked.
    virtual bool hinweis(const QString& titel, const QString& text, bool mitCheckbox) = 0;

    // A text prompt; nullopt when the user cancels.
    virtual std::optional<QString> eingabe(const QString& titel, const QString& text,
                                           const QString& vorgabe, bool verdeckt) = 0;

    // Progress of a long operation; maximum 0 ends the display.
    virtual void fortschritt(int wert, int maximum, const QString& text) = 0;

    void fehler(const QString& text) { frage(Meldungsart::Fehler, text, Knoepfe::Ok); }
    void warnung(const QString& text) { frage(Meldungsart::Warnung, text, Knoepfe::Ok); }
    void information(const QString& text) { frage(Meldungsart::Information, text, Knoepfe::Ok); }
};

// The implementation in use. Without one installed, messages go to standard error and every
// question gets its most cautious answer (Nein, Abbrechen).
Rueckfragen& Benutzer();

// Installs an implementation for the life of the object; the previous one returns afterwards.
class RueckfragenAnmeldung {
public:
    explicit RueckfragenAnmeldung(Rueckfragen& implementierung);
    ~RueckfragenAnmeldung();
    RueckfragenAnmeldung(const RueckfragenAnmeldung&) = delete;
    RueckfragenAnmeldung& operator=(const RueckfragenAnmeldung&) = delete;

private:
    Rueckfragen* vorherige;
};
