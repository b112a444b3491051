#pragma once

#include "calc/datevalue.h"
#include "settings/settingskeeper.h"
#include "tables/tablepage.h"
#include "tables/tablesort.h"
#include <QSet>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class ActivityModel;
class LookAheadPanel;
class QMenu;
class QPrinter;
class QSessionManager;
class QTableView;
class QTimer;
class QUndoStack;
class ReportPrinter;

namespace Ui {
class TfrmMain;
}

// The wizard window: introduction, biography, the three activity tables and the results. It
// conducts: navigation, the biography, keeping the entries and the results page; each table page
// does the work on its own table.
class TfrmMain : public QWidget
{
    Q_OBJECT
public:
    // The wizard's pages, in order.
    enum Page { Intro = 0, Bio = 1, Hours = 2, Dollars = 3, Items = 4, Graphs = 5 };

    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    DateValue birthDate() const { return m_birthDate; }
    double hoursAlive() const { return m_hoursAlive; }
    ActivityModel &hoursModel() const { return *m_hours; }
    ActivityModel &moneyModel() const { return *m_money; }
    ActivityModel &freqModel() const { return *m_freq; }
    int currentPage() const;
    QMenu *sortMenu() const { return PopupMenu1; }
    const std::array<quint32, 50> &colors() const { return aColors; }

    // Start-up, before the window first shows.
    void FormShow();
    void adjustColWidths();
    void initGrids();
    void readSettings();
    // Writes the settings file; throws IniWriteError ("Unable to write to <path>").
    void writeSettings();
    // Hooks for every later write of the settings file (tests fail its steps with them).
    void setSaveHooks(AtomicWriteHooks hooks) { m_keeper.setWriteHooks(std::move(hooks)); }
    // Writes the settings file, first asking before it replaces a file that someone else changed
    // since it was read, or creates again one deleted or moved away (when `interactive`;
    // otherwise the changed file is kept as the backup). False when the user chose not to save.
    // Throws IniWriteError.
    bool saveEntries(bool interactive);
    // For a signal to end the program: saves without any question or box, and keeps nothing
    // more in the recovery file afterwards. When the file cannot be written, the entries go to the
    // recovery file, and what happened to standard error. True when the entries are kept in
    // either file.
    bool saveWithoutQuestions();
    // Whether anything differs from what the settings file holds: a biography field, or a cell
    // of any table that the file keeps (an add, edit, delete or sort).
    bool isModified() const { return entries() != m_saved; }
    // Asks "Save changes before closing?" when something is unsaved (saves without asking when
    // `interactive` is false, as a desktop log-out that allows no questions needs); true when
    // closing may go on. Entries the user chose not to save are not asked about again. A failed
    // save is shown and keeps the window open.
    bool maySaveBeforeClosing(bool interactive);
    // The session's table changes, for undo and redo.
    QUndoStack &undoStack() const { return *m_undo; }
    void ShowBirthDate();
    bool checkBioPage() const;
    void computeTotals();
    void initAColors(bool random, quint32 colour);
    void graphit(bool hours, bool money, bool frequency);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
#ifndef QT_NO_SESSIONMANAGER
    // A desktop log-out: asks when it may, saves without asking when it may not.
    void commitData(QSessionManager &manager);
#endif
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btNextClick();
    void btPrevClick();
    void btCloseClick();
    void btAboutClick();
    void SpeedButton1Click();
    // The table pages' buttons and the sort menu, each handed to its page.
    void btAdd1Click() { AddButton(m_pages[0]->grid(), false); }
    void btEdit1Click() { editButton(m_pages[0]->grid(), false); }
    void btDel1Click() { DeleteGrid(m_pages[0]->grid()); }
    void btAdd2Click() { AddButton(m_pages[1]->grid(), true); }
    void btEdit2Click() { editButton(m_pages[1]->grid(), true); }
    void btDel2Click() { DeleteGrid(m_pages[1]->grid()); }
    void btAdd3Click() { AddButton(m_pages[2]->grid(), false); }
    void btEdit3Click() { editButton(m_pages[2]->grid(), false); }
    void btDel3Click() { DeleteGrid(m_pages[2]->grid()); }
    void btSort1Click();
    void ActivitySortClick() { sortCurrentPage(ActivitySort::ByActivity); }
    void StartDate1Click() { sortCurrentPage(ActivitySort::ByStartDate); }
    void Total1Click() { sortCurrentPage(ActivitySort::ByTotal); }
    void btReportClick();
    void btGrHourClick() { showChart(true, false, false); }
    void btGrMoneyClick() { showChart(false, true, false); }
    void btGrFreqClick() { showChart(false, false, true); }
    void saveClick() { saveEntries(true); }
    void copyClick();
    void todayPricesToggled();
    void btPricesClick();
    void ExportCsv1Click();

private:
    TTablePage *tablePage(const QTableView *grid) const;
    TTablePage *currentTablePage() const;
    void sortCurrentPage(ActivitySort order);
    // A chart in new random colours, the reddest first.
    void showChart(bool hours, bool money, bool frequency)
    {
        initAColors(true, 0xFF0000);
        graphit(hours, money, frequency);
    }
    void AddButton(QTableView *grid, bool /*isMoney*/) { tablePage(grid)->addRow(); }
    void editButton(QTableView *grid, bool /*isMoney*/) { tablePage(grid)->editRow(); }
    void DeleteGrid(QTableView *grid) { tablePage(grid)->deleteRow(); }
    // Shows a warning with Keep it / Change it; true when the user keeps the entries as they are.
    bool keepDespite(const QString &warning);

    void edDOBExit() { ShowBirthDate(); }
    void setUpControls();
    // setUpControls' steps, in order.
    void styleFields();
    void setUpSortMenu();
    void connectHandlers();
    void keepUnsavedAsTyped();
    void setUpPages();
    void showPage(int page);
    // An undo or redo changed the table of `page`: it comes into view.
    void revealPage(QWidget *page);
    // Appends one table to the report being printed by btReportClick.
    void printGrid(ReportPrinter &report, QTableView *grid, const QString &identity, const QString &income,
                   bool header, bool close);

    Entries entries() const;
    void showEntries(const Entries &entries);
    // Entries not yet saved go to the recovery file within a second of a change.
    void writeRecovery();
    // At start-up: a recovery file left by a run that did not end well brings one question.
    void offerRecovery(const Entries &blank);
    void computeStartUpTotals();

    std::unique_ptr<Ui::TfrmMain> ui;
    std::unique_ptr<ActivityModel> m_hours;
    std::unique_ptr<ActivityModel> m_money;
    std::unique_ptr<ActivityModel> m_freq;
    std::array<TTablePage *, 3> m_pages{}; // hours, money, frequency
    DateValue m_birthDate = 0;
    double m_hoursAlive = 0;
    bool m_shown = false;
    bool m_keeping = false; // start-up is over: changes go to the recovery file
    bool m_ending = false;  // a signal ends the run
    std::array<quint32, 50> aColors{};
    QMenu *PopupMenu1 = nullptr;
    std::unique_ptr<QUndoStack> m_undo;
    // What the settings file holds, since it was last read or written.
    Entries m_saved;
    // The entries a log-out was told to leave unsaved, so the close that follows does not ask again.
    std::optional<Entries> m_discarded;
    QSet<QString> m_keptWarnings;
    SettingsKeeper m_keeper;
    LookAheadPanel *m_lookAhead = nullptr;
    PricesChoice m_prices;
    QTimer *m_recoveryTimer = nullptr;
    // Kept between reports, so the printer chosen last is offered again.
    std::unique_ptr<QPrinter> m_printer;
};
