// A settings file written under one set of regional settings reads the same days, amounts and
// totals under another, and back again; texts that do not fit stay as they were written.
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "calc/totals.h"
#include "settings/settingsfile.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTest>

using namespace testsupport;

namespace {
LocaleSettings localeNamed(const QString &name)
{
    if (name == QLatin1String("U.S."))
        return usLocale();
    if (name == QLatin1String("German"))
        return germanLocale();
    if (name == QLatin1String("British"))
        return britishLocale();
    return frenchLocale();
}
const QStringList LocaleNames{QStringLiteral("U.S."), QStringLiteral("German"), QStringLiteral("British"),
                              QStringLiteral("French")};

struct Settings {
    BioFields bio;
    TableCells hours, money, freq;
    bool operator==(const Settings &o) const
    {
        return bio.name == o.bio.name && bio.birthDate == o.bio.birthDate && bio.income == o.bio.income &&
               hours == o.hours && money == o.money && freq == o.freq;
    }
};

TableCells emptyTable()
{
    return TableCells(TableRows, QStringList(5));
}

// Days and amounts chosen so that a wrong reading shows: 9/1 against 1/9, grouped thousands, cents.
const DateValue Birth = encodeDate(1978, 4, 17);
const struct {
    const char *activity;
    double amount;
    const char *per;
    DateValue start, end; // end 0: "Now"
} Rows[] = {{"Rent", 1250, "Month", encodeDate(2000, 9, 1), 0},
            {"Car", 1234567.5, "Year", encodeDate(1999, 1, 12), encodeDate(2020, 12, 31)},
            {"Coffee", 3.75, "Day", encodeDate(2010, 2, 3), encodeDate(2011, 11, 5)}};

// The cells the program itself writes under `locale` for the sample.
Settings sampleIn(const LocaleSettings &locale)
{
    Settings s{
        {QStringLiteral("Ann Lee"), shortDateText(Birth, locale), 300000}, emptyTable(), emptyTable(), emptyTable()};
    int n = 1;
    for (const auto &r : Rows) {
        const QString start = shortDateText(r.start, locale);
        const QString end = r.end ? shortDateText(r.end, locale) : QStringLiteral("Now");
        const QString per = QLatin1String(r.per);
        s.hours[n] = {QLatin1String(r.activity), QStringLiteral("2 Hrs 30 Mins"),
                      per == "Year" ? QStringLiteral("Week") : per, start, end};
        s.money[n] = {QLatin1String(r.activity), formatMoney(r.amount, 2, locale), per, start, end};
        s.freq[n] = {QLatin1String(r.activity), formatNumber(r.amount * 1000, 0, locale), per, start, end};
        ++n;
    }
    return s;
}

// Every row total as a number, under the locale in force.
QList<double> totalsOf(const Settings &s)
{
    QList<double> totals;
    for (int n = 1; n <= int(std::size(Rows)); ++n) {
        const QStringList &h = s.hours[n], &m = s.money[n], &f = s.freq[n];
        totals << totalCellValue(hourTotalText(h[1], h[2], h[3], h[4], 400000))
               << totalCellValue(moneyTotalText(m[1], m[2], m[3], m[4], true, s.bio.income))
               << totalCellValue(moneyTotalText(f[1], f[2], f[3], f[4], false, 0));
    }
    return totals;
}

void write(const QString &path, const Settings &s)
{
    writeSettingsFile(path, s.bio, s.hours, s.money, s.freq);
}

Settings read(const QString &path)
{
    Settings s{{}, emptyTable(), emptyTable(), emptyTable()};
    readSettingsFile(path, s.bio, s.hours, s.money, s.freq);
    return s;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestFileFormat : public QObject
{
    Q_OBJECT
private:
    TempProgramFolder *m_folder = nullptr;
    QString path() const { return m_folder->file(QStringLiteral("lfy.ini")); }

private slots:
    void init()
    {
        resetSharedState();
        fixClock(2024, 6, 15, 12);
        m_folder = new TempProgramFolder;
    }
    void cleanup()
    {
        delete m_folder;
        resetSharedState();
    }

    void formatSectionComesLastAndLeavesTheRestAsBefore()
    {
        Settings s = sampleIn(usLocale());
        write(path(), s);
        // The layout the file always had: sections apart by a blank line, every row with its five keys.
        QByteArray expected = "[DOB]\nDate=4/17/1978\n\n[Name]\nname=Ann Lee\n\n[Income]\nincome=300000\n";
        for (const auto &[count, row, amountKey, table] : {std::tuple{"Hours", "Hour", "HrMin", &s.hours},
                                                           {"Money", "Money", "Amount", &s.money},
                                                           {"Freq", "Freq", "Amount", &s.freq}}) {
            expected += QByteArray("\n[") + count + "]\nCount=51\n";
            for (int n = 1; n <= 51; ++n) {
                const QStringList cells = n < TableRows ? (*table)[n] : QStringList(5);
                expected += QByteArray("\n[") + row + QByteArray::number(n) + "]\nDesc=" + cells[0].toUtf8() + "\n" +
                            amountKey + "=" + cells[1].toUtf8() + "\nPer=" + cells[2].toUtf8() +
                            "\nStart=" + cells[3].toUtf8() + "\nEnd=" + cells[4].toUtf8() + "\n";
            }
        }
        expected += "\n[Format]\nShortDate=M/d/yyyy\nDateSeparator=/\nDecimal=.\nThousands=,\nCurrency=$\n"
                    "CurrencyPlacement=Before\n";
        QCOMPARE(fileBytes(path()), expected);
        QVERIFY(expected.contains("Amount=$1,250.00\nPer=Month\nStart=9/1/2000\nEnd=Now\n"));

        LocaleSettings::setCurrent(frenchLocale());
        write(path(), s);
        QVERIFY(fileBytes(path()).endsWith("\n[Format]\nShortDate=dd/mm/yyyy\nDateSeparator=/\nDecimal=,\n"
                                           "Thousands=\u202F\nCurrency=€\nCurrencyPlacement=AfterWithBlank\n"));
    }

    void readsTheSameInOtherRegionalSettings_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        for (const QString &from : LocaleNames)
            for (const QString &to : LocaleNames)
                if (from != to)
                    QTest::addRow("%s to %s", qPrintable(from), qPrintable(to)) << from << to;
    }
    void readsTheSameInOtherRegionalSettings()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        LocaleSettings::setCurrent(localeNamed(from));
        const Settings written = sampleIn(localeNamed(from));
        const QList<double> totals = totalsOf(written);
        write(path(), written);

        LocaleSettings::setCurrent(localeNamed(to));
        const Settings read = ::read(path());
        QCOMPARE(strToDate(read.bio.birthDate), Birth);
        for (int n = 1; n <= int(std::size(Rows)); ++n) {
            for (const TableCells *table : {&read.hours, &read.money, &read.freq}) {
                QCOMPARE(strToDate((*table)[n][3]), Rows[n - 1].start);
                if (Rows[n - 1].end)
                    QCOMPARE(strToDate((*table)[n][4]), Rows[n - 1].end);
                else
                    QCOMPARE((*table)[n][4], QStringLiteral("Now"));
            }
            QCOMPARE(strToFloat(digitsOnly(read.money[n][1])), Rows[n - 1].amount);
            QCOMPARE(strToFloat(digitsOnly(read.freq[n][1])), Rows[n - 1].amount * 1000);
        }
        QCOMPARE(totalsOf(read), totals);
        // What the program would have written here itself, currency symbol included.
        QVERIFY(read == sampleIn(localeNamed(to)));

        write(path(), read);
        LocaleSettings::setCurrent(localeNamed(from));
        QVERIFY(::read(path()) == written);
    }

    // Texts the program did not write in the recorded format.
    void storedText_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("cell"); // DOB, Start, End, Money or Freq
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("readAs");
        // clang-format off
        QTest::newRow("not a date") << "U.S." << "German" << "DOB" << "soon" << "soon";
        QTest::newRow("no such day") << "U.S." << "German" << "DOB" << "2/30/1980" << "2/30/1980";
        QTest::newRow("date in another format") << "U.S." << "British" << "Start" << "17.04.1978" << "17.04.1978";
        QTest::newRow("blank cell") << "U.S." << "French" << "Start" << "" << "";
        QTest::newRow("Now") << "British" << "U.S." << "End" << "Now" << "Now";
        QTest::newRow("two-digit year: this century, four digits")
            << "German" << "U.S." << "Start" << "17.04.05" << "4/17/2005";
        QTest::newRow("same format: two-digit year kept") << "U.S." << "U.S." << "Start" << "4/17/05" << "4/17/05";
        QTest::newRow("day and month without year") << "U.S." << "British" << "Start" << "9/1" << "01/09/2024";
        QTest::newRow("amount without symbol") << "U.S." << "German" << "Money" << "1250" << "1.250 €";
        QTest::newRow("amount misgrouped") << "U.S." << "German" << "Money" << "$1,25.00" << "$1,25.00";
        QTest::newRow("amount with another symbol") << "U.S." << "German" << "Money" << "€5.00" << "€5.00";
        QTest::newRow("amount with words") << "U.S." << "German" << "Money" << "$12 each" << "$12 each";
        QTest::newRow("amount past double precision") << "U.S." << "German" << "Money"
            << "$1234567890123456789.00" << "$1234567890123456789.00";
        QTest::newRow("count with decimals") << "U.S." << "French" << "Freq" << "12.5" << "12,5";
        QTest::newRow("count with a symbol") << "U.S." << "French" << "Freq" << "$12" << "$12";
        QTest::newRow("duration untouched") << "U.S." << "German" << "Hours" << "1 Hr 1,000 Mins"
            << "1 Hr 1,000 Mins";
        // clang-format on
    }
    void storedText()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, cell);
        QFETCH(QString, stored);
        LocaleSettings::setCurrent(localeNamed(from));
        Settings s = sampleIn(localeNamed(from));
        if (cell == "DOB")
            s.bio.birthDate = stored;
        else if (cell == "Hours")
            s.hours[1][1] = stored;
        else if (cell == "Money" || cell == "Freq")
            (cell == "Money" ? s.money : s.freq)[1][1] = stored;
        else
            s.money[1][cell == "Start" ? 3 : 4] = stored;
        write(path(), s);

        LocaleSettings::setCurrent(localeNamed(to));
        const Settings read = ::read(path());
        const QString got = cell == "DOB"     ? read.bio.birthDate
                            : cell == "Hours" ? read.hours[1][1]
                            : cell == "Money" ? read.money[1][1]
                            : cell == "Freq"  ? read.freq[1][1]
                                              : read.money[1][cell == "Start" ? 3 : 4];
        QTEST(got, "readAs");
    }

    // A file from before the format was recorded, or whose record cannot be used, reads as it always did.
    void unusableFormatReadsAsToday_data()
    {
        QTest::addColumn<QByteArray>("format");
        const QByteArray us = "[Format]\nShortDate=M/d/yyyy\nDateSeparator=/\nDecimal=.\nThousands=,\nCurrency=$\n";
        // clang-format off
        QTest::newRow("no section") << QByteArray();
        QTest::newRow("a key missing") << us;
        QTest::newRow("unknown placement") << us + "CurrencyPlacement=Left\n";
        QTest::newRow("separator of two characters")
            << QByteArray(us).replace("Decimal=.", "Decimal=..") + "CurrencyPlacement=Before\n";
        QTest::newRow("pattern without a year")
            << QByteArray(us).replace("M/d/yyyy", "M/d") + "CurrencyPlacement=Before\n";
        // clang-format on
    }
    void unusableFormatReadsAsToday()
    {
        QFETCH(QByteArray, format);
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[DOB]\nDate=4/17/1978\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$1,250.00\nPer=Month\n"
                "Start=9/1/2000\nEnd=Now\n" +
                format);
        f.close();
        LocaleSettings::setCurrent(germanLocale());
        const Settings read = ::read(path());
        QCOMPARE(read.bio.birthDate, QStringLiteral("4/17/1978"));
        QCOMPARE(read.money[1], (QStringList{"Rent", "$1,250.00", "Month", "9/1/2000", "Now"}));
    }
};

QTEST_GUILESS_MAIN(TestFileFormat)
#include "tst_fileformat.moc"
