#pragma once

#include "calc/localesettings.h"
#include <QString>

class IniFile;

// The settings file keeps dates and amounts as the screen shows them, which older copies of the
// program and hand edits rely on. Its [Format] section records the regional format they were
// written in, so that the file still reads right under other regional settings.
void writeFileFormat(IniFile &ini, const LocaleSettings &locale);
// The recorded format, laid over `base` for everything the section does not hold. False when the
// file has no usable section (a key missing, or a value that cannot be a format): the file's
// texts are then taken as they stand.
bool readFileFormat(const IniFile &ini, const LocaleSettings &base, LocaleSettings &recorded);

enum class AmountKind {
    Money, // currency amount with decimals: "$1,250.00"
    Count  // whole number: "1,560"
};

// Rewrites stored texts from one regional format into another through their values: a date
// through its day, an amount through its number. A text that does not fit the format it was
// written in (a hand edit, "Now", an empty cell) comes back exactly as it is, never partly
// converted, so it fails later where it is parsed, as it did before.
class FormatConversion
{
public:
    FormatConversion(const LocaleSettings &from, const LocaleSettings &to);

    QString date(const QString &text) const;
    QString amount(const QString &text, AmountKind kind) const;

private:
    LocaleSettings m_from;
    LocaleSettings m_to;
    bool m_dates;   // the date pattern or separator differ
    bool m_numbers; // the separators differ
    bool m_money;   // the separators, the currency symbol or its placement differ
};
