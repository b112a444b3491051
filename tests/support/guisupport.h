#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

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

} // namespace testsupport
