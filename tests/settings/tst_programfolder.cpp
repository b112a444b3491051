// Where the settings file lives, that what the program writes there is its user's alone, and
// whether a file holds anything to read.
#include "settings/atomicfile.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "settings/settingsfile.h"
#include "testsupport.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions Others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr uint OtherUser = 4242;

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Name]\nname=Ann\n");
}
} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void folderChoice_data()
    {
        QTest::addColumn<QString>("program"); // "@": a temporary folder of this user's
        QTest::addColumn<uint>("user");
        QTest::addColumn<QString>("setUp"); // "", "ini" (an lfy.ini of the user's), "foreign ini", "read-only"
        QTest::addColumn<bool>("programFolderKept");

        const uint me = currentUserId();
        QTest::newRow("unpacked copy") << "@" << me << "" << true;
        QTest::newRow("unpacked copy, read-only with its lfy.ini") << "@" << me << "ini read-only" << true;
        QTest::newRow("unpacked copy, read-only without lfy.ini") << "@" << me << "read-only" << false;
        QTest::newRow("another user's unpacked copy") << "@" << OtherUser << "" << false;
        QTest::newRow("another user's lfy.ini in one's own copy") << "@" << me << "foreign ini" << false;
        QTest::newRow("installed, run by root") << "/usr/bin" << 0u << "" << false;
        QTest::newRow("installed, run by a user") << "/usr/bin" << 1000u << "" << false;
        QTest::newRow("installed in /opt, run by root") << "/opt" << 0u << "" << false;
        QTest::newRow("installed in ~/.local") << "@/.local/bin" << me << "home" << false;
        QTest::newRow("a link into /opt, run by root") << "@/link" << 0u << "link to /opt" << false;
    }
    void folderChoice()
    {
        QFETCH(QString, program);
        QFETCH(uint, user);
        QFETCH(QString, setUp);
        QFETCH(bool, programFolderKept);
        QTemporaryDir root, home;
        program.replace(QLatin1Char('@'), root.path());
        const QString config = home.filePath(QStringLiteral(".config/Lifetally"));
        if (setUp.contains(QLatin1String("ini")))
            touch(root.filePath(QStringLiteral("lfy.ini")));
        if (setUp == QLatin1String("foreign ini")) {
            if (geteuid() != 0)
                QSKIP("only root can give a file to another user");
            QVERIFY(::chown(QFile::encodeName(root.filePath(QStringLiteral("lfy.ini"))).constData(), OtherUser,
                            OtherUser) == 0);
        }
        if (setUp.contains(QLatin1String("read-only"))) {
            if (geteuid() == 0)
                QSKIP("permission bits do not stop root");
            QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        if (setUp == QLatin1String("link to /opt"))
            QVERIFY(QFile::link(QStringLiteral("/opt"), program));
        if (setUp == QLatin1String("home")) {
            qputenv("HOME", root.path().toLocal8Bit());
            QVERIFY(QDir().mkpath(program));
        }

        const QString chosen = chooseDataFolder(program, config, user);
        QFile::setPermissions(root.path(), OwnerOnly | QFileDevice::ExeOwner);
        qunsetenv("HOME");
        if (programFolderKept) {
            QCOMPARE(chosen, QDir(program).canonicalPath() + QLatin1Char('/'));
            QVERIFY(!QFileInfo::exists(config));
        } else {
            QCOMPARE(chosen, config + QLatin1Char('/'));
            // A folder of the user's entries, made for them alone.
            QCOMPARE(QFile::permissions(config) & (Others | QFileDevice::ExeOwner),
                     QFileDevice::Permissions(QFileDevice::ExeOwner));
        }
    }

    // The settings file and its backup, new or replacing a file that others could read, are the
    // owner's alone; so is what an owner-only atomic write creates.
    void writtenFilesAreTheOwners_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new settings file") << false;
        QTest::newRow("settings file that others could read") << true;
    }
    void writtenFilesAreTheOwners()
    {
        QFETCH(bool, existing);
        testsupport::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("lfy.ini"));
        if (existing) {
            touch(path);
            QVERIFY(QFile::setPermissions(path, OwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        }
        writeSettingsFile(path, {{QStringLiteral("Ann"), QStringLiteral("3/15/1956"), 1000}, {}, {}, {}});
        QCOMPARE(QFile::permissions(path) & (OwnerOnly | Others), OwnerOnly);
        if (existing)
            QCOMPARE(QFile::permissions(IniFile::backupPath(path)) & (OwnerOnly | Others), OwnerOnly);

        const QString other = folder.file(QStringLiteral("other"));
        writeFileAtomically(other, "x", {}, FileAccess::OwnerOnly);
        QCOMPARE(QFile::permissions(other) & (OwnerOnly | Others), OwnerOnly);
    }

    // Which contents hold entries; the other cases are the command line's tests.
    void settingsFileCheck_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("holdsEntries");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("other program's sections") << QByteArray("[Window]\nDate=1\n[Hour]\nDesc=x\n") << false;
        QTest::newRow("sections without keys") << QByteArray("[DOB]\n[Money3]\n") << false;
        QTest::newRow("biography, any letter case") << QByteArray("[income]\nIncome=5\n") << true;
        QTest::newRow("table count") << QByteArray("[Freq]\nCount=0\n") << true;
        QTest::newRow("last table row") << QByteArray("junk\n[Money51]\nEnd=Now\n") << true;
    }
    void settingsFileCheck()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, holdsEntries);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pat.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const SettingsFileCheck check = checkSettingsFile(path);
        QCOMPARE(check.status, holdsEntries ? SettingsFileStatus::Readable : SettingsFileStatus::NoEntries);
        QCOMPARE(check.reason, holdsEntries ? QString() : QStringLiteral("It holds no Lifetally entries"));
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
