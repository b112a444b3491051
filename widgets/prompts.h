#pragma once

#include <QList>
#include <QString>
#include <functional>

class QDateTime;
class QWidget;

// Every message box the program shows goes through here, so tests can answer boxes without a
// person and read back what was shown.
class Prompts
{
public:
    enum class Kind { Error, Confirm, ApplicationError, PrintError, SaveChanges, Check, Question, Warning };
    // The buttons of the boxes that offer a choice: Yes and No (confirm), Keep and Change
    // (keepOrChange), Save, Discard and Cancel (askSaveChanges), Accept and Reject (ask and the
    // boxes built on it).
    enum class Answer { Yes, No, Keep, Change, Save, Discard, Cancel, Accept, Reject };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    // Exclamation beep, then a modal box titled "Error" with one OK button.
    static void showError(QWidget *parent, const QString &text);
    // Yes/No box without a beep; true for Yes. No is the default, so a stray Enter destroys nothing.
    static bool confirm(QWidget *parent, const QString &title, const QString &text);
    // An entry that cannot be true as it stands (more than a day in a day, more than all income):
    // the text with "Keep it" and "Change it", titled "Lifetally"; true for Keep it. It never
    // stops what the user may do: keeping goes on as if nothing was said.
    static bool keepOrChange(QWidget *parent, const QString &text);
    // "Save changes before closing?" with Save, Don't Save and Cancel, titled "Lifetally": Save,
    // Discard or Cancel.
    static Answer askSaveChanges(QWidget *parent);
    // A choice between two things to do, titled "Lifetally": true for `accept`, the default.
    // Escape chooses `reject`.
    static bool ask(QWidget *parent, const QString &text, const QString &accept, const QString &reject);
    // Before a save replaces a settings file that someone else changed: "Replace" or "Cancel".
    static bool askReplaceChanged(QWidget *parent, const QString &path);
    // Before a save creates again a settings file that was deleted or moved away since it was
    // read: "Save" or "Cancel".
    static bool askCreateAgain(QWidget *parent, const QString &path);
    // Entries kept from a run that did not end well, last changed at `when`: "Restore" or "Discard".
    static bool askRestore(QWidget *parent, const QDateTime &when);
    // A file that exists but cannot be read, and what follows from it, as a warning.
    enum class Unreadable { Settings, Recovery };
    // A recovery file that was renamed out of the way names `setAside`.
    static void cannotRead(QWidget *parent, Unreadable which, const QString &path, const QString &reason,
                           const QString &setAside = QString());
    // Something the user should know that ended nothing, titled "Lifetally", with one OK button.
    static void warning(QWidget *parent, const QString &text);
    // A failure that ended an event: the message with a full stop appended, titled "Lifetally".
    static void applicationError(QWidget *parent, const QString &message);
    // "Error printing report ... quitting", like showError but without the beep.
    static void showPrintError(QWidget *parent);

    // Where no window may open (the command line's exports): each box's text goes to standard
    // error instead, confirm() answers No, and shown() records what was said.
    static void setConsoleMode(bool on);

    // Test hooks. In test mode no box opens: each call is recorded, and a box with a choice takes
    // the next queued answer, or with none queued the one that changes least: No, Keep, Cancel,
    // Reject. An answer that is not one of the box's buttons was meant for another box: the run
    // stops there (qFatal) rather than go on with a guess.
    static void setTestMode(bool on);
    static bool testMode();
    static void setNextAnswer(Answer answer);
    // Runs `action` while the next box is (as if) open, as a signal may come then.
    static void setWhileNextShown(std::function<void()> action);
    static const QList<Shown> &shown();
    static void clearShown();

private:
    Prompts() = delete;
};
