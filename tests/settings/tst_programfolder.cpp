// Where the settings file lives: beside the program when it can, else in the user's config folder.
#include "settings/programfolder.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class TestProgramFolder : public QObject
{
    Q_OBJECT
private slots:
    void writableProgramFolderIsKept()
    {
        QTemporaryDir app, config;
        QCOMPARE(chooseDataFolder(app.path(), config.path() + "/lifetally"), app.path() + "/");
    }

    void unwritableProgramFolderMovesToConfig()
    {
        QTemporaryDir root;
        // A folder that cannot be written to (here: one that cannot exist, below a regular file).
        QFile blocker(root.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString config = root.filePath("config/lifetally");
        QCOMPARE(chooseDataFolder(root.filePath("file/bin"), config), config + "/");
        QVERIFY(QDir(config).exists());
    }

    void existingSettingsFileKeepsAReadOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("permission bits do not stop root");
        QTemporaryDir app, config;
        QFile ini(app.filePath("lfy.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.close();
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QCOMPARE(chooseDataFolder(app.path(), config.path()), app.path() + "/");
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void overrideWins()
    {
        setProgramFolder("/tmp/somewhere");
        QCOMPARE(programFolder(), QStringLiteral("/tmp/somewhere/"));
        setProgramFolder(QString());
        QVERIFY(programFolder() != QStringLiteral("/tmp/somewhere/"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
