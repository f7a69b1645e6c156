// Sends WM_DELETE_WINDOW to a window, as a window manager's close button
// does; the desktops of the end-to-end tests have no window manager.
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(std::strtoul(argv[1], nullptr, 0));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
