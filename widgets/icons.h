#pragma once

#include <QIcon>

// The small calendar picture of the date buttons, drawn in the palette's colours.
QIcon calendarIcon();
// The program's own icon.
QIcon programIcon();
