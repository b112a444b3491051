#include "app/commandline.h"

#include "calc/lookahead.h"
#include "results/outputdevices.h"
#include <QCoreApplication>
#include <QPageSize>
#include <QRegularExpression>

namespace {
// Qt's own French lacks two texts of its command-line parser's --help; listed here so that the
// program's translations supply them.
[[maybe_unused]] const char *const ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};
} // namespace

CommandLine::CommandLine()
    : m_help(m_parser.addHelpOption()), m_version(m_parser.addVersionOption()),
      m_settings(QStringLiteral("settings"),
                 QCoreApplication::translate("CommandLine", "Use <file> for your entries instead of lfy.ini."),
                 QStringLiteral("file")),
      m_report(QStringLiteral("report"),
               QCoreApplication::translate("CommandLine", "Write the printed report to the PDF file <file> and quit."),
               QStringLiteral("file")),
      m_csv(QStringLiteral("csv"),
            QCoreApplication::translate("CommandLine",
                                        "Write the three tables to the CSV file <file> and quit. The file is plain "
                                        "RFC 4180 under any regional settings: UTF-8 without a byte-order mark, \",\" "
                                        "between fields, \".\" as the decimal point, and English column titles for "
                                        "scripts (the window's CSV export is in the window's language)."),
            QStringLiteral("file")),
      m_ageOption(QStringLiteral("age"),
                  QCoreApplication::translate(
                      "CommandLine",
                      "Count up to age <A> (1 to 120, ahead of today or behind it) in the report, the CSV file "
                      "and the weeks; otherwise the age kept in the settings file, else 80."),
                  QStringLiteral("A")),
      m_weeks(QStringLiteral("weeks"),
              QCoreApplication::translate(
                  "CommandLine", "Draw your life in weeks to <file> (.png, .svg or .pdf) and quit. A PNG is 300 dots "
                                 "an inch on its paper."),
              QStringLiteral("file")),
      m_paper(QStringLiteral("paper"),
              QCoreApplication::translate(
                  "CommandLine", "The paper of --weeks: A4, Letter, A3, Tabloid or A2; otherwise A4 (Letter where the "
                                 "regional settings measure in U.S. units). The picture is turned to fit it."),
              QStringLiteral("size")),
      m_pricesOption(QStringLiteral("prices"),
                     QCoreApplication::translate(
                         "CommandLine", "Money in the report and the CSV file: \"today\" for today's prices (from the "
                                        "public price tables the program carries), \"paid\" as paid; otherwise the "
                                        "settings file's choice."),
                     QStringLiteral("today|paid"))
{
    m_parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "How much time and money you have spent in your lifetime, and on what.\n"
                       "A <file> of - for --report or --csv means standard output."));
    m_parser.addOption(m_settings);
    m_parser.addOption(m_report);
    m_parser.addOption(m_csv);
    m_parser.addOption(m_weeks);
    m_parser.addOption(m_paper);
    m_parser.addOption(m_ageOption);
    m_parser.addOption(m_pricesOption);
}

bool CommandLine::parse(const QStringList &arguments)
{
    m_arguments = arguments;
    m_error.clear();
    m_age = 0;
    m_prices.reset();
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(m_parser.positionalArguments().constFirst());
        return false;
    }
    if (m_parser.isSet(m_report) && m_parser.isSet(m_csv) && isStandardOutput(reportFile()) &&
        isStandardOutput(csvFile())) {
        m_error = QCoreApplication::translate("CommandLine",
                                              "Only one of --report and --csv can write to standard output ('-').");
        return false;
    }
    static const QRegularExpression picture(QStringLiteral("\\.(png|svg|pdf)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (m_parser.isSet(m_weeks) && !picture.match(weeksFile()).hasMatch()) {
        m_error =
            QCoreApplication::translate("CommandLine", "The file '%1' for --weeks must end in .png, .svg or .pdf.")
                .arg(weeksFile());
        return false;
    }
    // The report keeps the region's paper: a --paper meant for it would otherwise be dropped unsaid.
    if (m_parser.isSet(m_paper) && !m_parser.isSet(m_weeks)) {
        m_error = QCoreApplication::translate("CommandLine", "--paper is the paper of --weeks; give --weeks FILE as well.");
        return false;
    }
    if (m_parser.isSet(m_paper) && !OutputDevices::paperNames().contains(paper(), Qt::CaseInsensitive)) {
        m_error = QCoreApplication::translate("CommandLine", "The paper '%1' is not one of %2.")
                      .arg(paper(), OutputDevices::paperNames().join(QStringLiteral(", ")));
        return false;
    }
    if (m_parser.isSet(m_ageOption)) {
        const QString text = m_parser.value(m_ageOption);
        static const QRegularExpression whole(QStringLiteral("^[0-9]{1,3}$"));
        const int age = whole.match(text).hasMatch() ? text.toInt() : 0;
        if (age < 1 || age > MaxLookAheadAge) {
            m_error = QCoreApplication::translate("CommandLine", "The age '%1' is not a whole number from 1 to %2.")
                          .arg(text)
                          .arg(MaxLookAheadAge);
            return false;
        }
        m_age = age;
    }
    if (m_parser.isSet(m_pricesOption)) {
        const QString text = m_parser.value(m_pricesOption);
        if (text != QLatin1String("today") && text != QLatin1String("paid")) {
            m_error =
                QCoreApplication::translate("CommandLine", "The prices '%1' are neither 'today' nor 'paid'.").arg(text);
            return false;
        }
        m_prices = text == QLatin1String("today");
    }
    return true;
}

void CommandLine::showHelpOrVersion()
{
    m_parser.process(m_arguments);
}

bool CommandLine::wantsHelpOrVersion() const
{
    return m_parser.isSet(m_help) || m_parser.isSet(m_version) || m_parser.isSet(QStringLiteral("help-all"));
}

bool CommandLine::windowless() const
{
    return wantsHelpOrVersion() || m_parser.isSet(m_report) || m_parser.isSet(m_csv) || m_parser.isSet(m_weeks);
}

bool CommandLine::asksNoWindow(const QStringList &arguments)
{
    // parse() goes on past an unknown option, so the program's own options are still seen.
    CommandLine lenient;
    lenient.parse(arguments);
    return lenient.windowless();
}
