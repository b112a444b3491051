#pragma once

class QMenu;

// Gives a pop-up menu a frame that shows under a dark palette too: styles draw it (with the panel,
// or on its own) a shade darker than the menu, which vanishes against a dark desktop.
void keepMenuFrameVisible(QMenu *menu);
