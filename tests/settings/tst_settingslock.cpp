// One copy per settings file: a second lock is refused while the first copy runs, and a lock left
// by a copy that has ended is taken over.
#include "settings/settingslock.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

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

    void noLockWhereNoneCanBeMade()
    {
        QTemporaryDir dir;
        SettingsLock lock(dir.filePath(QStringLiteral("missing/lfy.ini")));
        QCOMPARE(lock.tryLock(), SettingsLock::Result::NotPossible);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLock)
#include "tst_settingslock.moc"
