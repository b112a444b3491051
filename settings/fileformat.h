#pragma once

#include "calc/localesettings.h"
#include "calc/numbertext.h"
#include <QString>
#include <QStringList>

class IniFile;

// The settings file keeps dates and amounts as the screen shows them, which older copies of the
// program and hand edits rely on. Its [Format] section records the regional format they were
// written in, so that the file still reads right under other regional settings.
void writeFileFormat(IniFile &ini, const LocaleSettings &locale);
// The recorded format, laid over `base` for everything the section does not hold. False when the
// file has no usable section (a key missing, or a value that cannot be a format): the file's
// texts are then taken as they stand.
bool readFileFormat(const IniFile &ini, const LocaleSettings &base, LocaleSettings &recorded);

// Rewrites stored texts from one regional format into another through their values: a date
// through its day, an amount through its number. A text that does not fit the format it was
// written in (a hand edit, "Now", an empty cell) comes back exactly as it is, never partly
// converted, so it fails later where it is parsed, as it did before.
// How a file's dates and amounts are read.
enum class FileFormatState {
    Recorded, // its [Format] section
    Current,  // no section, and every text reads in the current format
    Detected, // no section, and every text reads in one other format, from which it was converted
    Foreign,  // no section; texts read in other formats, but no one format can be told: taken as they stand
    Unknown   // no section; texts that read in no format at all (hand edits): taken as they stand
};

// The stored texts of a file whose format is not recorded: the dates (not "Now" or empty) and
// the amounts of each kind.
struct StoredTexts {
    QStringList dates;
    QStringList money;
    QStringList counts;
};

// Whether every text reads in `format`.
bool textsReadIn(const StoredTexts &texts, const LocaleSettings &format);

// The format a file without a [Format] section was written in: the current one when every text
// reads there; otherwise the one common regional format in which they all read, in `found`. When
// several such formats fit (and would give different days or amounts), or none does while some
// texts read elsewhere, Foreign; otherwise Unknown.
FileFormatState guessFileFormat(const StoredTexts &texts, const LocaleSettings &current, LocaleSettings &found);

// What to do about a file whose texts are in another regional format that could not be told.
QString foreignFormatHint(const QString &path);

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
