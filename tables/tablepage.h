#pragma once

#include "calc/datevalue.h"
#include "calc/tablekind.h"
#include "tables/tablesort.h"
#include "widgets/pagestack.h"
#include <functional>
#include <memory>

class ActivityModel;
class QAction;
class QMenu;
class QTableView;
class QUndoStack;
class TActivityDialog;

// One page of activities: its table, and what its Add, Edit, Delete and Sort buttons, its keys
// and its menu do to it. The hours, money and frequency pages are this class, made three times
// from the main window's layout file.
class TTablePage : public TPage
{
    Q_OBJECT
public:
    // What a row's dialog and total need from the biography, read when they are needed.
    struct Biography {
        QString birthText;
        DateValue birthDate = 0;
        double hoursAlive = 0;
        qint64 income = 0;
    };

    explicit TTablePage(QWidget *parent = nullptr);
    ~TTablePage() override;

    // Wires the page once its controls are made. The sort menu is the window's, shared by the
    // three pages; changes are recorded on `undo`.
    void setUp(ActivityModel *model, QTableView *grid, QUndoStack *undo, QMenu *sortMenu,
               std::function<Biography()> biography);

    // "Copy", its key shown, added to the sort menu.
    static QAction *addCopyAction(QMenu *menu);
    // "Export as CSV…" with Ctrl+E, added to the sort menu; each page adds it for its shortcut.
    static QAction *addExportAction(QMenu *menu);

    TableKind kind() const;
    ActivityModel &model() const { return *m_model; }
    QTableView *grid() const { return m_grid; }

    // Each throws ConversionError when a row's texts do not convert; whatever was written stays.
    void addRow();
    void editRow();
    void deleteRow();
    void sortBy(ActivitySort order);
    // The selected rows to the clipboard, or the whole table when none is selected.
    void copyRows();
    // Throws FileWriteError.
    void exportCsv();
    // Near the Sort button; at the current cell (from the keyboard); at a point.
    void openSortMenu();
    void openSortMenuAtCell();
    void openSortMenu(const QPoint &globalPos);

signals:
    // An undo or redo changed this page's table, which should be in view.
    void revealRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<TActivityDialog> makeDialog() const;
    void computeRowTotal(int row);
    int selectedRow() const;
    // Rows of equal height in whole device pixels at the grid's scale.
    void fitRowsToScale();
    // After an add or edit: warns about what the row makes impossible, and reopens it on Change it.
    void checkRow(int row);
    // Runs a change of the table and records it for undo when it changed any cell.
    template <typename Change> void changeTable(const QString &what, Change &&change);

    ActivityModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QUndoStack *m_undo = nullptr;
    QMenu *m_sortMenu = nullptr;
    std::function<Biography()> m_biography;
};
