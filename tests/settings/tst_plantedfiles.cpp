// Files planted or chosen where the settings file's own files live: nothing is written through a
// link, no file is taken from its owner, an output never lands on the entries, and a file that
// is no file of entries (a device, a pipe, a huge file) is refused without being read.
#include "settings/atomicfile.h"
#include "settings/inifile.h"
#include "settings/settingsfile.h"
#include "settings/settingskeeper.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
constexpr uid_t OtherUser = 65534;
const QByteArray BeasFile = "[DOB]\nDate=3/15/1990\n[Name]\nname=Bea\n";
const QByteArray RootsFile = "root's own\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

struct stat lstatOf(const QString &path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

void giveAway(const QString &path)
{
    QVERIFY(::lchown(QFile::encodeName(path).constData(), OtherUser, OtherUser) == 0);
}
} // namespace

class TestPlantedFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setSettingsFilePath(QString()); }

    // Another user's folder with their settings file; root runs with --settings into it, and the
    // other user has planted a link to a file only root may write.
    void plantedLink_data()
    {
        QTest::addColumn<QString>("planted"); // the name of the link, beside "lfy.ini"
        QTest::addColumn<bool>("saved");
        QTest::newRow("backup") << "lfy.ini.bak" << true;
        QTest::newRow("recovery file") << "lfy.ini.recovery" << true;
        QTest::newRow("settings file itself") << "lfy.ini" << false;
    }
    void plantedLink()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, planted);
        QFETCH(bool, saved);
        QTemporaryDir folder, rootOnly;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini"));
        const QString target = rootOnly.filePath(QStringLiteral("target"));
        writeAll(target, RootsFile);
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(::chown(QFile::encodeName(folder.path()).constData(), OtherUser, OtherUser) == 0);
        if (planted != QLatin1String("lfy.ini")) {
            writeAll(ini, BeasFile);
            giveAway(ini);
        }
        const QString link = folder.filePath(planted);
        QVERIFY(QFile::link(target, link));
        giveAway(link);

        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        entries.bio.name = QStringLiteral("Typed by root");
        QCOMPARE(keeper.keepUnsaved(entries), true);
        try {
            keeper.write(entries);
            QVERIFY(saved);
        } catch (const FileWriteError &e) {
            QVERIFY2(!saved, qPrintable(e.message()));
            QCOMPARE(e.message(), QStringLiteral("Unable to write to %1: It is a link another user made").arg(ini));
        }
        QCOMPARE(readAll(target), RootsFile);
        // Every file written there is a file of its own, the other user's, for them alone.
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const struct stat st = lstatOf(folder.filePath(name));
            if (name == planted && !saved)
                continue;
            QVERIFY2(S_ISREG(st.st_mode), qPrintable(name));
            QCOMPARE(st.st_uid, OtherUser);
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
        }
    }

    // What the program keeps for a person is theirs alone, whatever stood at the name before.
    void recoveryFileIsTheOwners()
    {
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini"));
        writeAll(ini, BeasFile);
        writeAll(recoveryFilePath(ini), "old");
        QVERIFY(QFile::setPermissions(recoveryFilePath(ini), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                 QFileDevice::ReadOther | QFileDevice::WriteOther));
        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        QVERIFY(keeper.keepUnsaved(entries));
        QCOMPARE(lstatOf(recoveryFilePath(ini)).st_mode & 0777, mode_t(0600));
    }

    void outputOnInput_data()
    {
        QTest::addColumn<QString>("output"); // in the folder of "lfy.ini"
        QTest::addColumn<QString>("found"); // empty: not an input
        QTest::newRow("settings file") << "lfy.ini" << "the settings file @/lfy.ini";
        QTest::newRow("backup") << "lfy.ini.bak" << "the settings file's backup @/lfy.ini.bak";
        QTest::newRow("recovery file") << "lfy.ini.recovery" << "the settings file's recovery file @/lfy.ini.recovery";
        QTest::newRow("lock file") << "lfy.ini.lock" << "the settings file's lock file @/lfy.ini.lock";
        QTest::newRow("a link to the settings file") << "link.pdf" << "the settings file @/lfy.ini";
        QTest::newRow("a hard link to the settings file") << "hard.csv" << "the settings file @/lfy.ini";
        QTest::newRow("through the folder's own name") << "sub/../lfy.ini" << "the settings file @/lfy.ini";
        QTest::newRow("another file") << "lfy.csv" << "";
    }
    void outputOnInput()
    {
        QFETCH(QString, output);
        QFETCH(QString, found);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini"));
        writeAll(ini, BeasFile);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(QFile::link(ini, folder.filePath(QStringLiteral("link.pdf"))));
        QVERIFY(::link(QFile::encodeName(ini).constData(), QFile::encodeName(folder.filePath("hard.csv")).constData()) ==
                0);
        QCOMPARE(settingsFileAt(folder.filePath(output), ini), found.replace(QLatin1Char('@'), folder.path()));
    }

    // Refused at once, without opening it: reading would never end, or fill the memory.
    void notAFileOfEntries_data()
    {
        QTest::addColumn<QString>("path"); // "@": a temporary folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("zero device") << "@/zero" << "It is not a regular file";
        QTest::newRow("FIFO") << "@/fifo" << "It is not a regular file";
        QTest::newRow("sparse file of 2 GB") << "@/sparse" << "It is larger than 4 MB";
        QTest::newRow("folder") << "@" << "It is a folder";
    }
    void notAFileOfEntries()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        path.replace(QLatin1Char('@'), folder.path());
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600) == 0);
        // The test's own /dev/zero: a fault must never replace the system's.
        if (path.endsWith(QLatin1String("zero")) &&
            ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("only root can make a device");
        QFile sparse(folder.filePath(QStringLiteral("sparse")));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
        const SettingsFileCheck check = checkSettingsFile(path);
        QCOMPARE(check.status, SettingsFileStatus::Unreadable);
        QCOMPARE(check.reason, reason);
        // Nor is a device, a pipe or a folder taken for the file the entries are saved over.
        if (!path.endsWith(QLatin1String("sparse")))
            QVERIFY_THROWS_EXCEPTION(FileWriteError, writeFileAtomically(path, BeasFile, {}, FileAccess::OwnerOnly));
    }

    // A device or a pipe cannot be replaced: its bytes go straight to it.
    void outputThatIsNoFile()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        writeFileAtomically(fifo, "a,b\r\n");
        char got[16] = {};
        QCOMPARE(::read(reader, got, sizeof got), ssize_t(5));
        ::close(reader);
        QCOMPARE(QByteArray(got), QByteArray("a,b\r\n"));
        QVERIFY(S_ISFIFO(lstatOf(fifo).st_mode));
        // A null device of the test's own: a fault must never replace the system's.
        const QString device = folder.filePath(QStringLiteral("null"));
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only root can make a device");
        writeFileAtomically(device, "x");
        QVERIFY(S_ISCHR(lstatOf(device).st_mode));
    }
};

QTEST_GUILESS_MAIN(TestPlantedFiles)
#include "tst_plantedfiles.moc"
