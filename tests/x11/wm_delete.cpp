// Asks a window to close as a window manager's close button does: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. Fails (status 2)
// if the window does not take part in that protocol, since a window manager
// would then destroy it or kill its client instead of asking.
//
// Usage: wm_delete WINDOW_ID (decimal or 0x hex), on $DISPLAY.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    Atom* listed = nullptr;
    int count = 0;
    bool takesPart = false;
    if (XGetWMProtocols(display, window, &listed, &count) != 0) {
        for (int i = 0; i < count; ++i) {
            takesPart = takesPart || listed[i] == deleteWindow;
        }
        XFree(listed);
    }
    if (!takesPart) {
        std::fprintf(stderr, "window 0x%lx does not list WM_DELETE_WINDOW\n", window);
        XCloseDisplay(display);
        return 2;
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
