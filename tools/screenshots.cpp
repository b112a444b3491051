// Renders every page of the main window and its dialogs into PNG files, offscreen, so the layout
// can be looked at without a desktop. Usage: screenshots <output folder> [settings folder] [dark]
// The language and the regional format are the environment's, as the program takes them.
// The clock stands still at one moment, so two renders of the same tree can be compared pixel by pixel.
// Beside the secondary windows' pictures, <name>.txt lists their focus chain (the tab order) and every
// control's name, place, text and font, in stacking order, which a picture cannot show.
#include "about/digmarquee.h"
#include "about/frmabout.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "calc/clock.h"
#include "calc/datetext.h"
#include "calc/localesettings.h"
#include "calc/numbertext.h"
#include "results/frmgraph.h"
#include "results/frmprices.h"
#include "results/frmweeks.h"
#include "results/printerchoice.h"
#include "settings/programfolder.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace {
QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString line(QWidget *w)
{
    const QRect g = w->geometry();
    QString text;
    if (auto *label = qobject_cast<QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text();
    return QStringLiteral("%1 %2 [%3,%4 %5x%6] %7 text=\"%8\" tip=\"%9\" name=\"%10\" font=%11 %12\n")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height())
        .arg(w->isVisibleTo(w->window()) ? QStringLiteral("shown") : QStringLiteral("hidden"), text, w->toolTip(),
             accessibleName(w), w->font().toString(), w->palette().color(QPalette::WindowText).name());
}

void describe(QWidget *window, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QString text = QStringLiteral("Tab order:\n");
    QWidget *w = window;
    do {
        text += QStringLiteral("  focus=%1 ").arg(int(w->focusPolicy())) + line(w);
        w = w->nextInFocusChain();
    } while (w && w != window);
    text += QStringLiteral("Controls:\n") + line(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        text += QStringLiteral("  ") + line(child);
    file.write(text.toUtf8());
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop's language and regional format, as the program takes them.
    installUserTranslations();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (argc > 2)
        setProgramFolder(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out);
    if (argc > 3 && QByteArray(argv[3]) == "dark") {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 64));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        dark.setColor(QPalette::Light, QColor(90, 90, 95));
        dark.setColor(QPalette::Midlight, QColor(75, 75, 80));
        dark.setColor(QPalette::Dark, QColor(25, 25, 25));
        dark.setColor(QPalette::Mid, QColor(40, 40, 40));
        dark.setColor(QPalette::Shadow, Qt::black);
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        QApplication::setPalette(dark);
    }
    Clock::setFixed(encodeDate(2025, 6, 10) + 14.0 / 24);
    LocaleSettings::setCurrent(LocaleSettings::fromEnvironment());
    Prompts::setTestMode(true);

    TfrmMain w;
    w.show();
    const QString birth = shortDateText(encodeDate(1960, 3, 15));
    auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("Notebook1"));
    for (int page = 0; page < stack->count(); ++page) {
        stack->setCurrentIndex(page);
        w.grab().save(QStringLiteral("%1/page%2.png").arg(out).arg(page));
    }
    TfrmTime time(birth, 0, &w);
    time.setRow({QStringLiteral("Sleeping"), QString(), QStringLiteral("Day"), birth, QStringLiteral("Now")});
    time.show();
    time.grab().save(out + QStringLiteral("/dlgtime.png"));
    TfrmMoney money(true, birth, 0, &w);
    money.setRow({QString(), formatMoney(1234.5, 2), QStringLiteral("Day"), shortDateText(encodeDate(2000, 1, 1)),
                  shortDateText(encodeDate(2010, 6, 30))});
    money.show();
    money.grab().save(out + QStringLiteral("/dlgmoney.png"));
    TfrmMoney freq(false, birth, 0, &w);
    freq.show();
    freq.grab().save(out + QStringLiteral("/dlgfreq.png"));
    TfrmPickDate picker(Clock::now() - 400, Clock::now() - 12000, &w);
    picker.show();
    picker.grab().save(out + QStringLiteral("/picker.png"));
    describe(&picker, out + QStringLiteral("/picker.txt"));
    // The chart windows and the report, answered from inside their modal loops.
    const char *charts[] = {"graph-hours", "graph-money"};
    for (int i = 0; i < 2; ++i) {
        for (bool bar : {false, true}) {
            QTimer::singleShot(300, &w, [&, i, bar] {
                if (auto *g = qobject_cast<TfrmGraph *>(QApplication::activeModalWidget())) {
                    g->resize(900, 600);
                    if (bar)
                        g->findChild<QRadioButton *>(QStringLiteral("rbBar"))->click();
                    QTest::qWait(300);
                    const QString name = QLatin1String(charts[i]) + (bar ? QStringLiteral("-bar") : QString());
                    g->grab().save(QStringLiteral("%1/%2.png").arg(out, name));
                    describe(g, QStringLiteral("%1/%2.txt").arg(out, name));
                    g->reject();
                }
            });
            w.findChild<QPushButton *>(QLatin1String(i == 0 ? "btGrHour" : "btGrMoney"))->click();
        }
    }
    PrinterChoice::setAnswer([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out + QStringLiteral("/report.pdf"));
        return true;
    });
    w.findChild<QPushButton *>(QStringLiteral("btReport"))->click();

    TfrmPrices prices(PricesChoice(), LocaleSettings::current(), Clock::now(), &w);
    prices.show();
    prices.grab().save(out + QStringLiteral("/prices.png"));
    TfrmWeeks weeks(TfrmWeeks::weeksOf(w.hoursModel(), w.findChild<QLineEdit *>(QStringLiteral("edDOB"))->text(), 80,
                                       &w.moneyModel(), &w.freqModel()),
                    &w);
    weeks.resize(1000, 760);
    weeks.show();
    weeks.grab().save(out + QStringLiteral("/weeks.png"));

    TfrmAbout about(&w);
    about.show();
    // The marquee ticks by hand, so its text stands at the same place in every render.
    if (auto *marquee = about.findChild<TDigMarquee *>(QStringLiteral("DigMarquee1"))) {
        marquee->setInterval(0);
        for (int i = 0; i < 40; ++i)
            marquee->TimerTick();
    }
    about.grab().save(out + QStringLiteral("/about.png"));
    describe(&about, out + QStringLiteral("/about.txt"));
    return 0;
}
