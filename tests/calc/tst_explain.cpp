#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/periodtext.h"
#include "calc/totals.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(TableKind)

namespace {
// The number in a figure such as "$1,250.00", "12.86" or "102,592 hours".
double number(const QString &text)
{
    return digitsOnly(text).toDouble();
}
} // namespace

class TestExplain : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2025, 2, 10, 14);
    }
    void cleanup() { testsupport::resetSharedState(); }

    void rowExplanations_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QString>("row"); // amount|per|start|end
        QTest::addColumn<double>("reference");
        QTest::addColumn<QString>("explanation");
        const auto H = TableKind::Hours, M = TableKind::Money, F = TableKind::Frequency;
        // clang-format off
        QTest::newRow("hours a day with share") << H << "8 Hrs|Day|1/1/1990|Now" << 620063.0
            << "8 hours a day × 12,824 days (1/1/1990 to today) = 102,592 hours; "
               "16.55% of the 620,063 hours you have been alive";
        QTest::newRow("hours a week") << H << "2 Hrs|Week|1/1/2024|3/31/2024" << 0.0
            << "2 hours a week × 12.86 weeks (90 days ÷ 7, 1/1/2024 to 3/31/2024) = 26 hours";
        QTest::newRow("hours a month, rounded as the cell") << H << "1 Hr 30 Mins|Month|1/1/2024|3/31/2024" << 0.0
            << "1 hour 30 minutes a month × 3 months (1/1/2024 to 3/31/2024) = 5 hours";
        QTest::newRow("money a month over the income") << M << "$1,250.00|Month|1/1/2024|3/31/2024" << 1000.0
            << "$1,250.00 a month × 3 months (1/1/2024 to 3/31/2024) = $3,750; 375.00% of your lifetime income of $1,000";
        // A year row's count says what it counts.
        QTest::newRow("money a year") << M << "$40.00|Year|3/1/2022|2/10/2025" << 250000.0
            << "$40.00 a year × 2 whole years (3/1/2022 to 2/10/2025, by the calendar months from March 2022 to "
               "February 2025) = $80; 0.03% of your lifetime income of $250,000";
        QTest::newRow("year: 15 months are 2 calendar years") << M << "$480.00|Year|11/5/2023|2/10/2025" << 0.0
            << "$480.00 a year × 2 calendar years (11/5/2023 to 2/10/2025, from 2023 to 2025) = $960";
        QTest::newRow("year: 4 days over New Year") << M << "$480.00|Year|12/30/2025|1/2/2026" << 0.0
            << "$480.00 a year × 1 calendar year (12/30/2025 to 1/2/2026, from 2025 to 2026) = $480";
        QTest::newRow("year: all of one year") << M << "$480.00|Year|1/1/2025|12/31/2025" << 0.0
            << "$480.00 a year × 0 calendar years (1/1/2025 to 12/31/2025, both in 2025) = $0";
        QTest::newRow("year: one day over New Year") << M << "$480.00|Year|12/31/2025|1/1/2026" << 0.0
            << "$480.00 a year × 0 whole years (12/31/2025 to 1/1/2026, a span under two days counts no year) = $0";
        QTest::newRow("money once") << M << "$24,500.00|Once|1/1/2024|1/1/2024" << 0.0 << "Once: $24,500";
        QTest::newRow("frequency never has a share") << F << "3|Week|1/1/2024|3/31/2024" << 1000.0
            << "3 times a week × 12.86 weeks (90 days ÷ 7, 1/1/2024 to 3/31/2024) = 39 times";
        QTest::newRow("unknown period word") << H << "1 Hr|Fortnight|1/1/2024|Now" << 0.0
            << "'Fortnight' is not a period this table counts, so the total is 0";
        QTest::newRow("unreadable date") << M << "$1|Day|13/1/2024|Now" << 0.0
            << "This row cannot be counted: '13/1/2024' is not a valid date.";
        // clang-format on
    }
    // The text is checked whole, and its figures are read back: rate × periods gives the total
    // as the cell shows it (weeks have two decimals, totals none).
    void rowExplanations()
    {
        QFETCH(TableKind, kind);
        QFETCH(QString, row);
        QFETCH(double, reference);
        QFETCH(QString, explanation);
        const QStringList c = row.split(QLatin1Char('|'));
        const qint64 income = qint64(reference);
        QString shown;
        try {
            shown = kind == TableKind::Hours ? hourTotalText(c[0], c[1], c[2], c[3], reference)
                                             : moneyTotalText(c[0], c[1], c[2], c[3], kind == TableKind::Money, income);
        } catch (...) {
        }
        QCOMPARE(explainRow(kind, c[0], c[1], c[2], c[3], shown, reference, income), explanation);
        if (!explanation.contains(QStringLiteral(" × ")))
            return;

        static const QRegularExpression product(QStringLiteral("^(.+) a [a-z]+ × ([0-9.,]+) .* = ([^;]+)"));
        static const QRegularExpression hm(QStringLiteral("^(?:(\\d+) hours?)? ?(?:(\\d+) minutes?)?$"));
        const QRegularExpressionMatch m = product.match(explanation);
        QVERIFY(m.hasMatch());
        const QRegularExpressionMatch d = hm.match(m.captured(1));
        const double rate =
            kind == TableKind::Hours ? d.captured(1).toDouble() + d.captured(2).toDouble() / 60 : number(m.captured(1));
        QVERIFY(qAbs(rate * number(m.captured(2)) - number(m.captured(3))) <= 0.5 + rate * 0.005);
        QCOMPARE(number(m.captured(3)), totalCellValue(shown));
    }

    void staleTotalIsPointedOut()
    {
        const QString text = explainRow(TableKind::Hours, QStringLiteral("1 Hr"), QStringLiteral("Day"),
                                        QStringLiteral("1/1/2024"), QStringLiteral("Now"), QStringLiteral("405"), 0, 0);
        QVERIFY(text.startsWith(QStringLiteral("1 hour a day × 406 days")));
        QVERIFY(text.contains(QStringLiteral("\nThe total shown is from an earlier count")));
    }

    void birthDateReadings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reading");
        // clang-format off
        QTest::newRow("two digits, future") << "4/17/78"
            << "Read as April 17, 2078 — in the future. Type the year with four digits.";
        QTest::newRow("two digits, past") << "4/17/18" << "Read as April 17, 2018. Type the year with four digits.";
        QTest::newRow("year left out") << "1/5" << "Read as January 5, 2025. Type the year with four digits.";
        QTest::newRow("four digits, future") << "4/17/2078" << "Read as April 17, 2078 — in the future.";
        QTest::newRow("four digits, past: nothing to say") << "4/17/1978" << "";
        QTest::newRow("not a date: the conversion says so") << "2/30/1978" << "";
        // clang-format on
    }
    void birthDateReadings()
    {
        QFETCH(QString, text);
        QTEST(birthDateReading(text), "reading");
    }

    void dayMonthOrderTexts()
    {
        LocaleSettings::setCurrent(testsupport::germanLocale());
        QCOMPARE(birthDateReading(QStringLiteral("17.04.78")),
                 QStringLiteral("Read as 17 April 2078 — in the future. Type the year with four digits."));
        QCOMPARE(shortDatePatternText(), QStringLiteral("dd.mm.yyyy")); // the pattern has "yy"
        QCOMPARE(shortDatePatternText(testsupport::usLocale()), QStringLiteral("m/d/yyyy"));
        QCOMPARE(shortDatePatternText(testsupport::britishLocale()), QStringLiteral("dd/mm/yyyy"));
    }

    void timeNotYetLived()
    {
        const QString start = QStringLiteral("1/1/2024");
        QVERIFY(!countsTimeNotYetLived(start, QStringLiteral("Now")));
        QVERIFY(!countsTimeNotYetLived(start, QStringLiteral("2/10/2025"))); // ends today
        QVERIFY(countsTimeNotYetLived(start, QStringLiteral("3/1/2025")));
        QVERIFY(countsTimeNotYetLived(QStringLiteral("3/1/2025"), QStringLiteral("Now")));
    }

    // The explanation counts the same hours as the age line.
    void ageExplanationAgreesWithTheAgeLine()
    {
        const QString birth = QStringLiteral("3/15/1990");
        const QString line = ageLine(birth);
        const QString hours = line.mid(line.indexOf(QStringLiteral("Hours: ")) + 7);
        const QString text = ageExplanation(birth);
        QVERIFY2(text.contains(QStringLiteral("\nHours: ") + hours + QStringLiteral(" whole hours")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("calendar months from March 1990 to February 2025")));
        QCOMPARE(ageExplanation(QStringLiteral("2/30/2000")), QStringLiteral("'2/30/2000' is not a valid date."));
    }
};

QTEST_GUILESS_MAIN(TestExplain)
#include "tst_explain.moc"
