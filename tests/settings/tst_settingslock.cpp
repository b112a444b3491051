// One copy per settings file: a second lock is refused while the first copy runs, a lock left
// by a copy that has ended is taken over, and one that cannot be judged is offered to be.
#include "settings/settingslock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(SettingsLock::Result)

class TestSettingsLock : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyIsRefused()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lfy.ini"));
        SettingsLock first(file);
        QCOMPARE(first.tryLock(), SettingsLock::Result::Locked);
        SettingsLock second(file);
        QCOMPARE(second.tryLock(), SettingsLock::Result::HeldByOther);
        QCOMPARE(second.holderPid(), QCoreApplication::applicationPid());
    }

    void lockOfAnEndedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lfy.ini"));
        QFile stale(SettingsLock::lockPath(file));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // No process has this number: the copy that wrote it has ended.
        stale.write("2147483600\n" + QCoreApplication::applicationName().toUtf8() + '\n' +
                    QSysInfo::machineHostName().toUtf8() + '\n');
        stale.close();
        SettingsLock lock(file);
        QCOMPARE(lock.tryLock(), SettingsLock::Result::Locked);
    }

    // Locks that cannot be judged are offered to be taken over; a fresh one of another computer is
    // not, and its process number is never taken for one of this computer's.
    void doubtfulLock_data()
    {
        // "folder", "pipe", "device": a folder, a FIFO or a link to /dev/zero of that name
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<SettingsLock::Result>("result");
        // This process stands for a running copy; on another computer, its number is another's.
        const QByteArray me = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                              QCoreApplication::applicationName().toUtf8() + '\n';
        const QByteArray here = me + QSysInfo::machineHostName().toUtf8() + '\n';
        const QByteArray elsewhere = me + "faraway\n";
        QTest::newRow("empty") << QByteArray() << 0 << SettingsLock::Result::Doubtful;
        QTest::newRow("garbage") << QByteArray("\x9d\x01zz") << 0 << SettingsLock::Result::Doubtful;
        QTest::newRow("folder") << QByteArray("folder") << 0 << SettingsLock::Result::Doubtful;
        QTest::newRow("pipe") << QByteArray("pipe") << 0 << SettingsLock::Result::Doubtful;
        QTest::newRow("link to a device") << QByteArray("device") << 0 << SettingsLock::Result::Doubtful;
        QTest::newRow("another computer's, two days old") << elsewhere << 2 << SettingsLock::Result::Doubtful;
        QTest::newRow("another computer's, fresh") << elsewhere << 0 << SettingsLock::Result::HeldByOther;
        QTest::newRow("a running copy here, two days old") << here << 2 << SettingsLock::Result::HeldByOther;
    }
    void doubtfulLock()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, ageDays);
        QFETCH(SettingsLock::Result, result);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lfy.ini"));
        const QString lockFile = SettingsLock::lockPath(file);
        if (content == "folder") {
            QVERIFY(QDir().mkdir(lockFile));
        } else if (content == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(lockFile).constData(), 0600), 0);
        } else if (content == "device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lockFile));
        } else {
            QFile lock(lockFile);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(content);
            lock.flush();
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-ageDays), QFileDevice::FileModificationTime));
        }
        SettingsLock lock(file);
        QCOMPARE(lock.tryLock(), result);
        const bool here = content.endsWith(QSysInfo::machineHostName().toUtf8() + '\n');
        QCOMPARE(lock.holderPid(), here ? QCoreApplication::applicationPid() : 0);
        if (result == SettingsLock::Result::Doubtful) {
            QVERIFY(lock.takeOver());
            QCOMPARE(SettingsLock(file).tryLock(), SettingsLock::Result::HeldByOther);
        }
    }

    // Two names of one file are one file: the second name finds the first name's lock.
    void linkedNameSharesTheLock()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lfy.ini")), alias = dir.filePath(QStringLiteral("alias.ini"));
        QFile(file).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(file, alias));
        SettingsLock first(file);
        QCOMPARE(first.tryLock(), SettingsLock::Result::Locked);
        QCOMPARE(SettingsLock(alias).tryLock(), SettingsLock::Result::HeldByOther);
    }

    void noLockWhereNoneCanBeMade()
    {
        QTemporaryDir dir;
        SettingsLock lock(dir.filePath(QStringLiteral("missing/lfy.ini")));
        QCOMPARE(lock.tryLock(), SettingsLock::Result::NotPossible);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLock)
#include "tst_settingslock.moc"
