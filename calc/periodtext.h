#pragma once

#include <QString>

// The text forms kept in the activity table cells: durations, period names, amounts.

QString pluralSuffix(int n);             // "s", or "" for exactly 1
QString digitsOnly(const QString &text); // keeps '0'..'9' and the locale's decimal separator
QString durationText(int hours, int minutes);
QString periodFromChoice(bool day, bool week);
QString periodName(int index);
int periodIndex(const QString &text);
bool isDay(const QString &text);
bool isWeek(const QString &text);
bool isMonth(const QString &text);
bool isYear(const QString &text);
bool isOnce(const QString &text);
QString wordAt(const QString &text, int n);
int hoursOf(const QString &duration);   // throws ConversionError (integer)
int minutesOf(const QString &duration); // throws ConversionError (integer)

// A cell's text as the tables show it: the file's words ("Day", "Now", "Hrs", "Mins" ...) in the
// user's language, everything else as it stands. The cells themselves, and so the settings file,
// keep the file's words; `column` is a Column::Index.
QString shownCellText(int column, const QString &text);
// The end date "Now" as the user reads it.
QString shownNowText();
