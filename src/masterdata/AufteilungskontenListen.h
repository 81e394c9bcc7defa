#pragma once

#include <QtGlobal>
#include <vector>

class Datenbank;

// The split accounts of a text key (archive file, positions 0, 1, 2, ...) and of a booking
// area (business file, positions 1, 2, 3, ...), each in the order of their position. Saving
// replaces the whole list in one transaction.
std::vector<qint64> AufteilungskontenTSLaden(Datenbank& archiv, qint64 tsId);
void AufteilungskontenTSSpeichern(Datenbank& archiv, qint64 tsId,
                                  const std::vector<qint64>& konten);
std::vector<qint64> AufteilungskontenBereichLaden(Datenbank& daten, int bereichId);
void AufteilungskontenBereichSpeichern(Datenbank& daten, int bereichId,
                                       const std::vector<qint64>& konten);
