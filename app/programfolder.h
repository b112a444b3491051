#pragma once

#include <QString>

// The folder that holds the program file, with a trailing separator: where "lfy.ini" and
// "BRIGHTWELL.URL" live. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);
