// Start-up from damaged or hostile settings files: the window opens quickly with what it can
// read, conversion failures reach the application error box, and Close writes a sound file.
#include "app/frmmain.h"
#include "guisupport.h"
#include "settings/inifile.h"
#include "tables/activitymodel.h"
#include "testsupport.h"
#include "widgets/prompts.h"
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <memory>

using namespace testsupport;

namespace {
// A file as the program writes it, with `used` rows filled in every table.
QByteArray goodFile(int used = 20, const char *eol = "\n")
{
    QByteArray out;
    auto line = [&](const QByteArray &text) { out += text + eol; };
    line("[DOB]");
    line("Date=3/15/1990");
    line("");
    line("[Name]");
    line("name=Ann Lee");
    line("");
    line("[Income]");
    line("income=300000");
    const struct {
        const char *count, *row, *amountKey, *amount, *per;
    } tables[] = {{"Hours", "Hour", "HrMin", "2 Hrs 30 Mins", "Day"},
                  {"Money", "Money", "Amount", "$1,234.50", "Month"},
                  {"Freq", "Freq", "Amount", "12", "Year"}};
    for (const auto &t : tables) {
        line("");
        line(QByteArray("[") + t.count + "]");
        line("Count=51");
        for (int n = 1; n <= 51; ++n) {
            const bool filled = n <= used;
            line("");
            line(QByteArray("[") + t.row + QByteArray::number(n) + "]");
            line("Desc=" + (filled ? QByteArray("Activity ") + QByteArray::number(n) : QByteArray()));
            line(QByteArray(t.amountKey) + "=" + (filled ? QByteArray(t.amount) : QByteArray()));
            line("Per=" + (filled ? QByteArray(t.per) : QByteArray()));
            line("Start=" + (filled ? QByteArray("1/") + QByteArray::number(1 + n % 28) + "/2001" : QByteArray()));
            line("End=" + (filled ? QByteArray(n % 2 ? "Now" : "6/1/2020") : QByteArray()));
        }
    }
    return out;
}

QByteArray rowsOf(const char *section, const QByteArray &amount, const QByteArray &per, const QByteArray &start,
                  const QByteArray &end)
{
    QByteArray out = QByteArray("[") + (qstrcmp(section, "Hour") == 0 ? "Hours" : section) + "]\nCount=3\n";
    for (int n = 1; n <= 3; ++n)
        out += QByteArray("[") + section + QByteArray::number(n) + "]\nDesc=Row " + QByteArray::number(n) + "\n" +
               (qstrcmp(section, "Hour") == 0 ? "HrMin=" : "Amount=") + amount + "\nPer=" + per + "\nStart=" + start +
               "\nEnd=" + end + "\n";
    return out;
}

QByteArray garbage(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (char &c : out)
        c = char(random.bounded(256));
    return out;
}

using Cells = QList<QStringList>;

Cells cellsOf(const TfrmMain &w)
{
    Cells cells;
    for (ActivityModel *m : {&w.hoursModel(), &w.moneyModel(), &w.freqModel()})
        for (int row = 1; row < ActivityModel::RowCount; ++row)
            cells << m->rowTexts(row).mid(0, 5);
    return cells;
}
} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;
    QString iniPath() const { return m_scope->settingsPath(); }

    void writeIni(const QByteArray &content)
    {
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(content), content.size());
    }

    // Starts a window on `content`, then closes it with Close and checks what it wrote.
    // expectedErrors -1: a cut may or may not leave a value that fails to convert.
    void startAndClose(const QByteArray &content, const QString &label, int expectedErrors)
    {
        writeIni(content);
        QElapsedTimer clock;
        clock.start();
        auto w = std::make_unique<TfrmMain>();
        w->show();
        const qint64 elapsed = clock.elapsed();
        qInfo("start-up on %s (%lld bytes): %lld ms", qPrintable(label), qint64(content.size()), elapsed);

        // Only the start-up totals may complain, through the application error box.
        if (expectedErrors >= 0)
            QCOMPARE(Prompts::shown().size(), expectedErrors);
        else
            QVERIFY(Prompts::shown().size() <= 1);
        for (const auto &shown : Prompts::shown()) {
            QCOMPARE(shown.kind, Prompts::Kind::ApplicationError);
            QVERIFY2(shown.text.contains(QStringLiteral("is not a valid")), qPrintable(shown.text));
        }
        Prompts::clearShown();

        const QString name = child<QLineEdit>(w.get(), "edName")->text();
        const QString dob = child<QLineEdit>(w.get(), "edDOB")->text();
        QVERIFY(name.size() <= 1023 && dob.size() <= 1023);
        const Cells cells = cellsOf(*w);
        child<QPushButton>(w.get(), "btClose")->click();
        QVERIFY(!w->isVisible());
        QVERIFY(Prompts::shown().isEmpty());
        w.reset();

        // Sound: every counting section says 51 and every row section holds its five keys.
        const IniFile ini(iniPath());
        for (const char *section : {"Hours", "Money", "Freq"})
            QCOMPARE(ini.readInteger(QLatin1String(section), QStringLiteral("Count"), 0), 51);
        for (int n = 1; n <= 51; ++n)
            QCOMPARE(ini.readString(QStringLiteral("Freq%1").arg(n), QStringLiteral("End"), QStringLiteral("-")),
                     n == 51 ? QString() : cells[2 * 50 + n - 1].value(4));

        TfrmMain again;
        again.show();
        QCOMPARE(child<QLineEdit>(&again, "edName")->text(), name);
        QCOMPARE(child<QLineEdit>(&again, "edDOB")->text(), dob);
        QCOMPARE(cellsOf(again), cells);
        Prompts::clearShown();
    }

private slots:
    void init() { m_scope = std::make_unique<WindowTestScope>(); }
    void cleanup() { m_scope.reset(); }

    void hostileFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("errors");

        const QByteArray good = goodFile();
        QByteArray zeroed = good;
        zeroed.replace(0, 4096, QByteArray(4096, '\0'));
        QByteArray manySections;
        for (int n = 0; n < 100000; ++n)
            manySections += "[S" + QByteArray::number(n) + "]\nk=v\n";
        manySections += good;
        const QByteArray longValue(5000, 'v');
        QByteArray longValues = "[Name]\nname=" + longValue + "\n[DOB]\nDate=" + longValue + "\n[Hours]\nCount=2\n";
        for (int n = 1; n <= 2; ++n)
            longValues += "[Hour" + QByteArray::number(n) + "]\nDesc=" + longValue + "\nHrMin=" + longValue +
                          "\nPer=" + longValue + "\nStart=" + longValue + "\nEnd=" + longValue + "\n";

        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("LF") << good << 0;
        QTest::newRow("CRLF") << goodFile(20, "\r\n") << 0;
        QTest::newRow("CR") << goodFile(20, "\r") << 0;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + good << 0;
        QTest::newRow("first 4 KiB zeroed") << zeroed << 0;
        static const char nuls[] = "[Name]\nname=a\0b\n[Hours]\nCount=1\n[Hour1]\nDesc=\0\n";
        QTest::newRow("NUL bytes") << QByteArray(nuls, sizeof nuls - 1) << 1;
        QTest::newRow("binary garbage") << garbage(64 * 1024, 7) << 0;
        QTest::newRow("garbage after a good file") << good + garbage(4096, 8) << 0;
        // Below the largest file read, with room for what a save adds.
        QTest::newRow("single 3 MB line") << "[Name]\nname=" + QByteArray(3 * 1024 * 1024, 'n') << 0;
        QTest::newRow("3 MB without a line end or =") << QByteArray(3 * 1024 * 1024, '[') << 0;
        QTest::newRow("100,000 sections") << manySections << 0;
        QTest::newRow("duplicate sections and keys")
            << QByteArray("[Name]\nname=First\nname=Second\n[NAME]\nname=Third\n[Hours]\nCount=1\nCount=9\n"
                          "[Hour1]\nDesc=A\nDesc=B\n[hour1]\nDesc=C\n")
            << 1;
        QTest::newRow("keys without =") << QByteArray("[Name]\nname\n=\nname=Real\n[Hours]\nCount\nCount=1\n"
                                                      "[Hour1]\nDesc\nDesc=A\n")
                                        << 1;
        QTest::newRow("values of 5,000 characters") << longValues << 1;
        QTest::newRow("count 2147483648") << "[Hours]\nCount=2147483648\n" + good.mid(good.indexOf("[Hour1]")) << 0;
        QTest::newRow("count -1") << "[Hours]\nCount=-1\n" + good.mid(good.indexOf("[Hour1]")) << 0;
        QTest::newRow("every cell a non-date")
            << "[DOB]\nDate=3/15/1990\n" + rowsOf("Hour", "1 Hr", "Day", "soon", "later") << 1;
        QTest::newRow("every cell a non-number")
            << "[DOB]\nDate=3/15/1990\n" + rowsOf("Money", "lots", "Week", "1/1/2000", "Now") << 1;
        QTest::newRow("non-numbers in every table")
            << "[DOB]\nDate=x\n[Income]\nincome=y\n" + rowsOf("Hour", "x Hrs", "z", "a", "b") +
                   rowsOf("Money", "$", "", "", "") + rowsOf("Freq", ",,,", "Once", "1/1/2000", "Now")
            << 1;
    }
    void hostileFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, errors);
        startAndClose(content, QString::fromLatin1(QTest::currentDataTag()), errors);
    }

    void truncatedGoodFile()
    {
        const QByteArray good = goodFile(50);
        // Cuts spread over the whole file, a few inside the first lines, and one byte short.
        QList<qsizetype> cuts = {1, 5, 6, 13, 20, 21, good.size() - 1};
        for (int i = 1; i <= 24; ++i)
            cuts << good.size() * i / 25;
        for (const qsizetype cut : cuts) {
            const QByteArray content = good.left(cut);
            startAndClose(content, QStringLiteral("a good file cut at %1").arg(cut), -1);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("cut at %1").arg(cut)));
        }
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
