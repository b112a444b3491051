#pragma once

#include <QList>

class QRadioButton;

// Tab enters a group of exclusive radio buttons on its checked button (the first when none is
// checked) and leaves it on the next Tab; the arrow keys move, and check, within the group, as
// Qt does for exclusive buttons. Only the button that Tab should reach takes Tab focus.
void tabIntoCheckedButton(const QList<QRadioButton *> &group);
