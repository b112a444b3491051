#include "app/frmmain.h"

#include "about/frmabout.h"
#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/periodtext.h"
#include "calc/totals.h"
#include "results/chartdata.h"
#include "results/frmgraph.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "settings/settingsfile.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "tables/tablesort.h"
#include "widgets/fonts.h"
#include "widgets/frmpickdate.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/numedit.h"
#include "widgets/prompts.h"
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_hours(std::make_unique<ActivityModel>(QSet<int>{5})), m_money(std::make_unique<ActivityModel>(QSet<int>{1, 5})),
      m_freq(std::make_unique<ActivityModel>(QSet<int>{1, 5}))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lifetally"));
    setWindowIcon(programIcon());
    setFixedSize(610, 416);
    setFont(sansFont(11));
    buildWindow();
}

TfrmMain::~TfrmMain() = default;

int TfrmMain::currentPage() const
{
    return Notebook1->currentIndex();
}

void TfrmMain::showPage(int page)
{
    Notebook1->setCurrentIndex(page);
    // Focus the page's first control, so the keyboard always acts on what is shown.
    QWidget *current = Notebook1->currentWidget();
    for (QWidget *w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
        if (!current->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (btNext && btNext->isEnabled())
        btNext->setFocus(Qt::TabFocusReason);
}

void TfrmMain::updateNavButtons()
{
    btPrev->setEnabled(currentPage() != Intro);
    btNext->setEnabled(currentPage() != Graphs);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TfrmMain::FormShow()
{
    m_birthDate = Clock::now();
    adjustColWidths();
    initGrids();
    readSettings();
    ShowBirthDate();
    // A stored birth date that is not a date is reported here, and start-up goes on.
    guarded(this, [this] { computeTotals(); });
    showPage(Intro);
    btPrev->setEnabled(false);
    btNext->setEnabled(true);
}

void TfrmMain::adjustColWidths()
{
    for (int col = 0; col < ActivityModel::ColCount; ++col) {
        gridMoney->setColumnWidth(col, gridHours->columnWidth(col));
        gridFreq->setColumnWidth(col, gridHours->columnWidth(col));
    }
}

void TfrmMain::initGrids()
{
    const QString common[] = {QStringLiteral("Activity"), QString(),
                              QStringLiteral("Per"),      QStringLiteral("Start date"),
                              QStringLiteral("End date"), QString()};
    for (int col = 0; col < ActivityModel::ColCount; ++col) {
        m_hours->setCell(0, col, common[col]);
        m_money->setCell(0, col, common[col]);
        m_freq->setCell(0, col, common[col]);
    }
    m_hours->setCell(0, 1, QStringLiteral("Time"));
    m_hours->setCell(0, 5, QStringLiteral("Total Hrs"));
    m_money->setCell(0, 1, QStringLiteral("Amount"));
    m_money->setCell(0, 5, QStringLiteral("Total Amt"));
    m_freq->setCell(0, 1, QStringLiteral("Frequency"));
    m_freq->setCell(0, 5, QStringLiteral("Total Freq"));
}

void TfrmMain::readSettings()
{
    BioFields bio;
    TableCells hours = m_hours->table(), money = m_money->table(), freq = m_freq->table();
    readSettingsFile(settingsFilePath(), bio, hours, money, freq);
    m_hours->setTable(hours);
    m_money->setTable(money);
    m_freq->setTable(freq);
    edName->setText(bio.name);
    edDOB->setText(bio.birthDate);
    // The field's range is 0 to 99,999,999; a stored value beyond it is clamped.
    numIncome->setValue(bio.income);
}

void TfrmMain::writeSettings()
{
    BioFields bio;
    bio.name = edName->text();
    bio.birthDate = edDOB->text();
    bio.income = static_cast<int>(numIncome->value());
    writeSettingsFile(settingsFilePath(), bio, m_hours->table(), m_money->table(), m_freq->table());
}

void TfrmMain::ShowBirthDate()
{
    DateValue parsed = 0;
    if (!tryStrToDate(edDOB->text(), parsed))
        return;
    m_birthDate = parsed;
    m_hoursAlive = computedatediff(Clock::now(), m_birthDate).totalHours;
}

bool TfrmMain::checkBioPage() const
{
    DateValue parsed = 0;
    return !edDOB->text().isEmpty() && tryStrToDate(edDOB->text(), parsed);
}

void TfrmMain::computeTotals()
{
    Label10->setText(ageLine(edDOB->text()));
    label11->setText(incomeLine(numIncome->text()));
    computeAllRowTotals(*m_hours, *m_money, *m_freq, m_hoursAlive, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::btNextClick()
{
    const int p = currentPage();
    btNext->setEnabled(true);
    btPrev->setEnabled(true);
    if (p == Bio) {
        if (!checkBioPage()) {
            Prompts::showError(this, QStringLiteral("Your birthdate is mandatory to proceed to the next step."));
            return;
        }
        computeTotals();
    }
    if (p == Dollars)
        computeTotals();
    if (p == Items) {
        btGrHour->setEnabled(!m_hours->isBlank(1));
        btGrMoney->setEnabled(!m_money->isBlank(1));
        btGrFreq->setEnabled(!m_freq->isBlank(1));
        computeTotals();
    }
    if (p < Graphs)
        showPage(p + 1);
    if (currentPage() == Graphs)
        btNext->setEnabled(false);
}

void TfrmMain::btPrevClick()
{
    const int p = currentPage();
    btPrev->setEnabled(true);
    btNext->setEnabled(true);
    if (p > 0)
        showPage(p - 1);
    if (currentPage() == Intro)
        btPrev->setEnabled(false);
}

void TfrmMain::btCloseClick()
{
    writeSettings();
    close();
}

void TfrmMain::edDOBExit()
{
    ShowBirthDate();
}

void TfrmMain::SpeedButton1Click()
{
    DateValue d = strToDate(edDOB->text());
    d = pickDate(edDOB, d, m_birthDate);
    edDOB->setText(shortDateText(d));
    edDOB->setFocus();
    ShowBirthDate();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edDOB && event->type() == QEvent::FocusOut) {
        edDOBExit();
    } else if (event->type() == QEvent::ContextMenu &&
               (watched == gridHours || watched == gridMoney || watched == gridFreq)) {
        // The grids' hint promises a sort menu on a right click.
        openSortMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    } else if (event->type() == QEvent::KeyPress &&
               (watched == gridHours || watched == gridMoney || watched == gridFreq)) {
        // Keyboard users edit with Enter, add with Insert and delete with Delete, as with the buttons.
        auto *grid = static_cast<QTableView *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool hours = grid == gridHours;
        const bool money = grid == gridMoney;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded(this, [&] { hours ? btEdit1Click() : editButton(grid, money); });
            return true;
        }
        if (key == Qt::Key_Insert) {
            guarded(this, [&] { hours ? btAdd1Click() : AddButton(grid, money); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            guarded(this, [&] { DeleteGrid(grid); });
            return true;
        }
        if (key == Qt::Key_Menu) {
            const QRect cell = grid->visualRect(grid->currentIndex());
            openSortMenu(grid->viewport()->mapToGlobal(cell.center()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ActivityModel *TfrmMain::modelOf(QTableView *grid) const
{
    if (grid == gridHours)
        return m_hours.get();
    if (grid == gridMoney)
        return m_money.get();
    return m_freq.get();
}

int TfrmMain::selectedRow(QTableView *grid) const
{
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TfrmMain::btAdd1Click()
{
    const int row = m_hours->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(this, QStringLiteral("Maximum number of rows reached"));
        return;
    }
    TfrmTime dlg(edDOB->text(), m_birthDate, this);
    dlg.edName->setText(QString());
    dlg.numHours->setValue(0);
    dlg.numMin->setValue(0);
    dlg.edDate->setText(edDOB->text());
    dlg.setEndIsNow(true);
    dlg.edEndDate->setText(QStringLiteral("Now"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_hours->setRowTexts(row, {dlg.edName->text(), durationText(dlg.numHours->value(), dlg.numMin->value()),
                               periodFromChoice(dlg.rbDay->isChecked(), dlg.rbWeek->isChecked()), dlg.edDate->text(),
                               dlg.edEndDate->text(), QString()});
    computeHourTotal(*m_hours, row, m_hoursAlive);
}

void TfrmMain::btEdit1Click()
{
    const int row = selectedRow(gridHours);
    if (m_hours->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to edit"));
        return;
    }
    {
        TfrmTime dlg(edDOB->text(), m_birthDate, this);
        dlg.edName->setText(m_hours->cell(row, 0));
        dlg.numHours->setValue(hoursOf(m_hours->cell(row, 1)));
        dlg.numMin->setValue(minutesOf(m_hours->cell(row, 1)));
        const QString per = m_hours->cell(row, 2);
        dlg.setPeriod(isDay(per), isWeek(per), isMonth(per));
        dlg.edDate->setText(m_hours->cell(row, 3));
        dlg.edEndDate->setText(m_hours->cell(row, 4));
        dlg.rememberedEndDate = dlg.edEndDate->text();
        dlg.setEndIsNow(dlg.edEndDate->text() == QLatin1String("Now"));
        if (dlg.exec() == QDialog::Accepted) {
            QStringList texts = {dlg.edName->text(),
                                 durationText(dlg.numHours->value(), dlg.numMin->value()),
                                 periodFromChoice(dlg.rbDay->isChecked(), dlg.rbWeek->isChecked()),
                                 dlg.edDate->text(),
                                 dlg.edEndDate->text(),
                                 m_hours->cell(row, 5)};
            m_hours->setRowTexts(row, texts);
        }
    }
    computeHourTotal(*m_hours, row, m_hoursAlive);
}

void TfrmMain::btDel1Click()
{
    DeleteGrid(gridHours);
}

void TfrmMain::btAdd2Click()
{
    AddButton(gridMoney, true);
}

void TfrmMain::btEdit2Click()
{
    editButton(gridMoney, true);
}

void TfrmMain::btDel2Click()
{
    DeleteGrid(gridMoney);
}

void TfrmMain::btAdd3Click()
{
    AddButton(gridFreq, false);
}

void TfrmMain::btEdit3Click()
{
    editButton(gridFreq, false);
}

void TfrmMain::btDel3Click()
{
    DeleteGrid(gridFreq);
}

void TfrmMain::AddButton(QTableView *grid, bool isMoney)
{
    ActivityModel *model = modelOf(grid);
    const int row = model->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(this, QStringLiteral("Maximum number of rows reached"));
        return;
    }
    TfrmMoney dlg(edDOB->text(), m_birthDate, this);
    dlg.edName->setText(QString());
    dlg.numMoney->setValue(0);
    dlg.edDate->setText(edDOB->text());
    dlg.setEndIsNow(true);
    dlg.edEndDate->setText(QStringLiteral("Now"));
    dlg.isMoney = isMoney;
    if (dlg.exec() != QDialog::Accepted)
        return;
    model->setRowTexts(row, {dlg.edName->text(), dlg.amountDisplayText(), periodName(dlg.cbWhen->currentIndex()),
                             dlg.edDate->text(), dlg.edEndDate->text(), QString()});
    computeMoneyTotal(*model, row, isMoney, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::editButton(QTableView *grid, bool isMoney)
{
    ActivityModel *model = modelOf(grid);
    const int row = selectedRow(grid);
    if (model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to edit"));
        return;
    }
    {
        TfrmMoney dlg(edDOB->text(), m_birthDate, this);
        dlg.edName->setText(model->cell(row, 0));
        dlg.amountText = digitsOnly(model->cell(row, 1));
        dlg.cbWhen->setCurrentIndex(periodIndex(model->cell(row, 2)));
        dlg.edDate->setText(model->cell(row, 3));
        dlg.edEndDate->setText(model->cell(row, 4));
        dlg.rememberedEndDate = dlg.edEndDate->text();
        dlg.setEndIsNow(dlg.edEndDate->text() == QLatin1String("Now"));
        dlg.isMoney = isMoney;
        if (dlg.exec() == QDialog::Accepted) {
            model->setRowTexts(row,
                               {dlg.edName->text(), dlg.amountDisplayText(), periodName(dlg.cbWhen->currentIndex()),
                                dlg.edDate->text(), dlg.edEndDate->text(), model->cell(row, 5)});
        }
    }
    computeMoneyTotal(*model, row, isMoney, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::DeleteGrid(QTableView *grid)
{
    ActivityModel *model = modelOf(grid);
    const int row = selectedRow(grid);
    if (model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to delete"));
        return;
    }
    if (!Prompts::confirm(this, QStringLiteral("Confirm"),
                          QStringLiteral("Really delete ") + model->cell(row, 0) + QStringLiteral("?")))
        return;
    model->deleteRowMove(row);
    grid->setCurrentIndex(model->index(row - 1, grid->currentIndex().isValid() ? grid->currentIndex().column() : 0));
}

QTableView *TfrmMain::gridOfCurrentPage() const
{
    switch (currentPage()) {
    case Hours:
        return gridHours;
    case Dollars:
        return gridMoney;
    case Items:
        return gridFreq;
    default:
        return nullptr;
    }
}

void TfrmMain::btSort1Click()
{
    const QRect g = gridHours->geometry();
    openSortMenu(mapToGlobal(QPoint(g.left() + g.width() - 300, g.top() + g.height() - 100)));
}

void TfrmMain::openSortMenu(const QPoint &globalPos)
{
    PopupMenu1->popup(globalPos);
}

void TfrmMain::sortCurrentPage(int order)
{
    QTableView *grid = gridOfCurrentPage();
    if (!grid)
        return;
    sortActivityTable(*modelOf(grid), static_cast<ActivitySort>(order));
}

void TfrmMain::ActivitySortClick()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByActivity));
}

void TfrmMain::StartDate1Click()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByStartDate));
}

void TfrmMain::Total1Click()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByTotal));
}

void TfrmMain::btAboutClick()
{
    TfrmAbout::showModal(this);
}

void TfrmMain::btReportClick()
{
    // Both lines are taken before the dialog, as they stand when the button is pressed.
    const QString identity = report::identityLine(edName->text(), edDOB->text(), Label10->text());
    const QString income = label11->text();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!PrinterChoice::ask(*m_printer, this))
        return;
    m_report = std::make_unique<ReportPrinter>(*m_printer, this);
    try {
        printGrid(gridHours, identity, income, true, false);
        printGrid(gridMoney, identity, income, false, false);
        printGrid(gridFreq, identity, income, false, true);
    } catch (...) {
        // A failure ends the job with the event; the next report starts afresh.
        m_report.reset();
        throw;
    }
    m_report.reset();
}

void TfrmMain::printGrid(QTableView *grid, const QString &identity, const QString &income, bool header, bool close)
{
    QVector<int> widths;
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        widths.append(report::columnChars(grid->columnWidth(col)));
    m_report->printGrid(*modelOf(grid), widths, identity, income, header, close);
}

void TfrmMain::btGrHourClick()
{
    initAColors(true, 0xFF0000);
    graphit(true, false, false);
}

void TfrmMain::btGrMoneyClick()
{
    initAColors(true, 0xFF0000);
    graphit(false, true, false);
}

void TfrmMain::btGrFreqClick()
{
    initAColors(true, 0xFF0000);
    graphit(false, false, true);
}

void TfrmMain::initAColors(bool random, quint32 colour)
{
    aColors = chartColours(random, colour);
}

void TfrmMain::graphit(bool hours, bool money, bool)
{
    const ChartTable which = chartTableOf(hours, money);
    const QString title = chartTitle(which, edName->text(), Label10->text(), label11->text());
    const ActivityModel &table = which == ChartTable::Hours   ? *m_hours
                                 : which == ChartTable::Money ? *m_money
                                                              : *m_freq;
    double subtotal = 0;
    double reference = 0;
    if (which == ChartTable::Hours) {
        subtotal = computeSubTotal(table);
        reference = m_hoursAlive;
    } else if (which == ChartTable::Money) {
        subtotal = computeSubTotal(table);
        reference = numIncome->value();
    }
    // The points are built before the window exists, so a total that is not a number leaves no
    // window behind.
    const QVector<ChartPoint> points = chartPoints(table, subtotal, reference, aColors);
    TfrmGraph graph(this);
    graph.setTitle(title);
    graph.setPoints(points);
    graph.setWindowState(graph.windowState() | Qt::WindowMaximized);
    graph.exec();
}
