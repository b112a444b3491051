#pragma once

#include "calc/datevalue.h"
#include <QString>

struct LocaleSettings;

// Short date text of the day of v. A two-digit year in the pattern is written with four
// digits, so every date the program writes reads back as the same day.
QString shortDateText(DateValue v);
// Strict conversion; throws ConversionError "'%s' is not a valid date".
DateValue strToDate(const QString &text);
bool tryStrToDate(const QString &text, DateValue &value);
// The same under a given record instead of the one in force (texts written elsewhere).
QString shortDateText(DateValue v, const LocaleSettings &locale);
bool tryStrToDate(const QString &text, DateValue &value, const LocaleSettings &locale);
// The time of day of v in the long time format ("3:07:09 pm").
QString longTimeText(DateValue v);
// Full month name, 1 = January.
QString longMonthName(int month);
// The day of v with its month's full name, in the order of the short date: "April 17, 2078",
// "17 April 2078".
QString longDateText(DateValue v);
// The short date pattern as a hint for people: "m/d/yyyy", "dd.mm.yyyy" (the year always in four digits).
QString shortDatePatternText();
QString shortDatePatternText(const LocaleSettings &locale);
// True when the text is a valid date whose year was left out or typed below 100, so that the
// current year or century was filled in.
bool yearCompleted(const QString &text);
