// CPU share of the about window while its marquee scrolls: `cpu_marquee [seconds]`.
#include "about/digmarquee.h"
#include "about/frmabout.h"
#include "cpushare.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const double seconds = secondsFromArguments(argc, argv);
    TfrmAbout about;
    about.show();
    auto *marquee = about.findChild<TDigMarquee *>(QStringLiteral("DigMarquee1"));
    QTimer *timer = marquee ? marquee->findChild<QTimer *>() : nullptr;
    if (!timer)
        return 1;
    return reportCpuShare(QStringLiteral("about window, marquee scrolling"), timer, seconds);
}
