#pragma once

#include <QString>

// The folder that holds "lfy.ini" and "BRIGHTWELL.URL", with a trailing separator.
//
// The program's own folder only for a copy the user unpacked for themselves; an installed program
// keeps them in the user's configuration folder, so that one user's entries never reach another.
// Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);

// The rule itself, for a given program folder, configuration folder (both with or without a
// trailing separator) and user. The program's folder is chosen when `userId` owns it, it lies
// outside the system's program folders (/usr, /opt and below, and the per-user ~/.local), and it
// is writable or holds an "lfy.ini" that `userId` owns. Otherwise the configuration folder,
// created readable by its owner only when it is missing.
QString chooseDataFolder(const QString &applicationFolder, const QString &configFolder, uint userId);

// The effective user id of this process.
uint currentUserId();
