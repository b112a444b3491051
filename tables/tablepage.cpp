#include "tables/tablepage.h"

#include "calc/explain.h"
#include "calc/localesettings.h"
#include "calc/overlap.h"
#include "calc/tablerow.h"
#include "settings/atomicfile.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/celldelegate.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "tables/tablechange.h"
#include "tables/tablecolumns.h"
#include "tables/tableexport.h"
#include "tables/tablesort.h"
#include "widgets/fonts.h"
#include "widgets/guarded.h"
#include "widgets/prompts.h"
#include "widgets/savefilechoice.h"
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

TTablePage::TTablePage(QWidget *parent) : TPage(parent) {}

TTablePage::~TTablePage() = default;

TableKind TTablePage::kind() const
{
    return m_model->kind();
}

void TTablePage::setUp(ActivityModel *model, QTableView *grid, QUndoStack *undo, QMenu *sortMenu,
                       std::function<Biography()> biography)
{
    m_model = model;
    m_grid = grid;
    m_undo = undo;
    m_sortMenu = sortMenu;
    m_biography = std::move(biography);
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setFont(sansFont(11));

    // A shown title row measures its titles whenever the model, a column or a font changes, which
    // a table on a page not yet seen need not do: the row appears when its page is first shown.
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setModel(model);
    grid->setItemDelegate(new ActivityCellDelegate(grid));
    // The cells draw the grid lines, in whole device pixels.
    grid->setShowGrid(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowsToScale();
    QHeaderView *header = grid->horizontalHeader();
    header->setFixedHeight(21);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(10);
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        grid->setColumnWidth(col, ColumnPixels[static_cast<std::size_t>(col)]);
    // Shift and Ctrl pick several rows, Ctrl+A all of them, for Ctrl+C.
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->installEventFilter(this);
    grid->setCurrentIndex(model->index(0, 0));
    connectGuarded(grid, &QTableView::doubleClicked, this, &TTablePage::editRow);

    // Ctrl+C in the table, as tab-separated text that spreadsheets paste into cells.
    auto *copyRows = new QAction(tr("Copy", "copy the chosen rows"), this);
    copyRows->setObjectName(QStringLiteral("CopyRows1"));
    copyRows->setShortcut(QKeySequence::Copy);
    copyRows->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(copyRows);
    connect(copyRows, &QAction::triggered, this, &TTablePage::copyRows);
}

QAction *TTablePage::addCopyAction(QMenu *menu)
{
    // The menu's item shows the key; the table's own Copy action does the work of the key.
    auto *copy = menu->addAction(tr("Copy", "copy the chosen rows"));
    copy->setObjectName(QStringLiteral("CopyRows2"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    return copy;
}

QAction *TTablePage::addExportAction(QMenu *menu)
{
    // The table out to a spreadsheet, from anywhere on a table's page.
    auto *exportCsv = menu->addAction(tr("Export as CSV…"));
    exportCsv->setObjectName(QStringLiteral("ExportCsv1"));
    exportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportCsv->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return exportCsv;
}

std::unique_ptr<TActivityDialog> TTablePage::makeDialog() const
{
    const Biography bio = m_biography();
    if (kind() == TableKind::Hours)
        return std::make_unique<TfrmTime>(bio.birthText, bio.birthDate, window());
    return std::make_unique<TfrmMoney>(kind() == TableKind::Money, bio.birthText, bio.birthDate, window());
}

void TTablePage::computeRowTotal(int row)
{
    const Biography bio = m_biography();
    if (kind() == TableKind::Hours)
        computeHourTotal(*m_model, row, bio.hoursAlive);
    else
        computeMoneyTotal(*m_model, row, bio.income);
}

int TTablePage::selectedRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

template <typename Change> void TTablePage::changeTable(const QString &what, Change &&change)
{
    // Recorded even when the change ends in a failed conversion: what it wrote stays, and so can
    // be undone.
    struct Record {
        TTablePage *page;
        const QString &what;
        const QVector<QStringList> before;
        ~Record()
        {
            if (page->m_model->table() != before)
                page->m_undo->push(
                    new TableChange(*page->m_model, before, what, [p = page] { emit p->revealRequested(); }));
        }
    } record{this, what, m_model->table()};
    change();
}

void TTablePage::checkRow(int row)
{
    QStringList warnings;
    if (kind() == TableKind::Hours) {
        if (const std::optional<Overload> overload = hoursOverlap(*m_model))
            warnings << overloadMessage(*overload);
    }
    if (countsTimeNotYetLived(m_model->cell(row, Column::Start), m_model->cell(row, Column::End)))
        warnings << tr("%1 ends after today, so its total counts time not yet lived.", "an activity")
                        .arg(m_model->cell(row, Column::Activity));
    if (warnings.isEmpty() || Prompts::keepOrChange(window(), warnings.join(QStringLiteral("\n\n"))))
        return;
    m_grid->setCurrentIndex(m_model->index(row - 1, 0));
    editRow();
}

void TTablePage::addRow()
{
    const int row = m_model->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(window(), tr("Maximum number of rows reached"));
        return;
    }
    const std::unique_ptr<TActivityDialog> dlg = makeDialog();
    dlg->setRow({QString(), QString(), QStringLiteral("Day"), m_biography().birthText, NowText});
    if (dlg->exec() != QDialog::Accepted)
        return;
    changeTable(tr("Add", "undo: adding a row"), [&] {
        m_model->setRowTexts(row, dlg->row() << QString());
        computeRowTotal(row);
    });
    // The new row is the one the keyboard acts on next.
    m_grid->setCurrentIndex(m_model->index(row - 1, 0));
    m_grid->setFocus();
    checkRow(row);
}

void TTablePage::editRow()
{
    const int row = selectedRow();
    if (m_model->isBlank(row)) {
        Prompts::showError(window(), tr("Nothing to edit"));
        return;
    }
    std::unique_ptr<TActivityDialog> dlg = makeDialog();
    dlg->setRow(m_model->rowTexts(row).mid(0, Column::Total));
    const bool accepted = dlg->exec() == QDialog::Accepted;
    const QStringList cells = dlg->row() << m_model->cell(row, Column::Total);
    dlg.reset();
    changeTable(tr("Edit", "undo: editing a row"), [&] {
        if (accepted)
            m_model->setRowTexts(row, cells);
        computeRowTotal(row);
    });
    if (accepted)
        checkRow(row);
}

void TTablePage::deleteRow()
{
    const int row = selectedRow();
    if (m_model->isBlank(row)) {
        Prompts::showError(window(), tr("Nothing to delete"));
        return;
    }
    if (!Prompts::confirm(window(), tr("Confirm", "title of a question"),
                          tr("Really delete %1?", "an activity").arg(m_model->cell(row, Column::Activity))))
        return;
    changeTable(tr("Delete", "undo: deleting a row"), [&] { m_model->deleteRowMove(row); });
    const QModelIndex current = m_grid->currentIndex();
    m_grid->setCurrentIndex(m_model->index(row - 1, current.isValid() ? current.column() : 0));
}

void TTablePage::sortBy(ActivitySort order)
{
    changeTable(tr("Sort", "undo: sorting the rows"), [&] { sortActivityTable(*m_model, order); });
}

void TTablePage::fitRowsToScale()
{
    const int pixels = rowPixels(m_grid->devicePixelRatioF());
    // The minimum first: without one, the header measures its font to find it.
    m_grid->verticalHeader()->setMinimumSectionSize(pixels);
    m_grid->verticalHeader()->setDefaultSectionSize(pixels);
}

void TTablePage::copyRows()
{
    QVector<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedRows())
        rows.append(index.row() + 1);
    // Plain numbers with the region's decimal point, so a spreadsheet pastes them as numbers.
    const tableexport::CsvStyle style = tableexport::CsvStyle::regional(LocaleSettings::current());
    auto *data = new QMimeData;
    data->setText(tableexport::tabSeparated(*m_model, rows, style));
    data->setHtml(tableexport::htmlTable(*m_model, rows, style));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TTablePage::exportCsv()
{
    const QString path = SaveFileChoice::ask(window(), tr("Export as CSV", "title of the file chooser"),
                                             tableexport::suggestedFileName(kind()), tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        writeFileAtomically(path,
                            tableexport::csv(*m_model, tableexport::CsvStyle::regional(LocaleSettings::current())));
}

void TTablePage::openSortMenu()
{
    const QRect g = m_grid->geometry();
    openSortMenu(window()->mapToGlobal(QPoint(g.left() + g.width() - 300, g.top() + g.height() - 100)));
}

void TTablePage::openSortMenuAtCell()
{
    // At the current cell, where the user's eyes are; the Sort button's place when there is none.
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid())
        openSortMenu(m_grid->viewport()->mapToGlobal(m_grid->visualRect(current).center()));
    else
        openSortMenu();
}

void TTablePage::openSortMenu(const QPoint &globalPos)
{
    m_sortMenu->popup(globalPos);
}

bool TTablePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_grid)
        return TPage::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        // The scale of the screen it is shown on, which may differ from the first one's.
        fitRowsToScale();
        if (m_grid->horizontalHeader()->isHidden()) {
            // The table's face too, which the hidden title row and rows had no use for.
            m_grid->setFont(serifFont(13));
            m_grid->horizontalHeader()->setFont(serifFont(13));
            m_grid->horizontalHeader()->show();
        }
        break;
    case QEvent::ContextMenu: {
        // The grid's hint promises a sort menu on a right click; the menu key opens it too.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard)
            openSortMenuAtCell();
        else
            openSortMenu(menuEvent->globalPos());
        return true;
    }
    case QEvent::KeyPress:
        // Keyboard users edit with Enter, add with Insert and delete with Delete, as with the buttons.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            guarded(window(), [this] { editRow(); });
            return true;
        case Qt::Key_Insert:
            guarded(window(), [this] { addRow(); });
            return true;
        case Qt::Key_Delete:
            deleteRow();
            return true;
        case Qt::Key_Menu:
            openSortMenuAtCell();
            return true;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return TPage::eventFilter(watched, event);
}
