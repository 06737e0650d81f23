// The start-up benchmark's probe, linked into the benchmark's own builds of the game and of the
// bare window: the moment the main window is first painted. When ZELTARO_BENCH_FIRST_PAINT is
// set, reports on standard output, once the window's first paint has been flushed, the
// monotonic clock and the process's CPU time in nanoseconds and the peak resident memory so
// far; with the value "stay" the program then goes on (and also reports where its central
// widget lies on the screen), with any other value it quits.
#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// The peak resident memory of this process (not of whatever started it), in kB.
long PeakResidentKb() {
    std::FILE* file = std::fopen("/proc/self/status", "r");
    if (file == nullptr)
        return -1;
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(file);
    return kb;
}

long long ClockNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// A filter on the application that waits for the first paint of any widget of a main window,
// then reports once the whole paint has gone to the screen.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(bool bStay) : QObject(QCoreApplication::instance()), m_bStay(bStay) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window()) != nullptr) {
            m_window = static_cast<QWidget*>(watched)->window();
            QCoreApplication::instance()->removeEventFilter(this);
            // The rest of the window is painted and flushed before the event posted here.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        Report();
        return true;
    }

private:
    void Report() {
        std::printf("first-paint-ns %lld cpu-ns %lld peak-rss-kb %ld\n", ClockNs(CLOCK_MONOTONIC),
                    ClockNs(CLOCK_PROCESS_CPUTIME_ID), PeakResidentKb());
        if (auto* frame = qobject_cast<QMainWindow*>(m_window.data());
            frame != nullptr && frame->centralWidget() != nullptr) {
            const QPoint origin = frame->centralWidget()->mapToGlobal(QPoint(0, 0));
            std::printf("view-origin %d %d\n", origin.x(), origin.y());
        }
        std::fflush(stdout);
        if (!m_bStay)
            QCoreApplication::exit(0);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    bool m_bStay;
};

// Installed as the application object is built, so that the program itself calls nothing.
void InstallFirstPaintProbe() {
    const QByteArray mode = qgetenv("ZELTARO_BENCH_FIRST_PAINT");
    if (mode.isEmpty())
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(mode == "stay"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
