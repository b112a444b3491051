#pragma once

#include "calc/lookahead.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"
#include <QStringList>
#include <QVector>

// What the biography page keeps in the settings file.
struct BioFields {
    QString name;
    QString birthDate; // the birth-date field's text, as the user left it
    int income = 0;
    // The results page's look-ahead age, kept with the biography it depends on.
    int lookAheadAge = DefaultLookAheadAge;
    // Money in today's prices, with the rate and the euro country the user chose.
    PricesChoice prices = {};

    bool operator==(const BioFields &o) const
    {
        return name == o.name && birthDate == o.birthDate && income == o.income && lookAheadAge == o.lookAheadAge &&
               prices == o.prices;
    }
    bool operator!=(const BioFields &o) const { return !(*this == o); }
};

// One activity table as the file sees it: rows 0 to TableRows - 1 of cell texts, row 0 the column
// titles (never stored). Reading writes rows 1 to 50 in place, so pass the table's current cells.
using TableCells = QVector<QStringList>;
constexpr int TableRows = 51;

// Whether two tables hold the same stored cells: rows 1 to 50, the columns before the total (a
// title row and a total are the window's, counted again from these).
bool sameStoredCells(const TableCells &a, const TableCells &b);

// Everything the settings file keeps, as one value: what it reads and writes, and what the window
// compares to tell unsaved changes. Tables hold their title rows as row 0.
struct Entries {
    BioFields bio;
    TableCells hours;
    TableCells money;
    TableCells freq;

    bool operator==(const Entries &o) const
    {
        return bio == o.bio && sameStoredCells(hours, o.hours) && sameStoredCells(money, o.money) &&
               sameStoredCells(freq, o.freq);
    }
    bool operator!=(const Entries &o) const { return !(*this == o); }
};
