#include "Uhr.h"

namespace {
QDateTime festeZeit;
}

QDateTime Jetzt() {
    return festeZeit.isValid() ? festeZeit : QDateTime::currentDateTime();
}

QDate Heute() {
    return Jetzt().date();
}

void UhrFestsetzen(const QDateTime& zeitpunkt) {
    festeZeit = zeitpunkt;
}
