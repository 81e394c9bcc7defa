#pragma once

#include <QString>

// "Haupt.Neben.Release.Build", as shown in the window title and written to update logs.
QString ProgrammVersion();
// "Haupt.Neben.Release", as stored per user at login.
QString ProgrammVersionDreiteilig();
