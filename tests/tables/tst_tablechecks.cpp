// The explanations the tables give of their totals, and the checks for figures that cannot be true.
#include "calc/tablerow.h"
#include "calc/clock.h"
#include "calc/todayprices.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "testsupport.h"
#include <QtTest>

using namespace testsupport;

namespace {
// Rows written "duration|per|start|end".
void fill(ActivityModel &m, const QStringList &rows)
{
    for (int i = 0; i < rows.size(); ++i)
        m.setRowTexts(i + 1, QStringList{QStringLiteral("Activity %1").arg(i + 1)} + rows[i].split(QLatin1Char('|')));
}

QString tip(const ActivityModel &m, int row, int col = Column::Total, int role = Qt::ToolTipRole)
{
    return m.data(m.index(row - 1, col), role).toString();
}
} // namespace

class TestTableChecks : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetSharedState();
        fixClock(2025, 2, 10, 14);
    }
    void cleanup() { resetSharedState(); }

    void hoursOverlap_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("two full days overlap by one day")
            << QStringList{"24 Hrs|Day|1/1/2024|1/3/2024", "24 Hrs|Day|1/2/2024|1/4/2024"}
            << "From 1/2/2024 to 1/3/2024 your activities add up to 48 hours a day.";
        QTest::newRow("touching spans do not overlap")
            << QStringList{"24 Hrs|Day|1/1/2024|1/3/2024", "24 Hrs|Day|1/3/2024|1/5/2024"} << "";
        QTest::newRow("exactly 24 hours is not too much")
            << QStringList{"16 Hrs|Day|1/1/2024|Now", "56 Hrs|Week|1/1/2024|Now"} << "";
        QTest::newRow("week rate is a seventh a day")
            << QStringList{"20 Hrs|Day|1/1/2024|3/31/2024", "35 Hrs|Week|2/1/2024|Now"}
            << "From 2/1/2024 to 3/31/2024 your activities add up to 25 hours a day.";
        QTest::newRow("month rate spread over its span, not per month")
            << QStringList{"23 Hrs|Day|1/1/2000|1/1/2010", "30 Hrs|Month|1/1/2005|1/1/2007"} << "";
        QTest::newRow("a month counted into two days")
            << QStringList{"23 Hrs|Day|1/1/2024|3/1/2024", "10 Hrs|Month|1/30/2024|2/1/2024"}
            << "From 1/30/2024 to 2/1/2024 your activities add up to 28 hours a day.";
        QTest::newRow("open ends end today")
            << QStringList{"20 Hrs|Day|1/1/2024|Now", "4 Hrs 15 Mins|Day|1/1/2025|Now"}
            << "From 1/1/2025 to today your activities add up to 24 hours 15 minutes a day.";
        QTest::newRow("the first stretch with one sum")
            << QStringList{"16 Hrs|Day|1/1/2020|1/1/2024", "9 Hrs|Day|1/1/2021|1/1/2023", "1 Hr|Day|1/1/2022|1/1/2023"}
            << "From 1/1/2021 to 1/1/2022 your activities add up to 25 hours a day.";
        QTest::newRow("unreadable rows are left out")
            << QStringList{"24 Hrs|Day|1/1/2024|1/3/2024", "5 Hrs|Day|13/1/2024|Now"} << "";
        // clang-format on
    }
    void hoursOverlap()
    {
        QFETCH(QStringList, rows);
        ActivityModel hours(TableKind::Hours);
        fill(hours, rows);
        const std::optional<Overload> found = ::hoursOverlap(hours);
        QTEST(found ? overloadMessage(*found) : QString(), "message");
    }

    void totalsExplainThemselves()
    {
        ActivityModel hours(TableKind::Hours);
        fill(hours, {"1 Hr|Day|1/1/2024|3/31/2024", "1 Hr|Day|2/30/2024|Now"});
        QCOMPARE(tip(hours, 1), QString()); // no totals counted yet: nothing to explain with
        computeHourTotal(hours, 1, 300000);
        QCOMPARE(tip(hours, 1), QStringLiteral("1 hour a day × 90 days (1/1/2024 to 3/31/2024) = 90 hours; "
                                               "0.03% of the 300,000 hours you have been alive"));
        QCOMPARE(tip(hours, 1, Column::Total, Qt::AccessibleDescriptionRole), tip(hours, 1));
        QCOMPARE(tip(hours, 1, Column::Amount), QString());
        QCOMPARE(tip(hours, 2), QStringLiteral("This row cannot be counted: '2/30/2024' is not a valid date."));
        QCOMPARE(tip(hours, 3), QString()); // blank row

        // An edited row and new reference values are explained afresh.
        hours.setCell(1, Column::Amount, QStringLiteral("2 Hrs"));
        QVERIFY(tip(hours, 1).startsWith(QStringLiteral("2 hours a day × 90 days")));
        computeHourTotal(hours, 1, 0);
        QCOMPARE(tip(hours, 1), QStringLiteral("2 hours a day × 90 days (1/1/2024 to 3/31/2024) = 180 hours"));
    }

    void incomeShare()
    {
        ActivityModel money(TableKind::Money);
        fill(money, {"$1|Day|1/1/2024|Now|$600 (60.00%)", "$1|Day|1/1/2024|3/1/2025|$500 (50.00%)",
                     "$1|Day|1/1/2024|2/10/2025|", "$1|Day|3/1/2025|Now|"});
        QCOMPARE(incomeShareSum(money, 1000), 110.0); // a total without a number is left out
        QCOMPARE(incomeShareSum(money, 0), 0.0);

        // In today's prices the cells are not the money the income was earned in: as paid, 406 + 425 days of $1.
        todayprices::setInForce(PriceBasis(nullptr, 50, Clock::now()));
        money.setCell(1, Column::Total, QStringLiteral("$900"));
        money.setCell(2, Column::Total, QStringLiteral("$800"));
        QCOMPARE(incomeShareSum(money, 1000), 83.1);
    }
};

QTEST_GUILESS_MAIN(TestTableChecks)
#include "tst_tablechecks.moc"
