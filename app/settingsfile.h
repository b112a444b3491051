#pragma once

#include <QString>

class ActivityModel;

// What the biography page keeps in the settings file.
struct BioFields {
    QString name;
    QString birthDate; // the birth-date field's text, as the user left it
    int income = 0;
};

// The settings file "lfy.ini": name, birth-date text, income and the first five cells of every
// activity row. Totals are never stored.
QString settingsFilePath();
// Reads every value with its default; an empty birth date becomes today's date text.
// A missing file reads as all defaults and is not created.
void readSettingsFile(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money,
                      ActivityModel &freq);
// Rewrites every entry in one atomic replace; throws IniWriteError ("Unable to write to <path>").
void writeSettingsFile(const QString &path, const BioFields &bio, const ActivityModel &hours,
                       const ActivityModel &money, const ActivityModel &freq);
