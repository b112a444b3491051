#pragma once

#include "calc/datevalue.h"
#include <QWidget>
#include <array>
#include <memory>

class ActivityModel;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;
class ReportPrinter;
class TNumEdit;

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

    // Start-up, before the window first shows.
    void FormShow();
    void adjustColWidths();
    void initGrids();
    void readSettings();
    void writeSettings();
    void ShowBirthDate();
    bool checkBioPage() const;
    void computeTotals();

    // Navigation and the biography page.
    void btNextClick();
    void btPrevClick();
    void btCloseClick();
    void btAboutClick();
    void edDOBExit();
    void SpeedButton1Click();

    // Activity tables.
    void btAdd1Click();
    void btEdit1Click();
    void btDel1Click();
    void btAdd2Click();
    void btEdit2Click();
    void btDel2Click();
    void btAdd3Click();
    void btEdit3Click();
    void btDel3Click();
    void AddButton(QTableView *grid, bool isMoney);
    void editButton(QTableView *grid, bool isMoney);
    void DeleteGrid(QTableView *grid);
    int selectedRow(QTableView *grid) const;

    // Sorting.
    void btSort1Click();
    void ActivitySortClick();
    void StartDate1Click();
    void Total1Click();
    QMenu *sortMenu() const { return PopupMenu1; }

    // Results.
    void btReportClick();
    void btGrHourClick();
    void btGrMoneyClick();
    void btGrFreqClick();
    void initAColors(bool random, quint32 colour);
    void graphit(bool hours, bool money, bool frequency);
    const std::array<quint32, 50> &colors() const { return aColors; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QWidget *buildIntroPage();
    QWidget *buildBioPage();
    QWidget *buildTablePage(int page);
    QWidget *buildGraphsPage();
    QTableView *makeGrid(QWidget *page, const char *name, ActivityModel *model);
    void showPage(int page);
    void updateNavButtons();
    ActivityModel *modelOf(QTableView *grid) const;
    QTableView *gridOfCurrentPage() const;
    void sortCurrentPage(int order);
    void openSortMenu(const QPoint &globalPos);

    std::unique_ptr<ActivityModel> m_hours;
    std::unique_ptr<ActivityModel> m_money;
    std::unique_ptr<ActivityModel> m_freq;
    DateValue m_birthDate = 0;
    double m_hoursAlive = 0;
    bool m_shown = false;
    std::array<quint32, 50> aColors{};

    QFrame *Bevel1 = nullptr;
    QStackedWidget *Notebook1 = nullptr;
    QPushButton *btPrev = nullptr;
    QPushButton *btNext = nullptr;
    QPushButton *btAbout = nullptr;
    QPushButton *btClose = nullptr;
    QLineEdit *edName = nullptr;
    QLineEdit *edDOB = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    TNumEdit *numIncome = nullptr;
    QTableView *gridHours = nullptr;
    QTableView *gridMoney = nullptr;
    QTableView *gridFreq = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *label11 = nullptr;
    QPushButton *btReport = nullptr;
    QPushButton *btGrHour = nullptr;
    QPushButton *btGrMoney = nullptr;
    QPushButton *btGrFreq = nullptr;
    QMenu *PopupMenu1 = nullptr;

public:
    // Appends one table to the report being printed by btReportClick.
    void printGrid(QTableView *grid, const QString &identity, const QString &income, bool header, bool close);

private:
    // Kept between reports, so the printer chosen last is offered again.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<ReportPrinter> m_report;
};
