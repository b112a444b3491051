#pragma once

#include <QString>

// The folder that holds "lfy.ini" and "BRIGHTWELL.URL", with a trailing separator.
//
// It is the program's own folder whenever that folder is writable or already holds "lfy.ini",
// so a portable copy keeps its files beside itself. An installed program's folder is read-only;
// there the files live in the user's configuration folder instead, or every Close would fail and
// lose the user's entries. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);

// The rule itself, for a given program folder and configuration folder (both with or without a
// trailing separator).
QString chooseDataFolder(const QString &applicationFolder, const QString &configFolder);
