#pragma once

#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <functional>
#include <memory>

namespace testsupport {

// Answers the next modal dialog from inside its event loop: `act` fills it in and presses a
// button. A dialog still open afterwards (its OK was refused) is cancelled, so a test never hangs;
// `stillOpen` reports whether that happened.
inline void answerNextDialog(std::function<void(QDialog *)> act, bool *stillOpen = nullptr)
{
    QTimer::singleShot(0, qApp, [act = std::move(act), stillOpen] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        act(dialog);
        const bool open = dialog->isVisible();
        if (stillOpen)
            *stillOpen = open;
        if (open)
            dialog->reject();
    });
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
    ~WindowTestScope() { TfrmPickDate::setPickHook(nullptr); }

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
