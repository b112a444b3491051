#include "tables/tablechange.h"

#include "tables/activitymodel.h"
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
