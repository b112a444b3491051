#include "settings/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

bool isBelow(const QString &folder, const QString &top)
{
    return folder == top || folder.startsWith(withSeparator(top));
}

// Where packages and `make install` put programs. A file beside a program there would be shared
// by every user who runs it.
bool isSystemProgramFolder(const QString &folder)
{
    const QString home = QDir::homePath();
    for (const QString &top : {QStringLiteral("/usr"), QStringLiteral("/opt"), home + QStringLiteral("/.local")})
        if (isBelow(folder, top))
            return true;
    return false;
}

// The configuration folder holds a person's entries: readable by its owner only.
void makeOwnFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (QFileInfo::exists(clean))
        return;
    const QFileInfo info(clean);
    QDir().mkpath(info.absolutePath());
    QDir().mkdir(clean, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
} // namespace

uint currentUserId()
{
#ifdef Q_OS_UNIX
    return uint(::geteuid());
#else
    return uint(-2); // what QFileInfo::ownerId() gives where there are no user ids
#endif
}

QString chooseDataFolder(const QString &applicationFolder, const QString &configFolder, uint userId)
{
    const QFileInfo appInfo(applicationFolder);
    // Through links, so that a link from a home folder into /opt does not pass for a copy of one's own.
    const QString real = appInfo.canonicalFilePath();
    const QString app = withSeparator(real.isEmpty() ? appInfo.absoluteFilePath() : real);
    const QFileInfo ini(app + QStringLiteral("lfy.ini"));
    const bool ownCopy = appInfo.isDir() && appInfo.ownerId() == userId && !isSystemProgramFolder(app);
    // A file there that is not the user's is never read: it holds someone else's entries.
    if (ownCopy && (ini.exists() ? ini.ownerId() == userId : appInfo.isWritable()))
        return app;
    makeOwnFolder(configFolder);
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
        return chooseDataFolder(dir, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                                currentUserId());
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
