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

// Strict conversions. Integer: optional blanks, optional sign, decimal digits or "$"/"0x"
// followed by hex digits, within 32 bits. Real: optional blanks, sign, digits with the
// locale's decimal separator, optional exponent, optional trailing blanks.
int strToInt(const QString &text);      // throws "'%s' is not a valid integer value"
double strToFloat(const QString &text); // throws "'%s' is not a valid floating point value"
bool tryStrToInt(const QString &text, int &value);
bool tryStrToFloat(const QString &text, double &value);
// The integer rule without the "0x" prefix when allow0x is false (the settings file replaces a
// leading "0x" by "$" itself, and only there).
bool parseIntegerText(QStringView text, bool allow0x, int &value);
