#pragma once

#include <QString>
#include <functional>

class EinzelInstanz;
class TDataModule1;

// Runs the login on the data module; true when a user logged in.
using LoginAusfuehren = std::function<bool(TDataModule1&)>;
// Creates the main window after the login and runs it until it closes; returns the exit code.
using HauptfensterStarten = std::function<int(TDataModule1&)>;

inline constexpr const char* Anwendungstitel = "kmb.KIVO-Online...";

// Start-up from the single-instance guard through the login to the main window. Returns the
// process's exit code; every refusal has been shown to the user through the question seam. A
// cancelled login ends the program with 0.
int ProgrammStarten(const QString& programmDatei, EinzelInstanz& instanz,
                    const LoginAusfuehren& anmelden, const HauptfensterStarten& hauptfenster);
