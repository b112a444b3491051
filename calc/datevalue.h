#pragma once

#include <QDate>
#include <QDateTime>

// A date value counts days from 30 December 1899 (day 0); the fraction is the time of day.
// Proleptic Gregorian calendar. Negative values keep their fraction as the time of day
// (-1.25 is 29 December 1899 at 06:00), and the whole day is the value truncated toward zero.
using DateValue = double;

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidYmd(int year, int month, int day);

// Whole day of a valid calendar date (year 1 to 9999).
DateValue encodeDate(int year, int month, int day);
// Calendar date of the whole day of v; a value before 1 January of year 1 gives year 0.
void decodeDate(DateValue v, int &year, int &month, int &day);
// Time of day of v; milliseconds rounded to the nearest, carried into seconds.
void decodeTime(DateValue v, int &hour, int &minute, int &second, int &msec);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(DateValue v);
// The value truncated toward zero.
double wholeDay(DateValue v);

DateValue fromQDate(const QDate &date);
DateValue fromQDateTime(const QDateTime &dateTime);
QDate toQDate(DateValue v);
// Adds months to a whole day, cutting the day to the target month's end (31 March - 1 = 28/29 February).
DateValue addMonths(DateValue v, int months);
