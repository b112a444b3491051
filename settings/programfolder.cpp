#include "settings/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}
} // namespace

QString chooseDataFolder(const QString &applicationFolder, const QString &configFolder)
{
    const QString app = withSeparator(applicationFolder);
    if (QFileInfo::exists(app + QStringLiteral("lfy.ini")) || QFileInfo(app).isWritable())
        return app;
    QDir().mkpath(configFolder);
    return withSeparator(configFolder);
}

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    static const QString chosen = [] {
        QString dir = QCoreApplication::applicationDirPath();
        if (dir.isEmpty())
            dir = QDir::currentPath();
        return chooseDataFolder(dir, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    }();
    return chosen;
}

void setProgramFolder(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        overrideFolder() = folder;
    else
        overrideFolder() = folder + QLatin1Char('/');
}
