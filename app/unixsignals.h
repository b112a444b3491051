#pragma once

#include <QObject>

class QSocketNotifier;

// The signals that end a program at log-out (SIGTERM from a Wayland session or systemd, SIGHUP
// from a closed terminal, SIGINT from Ctrl+C), and SIGUSR1, with which a second copy asks this
// one to show its window. A signal handler may call nothing of Qt's: it only writes the signal's
// number into a socket pair, and a QSocketNotifier brings it to the event loop.
class UnixSignals : public QObject
{
    Q_OBJECT
public:
    // Catches the signals for as long as it lives; only one may live at a time.
    explicit UnixSignals(QObject *parent = nullptr);
    ~UnixSignals() override;

signals:
    void endRequested(int signal);
    void showRequested();

private:
    void readSignals();
    QSocketNotifier *m_notifier = nullptr;
};
