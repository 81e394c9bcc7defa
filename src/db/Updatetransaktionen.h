#pragma once

#include <QString>

class TDataModule1;

// One-off data corrections, each recorded in UpdateTransaktionen of bereich.mdb once done.
//
// Correction 1: customer accounts 30000 to 69998 stop being visible to every business of the
// Bereich; each stays visible to the business that created it. It runs once per archive file
// (the record carries the chart number, so every archiv_K.mdb of the Bereich gets it), and rows
// without a creating business stay public, since hiding them would hide them from everyone.
// Needs the Bereich and archive connections open; runs in one write transaction of bereich.mdb,
// so two workstations never run it twice.
void UpdateTransaktionenArchivStarten(TDataModule1& dm, const QString& mnr, qint64 benutzerId,
                                      int kontenplan);
