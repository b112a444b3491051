#include "tables/tablechange.h"

#include "tables/activitymodel.h"
#include <QAction>
#include <QUndoStack>
#include <QWidget>
#include <utility>

TableChange::TableChange(ActivityModel &model, QVector<QStringList> before, const QString &text,
                         std::function<void()> reveal)
    : QUndoCommand(text), m_model(model), m_before(std::move(before)), m_after(model.table()),
      m_reveal(std::move(reveal))
{}

void TableChange::undo()
{
    m_model.setTable(m_before);
    m_done = false;
    if (m_reveal)
        m_reveal();
}

void TableChange::redo()
{
    if (m_done)
        return;
    m_model.setTable(m_after);
    m_done = true;
    if (m_reveal)
        m_reveal();
}

void addUndoActions(QWidget *window, QUndoStack &stack)
{
    QAction *undo = stack.createUndoAction(window);
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = stack.createRedoAction(window);
    // Each key once, or Qt takes it as ambiguous and does nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys << key;
    redo->setShortcuts(redoKeys);
    window->addActions({undo, redo});
}
