#pragma once

#include <QString>
#include <functional>

class QWidget;

// The save-file dialog, asked only in production: tests answer it instead.
class SaveFileChoice
{
public:
    // Gets the dialog's caption and the suggested path; returns the chosen path, empty to cancel.
    using Answer = std::function<QString(const QString &caption, const QString &suggestedPath)>;

    // Asks where to save, suggesting `fileName` in the folder chosen last (the home folder at
    // first). Returns the chosen path, or an empty text when the user cancelled or chose the
    // settings file or one of its companions (the backup, recovery or lock file), which is refused
    // with a warning naming both.
    static QString ask(QWidget *parent, const QString &caption, const QString &fileName, const QString &filter);
    // Whether `chosen` is the settings file or one of its companions, links resolved; when it is,
    // a warning naming both says so and that nothing was written. For any dialog that names an
    // output file (the print dialog's "Print to file").
    static bool refusedAsInput(QWidget *parent, const QString &chosen);
    // Replaces the dialog by `answer` until cleared with an empty function.
    static void setAnswer(Answer answer);

private:
    SaveFileChoice() = delete;
};
