#include "tables/tablesort.h"

#include "calc/datetext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "tables/activitymodel.h"
#include <utility>

namespace {

QChar upperAscii(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') ? QChar(u - ('a' - 'A')) : c;
}

void exchange(StringTable &table, int a, int b)
{
    if (a != b)
        std::swap(table[a], table[b]);
}

// Partitioning shared by the number and date sorts; the pivot is the key of the middle row.
template <typename KeyFn> void quickSortByKey(StringTable &t, int first, int last, bool descending, int col, KeyFn key)
{
    if (first >= last)
        return;
    const double pivot = key(t[(first + last) / 2][col]);
    int i = first;
    int j = last;
    while (i <= j) {
        if (descending) {
            while (key(t[i][col]) > pivot)
                ++i;
            while (key(t[j][col]) < pivot)
                --j;
        } else {
            while (key(t[i][col]) < pivot)
                ++i;
            while (key(t[j][col]) > pivot)
                --j;
        }
        if (i <= j) {
            exchange(t, i, j);
            ++i;
            --j;
        }
    }
    quickSortByKey(t, first, j, descending, col, key);
    quickSortByKey(t, i, last, descending, col, key);
}

// Sorts a scratch table of (original row number, key) and then permutes the real rows to match.
template <typename ScratchSort>
void sortRows(StringTable &table, int first, int last, bool descending, int col, ScratchSort scratchSort)
{
    if (first < 0 || last >= table.size() || last < first)
        return;
    StringTable scratch(table.size(), QStringList{QString(), QString()});
    for (int r = first; r <= last; ++r)
        scratch[r] = QStringList{QString::number(r), table[r].value(col)};
    scratchSort(scratch, first, last, descending, 1);
    StringTable copy(table);
    for (int r = first; r <= last; ++r) {
        const int from = intOrZero(scratch[r][0]);
        copy[r] = (from >= 0 && from < table.size()) ? table[from] : table[r];
    }
    for (int r = first; r <= last; ++r)
        table[r] = copy[r];
}

} // namespace

int compareSortText(const QString &a, const QString &b)
{
    const int n = qMin(a.size(), b.size());
    for (int k = 0; k < n; ++k) {
        const ushort ca = upperAscii(a[k]).unicode();
        const ushort cb = upperAscii(b[k]).unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

double numberKey(const QString &text)
{
    const int paren = text.indexOf(QLatin1String(" ("));
    const QString digits = digitsOnly(paren >= 0 ? text.left(paren) : text);
    double value = 0;
    return tryStrToFloat(digits, value) ? value : 0.0;
}

DateValue dateKey(const QString &text)
{
    DateValue value = 0;
    if (!text.isEmpty() && tryStrToDate(text, value))
        return value;
    return encodeDate(1900, 1, 1);
}

int intOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

void bubbleSortText(StringTable &t, int first, int last, bool descending, int col)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int r = first; r < last; ++r) {
            const int c = compareSortText(t[r][col], t[r + 1][col]);
            if (descending ? c < 0 : c > 0) {
                exchange(t, r, r + 1);
                exchanged = true;
            }
        }
    }
}

void quickSortText(StringTable &t, int first, int last, bool descending, int col)
{
    if (last - first < 5) {
        bubbleSortText(t, first, last, descending, col);
        return;
    }
    const QString pivot = t[(first + last) / 2][col];
    int i = first;
    int j = last;
    while (i <= j) {
        if (descending) {
            while (compareSortText(t[i][col], pivot) > 0)
                ++i;
            while (compareSortText(t[j][col], pivot) < 0)
                --j;
        } else {
            while (compareSortText(t[i][col], pivot) < 0)
                ++i;
            while (compareSortText(t[j][col], pivot) > 0)
                --j;
        }
        if (i <= j) {
            exchange(t, i, j);
            ++i;
            --j;
        }
    }
    quickSortText(t, first, j, descending, col);
    quickSortText(t, i, last, descending, col);
}

void quickSortNumber(StringTable &t, int first, int last, bool descending, int col)
{
    quickSortByKey(t, first, last, descending, col, numberKey);
}

void quickSortDate(StringTable &t, int first, int last, bool descending, int col)
{
    quickSortByKey(t, first, last, descending, col, dateKey);
}

void sortRowsByText(StringTable &table, int first, int last, bool descending, int col)
{
    sortRows(table, first, last, descending, col, quickSortText);
}

void sortRowsByNumber(StringTable &table, int first, int last, bool descending, int col)
{
    sortRows(table, first, last, descending, col, quickSortNumber);
}

void sortRowsByDate(StringTable &table, int first, int last, bool descending, int col)
{
    sortRows(table, first, last, descending, col, quickSortDate);
}

void activitySortRange(const ActivityModel &model, int &first, int &last)
{
    first = 1;
    const int blank = model.findFirstBlankRow();
    if (blank >= 0)
        last = blank - 1;
    else
        last = model.isBlank(ActivityModel::RowCount - 1) ? ActivityModel::RowCount - 2 : ActivityModel::RowCount - 1;
}

void sortActivityTable(ActivityModel &model, ActivitySort order)
{
    int first = 0;
    int last = 0;
    activitySortRange(model, first, last);
    StringTable table = model.table();
    switch (order) {
    case ActivitySort::ByActivity:
        sortRowsByText(table, first, last, false, Column::Activity);
        break;
    case ActivitySort::ByStartDate:
        sortRowsByDate(table, first, last, false, Column::Start);
        break;
    case ActivitySort::ByTotal:
        sortRowsByNumber(table, first, last, true, Column::Total);
        break;
    }
    model.setTable(table);
}
