// Files planted or chosen where the settings file's own files live: nothing is written through a
// link, no file is taken from its owner, an output never lands on the entries, and a device, a
// pipe or a huge file is refused without being read.
#include "settings/inifile.h"
#include "settings/settingskeeper.h"
#include "settings/settingslock.h"
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
constexpr uid_t OtherUser = 65534;
const QByteArray BeasFile = "[DOB]\nDate=3/15/1990\n[Name]\nname=Bea\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct stat lstatOf(const QString &path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Devices of the test's own: a fault must never replace the system's.
bool makeDevice(const QString &path, int minor)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}
} // namespace

class TestPlantedFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setSettingsFilePath(QString()); }

    // Root runs with --settings in another user's folder, where that user linked a name to a file
    // only root may write.
    void plantedLink_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("backup") << "lfy.ini.bak";
        QTest::newRow("recovery file") << "lfy.ini.recovery";
        QTest::newRow("settings file itself") << "lfy.ini";
    }
    void plantedLink()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, planted);
        QTemporaryDir folder, rootOnly;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini")), target = rootOnly.filePath("target");
        QFile(target).open(QIODevice::WriteOnly);
        if (planted != QLatin1String("lfy.ini")) {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(BeasFile) > 0);
        }
        QVERIFY(QFile::link(target, folder.filePath(planted)));
        for (const QString &name : {QString(), QStringLiteral("lfy.ini"), planted})
            ::lchown(QFile::encodeName(folder.filePath(name)).constData(), OtherUser, OtherUser);

        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        entries.bio.name = QStringLiteral("Typed by root");
        QVERIFY(keeper.keepUnsaved(entries).isEmpty());
        const bool linkedSettings = planted == QLatin1String("lfy.ini");
        try {
            keeper.write(entries);
            QVERIFY(!linkedSettings);
        } catch (const FileWriteError &e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to write to %1: It is a link another user made").arg(ini));
        }
        QCOMPARE(readAll(target), QByteArray());
        // Every file written there is a file of its own, the other user's, for them alone.
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const struct stat st = lstatOf(folder.filePath(name));
            if (name == planted && linkedSettings)
                continue;
            QVERIFY2(S_ISREG(st.st_mode) && st.st_uid == OtherUser && (st.st_mode & 0777) == 0600, qPrintable(name));
        }
    }

    // Root opens a file in another user's folder whose name, or whose folder's name, that user
    // linked to root's own entries: nothing of them is read, shown or kept in the recovery file.
    void readThroughPlantedLink_data()
    {
        QTest::addColumn<QString>("linked");
        QTest::addColumn<bool>("theirs"); // the link leads to that user's own file
        QTest::addColumn<QString>("reason");
        QTest::newRow("the file, to root's file") << "file" << false << "It is a link another user made";
        QTest::newRow("the folder, to root's folder")
            << "folder" << false << "Its folder @/folder is reached through a link another user made";
        QTest::newRow("the file, to their own file") << "file" << true << "";
    }
    void readThroughPlantedLink()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, linked);
        QFETCH(bool, theirs);
        QFETCH(QString, reason);
        QTemporaryDir top, rootOnly;
        const QString secret = rootOnly.filePath(QStringLiteral("lfy.ini")), folder = top.filePath("folder");
        QFile file(secret);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Name]\nname=RootSecret\n") > 0);
        file.close();
        if (theirs)
            QCOMPARE(::chown(QFile::encodeName(secret).constData(), OtherUser, OtherUser), 0);
        const QString link = linked == QLatin1String("file") ? folder + QStringLiteral("/lfy.ini") : folder;
        if (linked == QLatin1String("file"))
            QVERIFY(QDir().mkdir(folder) && ::chown(QFile::encodeName(folder).constData(), OtherUser, OtherUser) == 0);
        QVERIFY(QFile::link(linked == QLatin1String("file") ? secret : rootOnly.path(), link));
        QCOMPARE(::lchown(QFile::encodeName(link).constData(), OtherUser, OtherUser), 0);

        const QString ini = folder + QStringLiteral("/lfy.ini");
        QCOMPARE(checkSettingsFile(ini).reason, QString(reason).replace(QLatin1Char('@'), top.path()));
        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        QCOMPARE(keeper.unreadableReason(), reason.replace(QLatin1Char('@'), top.path()));
        QCOMPARE(entries.bio.name == QLatin1String("RootSecret"), theirs);
        entries.bio.name += QLatin1Char('X');
        keeper.keepUnsaved(entries);
        QCOMPARE(readAll(recoveryFilePath(ini)).contains("RootSecret"), theirs);
    }

    // A recovery file linked to another file of entries is not read: its entries would be offered
    // and saved here. The link goes; what it pointed at stays.
    void linkedRecoveryNotRead()
    {
        QTemporaryDir folder, elsewhere;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini")), target = elsewhere.filePath("lfy.ini");
        for (const QString &path : {ini, target}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(BeasFile) > 0);
        }
        QVERIFY(QFile::link(target, folder.filePath(QStringLiteral("lfy.ini.recovery"))));
        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        QString reason;
        QCOMPARE(keeper.findUnsaved(entries, reason), SettingsFileStatus::Missing);
        QVERIFY(!QFileInfo(folder.filePath(QStringLiteral("lfy.ini.recovery"))).isSymLink());
        QCOMPARE(readAll(target), BeasFile);
    }

    // The owner of the settings file's folder moves it away and puts a link to another folder in
    // its place while root writes: the write goes on in the folder it began in, now under its new
    // name, and nothing is made, replaced or removed in the other one.
    void folderSwappedMidWrite_data()
    {
        QTest::addColumn<bool>("recovery"); // otherwise a save of the settings file, with its backup
        QTest::addColumn<int>("step");
        QTest::newRow("save, before it begins") << false << 0;
        QTest::newRow("save, before the temporary file") << false << 1;
        QTest::newRow("save, while writing") << false << 2;
        QTest::newRow("save, before the backup") << false << 4;
        QTest::newRow("save, before the rename") << false << 5;
        QTest::newRow("recovery file, before it begins") << true << 0;
        QTest::newRow("recovery file, before the temporary file") << true << 1;
        QTest::newRow("recovery file, before the rename") << true << 4;
    }
    void folderSwappedMidWrite()
    {
        QFETCH(bool, recovery);
        QFETCH(int, step);
        if (step == 0 && ::geteuid() != 0)
            QSKIP("only root can make a link of another user's; this user's own links are followed");
        QTemporaryDir top;
        const QString folder = top.filePath(QStringLiteral("b")), moved = top.filePath(QStringLiteral("b-moved")),
                      other = top.filePath(QStringLiteral("etc"));
        QVERIFY(QDir().mkdir(folder) && QDir().mkdir(other));
        const QByteArray othersFile = "[Name]\nname=Not theirs\n";
        for (const QString &name : {QStringLiteral("lfy.ini"), QStringLiteral("lfy.ini.bak")}) {
            QFile file(other + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(othersFile) > 0);
        }
        QFile file(folder + QStringLiteral("/lfy.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(BeasFile) > 0);
        file.close();
        const auto swap = [&] {
            QVERIFY(QDir().rename(folder, moved) && QFile::link(other, folder));
            ::lchown(QFile::encodeName(folder).constData(), OtherUser, OtherUser);
        };

        const QString ini = folder + QStringLiteral("/lfy.ini");
        if (step == 0) {
            // Before the write: the other user's link is not followed into a folder not theirs.
            swap();
            try {
                if (recovery)
                    writeFileAtomically(recoveryFilePath(ini), "[Name]\nname=Typed\n", {}, FileAccess::Beside, ini);
                else
                    IniFile(ini).save();
                QFAIL("written through the link");
            } catch (const FileWriteError &e) {
                QCOMPARE(e.message(), QStringLiteral("Unable to write to %1: Its folder %2 is reached through a link "
                                                     "another user made")
                                          .arg(recovery ? recoveryFilePath(ini) : ini, folder));
            }
        } else {
            int steps = 0;
            AtomicWriteHooks hooks;
            hooks.step = [&] {
                if (++steps == step)
                    swap();
                return true;
            };
            if (recovery) {
                writeFileAtomically(recoveryFilePath(ini), "[Name]\nname=Typed\n", hooks, FileAccess::Beside, ini);
            } else {
                IniFile settings(ini);
                settings.writeString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Typed"));
                settings.save(hooks);
            }
        }
        QVERIFY(QFileInfo(folder).isSymLink());
        const QStringList untouched{QStringLiteral("lfy.ini"), QStringLiteral("lfy.ini.bak")};
        QCOMPARE(QDir(other).entryList(QDir::Files | QDir::Hidden | QDir::System), untouched);
        for (const QString &name : untouched)
            QCOMPARE(readAll(other + QLatin1Char('/') + name), othersFile);
        if (step == 0) {
            QCOMPARE(QDir(moved).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"lfy.ini"});
            return;
        }
        const QString landed = moved + (recovery ? QStringLiteral("/lfy.ini.recovery") : QStringLiteral("/lfy.ini"));
        QCOMPARE(IniFile(landed).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 QStringLiteral("Typed"));
        if (!recovery)
            QCOMPARE(readAll(moved + QStringLiteral("/lfy.ini.bak")), BeasFile);
        QCOMPARE(QDir(moved).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
    }

    // Root exports to a name in a shared folder where another user planted a link.
    void exportThroughPlantedLink_data()
    {
        QTest::addColumn<QString>("leadsTo");
        QTest::addColumn<bool>("written");
        QTest::newRow("a file only root may write") << "rootonly" << false;
        QTest::newRow("a device") << "null" << false;
        QTest::newRow("nowhere, in root's folder") << "absent" << false;
        QTest::newRow("that user's own file") << "theirs" << true;
    }
    void exportThroughPlantedLink()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, leadsTo);
        QFETCH(bool, written);
        QTemporaryDir shared, rootOnly;
        const QString target = rootOnly.filePath(leadsTo), output = shared.filePath(QStringLiteral("out.csv"));
        if (leadsTo == QLatin1String("null"))
            QVERIFY(makeDevice(target, 3));
        else if (leadsTo != QLatin1String("absent"))
            QVERIFY(QFile(target).open(QIODevice::WriteOnly));
        if (leadsTo == QLatin1String("theirs"))
            QCOMPARE(::chown(QFile::encodeName(target).constData(), OtherUser, OtherUser), 0);
        QVERIFY(QFile::link(target, output));
        QCOMPARE(::lchown(QFile::encodeName(output).constData(), OtherUser, OtherUser), 0);
        try {
            writeFileAtomically(output, "a,b\r\n");
            QVERIFY(written);
        } catch (const FileWriteError &e) {
            QVERIFY2(!written, qPrintable(e.message()));
            QCOMPARE(e.message(), QStringLiteral("Unable to write to %1: It is a link another user made").arg(output));
        }
        QCOMPARE(readAll(target), written ? QByteArray("a,b\r\n") : QByteArray());
        QCOMPARE(S_ISLNK(lstatOf(output).st_mode), true);
    }

    // The lock goes beside the file a link leads to only when the link may be followed: beside a
    // root-only file, it would stop (or take over) another program's lock of that name.
    void lockBesidePlantedLink_data()
    {
        QTest::addColumn<bool>("theirs");
        QTest::newRow("to a file only root may write") << false;
        QTest::newRow("to that user's own file") << true;
    }
    void lockBesidePlantedLink()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(bool, theirs);
        QTemporaryDir folder, elsewhere;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini")), target = elsewhere.filePath("passwd");
        QVERIFY(QFile(target).open(QIODevice::WriteOnly) && QFile::link(target, ini));
        QCOMPARE(::lchown(QFile::encodeName(ini).constData(), OtherUser, OtherUser), 0);
        if (theirs)
            QCOMPARE(::chown(QFile::encodeName(target).constData(), OtherUser, OtherUser), 0);
        QCOMPARE(SettingsLock::lockPath(ini), (theirs ? target : ini) + QStringLiteral(".lock"));
    }

    // The other user swaps their folder for a link to root's folder, where a lock of that name is
    // root's own: root's lock is never made, taken over or removed there.
    void lockInSwappedFolder_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("before the lock") << "before";
        QTest::newRow("while it is held") << "held";
        QTest::newRow("before a doubtful lock is taken over") << "doubtful";
    }
    void lockInSwappedFolder()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, when);
        QTemporaryDir top, rootOnly;
        const QString folder = top.filePath(QStringLiteral("folder")), moved = top.filePath(QStringLiteral("moved"));
        const QString rootsLock = rootOnly.filePath(QStringLiteral("lfy.ini.lock"));
        QFile file(rootsLock);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("rootlock") > 0);
        file.close();
        QVERIFY(QDir().mkdir(folder) && ::chown(QFile::encodeName(folder).constData(), OtherUser, OtherUser) == 0);
        const auto swap = [&] {
            QVERIFY(QDir().rename(folder, moved) && QFile::link(rootOnly.path(), folder));
            QCOMPARE(::lchown(QFile::encodeName(folder).constData(), OtherUser, OtherUser), 0);
        };
        const QString ini = folder + QStringLiteral("/lfy.ini");
        if (when == QLatin1String("before")) {
            swap();
            QCOMPARE(SettingsLock(ini).tryLock(), SettingsLock::Result::NotPossible);
        } else {
            if (when == QLatin1String("doubtful"))
                QFile(ini + QStringLiteral(".lock")).open(QIODevice::WriteOnly);
            {
                SettingsLock lock(ini);
                const SettingsLock::Result result = lock.tryLock();
                swap();
                if (when == QLatin1String("doubtful")) {
                    QCOMPARE(result, SettingsLock::Result::Doubtful);
                    QVERIFY(lock.takeOver());
                } else {
                    QCOMPARE(result, SettingsLock::Result::Locked);
                }
                QVERIFY(QFileInfo::exists(moved + QStringLiteral("/lfy.ini.lock")));
            }
            // Let go where it was made.
            QVERIFY(!QFileInfo::exists(moved + QStringLiteral("/lfy.ini.lock")));
        }
        QCOMPARE(readAll(rootsLock), QByteArray("rootlock"));
        QCOMPARE(QDir(rootOnly.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"lfy.ini.lock"});
    }

    // A file root makes anew in another user's folder is theirs, or they could not read it.
    void madeAnewInTheirFolder_data()
    {
        QTest::addColumn<QString>("made");
        QTest::newRow("settings file deleted meanwhile") << "lfy.ini";
        QTest::newRow("recovery file beside no settings file") << "lfy.ini.recovery";
        QTest::newRow("recovery file beside a link root made") << "link";
    }
    void madeAnewInTheirFolder()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(QString, made);
        QTemporaryDir folder, elsewhere;
        QCOMPARE(::chown(QFile::encodeName(folder.path()).constData(), OtherUser, OtherUser), 0);
        const QString ini = folder.filePath(QStringLiteral("lfy.ini"));
        if (made == QLatin1String("link")) {
            QVERIFY(QFile(elsewhere.filePath("x")).open(QIODevice::WriteOnly) && QFile::link(elsewhere.filePath("x"), ini));
            made = QStringLiteral("lfy.ini.recovery");
        }
        if (made == QLatin1String("lfy.ini"))
            IniFile(ini).save();
        else
            writeFileAtomically(recoveryFilePath(ini), BeasFile, {}, FileAccess::Beside, ini);
        const struct stat st = lstatOf(folder.filePath(made));
        QCOMPARE(st.st_uid, OtherUser);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
    }

    // The other user's folder swapped for a link to root's while root's window is open: the file
    // is neither changed nor gone, and the recovery file is refused for that reason.
    void folderSwappedWhileOpen()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir top, rootOnly;
        const QString folder = top.filePath(QStringLiteral("folder")), ini = folder + QStringLiteral("/lfy.ini");
        QVERIFY(QDir().mkdir(folder) && ::chown(QFile::encodeName(folder).constData(), OtherUser, OtherUser) == 0);
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(BeasFile) > 0);
        file.close();
        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        QVERIFY(QDir().rename(folder, top.filePath(QStringLiteral("moved"))) && QFile::link(rootOnly.path(), folder));
        QCOMPARE(::lchown(QFile::encodeName(folder).constData(), OtherUser, OtherUser), 0);
        QCOMPARE(keeper.changeOnDisk(), SettingsKeeper::DiskChange::Unreachable);
        entries.bio.name = QStringLiteral("Typed");
        QCOMPARE(keeper.keepUnsaved(entries),
                 QStringLiteral("Its folder %1 is reached through a link another user made").arg(folder));
    }

    // Temporary files of a save killed midway go at the next save that succeeds; nothing else does.
    void leftTemporariesRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageMinutes");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a save's") << "lfy.ini.1gf0y4l.tmp" << 120 << true;
        QTest::newRow("a backup's") << "lfy.ini.bak.ip0dyk.tmp" << 120 << true;
        QTest::newRow("one being written now") << "lfy.ini.1gf0y4l.tmp" << 5 << false;
        QTest::newRow("the user's own copy") << "lfy.ini.old" << 120 << false;
        QTest::newRow("another user's") << "lfy.ini.1gf0y4l.tmp" << -120 << false;
    }
    void leftTemporariesRemoved()
    {
        QFETCH(QString, name);
        QFETCH(int, ageMinutes);
        QFETCH(bool, removed);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini")), left = folder.filePath(name);
        for (const QString &path : {ini, left}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(BeasFile) > 0 && file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * qAbs(ageMinutes)),
                                     QFileDevice::FileModificationTime));
        }
        if (ageMinutes < 0 && ::chown(QFile::encodeName(left).constData(), OtherUser, OtherUser) != 0)
            QSKIP("only root can give a file to another user");
        setSettingsFilePath(ini);
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        keeper.write(entries);
        QCOMPARE(QFileInfo::exists(left), !removed);
    }

    // Why the recovery file could not be kept, as standard error tells it at a signal.
    void recoveryNotKept_data()
    {
        QTest::addColumn<QString>("folderState");
        QTest::addColumn<QString>("reason"); // @: the folder
        QTest::newRow("folder deleted while open") << "deleted" << "@ no longer exists";
        QTest::newRow("folder read-only") << "readonly" << "no permission to write in @";
        QTest::newRow("folder swapped for another user's link")
            << "linked" << "Its folder @ is reached through a link another user made";
    }
    void recoveryNotKept()
    {
        QFETCH(QString, folderState);
        QFETCH(QString, reason);
        if (folderState == QLatin1String("readonly") && ::geteuid() == 0)
            QSKIP("root writes in a read-only folder");
        if (folderState == QLatin1String("linked") && ::geteuid() != 0)
            QSKIP("only root can make a link of another user's");
        QTemporaryDir top;
        const QString folder = top.filePath(QStringLiteral("entries"));
        QVERIFY(QDir().mkdir(folder));
        setSettingsFilePath(folder + QStringLiteral("/lfy.ini"));
        SettingsKeeper keeper;
        Entries entries;
        keeper.read(entries);
        entries.bio.name = QStringLiteral("Typed");
        if (folderState == QLatin1String("deleted")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (folderState == QLatin1String("linked")) {
            QVERIFY(QDir().rename(folder, folder + QStringLiteral(".real")) && QFile::link(top.path(), folder));
            QCOMPARE(::lchown(QFile::encodeName(folder).constData(), OtherUser, OtherUser), 0);
        } else {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        QCOMPARE(keeper.keepUnsaved(entries), reason.replace(QLatin1Char('@'), folder));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void outputOnInput_data()
    {
        QTest::addColumn<QString>("output"); // beside "lfy.ini"
        QTest::addColumn<QString>("found"); // empty: not an input
        QTest::newRow("a link to the settings file") << "link.pdf" << "the settings file @/lfy.ini";
        QTest::newRow("a hard link to the settings file") << "hard.csv" << "the settings file @/lfy.ini";
        QTest::newRow("through a folder's name") << "sub/../lfy.ini" << "the settings file @/lfy.ini";
        QTest::newRow("another file") << "lfy.csv" << "";
    }
    void outputOnInput()
    {
        QFETCH(QString, output);
        QFETCH(QString, found);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("lfy.ini"));
        QFile(ini).open(QIODevice::WriteOnly);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")) && QFile::link(ini, folder.filePath("link.pdf")));
        QCOMPARE(::link(QFile::encodeName(ini).constData(), QFile::encodeName(folder.filePath("hard.csv")).constData()), 0);
        QCOMPARE(settingsFileAt(folder.filePath(output), ini), found.replace(QLatin1Char('@'), folder.path()));
    }

    // Refused at once, unopened: reading would never end, or fill the memory; nor is one taken
    // for the file the entries are saved over.
    void notAFileOfEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("zero device") << "zero" << "It is not a regular file";
        QTest::newRow("FIFO") << "fifo" << "It is not a regular file";
        QTest::newRow("sparse file of 2 GB") << "sparse" << "It is larger than 4 MB";
    }
    void notAFileOfEntries()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600) == 0);
        QFile sparse(folder.filePath(QStringLiteral("sparse")));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
        if (name == QLatin1String("zero") && !makeDevice(path, 5))
            QSKIP("only root can make a device");
        const SettingsFileCheck check = checkSettingsFile(path);
        QCOMPARE(check.status, SettingsFileStatus::Unreadable);
        QCOMPARE(check.reason, reason);
        if (name != QLatin1String("sparse"))
            QVERIFY_THROWS_EXCEPTION(FileWriteError, writeFileAtomically(path, BeasFile, {}, FileAccess::OwnerOnly));
    }

    // A device or a pipe cannot be replaced: an export's bytes go straight to it.
    void outputThatIsNoFile()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("fifo")), device = folder.filePath(QStringLiteral("null"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        writeFileAtomically(fifo, "a,b\r\n");
        char got[8] = {};
        QCOMPARE(::read(reader, got, sizeof got), ssize_t(5));
        ::close(reader);
        QVERIFY(S_ISFIFO(lstatOf(fifo).st_mode));
        if (!makeDevice(device, 3))
            QSKIP("only root can make a device");
        writeFileAtomically(device, "x");
        QVERIFY(S_ISCHR(lstatOf(device).st_mode));
    }
};

QTEST_GUILESS_MAIN(TestPlantedFiles)
#include "tst_plantedfiles.moc"
