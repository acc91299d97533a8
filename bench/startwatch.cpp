// Starts a program and prints, in milliseconds from the fork, when its first
// real window (larger than 100 x 100) was mapped and when it was painted: when
// three points of it no longer show the screen behind it. Meant for a private
// X server without a window manager or compositor, where a window's pixels are
// the screen's.
//   zarn_bench_startwatch PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned long Behind = 0x203040; // the screen behind every window

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

unsigned long pixelAt(Display *dpy, Window root, int x, int y)
{
    XImage *image = XGetImage(dpy, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return Behind;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startwatch: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(dpy);
    XSetWindowBackground(dpy, root, Behind);
    XClearWindow(dpy, root);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);

    const auto t0 = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1, painted = -1;
    Window window = 0;
    int wx = 0, wy = 0, ww = 0, wh = 0;
    while (msSince(t0) < 10000 && painted < 0) {
        if (!window) {
            while (XPending(dpy)) {
                XEvent event;
                XNextEvent(dpy, &event);
                if (event.type != MapNotify || window)
                    continue;
                XWindowAttributes attributes;
                if (!XGetWindowAttributes(dpy, event.xmap.window, &attributes))
                    continue;
                if (attributes.width <= 100 || attributes.height <= 100)
                    continue;
                mapped = msSince(t0);
                window = event.xmap.window;
                Window unused;
                XTranslateCoordinates(dpy, window, root, 0, 0, &wx, &wy, &unused);
                ww = attributes.width;
                wh = attributes.height;
            }
        }
        if (window) {
            bool all = true;
            for (int k = 1; k <= 3 && all; ++k)
                all = pixelAt(dpy, root, wx + ww * k / 4, wy + wh * k / 4) != Behind;
            if (all) {
                painted = msSince(t0);
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::printf("%.1f %.1f\n", mapped, painted);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(dpy);
    return painted < 0 ? 1 : 0;
}
