#pragma once

#include "results/weekpicture.h"
#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

// Sparse header labels that may be larger than one section: each is drawn over its neighbours,
// centred on its own section down the side and from its section's start along the top.
class TWeekHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit TWeekHeader(Qt::Orientation orientation, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// One week: by default one square in the colour of its main activity, blank when nothing was
// entered; in "All hours" its hours (168; 24 a day of a longer week 51) as bands from the bottom up
// in table order, a week over its hours drawn full, in proportion, with a mark in its corner. With
// one activity shown alone, its weeks are drawn against its busiest. Weeks ahead are lighter, the
// week holding today is outlined, an event is a dot.
class TWeekDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// The grid of weeks, fitted to its size: every week is shown however the window is sized, down
// to a few pixels a week. Home goes to the week holding today.
class TWeekView : public QTableView
{
    Q_OBJECT
public:
    explicit TWeekView(QWidget *parent = nullptr);
    // The side of a week in pixels at the view's preferred size.
    void setCellSize(int pixels);
    QSize sizeHint() const override;
    void goToToday();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_cell = 10;
};
