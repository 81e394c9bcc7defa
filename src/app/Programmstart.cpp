#include "Programmstart.h"

#include "DataModule.h"
#include "Datenverzeichnis.h"
#include "EinzelInstanz.h"
#include "Optionen.h"
#include "Rueckfragen.h"
#include "Sitzung.h"

int ProgrammStarten(const QString& programmDatei, EinzelInstanz& instanz,
                    const LoginAusfuehren& anmelden, const HauptfensterStarten& hauptfenster) {
    if (!instanz.erwerben()) {
        Benutzer().information(QStringLiteral("KIVO-Online ist bereits gestartet!"));
        return 0;
    }

    tSitzung& sitzung = Sitzung();
    sitzung.Datenverzeichnis = DatenverzeichnisErmitteln(programmDatei);
    const QString problem = DatenverzeichnisPruefen(sitzung.Datenverzeichnis);
    if (!problem.isEmpty()) {
        Benutzer().fehler(problem + QStringLiteral("\rKIVO-Online wird beendet."));
        return 1;
    }
    OptionenIniLesen(sitzung.Datenverzeichnis, sitzung.Optionen);

    TDataModule1 dm(sitzung.Datenverzeichnis);
    if (!anmelden(dm))
        return 0;
    return hauptfenster(dm);
}
