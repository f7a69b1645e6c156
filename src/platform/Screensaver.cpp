#include "platform/Screensaver.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

void X11Screensaver::restartIdleTime()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // Other platforms (offscreen, Wayland) have the interface missing or its
    // connection null.
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection);
}
