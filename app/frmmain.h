#pragma once

#include "calc/datevalue.h"
#include <QWidget>
#include <array>
#include <memory>

class ActivityModel;
class QMenu;
class QPrinter;
class QTableView;
class ReportPrinter;
class TActivityDialog;

namespace Ui {
class TfrmMain;
}

// The wizard window: introduction, biography, the three activity tables and the results.
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
    void ShowBirthDate();
    bool checkBioPage() const;
    void computeTotals();
    void initAColors(bool random, quint32 colour);
    void graphit(bool hours, bool money, bool frequency);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btNextClick();
    void btPrevClick();
    void btCloseClick();
    void btAboutClick();
    void SpeedButton1Click();
    void btAdd1Click();
    void btEdit1Click();
    void btDel1Click();
    void btAdd2Click();
    void btEdit2Click();
    void btDel2Click();
    void btAdd3Click();
    void btEdit3Click();
    void btDel3Click();
    void btSort1Click();
    void ActivitySortClick();
    void StartDate1Click();
    void Total1Click();
    void btReportClick();
    void btGrHourClick();
    void btGrMoneyClick();
    void btGrFreqClick();
    void CopyRows1Click();
    void ExportCsv1Click();

private:
    // What tells the three tables apart: their grid, their model, the dialog that edits a row and
    // how a row's total is made.
    enum class Kind { Hours, Money, Freq };
    struct ActivityTable {
        Kind kind;
        QTableView *grid;
        ActivityModel *model;
    };
    ActivityTable table(Kind kind) const;
    ActivityTable tableOf(const QTableView *grid) const;
    std::unique_ptr<TActivityDialog> makeDialog(Kind kind);
    void computeRowTotal(const ActivityTable &t, int row);
    void addRow(const ActivityTable &t);
    void editRow(const ActivityTable &t);
    void deleteRow(const ActivityTable &t);
    void AddButton(QTableView *grid, bool isMoney);
    void editButton(QTableView *grid, bool isMoney);
    void DeleteGrid(QTableView *grid);
    int selectedRow(QTableView *grid) const;

    void edDOBExit();
    void setUpControls();
    void setUpGrid(QTableView *grid, ActivityModel *model);
    void showPage(int page);
    QTableView *gridOfCurrentPage() const;
    void sortCurrentPage(int order);
    void openSortMenu(const QPoint &globalPos);
    // Appends one table to the report being printed by btReportClick.
    void printGrid(QTableView *grid, const QString &identity, const QString &income, bool header, bool close);

    std::unique_ptr<Ui::TfrmMain> ui;
    std::unique_ptr<ActivityModel> m_hours;
    std::unique_ptr<ActivityModel> m_money;
    std::unique_ptr<ActivityModel> m_freq;
    DateValue m_birthDate = 0;
    double m_hoursAlive = 0;
    bool m_shown = false;
    std::array<quint32, 50> aColors{};
    QMenu *PopupMenu1 = nullptr;
    // Kept between reports, so the printer chosen last is offered again.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<ReportPrinter> m_report;
};
