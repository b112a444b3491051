#include "widgets/prompts.h"

#include "calc/datetext.h"
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {
struct PromptState {
    bool testMode = false;
    bool consoleMode = false;
    QList<Prompts::Answer> answers;
    QList<Prompts::Shown> shown;
    std::function<void()> whileShown;
};

PromptState &state()
{
    static PromptState s;
    return s;
}

// The title every box but the error boxes carries: the program's name, the same in every language.
QString programTitle()
{
    return QStringLiteral("Lifetally");
}

QString errorTitle()
{
    return QCoreApplication::translate("Prompts", "Error", "title of an error message box");
}

bool record(Prompts::Kind kind, const QString &title, const QString &text)
{
    if (!state().testMode && !state().consoleMode)
        return false;
    state().shown.append({kind, title, text});
    if (const std::function<void()> action = std::exchange(state().whileShown, nullptr))
        action();
    if (state().consoleMode && kind != Prompts::Kind::Confirm)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return true;
}

const char *answerName(Prompts::Answer answer)
{
    static const char *const names[] = {"Yes", "No", "Keep", "Change", "Save", "Discard", "Cancel", "Accept", "Reject"};
    return names[static_cast<int>(answer)];
}

// The next queued answer for a box with `buttons` that has just been recorded, or `none` when
// none is queued.
Prompts::Answer nextAnswer(std::initializer_list<Prompts::Answer> buttons, Prompts::Answer none)
{
    if (state().answers.isEmpty())
        return none;
    const Prompts::Answer answer = state().answers.takeFirst();
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
        qFatal("The answer %s was queued for another box than \"%s\"", answerName(answer),
               qPrintable(state().shown.last().text));
    return answer;
}

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
} // namespace

void Prompts::showError(QWidget *parent, const QString &text)
{
    if (record(Kind::Error, errorTitle(), text))
        return;
    QApplication::beep();
    showBox(parent, QMessageBox::Critical, errorTitle(), text);
}

bool Prompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    if (record(Kind::Confirm, title, text))
        return nextAnswer({Answer::Yes, Answer::No}, Answer::No) == Answer::Yes;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool Prompts::keepOrChange(QWidget *parent, const QString &text)
{
    const QString title = programTitle();
    if (record(Kind::Check, title, text))
        return nextAnswer({Answer::Keep, Answer::Change}, Answer::Keep) == Answer::Keep;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton *keep =
        box.addButton(QCoreApplication::translate("Prompts", "&Keep it", "button: keep an unlikely entry as it is"),
                      QMessageBox::AcceptRole);
    QPushButton *change = box.addButton(
        QCoreApplication::translate("Prompts", "&Change it", "button: go back and change an unlikely entry"),
        QMessageBox::RejectRole);
    box.setDefaultButton(change);
    box.setEscapeButton(change);
    box.exec();
    return box.clickedButton() == keep;
}

Prompts::Answer Prompts::askSaveChanges(QWidget *parent)
{
    const QString title = programTitle();
    const QString text = QCoreApplication::translate("Prompts", "Save changes before closing?");
    if (record(Kind::SaveChanges, title, text))
        return nextAnswer({Answer::Save, Answer::Discard, Answer::Cancel}, Answer::Cancel);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    parent);
    // Access keys in every theme: some give the standard buttons none.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Prompts", "&Save", "button"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Prompts", "Do&n't Save", "button"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Prompts", "&Cancel", "button"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

bool Prompts::ask(QWidget *parent, const QString &text, const QString &accept, const QString &reject)
{
    const QString title = programTitle();
    if (record(Kind::Question, title, text))
        return nextAnswer({Answer::Accept, Answer::Reject}, Answer::Reject) == Answer::Accept;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

bool Prompts::askReplaceChanged(QWidget *parent, const QString &path)
{
    return ask(parent,
               QCoreApplication::translate("Prompts",
                                           "%1 was changed by another program since Lifetally read it.\n\n"
                                           "Replace it with the entries shown here? The changed file is kept as %2.",
                                           "%1 is the settings file, %2 its backup's name")
                   .arg(QDir::toNativeSeparators(path), QFileInfo(path).fileName() + QStringLiteral(".bak")),
               QCoreApplication::translate("Prompts", "Replace", "button: replace the changed file"),
               QCoreApplication::translate("Prompts", "Cancel", "button"));
}

bool Prompts::askCreateAgain(QWidget *parent, const QString &path)
{
    return ask(parent,
               QCoreApplication::translate("Prompts",
                                           "%1 is no longer there: it was deleted or moved away since Lifetally "
                                           "read it.\n\nSave the entries shown here to create it again?",
                                           "%1 is the settings file")
                   .arg(QDir::toNativeSeparators(path)),
               QCoreApplication::translate("Prompts", "&Save", "button"),
               QCoreApplication::translate("Prompts", "Cancel", "button"));
}

bool Prompts::askRestore(QWidget *parent, const QDateTime &when)
{
    const DateValue at = encodeDate(when.date().year(), when.date().month(), when.date().day()) +
                         when.time().msecsSinceStartOfDay() / 86400000.0;
    return ask(parent,
               QCoreApplication::translate("Prompts",
                                           "Lifetally did not end properly last time. Entries you had not saved "
                                           "were kept (%1 %2).\n\nRestore them?",
                                           "%1 is a date, %2 a time")
                   .arg(shortDateText(at), longTimeText(at)),
               QCoreApplication::translate("Prompts", "Restore", "button: restore the kept entries"),
               QCoreApplication::translate("Prompts", "Discard", "button: discard the kept entries"));
}

void Prompts::cannotRead(QWidget *parent, Unreadable which, const QString &path, const QString &reason,
                         const QString &setAside)
{
    const QString file = QDir::toNativeSeparators(path);
    if (which == Unreadable::Settings) {
        warning(parent, QCoreApplication::translate("Prompts",
                                                    "Lifetally cannot read your entries in %1: %2.\n\n"
                                                    "Close will not be able to keep your entries there.",
                                                    "%1 is a file, %2 the reason")
                            .arg(file, reason));
        return;
    }
    const QString kept =
        setAside.isEmpty()
            ? QCoreApplication::translate("Prompts", "The file is kept as it is.")
            : QCoreApplication::translate("Prompts",
                                          "The file was set aside as %1; entries you do not save are kept again "
                                          "from now on.",
                                          "%1 is a file")
                  .arg(QDir::toNativeSeparators(setAside));
    warning(parent, QCoreApplication::translate("Prompts",
                                                "Lifetally kept entries that were not saved in %1, but cannot read "
                                                "them: %2.\n\n%3",
                                                "%1 is a file, %2 the reason, %3 what became of the file")
                        .arg(file, reason, kept));
}

void Prompts::warning(QWidget *parent, const QString &text)
{
    const QString title = programTitle();
    if (record(Kind::Warning, title, text))
        return;
    showBox(parent, QMessageBox::Warning, title, text);
}

void Prompts::applicationError(QWidget *parent, const QString &message)
{
    const QString text = message + QLatin1Char('.');
    const QString title = programTitle();
    if (record(Kind::ApplicationError, title, text))
        return;
    showBox(parent, QMessageBox::Critical, title, text);
}

void Prompts::showPrintError(QWidget *parent)
{
    const QString text = QCoreApplication::translate("Prompts", "Error printing report ... quitting");
    if (record(Kind::PrintError, errorTitle(), text))
        return;
    showBox(parent, QMessageBox::Critical, errorTitle(), text);
}

void Prompts::setTestMode(bool on)
{
    state() = PromptState();
    state().testMode = on;
}

void Prompts::setConsoleMode(bool on)
{
    state() = PromptState();
    state().consoleMode = on;
}

bool Prompts::testMode()
{
    return state().testMode;
}

void Prompts::setNextAnswer(Answer answer)
{
    state().answers.append(answer);
}

void Prompts::setWhileNextShown(std::function<void()> action)
{
    state().whileShown = std::move(action);
}

const QList<Prompts::Shown> &Prompts::shown()
{
    return state().shown;
}

void Prompts::clearShown()
{
    state().shown.clear();
    state().answers.clear();
}
