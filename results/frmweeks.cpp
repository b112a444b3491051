#include "results/frmweeks.h"

#include "calc/clock.h"
#include "calc/datetext.h"
#include "results/linewriter.h"
#include "results/outputdevices.h"
#include "results/printerchoice.h"
#include "settings/atomicfile.h"
#include "ui_frmweeks.h"
#include "widgets/guarded.h"
#include "widgets/prompts.h"
#include "widgets/savefilechoice.h"
#include <QAbstractButton>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <functional>
#include <limits>

namespace {
constexpr int kSwatch = 12;
// The smallest and largest side of a week when the window opens.
constexpr int kMinCell = 3;
constexpr int kMaxCell = 14;
// The rows the marks and events show before they scroll.
constexpr int kMostMarkRows = 14;

QIcon swatch(const QColor &colour, const QColor &frame)
{
    QPixmap pixmap(kSwatch, kSwatch);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    return QIcon(pixmap);
}
} // namespace

TfrmWeeks::TfrmWeeks(LifeWeeks weeks, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmWeeks>()), m_model(new WeekModel(std::move(weeks), this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    ui->gridWeeks->setModel(m_model);
    addActivityEntries();
    addMarkEntries();
    QFont big = ui->lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    ui->lblTitle->setFont(big);
    for (const QString &paper : OutputDevices::paperNames())
        ui->cbPaper->addItem(paper);
    setPaper(OutputDevices::regionalPaper());
    connect(ui->cbLook, &QComboBox::currentIndexChanged, this,
            [this](int index) { setLook(index == 1 ? WeekLook::AllHours : WeekLook::MainActivity); });
    setPerson(QString(), QString());
    arrangeLegends();
    connectControls();
}

void TfrmWeeks::addActivityEntries()
{
    const QStringList &names = m_model->weeks().names();
    for (int a = 0; a < names.size(); ++a)
        ui->lstLegend->addItem(
            new QListWidgetItem(swatch(weekColour(a), palette().color(QPalette::WindowText)), names[a]));
}

void TfrmWeeks::addMarkEntries()
{
    // What the marks mean, in the window's own colours.
    const QColor frame = palette().color(QPalette::Mid);
    const auto mark = [this, &frame](const QString &text, const std::function<void(QPainter &, QRect)> &draw) {
        QPixmap pixmap(kSwatch, kSwatch);
        pixmap.fill(palette().color(QPalette::Base));
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, QRect(0, 0, kSwatch, kSwatch));
        painter.end();
        auto *item = new QListWidgetItem(QIcon(pixmap), text);
        item->setFlags(Qt::ItemIsEnabled);
        ui->lstMarks->addItem(item);
    };
    const QColor ink = palette().color(QPalette::Text);
    mark(QCoreApplication::translate("Weeks", "Nothing entered"), [&frame](QPainter &p, QRect r) {
        p.setPen(frame);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
    const QColor base = palette().color(QPalette::Base);
    mark(QCoreApplication::translate("Weeks", "Ahead", "legend: weeks still to come"),
         [&base](QPainter &p, QRect r) { p.fillRect(r, aheadColour(weekColour(0), base)); });
    if (m_model->weeks().currentWeek().isValid())
        mark(QCoreApplication::translate("Weeks", "This week"), [&ink](QPainter &p, QRect r) {
            p.setPen(QPen(ink, 2));
            p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        });
    mark(QCoreApplication::translate("Weeks", "Over its hours", "legend: a week with more hours entered than it has"),
         [&ink, &frame](QPainter &p, QRect r) {
             p.setPen(frame);
             p.drawRect(r.adjusted(0, 0, -1, -1));
             p.setPen(Qt::NoPen);
             p.setBrush(ink);
             p.drawPolygon(QPolygon({QPoint(r.right() - 5, 0), QPoint(r.right() + 1, 0), QPoint(r.right() + 1, 6)}));
         });
    for (const WeekEvent &event : m_model->weeks().events())
        mark(shortDateText(event.day) + QLatin1Char(' ') + event.text(), [&ink](QPainter &p, QRect r) {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(QRectF(r).center(), 3.5, 3.5);
        });
    // Many events scroll, rather than push the grid off the screen; then the list takes the focus too,
    // so that the keyboard reaches every entry.
    const int rows = std::min(ui->lstMarks->count(), kMostMarkRows);
    ui->lstMarks->setFixedHeight(rows * ui->lstMarks->sizeHintForRow(0) + 2 * ui->lstMarks->frameWidth() + 2);
    if (ui->lstMarks->count() > kMostMarkRows) {
        ui->lstMarks->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        ui->lstMarks->setFocusPolicy(Qt::StrongFocus);
    }
}

void TfrmWeeks::arrangeLegends()
{
    // Entries that outrun the legend's height wrap into another column, so that every activity is on
    // the screen, in the saved image and on paper.
    ui->lstLegend->setFlow(QListView::TopToBottom);
    ui->lstLegend->setWrapping(true);
    ui->lstLegend->setResizeMode(QListView::Adjust);
    ui->lstLegend->setUniformItemSizes(true);
    // On the window's background, as a legend beside a picture is.
    for (QListWidget *list : {ui->lstLegend, ui->lstMarks}) {
        list->viewport()->setAutoFillBackground(false);
        list->setAutoFillBackground(false);
    }
    fitLegend(ui->gridWeeks->sizeHint().height());
}

void TfrmWeeks::connectControls()
{
    // Moving along the legend or pressing on an entry would select it; only the one shown alone is.
    connect(ui->lstLegend, &QListWidget::itemSelectionChanged, this, &TfrmWeeks::keepLegendSelection);
    connect(ui->lstLegend, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { legendActivated(index.row()); });
    // Enter and Space are taken as keys, not through `activated`: some styles activate on a single
    // click too, and the click has toggled the entry already.
    ui->lstLegend->installEventFilter(this);
    ui->gridWeeks->setAccessibleName(
        QCoreApplication::translate("Weeks", "Weeks from birth to age %1").arg(m_model->rowCount()));
    connectGuarded(ui->btSaveImage, &QPushButton::clicked, this, &TfrmWeeks::btSaveImageClick);
    connectGuarded(ui->btPrint, &QPushButton::clicked, this, &TfrmWeeks::btPrintClick);
    // Escape rejects the dialog too, the same as Close.
    connect(ui->btClose, &QPushButton::clicked, this, &QDialog::reject);
    ui->gridWeeks->goToToday();
    ui->gridWeeks->setFocus();
}

TfrmWeeks::~TfrmWeeks() = default;

LifeWeeks TfrmWeeks::weeksOf(const ActivityModel &hours, const QString &birthText, int age, const ActivityModel *money,
                             const ActivityModel *frequency)
{
    const DateValue birth = strToDate(birthText);
    const std::optional<LookAhead> ahead = lookAheadOf(birthText, age);
    LifeWeeks weeks(birth, age, Clock::now(), WeekModel::activitiesOf(hours, ahead.value_or(LookAhead{})));
    QVector<WeekEvent> events;
    if (money)
        events += WeekModel::eventsOf(*money, true);
    if (frequency)
        events += WeekModel::eventsOf(*frequency, false);
    weeks.setEvents(events);
    return weeks;
}

void TfrmWeeks::setPerson(const QString &name, const QString &birthText)
{
    const LifeWeeks &weeks = m_model->weeks();
    const QString who = name.trimmed().isEmpty() ? QString() : name.trimmed() + QStringLiteral(", ");
    m_title = birthText.isEmpty() ? QCoreApplication::translate("Weeks", "Life in Weeks")
                                  : QCoreApplication::translate("Weeks", "Life in Weeks \u2014 %1born %2",
                                                                "%1 is a name and a comma, or nothing")
                                        .arg(who, birthText.trimmed());
    m_subtitle = QCoreApplication::translate("Weeks", "Ages 0 to %1, a row a year.").arg(weeks.years() - 1);
    if (!weeks.currentWeek().isValid() && weeks.years() > 0 && !weeks.isAhead(weeks.years() - 1, WeeksPerYear - 1))
        m_subtitle += QLatin1Char(' ') +
                      QCoreApplication::translate("Weeks", "Drawn to age %1, before today.").arg(weeks.years());
    ui->lblTitle->setText(m_title);
    showRule();
}

void TfrmWeeks::showRule()
{
    const int alone = m_model->highlighted();
    ui->lblRule->setText(
        m_subtitle + QLatin1Char(' ') +
        WeekPicture::colourRule(m_model->look(), alone >= 0 ? m_model->weeks().names().value(alone) : QString()));
}

void TfrmWeeks::setLook(WeekLook look)
{
    m_model->setLook(look);
    ui->cbLook->setCurrentIndex(look == WeekLook::AllHours ? 1 : 0);
    showRule();
}

void TfrmWeeks::setPaper(const QPageSize &paper)
{
    const int at = ui->cbPaper->findText(paper.name(), Qt::MatchFixedString);
    ui->cbPaper->setCurrentIndex(std::max(0, at));
    // A size the list has not: the nearest the user knows, A4.
    for (int i = 0; at < 0 && i < ui->cbPaper->count(); ++i) {
        if (OutputDevices::paperNamed(ui->cbPaper->itemText(i)).isEquivalentTo(paper))
            ui->cbPaper->setCurrentIndex(i);
    }
}

WeekPicture TfrmWeeks::paperPicture() const
{
    return WeekPicture(m_model->weeks(), m_model->look(), m_model->highlighted(), m_model->highlightedPeak(), m_title,
                       m_subtitle);
}

QSize TfrmWeeks::imageSize(const QPageSize &paper) const
{
    // From millimetres, which every paper offered is defined in or rounds from: A4 is 2480 × 3508.
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    const QSize portrait(qRound(mm.width() * 300 / 25.4), qRound(mm.height() * 300 / 25.4));
    const QSize landscape = portrait.transposed();
    const WeekPicture picture = paperPicture();
    return picture.scaleFor(landscape) > picture.scaleFor(portrait) ? landscape : portrait;
}

void TfrmWeeks::showModal(QWidget *parent, LifeWeeks weeks, const QString &name, const QString &birthText)
{
    TfrmWeeks window(std::move(weeks), parent);
    window.setPerson(name, birthText);
    const QScreen *screen = parent ? parent->screen() : nullptr;
    if (screen)
        window.fitTo(screen->availableGeometry().size());
    window.exec();
}

void TfrmWeeks::openFrom(QAbstractButton *button, const ActivityModel &hours, const ActivityModel &money,
                         const ActivityModel &frequency, const QLineEdit *name, const QLineEdit *birth,
                         const QSpinBox *age)
{
    connect(button, &QAbstractButton::clicked, button, [button, &hours, &money, &frequency, name, birth, age] {
        QWidget *owner = button->window();
        guarded(owner, [&] {
            const int years = age ? age->value() : DefaultLookAheadAge;
            showModal(owner, weeksOf(hours, birth->text(), years, &money, &frequency), name ? name->text() : QString(),
                      birth->text());
        });
    });
}

QWidget *TfrmWeeks::picture() const
{
    return ui->pnlPicture;
}

void TfrmWeeks::fitTo(const QSize &available)
{
    // The layouts of a window not yet shown keep their sizes until told.
    const auto sizeWithCell = [this](int cell) {
        ui->gridWeeks->setCellSize(cell);
        fitLegend(ui->gridWeeks->sizeHint().height());
        ui->pnlPicture->updateGeometry();
        // Nested layouts keep their sizes until each is told.
        for (QLayout *nested : findChildren<QLayout *>())
            nested->invalidate();
        layout()->invalidate();
        return layout()->sizeHint();
    };
    // The largest weeks with which the window takes at most nine tenths of the screen; else the
    // weeks with which it overflows least. Smaller weeks are no fallback: they make the legend
    // wrap into more columns, so the window grows wider.
    const QSize room = available * 9 / 10;
    const auto overflow = [&room](const QSize &size) {
        return std::max(0, size.width() - room.width()) + std::max(0, size.height() - room.height());
    };
    int bestCell = kMaxCell;
    int least = std::numeric_limits<int>::max();
    for (int cell = kMaxCell; cell >= kMinCell && least > 0; --cell) {
        const int over = overflow(sizeWithCell(cell));
        if (over < least) {
            least = over;
            bestCell = cell;
        }
    }
    resize(sizeWithCell(bestCell));
}

void TfrmWeeks::fitLegend(int height)
{
    QListWidget *legend = ui->lstLegend;
    // Measured in the font and style the legend is shown in.
    legend->ensurePolished();
    const int frame = 2 * legend->frameWidth();
    const int count = legend->count();
    if (count == 0) {
        legend->setFixedWidth(frame + 8);
        return;
    }
    const QSize entry(legend->sizeHintForColumn(0) + 8, legend->sizeHintForRow(0));
    const int perColumn = std::max(1, (height - frame) / std::max(1, entry.height()));
    const int columns = (count + perColumn - 1) / perColumn;
    legend->setGridSize(entry);
    // The marks below are as wide as the legend, or the legend as they.
    const int marks =
        ui->lstMarks->sizeHintForColumn(0) + 2 * ui->lstMarks->frameWidth() + 8 +
        (ui->lstMarks->count() > kMostMarkRows ? ui->lstMarks->verticalScrollBar()->sizeHint().width() : 0);
    const int width = std::max(columns * entry.width() + frame, marks);
    // Set only on a change: setting it resizes the legend, which calls this again.
    if (legend->minimumWidth() != width || legend->maximumWidth() != width) {
        legend->setFixedWidth(width);
        ui->lstMarks->setFixedWidth(width);
    }
}

bool TfrmWeeks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lstLegend && event->type() == QEvent::Resize)
        fitLegend(ui->lstLegend->height());
    if (watched == ui->lstLegend && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int row = ui->lstLegend->currentRow();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && row >= 0) {
            legendActivated(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmWeeks::legendActivated(int row)
{
    const int shown = m_model->highlighted() == row ? -1 : row;
    m_model->setHighlighted(shown);
    // The entry shown alone is the legend's one selected entry, which screen readers report.
    for (int i = 0; i < ui->lstLegend->count(); ++i) {
        QListWidgetItem *item = ui->lstLegend->item(i);
        QFont font = item->font();
        font.setBold(i == shown);
        item->setFont(font);
    }
    keepLegendSelection();
    showRule();
}

void TfrmWeeks::keepLegendSelection()
{
    const QSignalBlocker quiet(ui->lstLegend);
    for (int i = 0; i < ui->lstLegend->count(); ++i)
        ui->lstLegend->item(i)->setSelected(i == m_model->highlighted());
}

void TfrmWeeks::saveImage(const QString &path) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QPageSize paper = OutputDevices::paperNamed(ui->cbPaper->currentText());
    const WeekPicture picture = paperPicture();
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        // In points, the paper's own measure.
        QSize size = paper.sizePoints();
        if (picture.scaleFor(size.transposed()) > picture.scaleFor(size))
            size.transpose();
        const std::unique_ptr<QPaintDevice> svg = OutputDevices::newSvg(&buffer, size, QRect(QPoint(), size), m_title);
        QPainter painter(svg.get());
        picture.paint(painter, QRectF(QPointF(), size));
    } else {
        QImage image(imageSize(paper), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(300 / 0.0254));
        image.setDotsPerMeterY(qRound(300 / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.paint(painter, image.rect());
        painter.end();
        image.save(&buffer, "PNG");
    }
    // Written whole or not at all, as the settings file is.
    writeFileAtomically(path, buffer.data());
}

bool TfrmWeeks::printOn(QPagedPaintDevice &printer) const
{
    // Turned for this page only: afterwards the printer is as the user chose it.
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    const auto restore = qScopeGuard([&printer, chosen] { printer.setPageOrientation(chosen); });
    const WeekPicture picture = paperPicture();
    const QSizeF portrait = printer.pageLayout().pageSize().size(QPageSize::Point);
    printer.setPageOrientation(picture.scaleFor(portrait.transposed()) > picture.scaleFor(portrait)
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError("The printer could not start the print job");
    picture.paint(painter, painter.viewport());
    // Ending the job is what sends the page.
    return painter.end();
}

void TfrmWeeks::btSaveImageClick()
{
    const QString path = SaveFileChoice::ask(
        this, QCoreApplication::translate("Weeks", "Save image"), QStringLiteral("lifetally-weeks.png"),
        QCoreApplication::translate("Weeks", "PNG image, 300 dpi (*.png);;SVG image (*.svg)"));
    if (!path.isEmpty())
        saveImage(path);
}

void TfrmWeeks::btPrintClick()
{
    if (!m_printer)
        m_printer = OutputDevices::newPrinter();
    if (!PrinterChoice::ask(*m_printer, this))
        return;
    if (!printOn(*m_printer))
        Prompts::showPrintError(this);
}
