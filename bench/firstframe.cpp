// SPDX-License-Identifier: MIT
// Preloaded into a Qt program (LD_PRELOAD), this reports on standard error
//   startup_cpu_us=N peak_rss_kb=N [idle_cpu_us=N]
// where startup is the process's CPU time from exec until its first frame
// has been painted, and idle is the CPU time of QV_BENCH_IDLE_MS milliseconds
// of idle running, if that variable is set, starting QV_BENCH_SETTLE_MS after
// the first frame (default 0). Then it ends the program. With
// QV_BENCH_NO_BLINK set, text cursors stop blinking from the first frame, to
// show what a focused text box's caret costs while the program is idle.

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long cpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

long peakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            // Queued, so it runs once the whole frame is painted and flushed.
            QTimer::singleShot(0, this, &FirstFrame::painted);
        }
        return false;
    }

private:
    void painted()
    {
        if (std::getenv("QV_BENCH_NO_BLINK"))
            QApplication::setCursorFlashTime(0);
        std::fprintf(stderr, "startup_cpu_us=%lld peak_rss_kb=%ld", cpuMicroseconds(), peakRssKilobytes());
        const char* idle = std::getenv("QV_BENCH_IDLE_MS");
        if (!idle) {
            std::fprintf(stderr, "\n");
            QCoreApplication::exit(0);
            return;
        }
        const char* settle = std::getenv("QV_BENCH_SETTLE_MS");
        QTimer::singleShot(settle ? std::atoi(settle) : 0, this, [idle] {
            const long long start = cpuMicroseconds();
            QTimer::singleShot(std::atoi(idle), qApp, [start] {
                std::fprintf(stderr, " idle_cpu_us=%lld\n", cpuMicroseconds() - start);
                QCoreApplication::exit(0);
            });
        });
    }
};

void install()
{
    qApp->installEventFilter(new FirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
