#include "settings/inifile.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTest>
#include <unistd.h>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}
} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void missingFileReadsDefaultsAndIsNotCreated()
    {
        testsupport::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("lfy.ini"));
        const IniFile ini(path);
        QCOMPARE(ini.readString("Name", "name", "Your name"), QStringLiteral("Your name"));
        QCOMPARE(ini.readInteger("Income", "income", 250000), 250000);
        QVERIFY(!QFile::exists(path));
    }

    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readBack");
        const QString x1023(1023, QLatin1Char('x'));
        const QString a1022(1022, QLatin1Char('a'));
        // clang-format off
        QTest::newRow("blanks at both ends") << "  two blanks each side  " << "  two blanks each side  ";
        QTest::newRow("equals signs") << "a=b==c=" << "a=b==c=";
        QTest::newRow("semicolon first") << ";not a comment" << ";not a comment";
        QTest::newRow("bracket first") << "[Section]" << "[Section]";
        QTest::newRow("non-ASCII") << "Zoë Ångström 日本 €" << "Zoë Ångström 日本 €";
        QTest::newRow("exactly 1023") << x1023 << x1023;
        QTest::newRow("longer value cut at 1023") << x1023 + "yz" << x1023;
        QTest::newRow("no half character at the cut") << a1022 + "\U0001F600" << a1022;
        QTest::newRow("line breaks cannot open a section") << "one\n[Evil]\r\nx=y" << "one [Evil]  x=y";
        // clang-format on
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, value);
        testsupport::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("lfy.ini"));
        {
            IniFile ini(path);
            ini.writeString("Hour1", "Desc", value);
            ini.writeString("Hour1", "After", "next");
            ini.save();
        }
        const IniFile back(path);
        QTEST(back.readString("Hour1", "Desc", "default"), "readBack");
        QCOMPARE(back.readString("Hour1", "After", "default"), QStringLiteral("next"));
        QCOMPARE(back.readString("Evil", "x", "none"), QStringLiteral("none"));
    }

    void caseInsensitiveAndUnknownEntriesKept()
    {
        testsupport::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("lfy.ini"));
        writeAll(path, "; made by hand\r\n[Extra]\r\nkeep=me\r\nno equals line\r\n"
                       "[name]\r\nNAME=Old\r\nOther=1\r\n[Name]\r\nname=Shadowed\r\n");
        IniFile ini(path);
        QCOMPARE(ini.readString("NAME", "name", "x"), QStringLiteral("Old"));
        QCOMPARE(ini.readString("extra", "KEEP", "x"), QStringLiteral("me"));
        ini.writeString("Name", "name", "New");
        ini.writeString("DOB", "Date", "1/2/2000");
        ini.save();
        const QByteArray saved = readAll(path);
        QVERIFY(saved.contains("; made by hand\n"));
        QVERIFY(saved.contains("keep=me\n"));
        QVERIFY(saved.contains("no equals line\n"));
        QVERIFY(saved.contains("Other=1\n"));
        QVERIFY(saved.contains("name=Shadowed\n"));
        const IniFile back(path);
        QCOMPARE(back.readString("name", "name", "x"), QStringLiteral("New"));
        QCOMPARE(back.readString("dob", "date", "x"), QStringLiteral("1/2/2000"));
    }

    // Names fold as Unicode does, ASCII ones too; a long section is looked up through its index.
    // Each answer is the file's as it stands, after writes and a new read as well.
    void lookupsMatchWithoutRegardToCase()
    {
        IniFile ini{QString()};
        QByteArray content = "[Ärger]\nÜBER=1\n[Short]\n  Key  = spaced\n[Long]\n";
        for (int i = 0; i < 40; ++i)
            content += "Key" + QByteArray::number(i) + "=v" + QByteArray::number(i) + "\n";
        ini.parse(content);
        QCOMPARE(ini.readString(QStringLiteral(" ärger "), QStringLiteral("Über"), "x"), QStringLiteral("1"));
        QCOMPARE(ini.readString("SHORT", " KEY ", "x"), QStringLiteral(" spaced"));
        QCOMPARE(ini.readString("short", "keys", "x"), QStringLiteral("x"));
        QCOMPARE(ini.readString("LONG", " key39", "x"), QStringLiteral("v39"));
        QCOMPARE(ini.readString("C", "k", "x"), QStringLiteral("x"));
        ini.writeString("c", "K", "c");
        QCOMPARE(ini.readString("C", "k", "x"), QStringLiteral("c"));
        ini.parse("[Short]\nkey=new\n");
        QCOMPARE(ini.readString("SHORT", "Key", "x"), QStringLiteral("new"));
        QCOMPARE(ini.readString("C", "k", "x"), QStringLiteral("x"));
    }

    // Writes land in any section, after the file's own lines; every other line keeps its place
    // and text, and a value written twice is stored once.
    void writesKeepEveryLineInPlace()
    {
        IniFile ini{QString()};
        ini.parse("\xEF\xBB\xBF\xEF\xBB\xBFlead=1\n; note\n[A]\nk = v \n[B]\nx=1\n[a]\nk=shadow\n");
        ini.writeString("b", "New", "n");
        ini.writeString("C", "c", "1");
        ini.writeString("A", "Added", QStringLiteral("\U0001F600") + QChar(0xD800) + "\u00E9");
        ini.writeString(" a ", "K", "first");
        ini.writeString("A", "k", "second");
        ini.writeString("C", "c", "2");
        const QByteArray expected =
            "\xEF\xBB\xBF\xEF\xBB\xBFlead=1\n; note\n\n[A]\nk=second\nAdded=\xF0\x9F\x98\x80?\xC3\xA9\n"
            "\n[B]\nx=1\nNew=n\n\n[a]\nk=shadow\n\n[C]\nc=2\n";
        QCOMPARE(ini.serialize(), expected);
    }

    // Past a few lookups a file with many sections, and a long section, answer through an
    // index: the same answers, the first of duplicates, and entries added afterwards.
    void manyLookupsGiveTheSameAnswers()
    {
        QByteArray content;
        for (int i = 0; i < 20; ++i)
            content += "[S" + QByteArray::number(i) + "]\nk=" + QByteArray::number(i) + "\n";
        content += "[s3]\nk=dup\n[Long]\n";
        for (int i = 0; i < 30; ++i)
            content += "Key" + QByteArray::number(i % 25) + "=" + QByteArray::number(i) + "\n";
        IniFile ini{QString()};
        ini.parse(content);
        for (int round = 0; round < 5; ++round) {
            QCOMPARE(ini.readString(QStringLiteral("s%1").arg(round + 1), "K", "x"), QString::number(round + 1));
            QCOMPARE(ini.readString("long", QStringLiteral("KEY%1").arg(round), "x"), QString::number(round));
            QCOMPARE(ini.readString("LONG", "key40", "x"), QStringLiteral("x"));
        }
        ini.writeString("New", "k", "n");
        ini.writeString("Long", "Key40", "40");
        QCOMPARE(ini.readString("new", "k", "x"), QStringLiteral("n"));
        QCOMPARE(ini.readString("long", "key40", "x"), QStringLiteral("40"));
        QCOMPARE(ini.readString("S3", "k", "x"), QStringLiteral("3"));
    }

    void readsLineEndsBomAndCodePage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("LF") << QByteArray("[Name]\nname=Zoë\n[X]\nk=v") << "Zoë";
        QTest::newRow("CRLF") << QByteArray("[Name]\r\nname=Zoë\r\n[X]\r\nk=v\r\n") << "Zoë";
        QTest::newRow("CR, and all three mixed") << QByteArray("[Name]\rname=Zoë\n\r\r\n[X]\r\r\nk=v\n\r") << "Zoë";
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[Name]\nname=Zoë\n[X]\nk=v\n") << "Zoë";
        QTest::newRow("Windows-1252") << QByteArray("[Name]\r\nname=Zo\xEB \x80\x93\x81\r\n[X]\r\nk=v\r\n")
            << QStringLiteral("Zoë €\u201C\u0081");
        QTest::newRow("blanks around section and key") << QByteArray("  [ Name ]  \n  name =Zoë\n[X]\nk=v") << "Zoë";
        // clang-format on
    }
    void readsLineEndsBomAndCodePage()
    {
        QFETCH(QByteArray, content);
        IniFile ini(QString{});
        ini.parse(content);
        QTEST(ini.readString("Name", "name", "default"), "name");
        QCOMPARE(ini.readString("X", "k", "default"), QStringLiteral("v"));
    }

    void leadingByteOrderMarkCharacterSurvivesASave()
    {
        // Two marks: the second is a character, so "[Name]" is not a section on the first read.
        IniFile ini(QString{});
        ini.parse("\xEF\xBB\xBF\xEF\xBB\xBF[Name]\nname=Hidden\n");
        QCOMPARE(ini.readString("Name", "name", "default"), QStringLiteral("default"));
        ini.writeString("Name", "name", "Saved");
        const QByteArray saved = ini.serialize();
        IniFile back(QString{});
        back.parse(saved);
        QCOMPARE(back.readString("Name", "name", "default"), QStringLiteral("Saved"));
        QCOMPARE(back.serialize(), saved);
    }

    void readInteger_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("value");
        // clang-format off
        QTest::newRow("decimal") << "250000" << 250000;
        QTest::newRow("0x hex") << "0x3E8" << 1000;
        QTest::newRow("dollar hex") << "$3E8" << 1000;
        QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("above int max") << "2147483648" << 5;
        QTest::newRow("hex above int max") << "0xFFFFFFFF" << 5;
        QTest::newRow("trailing blank") << "12 " << 5;
        QTest::newRow("0x after a blank") << " 0x10" << 5;
        // clang-format on
    }
    void readInteger()
    {
        QFETCH(QString, stored);
        IniFile ini(QString{});
        ini.writeString("Hours", "Count", stored);
        QTEST(ini.readInteger("hours", "count", 5), "value");
        QCOMPARE(ini.readInteger("Hours", "Missing", 5), 5);
        ini.writeInteger("Hours", "Count", -1000);
        QCOMPARE(ini.readString("Hours", "Count", ""), QStringLiteral("-1000"));
    }

    void fullSettingsLayout()
    {
        IniFile ini(QString{});
        ini.writeString("DOB", "Date", "3/15/1956");
        for (int n = 1; n <= 51; ++n)
            ini.writeString(QStringLiteral("Hour%1").arg(n), "Desc", QString());
        const QByteArray text = ini.serialize();
        QVERIFY(text.startsWith("[DOB]\nDate=3/15/1956\n\n[Hour1]\nDesc=\n\n[Hour2]\n"));
        QVERIFY(text.endsWith("[Hour51]\nDesc=\n"));
    }

    void unwritableTargetLeavesOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        // clang-format off
        QTest::newRow("parent is a file") << "parent-file";
        QTest::newRow("target is a folder") << "target-folder";
        QTest::newRow("read-only file") << "read-only-file";
        QTest::newRow("read-only folder") << "read-only-folder";
        // clang-format on
    }
    void unwritableTargetLeavesOldFile()
    {
        QFETCH(QString, kind);
        const bool root = ::geteuid() == 0;
        testsupport::TempProgramFolder folder;
        QString path = folder.file(QStringLiteral("lfy.ini"));
        const QByteArray old("[Name]\nname=Old\n");
        writeAll(path, old);
        QFile::Permissions restore;
        if (kind == QLatin1String("parent-file")) {
            path = folder.file(QStringLiteral("lfy.ini/lfy.ini"));
        } else if (kind == QLatin1String("target-folder")) {
            path = folder.file(QStringLiteral("sub"));
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
        } else if (kind == QLatin1String("read-only-file")) {
            // Root too keeps off a file nobody may write.
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        } else if (root) {
            QSKIP("permission bits do not stop root");
        } else {
            restore = QFile::permissions(folder.path());
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        IniFile ini(path);
        ini.writeString("Name", "name", "New");
        try {
            ini.save();
            QFAIL("the save did not fail");
        } catch (const IniWriteError &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Unable to write to ") + path + QStringLiteral(": ")),
                     qPrintable(e.message()));
        }
        if (restore)
            QFile::setPermissions(folder.path(), restore);
        QFile::setPermissions(folder.file(QStringLiteral("lfy.ini")), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(folder.file(QStringLiteral("lfy.ini"))), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
