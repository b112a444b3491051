#pragma once

#include "settings/settingsfile.h"

class ActivityModel;

// Reads the settings file's biography values and rows 1 to 50 of the three tables into the
// models; their title rows stay as they are. Says how the file's format was told.
FileFormatState readTables(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money, ActivityModel &freq);
