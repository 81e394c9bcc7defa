#pragma once

#include <QString>

class EinzelInstanz;

inline constexpr const char* Anwendungstitel = "kmb.KIVO-Online...";

// Start-up from the single-instance guard to the point where the login takes over. Returns the
// process's exit code; every refusal has been shown to the user through the question seam.
int ProgrammStarten(const QString& programmDatei, EinzelInstanz& instanz);
