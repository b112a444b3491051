#pragma once

#include "calc/lookahead.h"
#include "calc/tablekind.h"
#include "calc/tablerow.h"
#include "calc/totals.h"
#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// One activity table: 51 rows x 6 columns of cell texts, row 0 the column titles and rows 1 to 50
// the activities. The texts are the store of every value; totals, sorting, charts and the report
// all read them from here.
//
// Views see the 50 activity rows (view row = table row - 1); row 0 is served as the horizontal
// header, so it stays fixed at the top as a title row.
class ActivityModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int RowCount = 51;
    static constexpr int ColCount = Column::Count;

    explicit ActivityModel(TableKind kind, QObject *parent = nullptr);

    TableKind kind() const { return m_kind; }

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString &text);
    QStringList rowTexts(int row) const;
    void setRowTexts(int row, const QStringList &texts);
    bool isBlank(int row) const { return cell(row, Column::Activity).isEmpty(); }
    // The totals, and the amounts of money and frequency, stand flush right (header included).
    bool isRightAligned(int col) const
    {
        return col == Column::Total || (col == Column::Amount && m_kind != TableKind::Hours);
    }

    // First blank row among 1 to RowCount - 2, or -1 when there is none (row 50 is never offered).
    int findFirstBlankRow() const;
    // Rows 1 to 50 with a non-empty activity.
    int numNonBlankRows() const;
    // The used rows that hold an activity, in table order (a settings file may leave gaps).
    QVector<int> usedRows() const;
    // Moves the rows below `row` up by one and empties the last row.
    void deleteRowMove(int row);

    // All 51 rows, for the sort routines; setTable writes them back in one reset.
    const QVector<QStringList> &table() const { return m_cells; }
    void setTable(const QVector<QStringList> &cells);

    // The reference values its totals were counted with, for the explanation of each total (the
    // tooltip and accessible description of the Total cells). The row totals of activitytotals.h
    // set them; without them the Total cells have no explanation.
    void setExplanationContext(double hoursAlive, qint64 income);
    // The age looked ahead to: the explanation of each row still going on today ends with what it
    // comes to by then. Every explanation changes at once.
    void setLookAhead(const std::optional<LookAhead> &ahead);
    const std::optional<LookAhead> &lookAhead() const { return m_ahead; }
    // The row's total by the look-ahead age (projectedTotalText); the Total cell as it stands
    // without a look-ahead. Conversions are strict.
    QString projectedTotal(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void changed(int row, int firstCol, int lastCol);
    QString explanation(int row) const;
    void forgetExplanations(int firstRow, int lastRow);

    const TableKind m_kind;
    QVector<QStringList> m_cells;

    bool m_hasContext = false;
    double m_hoursAlive = 0;
    qint64 m_income = 0;
    std::optional<LookAhead> m_ahead;
    // Made when first asked for (views ask only on hover) and kept until the row, the context or
    // the day changes.
    struct Explained {
        bool valid = false;
        double day = 0; // the whole day it was made on
        QString text;
    };
    mutable QVector<Explained> m_explained;
};
