#pragma once

#include <QStringList>
#include <QUndoCommand>
#include <QVector>
#include <functional>

class ActivityModel;
class QUndoStack;
class QWidget;

// One change of an activity table (an add, an edit, a delete or a sort), kept as the table's
// cells before and after it, totals included, so undo and redo restore exactly what was shown.
class TableChange : public QUndoCommand
{
public:
    // The change has already been made; `reveal` brings the table into view when it is undone or
    // redone.
    TableChange(ActivityModel &model, QVector<QStringList> before, const QString &text, std::function<void()> reveal);

    void undo() override;
    void redo() override;

private:
    ActivityModel &m_model;
    const QVector<QStringList> m_before;
    const QVector<QStringList> m_after;
    std::function<void()> m_reveal;
    bool m_done = true; // pushing redoes a change that is already made
};

// Undo and redo for a window's table changes: Ctrl+Z, and Ctrl+Shift+Z and Ctrl+Y for redo on
// every desktop beside its own redo key.
void addUndoActions(QWidget *window, QUndoStack &stack);
