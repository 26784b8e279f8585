/* Launches a program and reports, in ms since its launch, when each of its top-level windows is
 * mapped. bench/startup uses it instead of polling with xdotool: polling costs a process per
 * millisecond, which competes with the program it measures and blurs the times by the poll
 * interval. Without a window manager (Xvfb) top-level windows are children of the root, so
 * SubstructureNotify on the root sees each map as it happens.
 *
 * Usage: map_watch TIMEOUT_MS FINAL_NAME PROGRAM [ARGS...]
 * Prints "pid PID" once the program runs, then "mapped MS CLASS\tNAME" per mapped window, and
 * exits 0 once a window whose name contains FINAL_NAME is mapped (the program keeps running),
 * 1 on timeout or when the program ends first. */

#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long now_ns(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

/* A window can be gone by the time it is asked for its name: that is no error here. */
static int ignore_errors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

static void window_name(Display* display, Window window, char* out, size_t size) {
    out[0] = '\0';
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        snprintf(out, size, "%s", (const char*)data);
        XFree(data);
        return;
    }
    char* name = NULL;
    if (XFetchName(display, window, &name) && name) {
        snprintf(out, size, "%s", name);
        XFree(name);
    }
}

static void window_class(Display* display, Window window, char* out, size_t size) {
    out[0] = '\0';
    XClassHint hint = {0};
    if (XGetClassHint(display, window, &hint)) {
        snprintf(out, size, "%s", hint.res_class ? hint.res_class : "");
        if (hint.res_name)
            XFree(hint.res_name);
        if (hint.res_class)
            XFree(hint.res_class);
    }
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: map_watch TIMEOUT_MS FINAL_NAME PROGRAM [ARGS...]\n");
        return 2;
    }
    const long long timeout_ns = atoll(argv[1]) * 1000000LL;
    const char* final_name = argv[2];
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_watch: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const long long start = now_ns();
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    printf("pid %d\n", (int)child);
    fflush(stdout);

    struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            const long long at = now_ns();
            char name[512], klass[256];
            window_name(display, event.xmap.window, name, sizeof name);
            window_class(display, event.xmap.window, klass, sizeof klass);
            printf("mapped %lld %s\t%s\n", (at - start) / 1000000LL, klass, name);
            fflush(stdout);
            if (strstr(name, final_name))
                return 0;
        }
        int status;
        if (waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "map_watch: %s ended before its window was mapped\n", argv[3]);
            return 1;
        }
        const long long left = start + timeout_ns - now_ns();
        if (left <= 0) {
            fprintf(stderr, "map_watch: timeout\n");
            kill(child, SIGTERM);
            return 1;
        }
        poll(&fd, 1, left > 50000000LL ? 50 : (int)(left / 1000000LL) + 1);
    }
}
