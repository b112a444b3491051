#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

// The program's options: --help, --version, --settings FILE, --report FILE.pdf, --csv FILE.csv,
// --weeks FILE.png|svg|pdf, --paper SIZE (the weeks' paper), --age A (the look-ahead age of the report, the CSV file and the weeks).
// "-" as the report's or the CSV file's name means standard output.
class CommandLine
{
public:
    CommandLine();

    // False on an unknown option, a missing file name, an argument that is no option's (a script's
    // typo would otherwise go unnoticed), both files on standard output, an age that is not a
    // whole number from 1 to 120, or a weeks file of another format; errorText() says which.
    bool parse(const QStringList &arguments);
    QString errorText() const { return m_error; }
    // Prints the help or the version and ends the process, as QCommandLineParser does.
    void showHelpOrVersion();

    bool wantsHelpOrVersion() const;
    QString settingsFile() const { return m_parser.value(m_settings); }
    QString reportFile() const { return m_parser.value(m_report); }
    QString csvFile() const { return m_parser.value(m_csv); }
    QString weeksFile() const { return m_parser.value(m_weeks); }
    // The --paper given for the weeks ("A3"), or empty for the region's.
    QString paper() const { return m_parser.value(m_paper); }
    // The --age given, or 0 when none was.
    int lookAheadAge() const { return m_age; }
    // --prices: true for "today", false for "paid"; none when not given.
    std::optional<bool> todaysPrices() const { return m_prices; }
    static bool isStandardOutput(const QString &file) { return file == QLatin1String("-"); }
    // Whether the run writes files or text and ends without a window.
    bool windowless() const;

    // Whether `arguments` ask for a run without a window, read leniently: before the application
    // object exists, Qt's own options (-platform, -style, ...) are still among them.
    static bool asksNoWindow(const QStringList &arguments);

private:
    QCommandLineParser m_parser;
    QStringList m_arguments;
    QString m_error;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_settings;
    QCommandLineOption m_report;
    QCommandLineOption m_csv;
    QCommandLineOption m_ageOption;
    QCommandLineOption m_weeks;
    QCommandLineOption m_paper;
    int m_age = 0;
    QCommandLineOption m_pricesOption;
    std::optional<bool> m_prices;
};
