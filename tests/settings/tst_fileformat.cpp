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
#include <memory>

Q_DECLARE_METATYPE(LocaleSettings)

using namespace testsupport;

namespace {
struct Settings {
    BioFields bio;
    TableCells tables[3] = {TableCells(TableRows, QStringList(5)), TableCells(TableRows, QStringList(5)),
                            TableCells(TableRows, QStringList(5))}; // hours, money, frequency
    Entries entries() const { return {bio, tables[0], tables[1], tables[2]}; }
    FileFormatState readFrom(const QString &path)
    {
        Entries e = entries();
        const FileFormatState state = readSettingsFile(path, e);
        *this = {e.bio, {e.hours, e.money, e.freq}};
        return state;
    }
    QStringList all() const
    {
        QStringList out{bio.name, bio.birthDate};
        for (const TableCells &table : tables)
            for (const QStringList &row : table)
                out += row;
        return out;
    }
};

// Days and amounts where a wrong reading shows: 9/1 against 1/9, grouped thousands, cents.
const DateValue Birth = encodeDate(1978, 4, 17);
const struct {
    double amount;
    const char *per;
    DateValue start, end; // end 0: "Now"
} Rows[] = {{1250, "Month", encodeDate(2000, 9, 1), 0},
            {1234567.5, "Year", encodeDate(1999, 1, 12), encodeDate(2020, 12, 31)},
            {3.75, "Day", encodeDate(2010, 2, 3), encodeDate(2011, 11, 5)}};

// The texts the program itself writes under `l`.
Settings sampleIn(const LocaleSettings &l)
{
    Settings s{{QStringLiteral("Ann Lee"), shortDateText(Birth, l), 300000}};
    for (int n = 1; n <= 3; ++n) {
        const auto &r = Rows[n - 1];
        const QString start = shortDateText(r.start, l), end = r.end ? shortDateText(r.end, l) : QStringLiteral("Now");
        s.tables[0][n] = {"Sleep", "2 Hrs 30 Mins", n == 2 ? "Week" : r.per, start, end};
        s.tables[1][n] = {"Rent", formatMoney(r.amount, 2, l), r.per, start, end};
        s.tables[2][n] = {"Gym", formatNumber(r.amount * 1000, 0, l), r.per, start, end};
    }
    return s;
}

// Every day, amount and row total as a number, read under the locale in force ("Now" as -1).
QList<double> valuesOf(const Settings &s)
{
    QList<double> v{strToDate(s.bio.birthDate)};
    for (int n = 1; n <= 3; ++n) {
        const QStringList &h = s.tables[0][n], &m = s.tables[1][n], &f = s.tables[2][n];
        for (const QStringList &row : {h, m, f})
            v << strToDate(row[3]) << (row[4] == "Now" ? -1 : strToDate(row[4]));
        v << strToFloat(digitsOnly(m[1])) << strToFloat(digitsOnly(f[1]))
          << totalCellValue(hourTotalText(h[1], h[2], h[3], h[4], 400000))
          << totalCellValue(moneyTotalText(m[1], m[2], m[3], m[4], true, s.bio.income))
          << totalCellValue(moneyTotalText(f[1], f[2], f[3], f[4], false, 0));
    }
    return v;
}
} // namespace

class TestFileFormat : public QObject
{
    Q_OBJECT
    std::unique_ptr<TempProgramFolder> m_folder;
    QString path() const { return m_folder->file(QStringLiteral("lfy.ini")); }
    void write(const Settings &s) { writeSettingsFile(path(), s.entries()); }
    Settings read()
    {
        Settings s;
        s.readFrom(path());
        return s;
    }

private slots:
    // A change the file would store is a change of the entries (the window asks to save it and
    // keeps it in the recovery file); a title or a total, counted again from the rest, is not.
    void entriesDifferByWhatTheFileStores_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("differ");
        const char *names[] = {"name",       "birth date",   "income",         "look-ahead age", "today's prices",
                               "price rate", "euro country", "hours activity", "money amount",   "frequency end",
                               "row 50",     "a total",      "a title"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i << (i < 11);
    }
    void entriesDifferByWhatTheFileStores()
    {
        QFETCH(int, change);
        QFETCH(bool, differ);
        const Entries before = sampleIn(LocaleSettings::current()).entries();
        Entries after = before;
        BioFields &bio = after.bio;
        switch (change) {
        case 0:
            bio.name += QLatin1Char('x');
            break;
        case 1:
            bio.birthDate = QStringLiteral("3/16/1966");
            break;
        case 2:
            ++bio.income;
            break;
        case 3:
            bio.lookAheadAge = 99;
            break;
        case 4:
            bio.prices.today = !bio.prices.today;
            break;
        case 5:
            bio.prices.rate = 3.5;
            break;
        case 6:
            bio.prices.euroRegion = QStringLiteral("FR");
            break;
        case 7:
            after.hours[2][Column::Activity] = QStringLiteral("Nap");
            break;
        case 8:
            after.money[3][Column::Amount] = QStringLiteral("$1.00");
            break;
        case 9:
            after.freq[2][Column::End] = NowText;
            break;
        case 10:
            after.money[TableRows - 1][Column::Activity] = QStringLiteral("Last");
            break;
        case 11:
            after.hours[1] << QStringLiteral("1,000");
            break;
        case 12:
            after.money[0] = QStringList{QStringLiteral("Activity")};
            break;
        }
        QCOMPARE(before != after, differ);
    }

    void init()
    {
        resetSharedState();
        fixClock(2024, 6, 15, 12);
        m_folder = std::make_unique<TempProgramFolder>();
    }
    void cleanup()
    {
        m_folder.reset();
        resetSharedState();
    }

    void formatSectionComesLastAndLeavesTheRestAsBefore()
    {
        const Settings s = sampleIn(usLocale());
        write(s);
        QByteArray old = "[DOB]\nDate=4/17/1978\n\n[Name]\nname=Ann Lee\n\n[Income]\nincome=300000\n";
        const char *sections[][3] = {
            {"Hours", "Hour", "HrMin"}, {"Money", "Money", "Amount"}, {"Freq", "Freq", "Amount"}};
        for (int t = 0; t < 3; ++t) {
            old += QByteArray("\n[") + sections[t][0] + "]\nCount=51\n";
            for (int n = 1; n <= 51; ++n) {
                const QStringList c = s.tables[t].value(n, QStringList(5));
                old += QStringLiteral("\n[%1%2]\nDesc=%3\n%4=%5\nPer=%6\nStart=%7\nEnd=%8\n")
                           .arg(sections[t][1])
                           .arg(n)
                           .arg(c[0], QLatin1String(sections[t][2]), c[1], c[2], c[3], c[4])
                           .toUtf8();
            }
        }
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old + "\n[Format]\nShortDate=M/d/yyyy\nDateSeparator=/\nDecimal=.\nThousands=,\n"
                                    "Currency=$\nCurrencyPlacement=Before\n");
    }

    void lookAheadAge_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("age");
        QTest::newRow("valid") << QByteArray("[Projection]\nAge=85\n") << 85;
        QTest::newRow("missing") << QByteArray() << 80;
        QTest::newRow("garbage") << QByteArray("[Projection]\nAge=eighty\n") << 80;
        QTest::newRow("not whole") << QByteArray("[Projection]\nAge=85.5\n") << 80;
        QTest::newRow("hexadecimal") << QByteArray("[Projection]\nAge=0x50\n") << 80;
        QTest::newRow("zero") << QByteArray("[Projection]\nAge=0\n") << 80;
        QTest::newRow("above 120") << QByteArray("[Projection]\nAge=121\n") << 80;
        QTest::newRow("lowest") << QByteArray("[Projection]\nAge=1\n") << 1;
        QTest::newRow("highest") << QByteArray("[Projection]\nAge=120\n") << 120;
    }
    void lookAheadAge()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, age);
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Name]\nname=Ann\n\n" + section);
        f.close();
        QCOMPARE(read().bio.lookAheadAge, age);
    }
    // A chosen age is written; going back to the default writes the default rather than leaving
    // the chosen one behind.
    void lookAheadAgeRoundTrip()
    {
        Settings s = sampleIn(usLocale());
        s.bio.lookAheadAge = 95;
        write(s);
        QCOMPARE(read().bio.lookAheadAge, 95);
        s.bio.lookAheadAge = 80;
        write(s);
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("\n[Projection]\nAge=80\n"));
        QCOMPARE(read().bio.lookAheadAge, 80);
    }

    void readsTheSameInOtherRegionalSettings_data()
    {
        QTest::addColumn<LocaleSettings>("from");
        QTest::addColumn<LocaleSettings>("to");
        const std::pair<const char *, LocaleSettings> locales[] = {
            {"U.S.", usLocale()}, {"German", germanLocale()}, {"British", britishLocale()}, {"French", frenchLocale()}};
        for (const auto &[fromName, from] : locales)
            for (const auto &[toName, to] : locales)
                if (qstrcmp(fromName, toName) != 0)
                    QTest::addRow("%s to %s", fromName, toName) << from << to;
    }
    void readsTheSameInOtherRegionalSettings()
    {
        QFETCH(LocaleSettings, from);
        QFETCH(LocaleSettings, to);
        LocaleSettings::setCurrent(from);
        const Settings written = sampleIn(from);
        const QList<double> values = valuesOf(written);
        write(written);

        LocaleSettings::setCurrent(to);
        const Settings got = read();
        QCOMPARE(valuesOf(got), values);
        // As written here, but the amounts keep the currency they were entered in.
        QCOMPARE(got.all(), sampleIn(to.withCurrency(from.currencySymbol)).all());

        write(got);
        LocaleSettings::setCurrent(from);
        QCOMPARE(read().all(), written.all());
    }

    void amountsKeepTheirCurrency()
    {
        Settings s = sampleIn(usLocale());
        s.tables[1][1][1] = QStringLiteral("$85,000.00");
        write(s);
        LocaleSettings::setCurrent(germanLocale());
        const Settings got = read();
        QCOMPARE(got.tables[1][1][1], QStringLiteral("85.000,00 $"));
        QCOMPARE(formatMoneyWhole(85000), QStringLiteral("85.000 $"));
        // A new file takes the region's currency again.
        m_folder = std::make_unique<TempProgramFolder>();
        read();
        QCOMPARE(formatMoneyWhole(85000), QStringLiteral("85.000 €"));
    }

    // Texts the program did not write in the recorded format; table -1 is the birth date.
    void storedText_data()
    {
        QTest::addColumn<LocaleSettings>("from");
        QTest::addColumn<LocaleSettings>("to");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("readAs");
        const LocaleSettings us = usLocale(), de = germanLocale(), gb = britishLocale();
        // clang-format off
        QTest::newRow("no such day") << us << de << -1 << 0 << "2/30/1980" << "2/30/1980";
        QTest::newRow("date in another format") << us << gb << 1 << 3 << "17.04.1978" << "17.04.1978";
        QTest::newRow("two-digit year: this century") << de << us << 1 << 3 << "17.04.05" << "4/17/2005";
        QTest::newRow("same format: nothing rewritten") << us << us << 1 << 4 << "4/17/05" << "4/17/05";
        QTest::newRow("amount without symbol: the file's currency") << us << de << 1 << 1 << "1250" << "1.250 $";
        QTest::newRow("amount misgrouped") << us << de << 1 << 1 << "$1,25.00" << "$1,25.00";
        QTest::newRow("amount past a double's digits") << us << de << 1 << 1 << "$1234567890123456789.00"
            << "$1234567890123456789.00";
        QTest::newRow("count with decimals") << us << de << 2 << 1 << "12.5" << "12,5";
        QTest::newRow("duration untouched") << us << de << 0 << 1 << "1 Hr 1,000 Mins" << "1 Hr 1,000 Mins";
        // clang-format on
    }
    void storedText()
    {
        QFETCH(LocaleSettings, from);
        QFETCH(LocaleSettings, to);
        QFETCH(int, table);
        QFETCH(int, column);
        QFETCH(QString, stored);
        const auto cell = [table, column](Settings &s) -> QString & {
            return table < 0 ? s.bio.birthDate : s.tables[table][1][column];
        };
        LocaleSettings::setCurrent(from);
        Settings s = sampleIn(from);
        cell(s) = stored;
        write(s);
        LocaleSettings::setCurrent(to);
        Settings got = read();
        QTEST(cell(got), "readAs");
    }

    // A file from before the format was recorded, by hand, or with a record that cannot be used:
    // its texts tell the format, and it is stamped with one only when that is known.
    void formatlessFile_data()
    {
        QTest::addColumn<LocaleSettings>("current");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("moneyRow");
        const QByteArray us = "[DOB]\nDate=3/15/1966\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$1,250.00\n"
                              "Per=Month\nStart=9/1/2000\nEnd=Now\n";
        const QByteArray de = "[DOB]\nDate=15.03.1966\n[Money]\nCount=1\n[Money1]\nDesc=Rent\n"
                              "Amount=1.250,00 \xe2\x82\xac\nPer=Month\nStart=01.09.2000\nEnd=Now\n";
        // Day and month both below 13, and no currency: month/day and day/month both read it.
        const QByteArray either = "[DOB]\nDate=03/05/1966\n[Freq]\nCount=1\n[Freq1]\nDesc=Gym\nAmount=1,250\n"
                                  "Per=Week\nStart=01/09/2000\nEnd=Now\n";
        const QStringList usRow{"Rent", "$1,250.00", "Month", "9/1/2000", "Now"};
        const QStringList deRow{"Rent", "1.250,00 €", "Month", "01.09.2000", "Now"};
        // Converted from another region's format, the amounts keep the currency they name.
        const QStringList usInGerman{"Rent", "1.250,00 $", "Month", "01.09.2000", "Now"};
        const QStringList germanInUS{"Rent", "€1,250.00", "Month", "9/1/2000", "Now"};
        const int current = int(FileFormatState::Current), detected = int(FileFormatState::Detected),
                  foreign = int(FileFormatState::Foreign), unknown = int(FileFormatState::Unknown);
        // clang-format off
        QTest::newRow("U.S. file under U.S. settings") << usLocale() << us << current << usRow;
        QTest::newRow("U.S. file under German settings") << germanLocale() << us << detected << usInGerman;
        QTest::newRow("German file under U.S. settings") << usLocale() << de << detected << germanInUS;
        QTest::newRow("record without placement") << germanLocale()
            << us + "[Format]\nShortDate=M/d/yyyy\nDateSeparator=/\nDecimal=.\nThousands=,\nCurrency=$\n"
            << detected << usInGerman;
        QTest::newRow("ambiguous file under German settings") << germanLocale() << either << foreign << QStringList();
        QTest::newRow("no such day, no format") << usLocale() << QByteArray("[DOB]\nDate=2/30/1980\n") << unknown
            << QStringList();
        // clang-format on
    }
    void formatlessFile()
    {
        QFETCH(LocaleSettings, current);
        QFETCH(QByteArray, file);
        QFETCH(int, state);
        QFETCH(QStringList, moneyRow);
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        LocaleSettings::setCurrent(current);
        Settings got;
        QCOMPARE(int(got.readFrom(path())), state);
        if (!moneyRow.isEmpty())
            QCOMPARE(got.tables[1][1], moneyRow);
        const auto stamped = [this] {
            QFile written(path());
            return written.open(QIODevice::ReadOnly) && written.readAll().contains("[Format]");
        };
        writeSettingsFile(path(), got.entries(), FileFormatState(state));
        const bool told = state != int(FileFormatState::Foreign) && state != int(FileFormatState::Unknown);
        QCOMPARE(stamped(), told);
        if (state == int(FileFormatState::Foreign)) {
            QCOMPARE(got.bio.birthDate, QStringLiteral("03/05/1966")); // as it stands
            // Once every text reads in the current format, the file says so.
            got.bio.birthDate = shortDateText(Birth);
            got.tables[2][1] = QStringList{"Gym", "1.250", "Week", shortDateText(Birth), "Now"};
            writeSettingsFile(path(), got.entries(), FileFormatState(state));
            QVERIFY(stamped());
        }
    }

    // Amounts as French and Swiss programs write them, in a file that records no format: read in
    // the one format where every text reads, or the file is foreign; never taken digit by digit.
    void regionalAmounts_data()
    {
        QTest::addColumn<LocaleSettings>("current");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown");
        const int detected = int(FileFormatState::Detected), foreign = int(FileFormatState::Foreign);
        const QString narrow = QStringLiteral("1\u202F250,50\u00A0€"), plain = QStringLiteral("1 250,50 €");
        // clang-format off
        QTest::newRow("French, narrow spaces, British") << britishLocale() << "24/12/1980" << narrow << detected << "€1,250.50";
        QTest::newRow("French, plain spaces, British") << britishLocale() << "24/12/1980" << plain << detected << "€1,250.50";
        QTest::newRow("French, plain spaces, U.S.") << usLocale() << "24/12/1980" << plain << detected << "€1,250.50";
        QTest::newRow("French, plain spaces, German") << germanLocale() << "24/12/1980" << plain << detected << "1.250,50 €";
        QTest::newRow("Swiss apostrophe, Swiss dates") << britishLocale() << "24.12.1980" << "CHF 1\u2019250.50" << detected << "CHF1,250.50";
        QTest::newRow("Swiss straight apostrophe, Swiss dates") << britishLocale() << "24.12.1980" << "CHF 1'250.50" << detected << "CHF1,250.50";
        QTest::newRow("Swiss apostrophe, slashed dates") << britishLocale() << "24/12/1980" << "CHF 1\u2019250.50" << foreign << "CHF 1\u2019250.50";
        QTest::newRow("Swiss straight apostrophe, slashed dates") << britishLocale() << "24/12/1980" << "CHF 1'250.50" << foreign << "CHF 1'250.50";
        // clang-format on
    }
    void regionalAmounts()
    {
        QFETCH(LocaleSettings, current);
        QFETCH(QString, date);
        QFETCH(QString, amount);
        QFETCH(int, state);
        QFETCH(QString, shown);
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[DOB]\nDate=%1\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=%2\nPer=Month\n"
                               "Start=%1\nEnd=Now\n")
                    .arg(date, amount)
                    .toUtf8());
        f.close();
        LocaleSettings::setCurrent(current);
        Settings got;
        QCOMPARE(int(got.readFrom(path())), state);
        QCOMPARE(got.tables[1][1].value(1), shown);
    }
};

QTEST_GUILESS_MAIN(TestFileFormat)
#include "tst_fileformat.moc"
