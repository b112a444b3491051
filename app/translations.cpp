#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
struct Translators {
    QTranslator program;
    QTranslator qt;
};

Translators &translators()
{
    static Translators t;
    return t;
}
} // namespace

QString installTranslations(const QStringList &uiLanguages)
{
    Translators &t = translators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.qt);
    for (const QString &name : uiLanguages) {
        const QLocale language(name);
        // "C" and unknown names are no language at all; English is what the sources say.
        if (language.language() == QLocale::C || language.language() == QLocale::AnyLanguage)
            continue;
        if (language.language() == QLocale::English)
            break;
        if (!t.program.load(language, QStringLiteral("lifetally"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&t.program);
        // Qt's own texts are optional: without them its dialogs stay English, nothing else changes.
        if (t.qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&t.qt);
        return QLocale::languageToCode(language.language());
    }
    return QStringLiteral("en");
}

QString installUserTranslations()
{
    return installTranslations(QLocale::system().uiLanguages());
}
