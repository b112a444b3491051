#pragma once

#include <QString>
#include <QStringList>

// The program's texts, and Qt's own (its dialogs and standard buttons), in the first of
// `uiLanguages` the program speaks. The list is read most wanted first, as
// QLocale::uiLanguages() gives it; English, the source language, needs no translation, so an
// English entry ends the search. A later call replaces what an earlier one installed.
// Returns the language chosen, such as "de", or "en" when the texts stay English.
QString installTranslations(const QStringList &uiLanguages);

// The desktop's choice (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), never the regional format's.
QString installUserTranslations();
