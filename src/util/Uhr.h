#pragma once

#include <QDateTime>

// The one source of "now" in the program, so tests can fix the time.
QDateTime Jetzt();
QDate Heute();

// Tests only: freeze the clock at the given moment; an invalid value releases it again.
void UhrFestsetzen(const QDateTime& zeitpunkt);
