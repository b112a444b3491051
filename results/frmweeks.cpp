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
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>

namespace {
constexpr int kSwatch = 12;
// The smallest and largest side of a week when the window opens.
constexpr int kMinCell = 3;
constexpr int kMaxCell = 14;

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
    const QStringList &names = m_model->weeks().names();
    for (int a = 0; a < names.size(); ++a)
        ui->lstLegend->addItem(
            new QListWidgetItem(swatch(weekColour(a), palette().color(QPalette::WindowText)), names[a]));
    // Entries that outrun the legend's height wrap into another column, so that every activity is on
    // the screen, in the saved image and on paper.
    ui->lstLegend->setFlow(QListView::TopToBottom);
    ui->lstLegend->setWrapping(true);
    ui->lstLegend->setResizeMode(QListView::Adjust);
    ui->lstLegend->setUniformItemSizes(true);
    fitLegend(ui->gridWeeks->sizeHint().height());

    connect(ui->lstLegend, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { legendActivated(index.row()); });
    // Enter and Space are taken as keys, not through `activated`: some styles activate on a single
    // click too, and the click has toggled the entry already.
    ui->lstLegend->installEventFilter(this);
    ui->gridWeeks->setAccessibleName(QStringLiteral("Weeks from birth to age %1").arg(m_model->rowCount()));
    connectGuarded(ui->btSaveImage, &QPushButton::clicked, this, &TfrmWeeks::btSaveImageClick);
    connectGuarded(ui->btPrint, &QPushButton::clicked, this, &TfrmWeeks::btPrintClick);
    // Escape rejects the dialog too, the same as Close.
    connect(ui->btClose, &QPushButton::clicked, this, &QDialog::reject);
    ui->gridWeeks->goToToday();
    ui->gridWeeks->setFocus();
}

TfrmWeeks::~TfrmWeeks() = default;

LifeWeeks TfrmWeeks::weeksOf(const ActivityModel &hours, const QString &birthText, int age)
{
    const DateValue birth = strToDate(birthText);
    const std::optional<LookAhead> ahead = lookAheadOf(birthText, age);
    return LifeWeeks(birth, age, Clock::now(), WeekModel::activitiesOf(hours, ahead.value_or(LookAhead{})));
}

void TfrmWeeks::showModal(QWidget *parent, const ActivityModel &hours, const QString &birthText, int age)
{
    TfrmWeeks window(weeksOf(hours, birthText, age), parent);
    const QScreen *screen = parent ? parent->screen() : nullptr;
    if (screen)
        window.fitTo(screen->availableGeometry().size());
    window.exec();
}

void TfrmWeeks::openFrom(QAbstractButton *button, const ActivityModel &hours, const QLineEdit *birth,
                         const QSpinBox *age)
{
    connect(button, &QAbstractButton::clicked, button, [button, &hours, birth, age] {
        QWidget *owner = button->window();
        guarded(owner, [&] { showModal(owner, hours, birth->text(), age ? age->value() : DefaultLookAheadAge); });
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
        ui->pnlPicture->layout()->invalidate();
        layout()->invalidate();
        return layout()->sizeHint();
    };
    // The largest weeks with which the window takes at most nine tenths of the screen.
    const QSize room = available * 9 / 10;
    QSize size;
    for (int cell = kMaxCell; cell >= kMinCell; --cell) {
        size = sizeWithCell(cell);
        if (size.width() <= room.width() && size.height() <= room.height())
            break;
    }
    resize(size);
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
    const int width = columns * entry.width() + frame;
    // Set only on a change: setting it resizes the legend, which calls this again.
    if (legend->minimumWidth() != width || legend->maximumWidth() != width)
        legend->setFixedWidth(width);
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
    for (int i = 0; i < ui->lstLegend->count(); ++i) {
        QListWidgetItem *item = ui->lstLegend->item(i);
        QFont font = item->font();
        font.setBold(i == shown);
        item->setFont(font);
    }
}

void TfrmWeeks::saveImage(const QString &path) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QWidget *source = picture();
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        const std::unique_ptr<QPaintDevice> svg =
            OutputDevices::newSvg(&buffer, source->size(), source->rect(), windowTitle());
        QPainter painter(svg.get());
        source->render(&painter);
    } else {
        // As sharp as on the screen: the window's size at its device pixel ratio.
        source->grab().save(&buffer, "PNG");
    }
    // Written whole or not at all, as the settings file is.
    writeFileAtomically(path, buffer.data());
}

bool TfrmWeeks::printOn(QPagedPaintDevice &printer) const
{
    // Landscape for this page only: afterwards the printer is as the user chose it.
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    const auto restore = qScopeGuard([&printer, chosen] { printer.setPageOrientation(chosen); });
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError("The printer could not start the print job");
    // As large as the printable area allows, less 5 % all round, in the middle.
    const QRectF page = painter.viewport();
    const QSize size = picture()->size();
    const double scale = 0.9 * std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    picture()->render(&painter);
    // Ending the job is what sends the page.
    return painter.end();
}

void TfrmWeeks::btSaveImageClick()
{
    const QString path = SaveFileChoice::ask(this, QStringLiteral("Save image"), QStringLiteral("lifetally-weeks.png"),
                                             QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
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
