// Loaded with LD_PRELOAD into a Qt program: at the first paint of any widget it prints the wall
// clock and the peak resident memory so far, then ends the process at once. The start-up
// benchmark subtracts its own clock reading taken just before starting the program, so
// program and baseline are measured the same way, without code in either.

#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

class FirstPaintProbe final : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "first-paint-ns %lld peak-rss-kb %ld\n",
                     static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                     usage.ru_maxrss);
        std::fflush(stderr);
        std::_Exit(0);
    }
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

const bool registered = (qAddPreRoutine(&installProbe), true);

} // namespace
