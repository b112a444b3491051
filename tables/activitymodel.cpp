#include "tables/activitymodel.h"

#include "calc/clock.h"
#include "calc/explain.h"
#include "calc/periodtext.h"

ActivityModel::ActivityModel(TableKind kind, QObject *parent)
    : QAbstractTableModel(parent), m_kind(kind), m_cells(RowCount, QStringList(QVector<QString>(ColCount))),
      m_explained(RowCount)
{}

QString ActivityModel::cell(int row, int col) const
{
    if (row < 0 || row >= RowCount || col < 0 || col >= ColCount)
        return QString();
    return m_cells[row][col];
}

void ActivityModel::setCell(int row, int col, const QString &text)
{
    if (row < 0 || row >= RowCount || col < 0 || col >= ColCount || m_cells[row][col] == text)
        return;
    m_cells[row][col] = text;
    changed(row, col, col);
}

QStringList ActivityModel::rowTexts(int row) const
{
    if (row < 0 || row >= RowCount)
        return QStringList(QVector<QString>(ColCount));
    return m_cells[row];
}

void ActivityModel::setRowTexts(int row, const QStringList &texts)
{
    if (row < 0 || row >= RowCount)
        return;
    QStringList fixed = texts.mid(0, ColCount);
    while (fixed.size() < ColCount)
        fixed.append(QString());
    m_cells[row] = fixed;
    changed(row, 0, ColCount - 1);
}

int ActivityModel::findFirstBlankRow() const
{
    for (int row = 1; row <= RowCount - 2; ++row) {
        if (m_cells[row][Column::Activity].isEmpty())
            return row;
    }
    return -1;
}

int ActivityModel::numNonBlankRows() const
{
    int n = 0;
    for (int row = 1; row < RowCount; ++row) {
        if (!m_cells[row][Column::Activity].isEmpty())
            ++n;
    }
    return n;
}

QVector<int> ActivityModel::usedRows() const
{
    QVector<int> rows;
    for (int row = 1; row < RowCount; ++row) {
        if (!m_cells[row][Column::Activity].isEmpty())
            rows.append(row);
    }
    return rows;
}

void ActivityModel::deleteRowMove(int row)
{
    if (row < 1 || row >= RowCount)
        return;
    for (int r = row; r <= RowCount - 2; ++r)
        m_cells[r] = m_cells[r + 1];
    m_cells[RowCount - 1] = QStringList(QVector<QString>(ColCount));
    forgetExplanations(row, RowCount - 1);
    emit dataChanged(index(row - 1, 0), index(RowCount - 2, ColCount - 1));
}

void ActivityModel::setTable(const QVector<QStringList> &cells)
{
    if (cells.size() != RowCount)
        return;
    // A change of texts, not of shape: views keep their selection.
    for (int row = 0; row < RowCount; ++row) {
        QStringList fixed = cells[row].mid(0, ColCount);
        while (fixed.size() < ColCount)
            fixed.append(QString());
        m_cells[row] = fixed;
    }
    forgetExplanations(0, RowCount - 1);
    emit headerDataChanged(Qt::Horizontal, 0, ColCount - 1);
    emit dataChanged(index(0, 0), index(RowCount - 2, ColCount - 1));
}

int ActivityModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount - 1;
}

int ActivityModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColCount;
}

QVariant ActivityModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return shownCellText(index.column(), cell(row, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment((isRightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (index.column() == Column::Total && m_hasContext && !isBlank(row))
            return explanation(row);
        return QVariant();
    default:
        return QVariant();
    }
}

void ActivityModel::setExplanationContext(double hoursAlive, qint64 income)
{
    if (m_hasContext && hoursAlive == m_hoursAlive && income == m_income)
        return;
    m_hasContext = true;
    m_hoursAlive = hoursAlive;
    m_income = income;
    forgetExplanations(0, RowCount - 1);
}

void ActivityModel::setLookAhead(const std::optional<LookAhead> &ahead)
{
    const auto same = [](const LookAhead &a, const LookAhead &b) {
        return a.age == b.age && a.day == b.day && a.hoursAlive == b.hoursAlive;
    };
    if (ahead.has_value() == m_ahead.has_value() && (!ahead || same(*ahead, *m_ahead)))
        return;
    m_ahead = ahead;
    forgetExplanations(0, RowCount - 1);
    // Views and screen readers that hold a description ask again.
    emit dataChanged(index(0, Column::Total), index(RowCount - 2, Column::Total),
                     {Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
}

QString ActivityModel::projectedTotal(int row) const
{
    if (!m_ahead || !m_hasContext)
        return cell(row, Column::Total);
    return projectedTotalText(m_kind, m_cells.value(row), *m_ahead, m_income);
}

QString ActivityModel::explanation(int row) const
{
    Explained &e = m_explained[row];
    const double today = wholeDay(Clock::now());
    if (!e.valid || e.day != today) {
        const QStringList &c = m_cells[row];
        e.text = explainRow(m_kind, c[Column::Amount], c[Column::Per], c[Column::Start], c[Column::End],
                            c[Column::Total], m_hoursAlive, m_income, m_ahead);
        e.day = today;
        e.valid = true;
    }
    return e.text;
}

void ActivityModel::forgetExplanations(int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row)
        m_explained[row].valid = false;
}

QVariant ActivityModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cell(0, section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment((isRightAligned(section) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

void ActivityModel::changed(int row, int firstCol, int lastCol)
{
    m_explained[row].valid = false;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, firstCol, lastCol);
    else
        emit dataChanged(index(row - 1, firstCol), index(row - 1, lastCol));
}
