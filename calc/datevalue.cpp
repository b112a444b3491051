#include "calc/datevalue.h"

#include <cmath>

namespace {
// Day 0 (30 December 1899) counted from 1 January 1970.
constexpr qint64 kEpochOffset = 25569;
constexpr qint64 kMsecPerDay = 86400000;

// Days from 1 January 1970 of a proleptic Gregorian date (era arithmetic: exact, no table).
qint64 daysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, qint64 &y, int &m, int &d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

// Whole days of the first day of year 1, the earliest date that decodes to a year.
const qint64 kFirstDay = daysFromCivil(1, 1, 1) + kEpochOffset;
} // namespace

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

bool isValidYmd(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

DateValue encodeDate(int year, int month, int day)
{
    return double(daysFromCivil(year, month, day) + kEpochOffset);
}

void decodeDate(DateValue v, int &year, int &month, int &day)
{
    const double whole = wholeDay(v);
    // Far outside any calendar (or not a number): no date, like values before year 1.
    if (!(whole >= double(kFirstDay)) || whole > 1e12) {
        year = month = day = 0;
        return;
    }
    qint64 y = 0;
    civilFromDays(qint64(whole) - kEpochOffset, y, month, day);
    year = int(y);
}

void decodeTime(DateValue v, int &hour, int &minute, int &second, int &msec)
{
    double fraction = std::fabs(v - wholeDay(v));
    if (!(fraction >= 0))
        fraction = 0;
    qint64 ms = qint64(std::llround(fraction * double(kMsecPerDay)));
    // Rounding can reach midnight; the time of day stays within the day.
    if (ms >= kMsecPerDay)
        ms = kMsecPerDay - 1;
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

int dayOfWeek(DateValue v)
{
    const qint64 whole = qint64(wholeDay(v));
    // Day 1 (31 December 1899) was a Sunday.
    return int(((whole - 1) % 7 + 7) % 7) + 1;
}

double wholeDay(DateValue v)
{
    return std::trunc(v);
}

DateValue fromQDate(const QDate &date)
{
    return encodeDate(date.year(), date.month(), date.day());
}

DateValue fromQDateTime(const QDateTime &dateTime)
{
    const DateValue day = fromQDate(dateTime.date());
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / double(kMsecPerDay);
    // Before day 0 the fraction still counts forward from midnight: -1.25 is 29 December 06:00.
    return day < 0 ? day - fraction : day + fraction;
}

QDate toQDate(DateValue v)
{
    int y = 0, m = 0, d = 0;
    decodeDate(v, y, m, d);
    return y == 0 ? QDate() : QDate(y, m, d);
}

DateValue addMonths(DateValue v, int months)
{
    int y = 0, m = 0, d = 0;
    decodeDate(v, y, m, d);
    if (y == 0)
        return wholeDay(v);
    const qint64 index = qint64(y) * 12 + (m - 1) + months;
    const int ny = int(index >= 0 ? index / 12 : (index - 11) / 12);
    const int nm = int(index - qint64(ny) * 12) + 1;
    return double(daysFromCivil(ny, nm, qMin(d, daysInMonth(ny, nm))) + kEpochOffset);
}
