// The tables as text for spreadsheets: CSV quoting, the formula guard, UTF-8 and the number
// columns under other regional settings; the clipboard's tab-separated text.
#include "calc/localesettings.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include "tables/tableexport.h"
#include <QTest>

namespace {
QStringList row(const QString &activity, const QString &total)
{
    return {
        activity, QStringLiteral("8 Hrs"), QStringLiteral("Day"), QStringLiteral("3/15/1956"), QStringLiteral("Now"),
        total};
}

// A table with its titles and the given rows from row 1.
std::unique_ptr<ActivityModel> table(TableKind kind, const QList<QStringList> &rows)
{
    auto model = std::make_unique<ActivityModel>(kind);
    writeColumnTitles(*model, kind);
    for (int r = 0; r < rows.size(); ++r)
        model->setRowTexts(r + 1, rows[r]);
    return model;
}

// RFC 4180 read back with any of the given separators, as LibreOffice opens a CSV by default:
// rows of fields, quotes undone.
QList<QStringList> parseCsv(const QString &text, const QString &separators = QStringLiteral(",;\t"))
{
    QList<QStringList> rows;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (separators.contains(c)) {
            fields.append(std::exchange(field, {}));
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            fields.append(std::exchange(field, {}));
            rows.append(std::exchange(fields, {}));
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

QList<QByteArray> csvLines(const QByteArray &csv)
{
    QList<QByteArray> lines = csv.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class TestTableExport : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void activityField_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << QStringLiteral("Sleeping") << QByteArray("Sleeping");
        QTest::newRow("quotes doubled") << QStringLiteral("The \"big\" one") << QByteArray("\"The \"\"big\"\" one\"");
        QTest::newRow("formula =") << QStringLiteral("=1+2") << QByteArray("'=1+2");
        QTest::newRow("formula +") << QStringLiteral("+1") << QByteArray("'+1");
        QTest::newRow("formula -") << QStringLiteral("-1") << QByteArray("'-1");
        QTest::newRow("formula @") << QStringLiteral("@SUM(A1)") << QByteArray("'@SUM(A1)");
        QTest::newRow("formula after a tab") << QStringLiteral("\t=1+2") << QByteArray("\"'\t=1+2\"");
        QTest::newRow("guarded and quoted")
            << QStringLiteral("=HYPERLINK(\"x\",\"y\")") << QByteArray("\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"");
        QTest::newRow("sign inside is no formula") << QStringLiteral("Tea + cake") << QByteArray("Tea + cake");
        QTest::newRow("UTF-8") << QStringLiteral("Café ☕ 日本")
                               << QByteArray("Caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5\xE6\x9C\xAC");
    }
    void activityField()
    {
        QFETCH(QString, activity);
        QFETCH(QByteArray, field);
        const auto hours = table(TableKind::Hours, {row(activity, QStringLiteral("5"))});
        const QByteArray csv = tableexport::csv(*hours);
        QVERIFY2(csv.contains("\r\n" + field + ",8 Hrs,Day,3/15/1956,Now,5,5,,5\r\n"), csv.constData());
    }

    // Any character that some spreadsheet splits fields at is quoted in every style, so a file
    // opens with the same cells whichever of them the importer has ticked.
    void quotedInEveryStyle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("semicolonStyle");
        const std::pair<const char *, QString> specials[] = {
            {"comma", QStringLiteral("1.250,00 €")},     {"semicolon", QStringLiteral("Miete; Strom")},
            {"tab", QStringLiteral("Tea\tbreak")},       {"quote", QStringLiteral("The \"big\" one")},
            {"line feed", QStringLiteral("two\nlines")}, {"carriage return", QStringLiteral("two\rlines")},
        };
        for (const auto &[name, text] : specials) {
            QTest::addRow("%s, comma style", name) << text << false;
            QTest::addRow("%s, semicolon style", name) << text << true;
        }
    }
    void quotedInEveryStyle()
    {
        QFETCH(QString, text);
        QFETCH(bool, semicolonStyle);
        tableexport::CsvStyle style;
        if (semicolonStyle) {
            style.separator = QLatin1Char(';');
            style.decimalPoint = QLatin1Char(',');
        }
        const auto money = table(TableKind::Money, {row(text, text)});
        const QString file = QString::fromUtf8(tableexport::csv(*money, style));
        QString quoted = text;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        QVERIFY(file.contains(style.separator + (QLatin1Char('"') + quoted + QLatin1Char('"')) + style.separator));
        const QList<QStringList> rows = parseCsv(file);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].size(), 9);
        QCOMPARE(rows[1][0], text);
        QCOMPARE(rows[1][5], text);
    }

    void numberColumns_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("share");
        QTest::newRow("U.S. hours") << "US" << QStringLiteral("206,688 (33.33%)") << "206688"
                                    << "33.33";
        QTest::newRow("U.S. money") << "US" << QStringLiteral("$1,235 (0.49%)") << "1235"
                                    << "0.49";
        QTest::newRow("U.S. no share") << "US" << QStringLiteral("1,560") << "1560"
                                       << "";
        QTest::newRow("U.S. share over 1,000") << "US" << QStringLiteral("5 (1,234.50%)") << "5"
                                               << "1234.5";
        QTest::newRow("German hours") << "DE" << QStringLiteral("206.688 (33,33%)") << "206688"
                                      << "33.33";
        QTest::newRow("German money") << "DE" << QStringLiteral("52.000 € (20,80%)") << "52000"
                                      << "20.8";
        QTest::newRow("German no share") << "DE" << QStringLiteral("1.560") << "1560"
                                         << "";
        QTest::newRow("German decimals") << "DE" << QStringLiteral("1.234,5") << "1234.5"
                                         << "";
        QTest::newRow("empty") << "US" << QString() << ""
                               << "";
    }
    void numberColumns()
    {
        QFETCH(QString, region);
        QFETCH(QString, cell);
        QFETCH(QString, total);
        QFETCH(QString, share);
        LocaleSettings::setCurrent(region == QLatin1String("DE") ? testsupport::germanLocale()
                                                                 : testsupport::usLocale());
        QCOMPARE(tableexport::plainTotal(cell), total);
        QCOMPARE(tableexport::plainShare(cell), share);
        // In the file, a cell with the locale's separators is quoted; the plain numbers never are.
        const auto money = table(TableKind::Money, {row(QStringLiteral("Rent"), cell)});
        QVERIFY(tableexport::csv(*money).endsWith(("," + total + "," + share + "," + total + "\r\n").toUtf8()));
    }

    void oneTableAndAllThree()
    {
        const auto hours = table(TableKind::Hours, {row(QStringLiteral("Sleeping"), QStringLiteral("200,000 (33.61%)")),
                                                    {}, // a gap a settings file may leave
                                                    row(QStringLiteral("Eating"), QStringLiteral("25,000"))});
        const auto money = table(TableKind::Money, {row(QStringLiteral("Rent"), QStringLiteral("$5 (0.01%)"))});
        const auto freq = table(TableKind::Frequency, {});

        QCOMPARE(
            csvLines(tableexport::csv(*hours)),
            (QList<QByteArray>{
                "Activity,Time,Per,Start date,End date,Total Hrs,Total (number),Share (%),Total by age 80 (number)\r",
                "Sleeping,8 Hrs,Day,3/15/1956,Now,\"200,000 (33.61%)\",200000,33.61,200000\r",
                "Eating,8 Hrs,Day,3/15/1956,Now,\"25,000\",25000,,25000\r",
            }));
        QCOMPARE(csvLines(tableexport::csvAll(*hours, *money, *freq)),
                 (QList<QByteArray>{
                     "Table,Activity,Time/Amount/Frequency,Per,Start date,End date,Total,Total (number),Share (%),"
                     "Total by age 80 (number)\r",
                     "Hours,Sleeping,8 Hrs,Day,3/15/1956,Now,\"200,000 (33.61%)\",200000,33.61,200000\r",
                     "Hours,Eating,8 Hrs,Day,3/15/1956,Now,\"25,000\",25000,,25000\r",
                     "Money,Rent,8 Hrs,Day,3/15/1956,Now,$5 (0.01%),5,0.01,5\r",
                 }));
        QCOMPARE(tableexport::suggestedFileName(TableKind::Frequency), QStringLiteral("lifetally-frequency.csv"));
    }

    void regionalStyle_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("U.S.") << "US"
                              << ","
                              << QStringList{QStringLiteral("1235"), QStringLiteral("0.49"), QStringLiteral("1234.5"),
                                             QString()};
        QTest::newRow("German") << "DE"
                                << ";"
                                << QStringList{QStringLiteral("1235"), QStringLiteral("0,49"), QStringLiteral("1234,5"),
                                               QString()};
    }
    void regionalStyle()
    {
        QFETCH(QString, region);
        QFETCH(QString, separator);
        QFETCH(QStringList, numbers);
        const bool german = region == QLatin1String("DE");
        LocaleSettings::setCurrent(german ? testsupport::germanLocale() : testsupport::usLocale());
        const QString rent = german ? QStringLiteral("1.235 € (0,49%)") : QStringLiteral("$1,235 (0.49%)");
        const QString food = german ? QStringLiteral("1.234,5") : QStringLiteral("1,234.5");
        const QString names[] = {QStringLiteral("Miete; Nebenkosten"), QStringLiteral("Café, \"süß\"")};
        const auto money = table(TableKind::Money, {row(names[0], rent), row(names[1], food)});

        const QByteArray bytes = tableexport::csv(*money, tableexport::CsvStyle::regional(LocaleSettings::current()));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(rows.size(), 3);
        for (const QStringList &fields : rows)
            QCOMPARE(fields.size(), 9); // with the total by the look-ahead age last
        QCOMPARE(rows[1].mid(6, 2) + rows[2].mid(6, 2), numbers);
        QCOMPARE(rows[1][0], names[0]);
        QCOMPARE(rows[2][0], names[1]);
        QCOMPARE(rows[1][5], rent);
        QCOMPARE(rows[2][5], food);
        // The command line's form stays the same everywhere.
        QVERIFY(tableexport::csvAll(*money, *money, *money).contains(",1235,0.49,"));
    }

    // The clipboard carries the file's columns, plain numbers with the region's decimal point.
    void copiedColumnsAreTheFiles()
    {
        LocaleSettings::setCurrent(testsupport::germanLocale());
        const tableexport::CsvStyle style = tableexport::CsvStyle::regional(LocaleSettings::current());
        const auto money = table(TableKind::Money, {row(QStringLiteral("Miete"), QStringLiteral("1.235 € (0,49%)")),
                                                    row(QStringLiteral("=cmd"), QStringLiteral("2")),
                                                    row(QStringLiteral("Tea\tbreak <b>"), QStringLiteral("3"))});
        const QList<QStringList> file = parseCsv(QString::fromUtf8(tableexport::csv(*money, style).mid(3)));
        QCOMPARE(file[1].mid(5), (QStringList{QStringLiteral("1.235 € (0,49%)"), "1235", "0,49", "1235"}));
        QCOMPARE(tableexport::copiedRows(*money, {}, style), file);
        QCOMPARE(tableexport::copiedRows(*money, {3, 1}, style), (QList<QStringList>{file[0], file[1], file[3]}));
        // Nothing selected, or only a row without an activity: the whole table.
        QCOMPARE(tableexport::copiedRows(*money, {7}, style), file);

        QCOMPARE(tableexport::tabSeparated(*money, {1}, style).section(QLatin1Char('\n'), 1),
                 QStringLiteral("Miete\t8 Hrs\tDay\t3/15/1956\tNow\t\"1.235 € (0,49%)\"\t1235\t\"0,49\"\t1235\n"));
        const QString text = tableexport::tabSeparated(*money, {3}, style);
        QCOMPARE(
            text.split(QLatin1Char('\n')),
            (QStringList{file[0].join(QLatin1Char('\t')), "Tea break <b>\t8 Hrs\tDay\t3/15/1956\tNow\t3\t3\t\t3", ""}));
        const QString html = tableexport::htmlTable(*money, {2}, style);
        QVERIFY(html.contains(QStringLiteral("<tr><td>'=cmd</td><td>8 Hrs</td>")));
        QVERIFY(tableexport::htmlTable(*money, {3}, style).contains(QStringLiteral("Tea\tbreak &lt;b&gt;</td>")));
        QCOMPARE(html.count(QStringLiteral("<td>")), 2 * 9);
    }
};

QTEST_GUILESS_MAIN(TestTableExport)
#include "tst_tableexport.moc"
