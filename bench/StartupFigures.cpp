#include "StartupFigures.h"

#include <QElapsedTimer>
#include <QThread>
#include <xcb/xcb.h>

namespace {

// Watches the desktop for top-level windows being mapped.
class MapWatch {
public:
    explicit MapWatch(const QString &display)
        : x(xcb_connect(qPrintable(display), nullptr))
    {
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(x);
    }
    ~MapWatch() { xcb_disconnect(x); }

    void forgetEarlierEvents()
    {
        xcb_flush(x);
        while (xcb_generic_event_t *stale = xcb_poll_for_event(x))
            free(stale);
    }

    // Waits for a window titled "QuorvelBot" to be mapped; false after
    // milliseconds.
    bool waitForSignInWindow(int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                free(event);
                if (mapped && title(window) == "QuorvelBot")
                    return true;
            }
            QThread::usleep(200);
        }
        return false;
    }

private:
    QByteArray title(xcb_window_t window)
    {
        xcb_get_property_reply_t *name =
            xcb_get_property_reply(x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 64), nullptr);
        const QByteArray text = name ? QByteArray(static_cast<const char *>(xcb_get_property_value(name)),
                                                  xcb_get_property_value_length(name))
                                     : QByteArray();
        free(name);
        return text;
    }

    xcb_connection_t *x;
};

bool measure(Bench &bench, MapWatch &watch, const QString &program, QList<double> &startMs, QList<double> &peakMb)
{
    QProcess process;
    watch.forgetEarlierEvents();
    QElapsedTimer clock;
    clock.start();
    bench.start(process, program);
    if (!watch.waitForSignInWindow(20000))
        return false;
    startMs << double(clock.nsecsElapsed()) / 1e6;
    QThread::sleep(1);
    peakMb << peakMemoryMb(process.processId());
    process.kill();
    process.waitForFinished(5000);
    return true;
}

} // namespace

QList<Figure> startupFigures(Bench &bench, int runs)
{
    Figure start{QStringLiteral("start-up to the sign-in window"), QStringLiteral("ms"), {}, {}, 1.15, 1};
    Figure memory{QStringLiteral("peak memory after start"), QStringLiteral("MB"), {}, {}, 1.15, 1};
    MapWatch watch(bench.desktop.display());
    for (int run = 0; run < runs; ++run)
        if (!measure(bench, watch, bench.signInFloor, start.floor, memory.floor)
            || !measure(bench, watch, bench.controller, start.program, memory.program))
            qFatal("a sign-in window did not appear");
    return {start, memory};
}
