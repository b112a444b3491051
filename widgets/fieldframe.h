#pragma once

// Gives text fields and spin boxes a frame that shows under a dark palette too: styles draw it a
// shade off the window colour, which vanishes against a dark field. Call once, after the
// application object exists; light palettes are drawn as the style draws them.
void keepFieldFramesVisible();
