#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What the biography page keeps in the settings file.
struct BioFields {
    QString name;
    QString birthDate; // the birth-date field's text, as the user left it
    int income = 0;
};

// One activity table as the file sees it: rows 0 to TableRows - 1 of cell texts, row 0 the column
// titles (never stored). Reading writes rows 1 to 50 in place, so pass the table's current cells.
using TableCells = QVector<QStringList>;
constexpr int TableRows = 51;

// The settings file "lfy.ini": name, birth-date text, income and the first five cells of every
// activity row. Totals are never stored.
QString settingsFilePath();
// The file named on the command line (one file per person) instead of "lfy.ini" in the program's
// folder; an empty path goes back to the default.
void setSettingsFilePath(const QString &path);
// Whether the settings file is the one named on the command line.
bool settingsFileChosen();
// Reads every value with its default; an empty birth date becomes today's date text.
// A missing file reads as all defaults and is not created.
void readSettingsFile(const QString &path, BioFields &bio, TableCells &hours, TableCells &money, TableCells &freq);
// Rewrites every entry in one atomic replace; throws IniWriteError ("Unable to write to <path>").
void writeSettingsFile(const QString &path, const BioFields &bio, const TableCells &hours, const TableCells &money,
                       const TableCells &freq);
