#include "cpushare.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sys/resource.h>

namespace {
std::atomic<long long> allocations{0};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts the animation timer's ticks and takes the readings at the start and the end.
class Sampler : public QObject
{
public:
    explicit Sampler(QTimer *timer) : m_timer(timer) { timer->installEventFilter(this); }

    void start()
    {
        m_ticks = 0;
        m_allocations = allocations.load();
        m_cpu = cpuSeconds();
        m_wall.start();
    }

    void finish()
    {
        wall = double(m_wall.nsecsElapsed()) / 1e9;
        cpu = cpuSeconds() - m_cpu;
        ticks = m_ticks;
        allocated = allocations.load() - m_allocations;
        QCoreApplication::quit();
    }

    double wall = 0;
    double cpu = 0;
    long long ticks = 0;
    long long allocated = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_timer && event->type() == QEvent::Timer)
            ++m_ticks;
        return false;
    }

private:
    QTimer *m_timer;
    QElapsedTimer m_wall;
    double m_cpu = 0;
    long long m_ticks = 0;
    long long m_allocations = 0;
};
} // namespace

// Every allocation of the process through operator new, Qt's included, is counted; sized,
// array and nothrow forms all come here by the library's default definitions.
void *operator new(std::size_t size)
{
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

double secondsFromArguments(int argc, char *argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.0;
    return seconds > 0 ? seconds : 10.0;
}

int reportCpuShare(const QString &what, QTimer *timer, double seconds, double targetPercent, double targetAllocations,
                   double *shareOut)
{
    Sampler sampler(timer);
    QTimer::singleShot(1000, &sampler, &Sampler::start);
    QTimer::singleShot(1000 + int(seconds * 1000), &sampler, &Sampler::finish);
    const int rc = QCoreApplication::exec();
    if (sampler.ticks == 0) {
        std::fprintf(stderr, "%s: the animation never ran\n", qPrintable(what));
        return 1;
    }
    const double share = 100.0 * sampler.cpu / sampler.wall;
    const double perTick = double(sampler.allocated) / double(sampler.ticks);
    if (shareOut)
        *shareOut = share;
    std::printf("%s: %.2f s wall, %.3f s CPU = %.2f %% of one core; %lld ticks, %.1f allocations per tick\n",
                qPrintable(what), sampler.wall, sampler.cpu, share, sampler.ticks, perTick);
    if (targetPercent > 0)
        std::printf("  target: at most %.0f %% of one core (%s) and %.0f allocations a tick (%s)\n", targetPercent,
                    share <= targetPercent ? "met" : "OVER", targetAllocations,
                    perTick <= targetAllocations ? "met" : "OVER");
    return rc;
}
