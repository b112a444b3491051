#pragma once

#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace testsupport {

// How a helper reports that a test went wrong outside a test function's own statements: a failure
// of the running test. Replaceable, so the helpers' own test can see what they report.
inline std::function<void(const char *)> &helperFailure()
{
    static std::function<void(const char *)> report = [](const char *message) {
        QTest::qFail(message, __FILE__, __LINE__);
    };
    return report;
}

// Answers queued by answerNextDialog and not yet run.
inline int &pendingDialogAnswers()
{
    static int pending = 0;
    return pending;
}

// Answers the next modal or popup dialog from inside its event loop: `act` fills it in and presses a
// button. A dialog still open afterwards (its OK was refused) is cancelled, so a test never hangs;
// `stillOpen` reports whether that happened. No modal dialog open when the answer runs, or an
// answer never run by the end of the test (WindowTestScope checks), fails the test.
inline void answerNextDialog(std::function<void(QDialog *)> act, bool *stillOpen = nullptr)
{
    ++pendingDialogAnswers();
    QTimer::singleShot(0, qApp, [act = std::move(act), stillOpen] {
        --pendingDialogAnswers();
        // The calendar picker is a popup, also over a modal dialog.
        auto *dialog = qobject_cast<QDialog *>(QApplication::activePopupWidget());
        if (!dialog)
            dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            helperFailure()("answerNextDialog: no modal dialog was open to answer");
            return;
        }
        act(dialog);
        const bool open = dialog->isVisible();
        if (stillOpen)
            *stillOpen = open;
        if (open)
            dialog->reject();
    });
}

// Fails the running test when an answer is still queued: the dialog it was meant for never opened.
inline void checkDialogsAnswered()
{
    QCoreApplication::processEvents();
    if (pendingDialogAnswers() != 0) {
        pendingDialogAnswers() = 0;
        helperFailure()("answerNextDialog: the dialog to answer never opened");
    }
}

// Presses a button (or any QAbstractButton) of `parent` by object name, through its signal and wiring.
inline void click(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QLatin1String(name));
    if (!button) {
        helperFailure()("click: no button of that name");
        return;
    }
    button->click();
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// The texts of the message boxes shown so far (prompts in test mode).
inline QStringList promptTexts()
{
    QStringList texts;
    for (const auto &shown : Prompts::shown())
        texts << shown.text;
    return texts;
}

// What a window test starts from: shared state reset, message boxes recorded instead of shown, the
// clock at 10 June 2025 14:00, and an empty temporary program folder for the settings file.
class WindowTestScope
{
public:
    WindowTestScope() = default;
    ~WindowTestScope()
    {
        checkDialogsAnswered();
        TfrmPickDate::setPickHook(nullptr);
    }

    QString settingsPath() const { return m_folder.file(QStringLiteral("lfy.ini")); }
    const TempProgramFolder &folder() const { return m_folder; }
    void writeSettings(const QByteArray &content) const
    {
        QFile f(settingsPath());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(content);
    }
    QByteArray readSettings() const
    {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    struct State {
        State()
        {
            resetSharedState();
            Prompts::setTestMode(true);
            fixClock(2025, 6, 10, 14, 0);
        }
        ~State()
        {
            Prompts::setTestMode(false);
            resetSharedState();
        }
    } m_state; // first in, last out: the folder below is made after the reset and gone before it
    TempProgramFolder m_folder;
};

} // namespace testsupport
