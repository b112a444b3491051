#pragma once

#include "calc/datevalue.h"
#include <QString>
#include <QStringList>
#include <QVector>

// Row sorts for a string table (a list of rows of cell texts). Whole rows move together; only
// the rows first to last are touched. Keys are lenient: a text that is not a number or a date
// sorts as 0 or as 1 January 1900.
using StringTable = QVector<QStringList>;

void sortRowsByText(StringTable &table, int first, int last, bool descending, int col);
void sortRowsByNumber(StringTable &table, int first, int last, bool descending, int col);
void sortRowsByDate(StringTable &table, int first, int last, bool descending, int col);

void quickSortText(StringTable &table, int first, int last, bool descending, int col);
void bubbleSortText(StringTable &table, int first, int last, bool descending, int col);
void quickSortNumber(StringTable &table, int first, int last, bool descending, int col);
void quickSortDate(StringTable &table, int first, int last, bool descending, int col);

// Upper-cases a to z only, then compares by character code; a beginning sorts first.
int compareSortText(const QString &a, const QString &b);
double numberKey(const QString &text);
DateValue dateKey(const QString &text);
int intOrZero(const QString &text);

class ActivityModel;

enum class ActivitySort { ByActivity, ByStartDate, ByTotal };

// The rows a sort may permute: row 1 up to the row before the first blank one. A full table
// (no blank row among 1 to 49) sorts every used row, row 50 included when it holds an activity.
void activitySortRange(const ActivityModel &model, int &first, int &last);
// Activity ascending, start date ascending, or total descending.
void sortActivityTable(ActivityModel &model, ActivitySort order);
