// A save that fails at any step leaves the settings file wholly as it was, tells the user, and
// keeps the window open with every entry, so a later Close still writes everything.
#include "app/frmmain.h"
#include "guisupport.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "tables/activitymodel.h"
#include "testsupport.h"
#include "widgets/prompts.h"
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace testsupport;

namespace {
enum class Step { CreateTemp, FirstBlock, LastBlock, Flush, Backup, Rename };

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

const QByteArray OldFile = "[DOB]\nDate=3/15/1990\n[Name]\nname=Old name\n[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\n"
                           "HrMin=8 Hrs\nPer=Day\nStart=3/15/1990\nEnd=Now\n";
const QByteArray OlderBackup = "[Name]\nname=Older\n";

// Fails file operation `operation` (from 1) of a save: of the next save only, or of every save
// until cleared. `count` is the operations a save took, or reached before it failed; the test
// sets it to 0 before each save.
struct SaveFault {
    int operation = 0;
    bool persistent = false;
    int count = 0;

    AtomicWriteHooks hooks()
    {
        AtomicWriteHooks hooks;
        hooks.step = [this] {
            if (++count != operation)
                return true;
            if (!persistent)
                operation = 0;
            return false;
        };
        return hooks;
    }
};
} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;
    SaveFault m_fault;
    QString iniPath() const { return m_scope->settingsPath(); }
    QString bakPath() const { return m_scope->folder().file(QStringLiteral("lfy.ini.bak")); }

    static void makeEdits(TfrmMain &w)
    {
        child<QLineEdit>(&w, "edName")->setText(QStringLiteral("New name"));
        w.moneyModel().setRowTexts(1, {QStringLiteral("Rent"), QStringLiteral("$500.00"), QStringLiteral("Month"),
                                       QStringLiteral("1/1/2020"), QStringLiteral("Now"), QString()});
    }
    // The new file holds every edit.
    void verifyNewFile() const
    {
        const IniFile ini(iniPath());
        QCOMPARE(ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QString()), QStringLiteral("New name"));
        QCOMPARE(ini.readString(QStringLiteral("Money1"), QStringLiteral("Amount"), QString()),
                 QStringLiteral("$500.00"));
        QCOMPARE(ini.readString(QStringLiteral("Hour1"), QStringLiteral("Desc"), QString()), QStringLiteral("Sleep"));
        QCOMPARE(ini.readInteger(QStringLiteral("Freq"), QStringLiteral("Count"), 0), 51);
    }
    // No temporary file is left behind.
    void verifyNoStrayFiles() const
    {
        QStringList names = QDir(m_scope->folder().path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("lfy.ini"));
        names.removeAll(QStringLiteral("lfy.ini.bak"));
        QCOMPARE(names, QStringList{});
    }
    // The operations a save of this window takes, measured on a copy of the folder.
    int operationsOfASave(TfrmMain &w)
    {
        int count = 0;
        {
            TempProgramFolder dry;
            writeAll(dry.file(QStringLiteral("lfy.ini")), OldFile);
            m_fault.count = 0;
            w.writeSettings();
            count = m_fault.count;
        }
        setProgramFolder(m_scope->folder().path());
        return count;
    }

private slots:
    void init()
    {
        m_scope = std::make_unique<WindowTestScope>();
        m_fault = SaveFault();
    }
    void cleanup() { m_scope.reset(); }

    void faultAtEachStep_data()
    {
        QTest::addColumn<int>("stepNumber");
        QTest::addColumn<bool>("persistent");
        const struct {
            const char *name;
            Step step;
        } steps[] = {{"cannot create the temporary file", Step::CreateTemp},
                     {"first block short", Step::FirstBlock},
                     {"last block short (full disk)", Step::LastBlock},
                     {"flush fails", Step::Flush},
                     {"backup cannot be written", Step::Backup},
                     {"rename refused", Step::Rename}};
        for (const auto &s : steps) {
            QTest::addRow("%s, once", s.name) << int(s.step) << false;
            QTest::addRow("%s, persistent", s.name) << int(s.step) << true;
        }
    }
    void faultAtEachStep()
    {
        QFETCH(int, stepNumber);
        const auto step = Step(stepNumber);
        QFETCH(bool, persistent);
        writeAll(iniPath(), OldFile);
        writeAll(bakPath(), OlderBackup);
        TfrmMain w;
        w.setSaveHooks(m_fault.hooks());
        w.show();
        makeEdits(w);
        const int count = operationsOfASave(w);
        QVERIFY2(count >= 6, "a full settings file takes more than one block");
        const int operation = step == Step::CreateTemp   ? 1
                              : step == Step::FirstBlock ? 2
                              : step == Step::LastBlock  ? count - 3
                              : step == Step::Flush      ? count - 2
                              : step == Step::Backup     ? count - 1
                                                         : count;
        m_fault.operation = operation;
        m_fault.persistent = persistent;

        auto *close = child<QPushButton>(&w, "btClose");
        m_fault.count = 0;
        close->click();
        if (step == Step::Backup) {
            // The save goes on without its backup: the new file stands, the older backup is untouched.
            QVERIFY(!w.isVisible());
            QVERIFY(Prompts::shown().isEmpty());
            verifyNewFile();
            QCOMPARE(readAll(bakPath()), OlderBackup);
            verifyNoStrayFiles();
            return;
        }
        const int attempts = persistent ? 2 : 1;
        for (int attempt = 1; attempt <= attempts; ++attempt) {
            if (attempt > 1) {
                m_fault.count = 0;
                close->click();
            }
            QVERIFY(w.isVisible());
            QCOMPARE(Prompts::shown().size(), attempt);
            QCOMPARE(Prompts::shown().last().kind, Prompts::Kind::ApplicationError);
            QCOMPARE(Prompts::shown().last().text, QStringLiteral("Unable to write to %1.").arg(iniPath()));
            QCOMPARE(readAll(iniPath()), OldFile);
            // Only the rename comes after the backup, and the backup then equals the old file.
            const QByteArray bak = readAll(bakPath());
            QVERIFY(bak == OlderBackup || (step == Step::Rename && bak == OldFile));
            verifyNoStrayFiles();
        }
        QCOMPARE(child<QLineEdit>(&w, "edName")->text(), QStringLiteral("New name"));

        m_fault.operation = 0;
        close->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(Prompts::shown().size(), attempts);
        verifyNewFile();
        QCOMPARE(readAll(bakPath()), OldFile);
        verifyNoStrayFiles();
    }

    void backupHoldsThePreviousFile()
    {
        {
            TfrmMain first;
            first.show();
            click(&first, "btClose");
        }
        QVERIFY2(!QFile::exists(bakPath()), "there was nothing to back up");
        const QByteArray firstSave = readAll(iniPath());
        TfrmMain second;
        second.show();
        makeEdits(second);
        click(&second, "btClose");
        QCOMPARE(readAll(bakPath()), firstSave);
        QCOMPARE(IniFile(iniPath()).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 QStringLiteral("New name"));
    }

    void readOnlyFolderKeepsWindowOpen()
    {
        if (::geteuid() == 0)
            QSKIP("permission bits do not stop root; the injected faults cover this failure");
        writeAll(iniPath(), OldFile);
        TfrmMain w;
        w.show();
        makeEdits(w);
        const QFile::Permissions restore = QFile::permissions(m_scope->folder().path());
        QVERIFY(QFile::setPermissions(m_scope->folder().path(), QFile::ReadOwner | QFile::ExeOwner));
        w.findChild<QPushButton *>(QStringLiteral("btClose"))->click();
        QFile::setPermissions(m_scope->folder().path(), restore);
        QVERIFY(w.isVisible());
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(readAll(iniPath()), OldFile);
        w.findChild<QPushButton *>(QStringLiteral("btClose"))->click();
        QVERIFY(!w.isVisible());
        verifyNewFile();
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
