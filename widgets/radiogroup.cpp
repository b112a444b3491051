#include "widgets/radiogroup.h"

#include <QRadioButton>

namespace {
void updateTabStop(const QList<QRadioButton *> &group)
{
    QRadioButton *stop = group.first();
    for (QRadioButton *rb : group) {
        if (rb->isChecked())
            stop = rb;
    }
    for (QRadioButton *rb : group)
        rb->setFocusPolicy(rb == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
} // namespace

void tabIntoCheckedButton(const QList<QRadioButton *> &group)
{
    if (group.isEmpty())
        return;
    for (QRadioButton *rb : group)
        QObject::connect(rb, &QRadioButton::toggled, rb, [group] { updateTabStop(group); });
    updateTabStop(group);
}
