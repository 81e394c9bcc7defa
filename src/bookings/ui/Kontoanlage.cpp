#include "Kontoanlage.h"

#include "BuchungSpeichern.h"
#include "TformKonto.h"

#include <QPointer>

void NeuesKontoAnmelden(TDataModule1& dm, QWidget* parent) {
    QPointer<QWidget> fenster(parent);
    KontoAnlageAnmelden([&dm, fenster](qint64 konto, int kontoArt, const QString& name) {
        TformKonto dialog(dm, fenster);
        return dialog.NeuesKonto(konto, kontoArt, name);
    });
}
