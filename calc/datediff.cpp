#include "calc/datediff.h"

#include "calc/periodtext.h"
#include "calc/phrasecore.h"

#include <QCoreApplication>
#include <cmath>

TDateDiff computedatediff(DateValue first, DateValue second)
{
    DateValue later = first;
    DateValue earlier = second;
    if (second > first) {
        later = second;
        earlier = first;
    }
    int ly = 0, lm = 0, ld = 0, ey = 0, em = 0, ed = 0;
    decodeDate(later, ly, lm, ld);
    decodeDate(earlier, ey, em, ed);
    int lh = 0, lmi = 0, ls = 0, lms = 0, eh = 0, emi = 0, es = 0, ems = 0;
    decodeTime(later, lh, lmi, ls, lms);
    decodeTime(earlier, eh, emi, es, ems);

    TDateDiff diff;
    diff.days = ld - ed;
    // One day less when the later moment's time of day, to the second, lies before the earlier one's.
    int seconds = ls - es;
    int borrow = 0;
    if (seconds < 0)
        borrow = 1;
    int minutes = lmi - emi - borrow;
    borrow = minutes < 0 ? 1 : 0;
    const int hours = lh - eh - borrow;
    if (hours < 0)
        diff.days -= 1;

    diff.totalHours = std::trunc((later - earlier) * 24);
    diff.totalDays = wholeDay(later) - wholeDay(earlier);

    // Spans of 0 or 1 day have no year or month count: they stay 0.
    PhraseCounts counts;
    phrasecore::classify(later, earlier, counts);
    diff.years = counts.years;
    diff.months = counts.months;

    // First days of months passed: the month of the day totalDays after day 0.
    int y = 0, m = 0, d = 0;
    decodeDate(diff.totalDays, y, m, d);
    diff.totalMonths = 12.0 * (y - 1900) + m;
    return diff;
}

QString ymd(const TDateDiff &span)
{
    const auto count = [](int n, const char *one, const char *many) {
        return QCoreApplication::translate("DateDiff", n == 1 ? one : many, nullptr, n) + QLatin1Char(' ');
    };
    QString text;
    if (span.years > 0)
        text +=
            count(span.years, QT_TRANSLATE_N_NOOP("DateDiff", "%n year"), QT_TRANSLATE_N_NOOP("DateDiff", "%n years"));
    if (span.months > 0)
        text += count(span.months, QT_TRANSLATE_N_NOOP("DateDiff", "%n month"),
                      QT_TRANSLATE_N_NOOP("DateDiff", "%n months"));
    if (span.days > 0)
        text += count(span.days, QT_TRANSLATE_N_NOOP("DateDiff", "%n day"), QT_TRANSLATE_N_NOOP("DateDiff", "%n days"));
    return text;
}
