#pragma once

#include "calc/conversionerror.h"
#include "settings/atomicfile.h"
#include "widgets/prompts.h"
#include <QObject>
#include <QWidget>
#include <exception>
#include <utility>

// Runs the body of an event handler so that no exception crosses Qt's event dispatch: a failure
// ends the event and is shown in the application error box, and the program carries on.
template <typename Body> bool guarded(QWidget *parent, Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const ConversionError &e) {
        Prompts::applicationError(parent, e.message());
    } catch (const FileWriteError &e) {
        Prompts::applicationError(parent, e.message());
    } catch (const std::exception &e) {
        Prompts::applicationError(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

// The one way a handler that can fail is wired: the signal runs receiver->handler() through
// guarded(), whatever arguments the signal carries.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectGuarded(const Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler] { guarded(receiver, [&] { (receiver->*handler)(); }); });
}
