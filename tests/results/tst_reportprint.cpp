// The printed report, printed to PDF through the printer choice and read back as text.
#include "app/frmmain.h"
#include "results/printerchoice.h"
#include "results/reportprinter.h"
#include "support/pdftext.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include "widgets/prompts.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
using testsupport::FreqTitles;
using testsupport::HoursTitles;
using testsupport::MoneyTitles;

QStringList row(const QString &activity, const QString &total)
{
    return {
        activity, QStringLiteral("8 Hrs"), QStringLiteral("Day"), QStringLiteral("3/15/1956"), QStringLiteral("Now"),
        total};
}
} // namespace

class TestReportPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_pdftotext = testsupport::pdftotextProgram(); }
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2024, 3, 5, 14, 7, 9);
        Prompts::setTestMode(true);
        m_main = std::make_unique<TfrmMain>();
        m_main->initGrids();
        field(QStringLiteral("edName"))->setText(QStringLiteral("Ann Lee"));
        field(QStringLiteral("edDOB"))->setText(QStringLiteral("3/15/1956"));
        label(QStringLiteral("Label10"))->setText(QStringLiteral("Age: 67 years 11 months 19 days  Hours: 596,000"));
        label(QStringLiteral("label11"))->setText(QStringLiteral("Lifetime income: $1,000,000"));
    }
    void cleanup()
    {
        m_main.reset();
        PrinterChoice::setAnswer({});
        Prompts::setTestMode(false);
        testsupport::resetSharedState();
    }

    void reportOnPaper_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("A4") << QPageSize::A4;
        QTest::newRow("Letter") << QPageSize::Letter;
    }
    void reportOnPaper()
    {
        QFETCH(QPageSize::PageSizeId, paper);
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        m_main->hoursModel().setRowTexts(1, row(QStringLiteral("Sleeping"), QStringLiteral("200,000 (33.61%)")));
        m_main->hoursModel().setRowTexts(2, row(QStringLiteral("Eating"), QStringLiteral("25,000 (4.20%)")));
        m_main->moneyModel().setRowTexts(1, row(QString(30, QLatin1Char('y')), QStringLiteral("$5 (0.00%)")));

        const QStringList lines = printReport(paper);
        const QStringList expected = {
            QStringLiteral("Lifetally  - version 1.0"),
            QStringLiteral("Ann Lee 3/15/1956 Age: 67 years 11 months 19 days  Hours: 596,000"),
            QStringLiteral("Lifetime income: $1,000,000"),
            QStringLiteral("Printed : 3/5/2024  2:07:09 PM"),
            QStringLiteral("Brightwell Corporation  http://www.brightwell.example/"),
            QString(),
            QString(),
            HoursTitles,
            QStringLiteral(
                "Sleeping                     8 Hrs          Day    3/15/1956   Now         200,000 (33.61%)"),
            QStringLiteral("Eating                       8 Hrs          Day    3/15/1956   Now         25,000 (4.20%)"),
            QString(),
            QString(),
            MoneyTitles,
            // 30 characters in a 28-character column push the rest of the row 2 to the right.
            QStringLiteral("yyyyyyyyyyyyyyyyyyyyyyyyyyyyyy 8 Hrs          Day    3/15/1956   Now         $5 (0.00%)"),
            QString(),
            QString(),
            // A table without activities still prints its titles.
            FreqTitles,
        };
        QCOMPARE(lines, expected);
        QVERIFY(Prompts::shown().isEmpty());
    }

    void fullTablesRunOverPages()
    {
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        for (ActivityModel *table : {&m_main->hoursModel(), &m_main->moneyModel(), &m_main->freqModel()})
            for (int r = 1; r < ActivityModel::RowCount; ++r)
                table->setRowTexts(r, row(QStringLiteral("Row %1").arg(r), QStringLiteral("%1 (1.00%)").arg(r)));
        int pages = 0;
        const QStringList lines = printReport(QPageSize::Letter, &pages);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        // Every row prints whole and in order, and nothing is lost at a page break.
        QStringList filled;
        for (const QString &line : lines)
            if (!line.isEmpty())
                filled.append(line);
        QCOMPARE(filled.size(), 5 + 3 * 51);
        for (int t = 0; t < 3; ++t) {
            QCOMPARE(filled[5 + t * 51], (QStringList{HoursTitles, MoneyTitles, FreqTitles}[t]));
            for (int r = 1; r <= 50; ++r) {
                const QString &line = filled[5 + t * 51 + r];
                QVERIFY2(line.startsWith(QStringLiteral("Row %1 ").arg(r)), qPrintable(line));
                QVERIFY2(line.endsWith(QStringLiteral(" %1 (1.00%)").arg(r)), qPrintable(line));
            }
        }
    }

    void emptyNameGivesLeadingBlank()
    {
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        field(QStringLiteral("edName"))->clear();
        const QStringList lines = printReport(QPageSize::A4);
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines[1], QStringLiteral(" 3/15/1956 Age: 67 years 11 months 19 days  Hours: 596,000"));
    }

    void cancellingPrintsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        int asked = 0;
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return false;
        });
        button(QStringLiteral("btReport"))->click();
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(Prompts::shown().isEmpty());
    }

    void jobThatCannotOpenEndsTheReport()
    {
        QTemporaryDir dir;
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/report.pdf")));
            return true;
        });
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        button(QStringLiteral("btReport"))->click();
        // One message for the hours table; the money and frequency tables find no job.
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::PrintError);

        // The next report starts afresh.
        Prompts::clearShown();
        if (m_pdftotext.isEmpty())
            return;
        QVERIFY(!printReport(QPageSize::A4).isEmpty());
        QVERIFY(Prompts::shown().isEmpty());
    }

private:
    QLineEdit *field(const QString &name) { return m_main->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) { return m_main->findChild<QLabel *>(name); }
    QPushButton *button(const QString &name) { return m_main->findChild<QPushButton *>(name); }

    // Prints the report to a PDF on `paper` and reads it back.
    QStringList printReport(QPageSize::PageSizeId paper, int *pages = nullptr)
    {
        if (m_pdftotext.isEmpty())
            return {};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(paper));
            return true;
        });
        button(QStringLiteral("btReport"))->click();
        return testsupport::reportLines(pdf, pages);
    }

    QString m_pdftotext;
    std::unique_ptr<TfrmMain> m_main;
};

QTEST_MAIN(TestReportPrint)
#include "tst_reportprint.moc"
