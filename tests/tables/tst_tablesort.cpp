// Row sorts and the table model's row operations, without a window.
#include "tables/activitymodel.h"
#include "tables/tablesort.h"
#include "testsupport.h"
#include <QtTest>

using namespace testsupport;

namespace {
ActivityModel *makeModel(const QList<QStringList> &rows)
{
    auto *m = new ActivityModel(TableKind::Money);
    m->setRowTexts(0, {"Activity", "Amount", "Per", "Start date", "End date", "Total Amt"});
    for (int i = 0; i < rows.size(); ++i)
        m->setRowTexts(i + 1, rows[i]);
    return m;
}

QStringList column(const ActivityModel &m, int col)
{
    QStringList out;
    for (int row = 1; row < ActivityModel::RowCount && !m.isBlank(row); ++row)
        out << m.cell(row, col);
    return out;
}
} // namespace

class TestTableSort : public QObject
{
    Q_OBJECT
private slots:
    void init() { resetSharedState(); }
    void cleanup() { resetSharedState(); }

    void sorts_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");

        const int byName = int(ActivitySort::ByActivity);
        const int byStart = int(ActivitySort::ByStartDate);
        const int byTotal = int(ActivitySort::ByTotal);
        QTest::newRow("names ignore case") << QStringList{"cherry", "Banana", "apple"} << QStringList{"", "", ""}
                                           << byName << QStringList{"apple", "Banana", "cherry"};
        QTest::newRow("a beginning sorts first") << QStringList{"tea break", "Tea", "Coffee"} << QStringList{"", "", ""}
                                                 << byName << QStringList{"Coffee", "Tea", "tea break"};
        QTest::newRow("many names through the quicksort")
            << QStringList{"h", "C", "a", "G", "e", "B", "f", "D", "j", "I"} << QStringList(10, QString()) << byName
            << QStringList{"a", "B", "C", "D", "e", "f", "G", "h", "I", "j"};
        QTest::newRow("bad and empty start dates first")
            << QStringList{"late", "empty", "early"} << QStringList{"5/1/2020", "", "1/2/1990"} << byStart
            << QStringList{"empty", "early", "late"};
        QTest::newRow("invalid start date as 1 January 1900")
            << QStringList{"old", "garbage", "new"} << QStringList{"12/31/1899", "2/30/2001", "1/2/1900"} << byStart
            << QStringList{"old", "garbage", "new"};
        QTest::newRow("totals as numbers, largest first")
            << QStringList{"small", "big", "mid", "none"} << QStringList{"$980 (0.39%)", "$1,235 (0.49%)", "95", ""}
            << byTotal << QStringList{"big", "small", "mid", "none"};
        QTest::newRow("95 below 900") << QStringList{"a", "b"} << QStringList{"95", "900"} << byTotal
                                      << QStringList{"b", "a"};
    }
    void sorts()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, keys);
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        QList<QStringList> rows;
        for (int i = 0; i < names.size(); ++i) {
            const QString key = keys[i];
            const bool start = order == int(ActivitySort::ByStartDate);
            rows << QStringList{
                names[i], QString::number(i), "Day", start ? key : "1/1/2000", "Now", start ? QString::number(i) : key};
        }
        std::unique_ptr<ActivityModel> m(makeModel(rows));
        sortActivityTable(*m, static_cast<ActivitySort>(order));
        QCOMPARE(column(*m, 0), expected);
        // Whole rows move: every row keeps its own cells.
        for (int row = 1; row <= names.size(); ++row) {
            const int from = names.indexOf(m->cell(row, 0));
            QCOMPARE(m->cell(row, 1), QString::number(from));
        }
        QCOMPARE(m->cell(0, 0), QStringLiteral("Activity"));
    }

    void equalNamesKeepOrderUpToFive()
    {
        QList<QStringList> rows;
        for (int i = 0; i < 5; ++i)
            rows << QStringList{"Same", QString::number(i), "Day", "1/1/2000", "Now", ""};
        std::unique_ptr<ActivityModel> m(makeModel(rows));
        sortActivityTable(*m, ActivitySort::ByActivity);
        QCOMPARE(column(*m, 1), (QStringList{"0", "1", "2", "3", "4"}));
    }

    void emptyAndSingleRowTablesStay()
    {
        std::unique_ptr<ActivityModel> empty(makeModel({}));
        sortActivityTable(*empty, ActivitySort::ByTotal);
        QCOMPARE(empty->numNonBlankRows(), 0);
        std::unique_ptr<ActivityModel> one(makeModel({{"Only", "1", "Day", "1/1/2000", "Now", "5"}}));
        sortActivityTable(*one, ActivitySort::ByActivity);
        QCOMPARE(one->rowTexts(1), (QStringList{"Only", "1", "Day", "1/1/2000", "Now", "5"}));
    }

    void fullTablesSortWithoutMovingBlanksIn()
    {
        QList<QStringList> rows;
        for (int i = 49; i >= 1; --i)
            rows << QStringList{QStringLiteral("n%1").arg(i, 2, 10, QLatin1Char('0')), "", "", "", "", ""};
        std::unique_ptr<ActivityModel> m(makeModel(rows));
        int first = 0, last = 0;
        activitySortRange(*m, first, last);
        QCOMPARE(last, 49); // row 50 is blank: it stays out of the sort
        sortActivityTable(*m, ActivitySort::ByActivity);
        QCOMPARE(m->cell(1, 0), QStringLiteral("n01"));
        QVERIFY(m->isBlank(50));
        m->setRowTexts(50, {"a00", "", "", "", "", ""});
        activitySortRange(*m, first, last);
        QCOMPARE(last, 50);
        sortActivityTable(*m, ActivitySort::ByActivity);
        QCOMPARE(m->cell(1, 0), QStringLiteral("a00"));
        QCOMPARE(m->cell(50, 0), QStringLiteral("n49"));
    }

    void keys()
    {
        QCOMPARE(numberKey(QStringLiteral("$1,235 (0.49%)")), 1235.0);
        QCOMPARE(numberKey(QString()), 0.0);
        QCOMPARE(dateKey(QStringLiteral("nonsense")), ymdValue(1900, 1, 1));
        QCOMPARE(intOrZero(QStringLiteral("12")), 12);
        QCOMPARE(intOrZero(QStringLiteral("x")), 0);
        QVERIFY(compareSortText(QStringLiteral("Tea"), QStringLiteral("tea break")) < 0);
        QCOMPARE(compareSortText(QStringLiteral("ABC"), QStringLiteral("abc")), 0);
        QVERIFY(compareSortText(QString(), QStringLiteral("a")) < 0);
    }

    void modelRowOperations()
    {
        std::unique_ptr<ActivityModel> m(makeModel({{"a", "1", "", "", "", "t1"},
                                                    {"b", "2", "", "", "", "t2"},
                                                    {"c", "3", "", "", "", "t3"},
                                                    {"d", "4", "", "", "", "t4"},
                                                    {"e", "5", "", "", "", "t5"}}));
        QCOMPARE(m->findFirstBlankRow(), 6);
        m->deleteRowMove(3);
        QCOMPARE(column(*m, 0), (QStringList{"a", "b", "d", "e"}));
        QCOMPARE(m->cell(3, 5), QStringLiteral("t4"));
        QVERIFY(m->isBlank(5));
        m->setRowTexts(50, {"last", "", "", "", "", ""});
        m->deleteRowMove(50);
        QVERIFY(m->isBlank(50));
        for (int row = 1; row <= 49; ++row)
            m->setCell(row, 0, QStringLiteral("x"));
        QCOMPARE(m->findFirstBlankRow(), -1);
        QCOMPARE(m->numNonBlankRows(), 49);
        // Alignment comes from the model: amount and total right, the rest left.
        QVERIFY(m->data(m->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
        QVERIFY(m->data(m->index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
        QVERIFY(m->headerData(5, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
        ActivityModel hours(TableKind::Hours);
        QVERIFY(hours.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
    }
};

QTEST_GUILESS_MAIN(TestTableSort)
#include "tst_tablesort.moc"
