// Every text of every page and dialog fits its control in German, in French and in a
// pseudo-translation 40 % longer than English, so a new language never clips a caption.
#include "about/frmabout.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "calc/localesettings.h"
#include "calc/periodtext.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"
#include "guisupport.h"
#include "results/frmgraph.h"
#include "results/frmprices.h"
#include "results/frmweeks.h"
#include "tables/celldelegate.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOption>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace testsupport;

namespace {

// Every line of every text 40 % longer, in the text's own letters so the width grows as much.
class PseudoTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        Q_UNUSED(context)
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty())
            return QString();
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString &line : lines) {
            QString letters = line;
            letters.remove(QLatin1Char('&')).remove(QLatin1Char('%'));
            const qsizetype extra = (letters.size() * 2 + 4) / 5;
            for (qsizetype i = 0; i < extra && !letters.isEmpty(); ++i)
                line += letters.at(i % letters.size());
        }
        return lines.join(QLatin1Char('\n'));
    }
    bool isEmpty() const override { return false; }
};

QString shownText(QString text)
{
    // "&&" shows one ampersand, a single one marks the access key and takes no room.
    text.replace(QLatin1String("&&"), QChar(0x1));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(0x1), QLatin1Char('&'));
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a button gives its caption, from the style, beside the indicator or icon.
int captionRoom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle *style = button->style();
    if (qobject_cast<QCheckBox *>(button))
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width();
    if (qobject_cast<QRadioButton *>(button))
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
    int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

// What does not fit in `window` as it stands: "objectName: text (needs x, has y)".
QStringList misfits(QWidget *window)
{
    QStringList found;
    auto report = [&found](QWidget *w, const QString &text, int needs, int has) {
        found << QStringLiteral("%1 %2: \"%3\" needs %4, has %5")
                     .arg(QString::fromLatin1(w->window()->metaObject()->className()), w->objectName(), text.left(40),
                          QString::number(needs), QString::number(has));
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
                continue;
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                const int needs = label->heightForWidth(label->width());
                if (needs > label->height())
                    report(label, text, needs, label->height());
            } else {
                const int needs = widestLine(label->fontMetrics(), shownText(text)) + 2 * label->margin();
                if (needs > room.width())
                    report(label, text, needs, room.width());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            const QString text = shownText(button->text());
            if (text.isEmpty())
                continue;
            if (auto *tool = qobject_cast<QToolButton *>(button)) {
                if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
                    continue;
                if (tool->sizeHint().width() > tool->width())
                    report(tool, text, tool->sizeHint().width(), tool->width());
                continue;
            }
            const int needs = widestLine(button->fontMetrics(), text);
            const int has = captionRoom(button);
            if (needs > has)
                report(button, text, needs, has);
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const int has = combo->style()
                                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                .width();
            for (int i = 0; i < combo->count(); ++i) {
                const int needs = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
                if (needs > has)
                    report(combo, combo->itemText(i), needs, has);
            }
        }
    }
    return found;
}

// The column titles of a table, and the words of the settings file as its cells show them, in the
// fixed widths of the columns. A table's widths are its design, so a language keeps these words short.
QStringList tableMisfits(QTableView *table)
{
    QStringList found;
    const QHeaderView *header = table->horizontalHeader();
    const int margin = table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QStringList durations{QStringLiteral("1 Hr 1 Min"), QStringLiteral("12 Hrs 30 Mins")};
    const QMap<int, QStringList> fileWords{{Column::Amount, durations},
                                           {Column::Per,
                                            {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"),
                                             QStringLiteral("Year"), QStringLiteral("Once")}},
                                           {Column::End, {QString(NowText)}}};
    for (int col = 0; col < table->model()->columnCount(); ++col) {
        const QString title = table->model()->headerData(col, Qt::Horizontal).toString();
        const int needs = header->fontMetrics().horizontalAdvance(title) + 2 * margin;
        if (needs > header->sectionSize(col))
            found << QStringLiteral("%1 column %2: \"%3\" needs %4, has %5")
                         .arg(table->objectName())
                         .arg(col)
                         .arg(title)
                         .arg(needs)
                         .arg(header->sectionSize(col));
        for (const QString &word : fileWords.value(col)) {
            const QString shown = shownCellText(col, word);
            if (ActivityCellDelegate::shownText(table->fontMetrics(), shown, table->columnWidth(col) - 1,
                                                Qt::AlignLeft) != shown)
                found << QStringLiteral("%1 column %2: \"%3\" is cut").arg(table->objectName()).arg(col).arg(shown);
        }
    }
    return found;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;
    PseudoTranslator m_pseudo;

    QStringList everyWindowsMisfits(bool withTables)
    {
        QStringList found;
        TfrmMain main;
        main.show();
        auto *stack = main.findChild<QStackedWidget *>(QStringLiteral("Notebook1"));
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            found << misfits(&main);
        }
        // Made-up words longer than English cannot all fit a table's fixed columns; real ones must.
        if (withTables)
            for (QTableView *table : main.findChildren<QTableView *>(QRegularExpression(QStringLiteral("^grid"))))
                found << tableMisfits(table);
        found.removeDuplicates();

        TfrmTime time(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15), &main);
        time.show();
        found << misfits(&time);
        for (bool money : {true, false}) {
            TfrmMoney dialog(money, QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15), &main);
            dialog.setRow({QString(), QString(), QStringLiteral("Once"), QString(), QStringLiteral("1/1/2000")});
            dialog.show();
            found << misfits(&dialog);
        }
        TfrmPickDate picker(ymdValue(2000, 1, 1), ymdValue(1990, 3, 15), &main);
        picker.show();
        found << misfits(&picker);
        TfrmAbout about(&main);
        about.show();
        found << misfits(&about);
        TfrmGraph graph(&main);
        graph.setPoints({{3, QStringLiteral("Sleep"), 0xff}, {1, QStringLiteral("Work"), 0xff00}});
        graph.setLookAhead(80, QStringLiteral("By 80"), {{4, QStringLiteral("Sleep"), 0xff}});
        graph.show();
        found << misfits(&graph);
        TfrmPrices prices(PricesChoice(), LocaleSettings::current(), ymdValue(2025, 6, 10), &main);
        prices.show();
        found << misfits(&prices);
        TfrmWeeks weeks(LifeWeeks(ymdValue(1990, 3, 15), 80, ymdValue(2025, 6, 10), {}), &main);
        weeks.show();
        found << misfits(&weeks);
        found.removeDuplicates();
        return found;
    }

private slots:
    void init()
    {
        m_scope = std::make_unique<WindowTestScope>();
        m_scope->writeSettings("[DOB]\nDate=3/15/1990\n[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\n"
                               "Start=3/15/1990\nEnd=Now\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$800.00\n"
                               "Per=Month\nStart=1/1/2010\nEnd=Now\n");
    }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_pseudo);
        installTranslations({});
        m_scope.reset();
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
        QTest::newRow("40 % longer") << QStringLiteral("pseudo");
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        if (language == QLatin1String("pseudo"))
            QCoreApplication::installTranslator(&m_pseudo);
        else
            QCOMPARE(installTranslations({language}), language);
        const QStringList found = everyWindowsMisfits(language != QLatin1String("pseudo"));
        for (const QString &misfit : found)
            qWarning("%s", qPrintable(misfit));
        QVERIFY2(found.isEmpty(), qPrintable(QLatin1Char('\n') + found.join(QLatin1Char('\n'))));
    }

    // The check itself: a caption made too long for its button is found.
    void aTooLongCaptionIsFound()
    {
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("Graph results of frequency"), &window);
        button->setObjectName(QStringLiteral("narrow"));
        button->setGeometry(0, 0, 60, 25);
        auto *label = new QLabel(QStringLiteral("Estimate your lifetime income up to now:"), &window);
        label->setGeometry(0, 30, 300, 20);
        window.show();
        QCOMPARE(misfits(&window).size(), 1);
        QVERIFY(misfits(&window).first().contains(QLatin1String("narrow")));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
