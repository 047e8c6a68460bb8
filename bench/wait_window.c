/* Waits until a top-level window with the given title is mapped on the X display, then exits.
   Started before the program it waits for, it catches the map event itself instead of polling,
   so it costs no processor time while the program starts. With a file name it writes there the
   wall-clock time (milliseconds since 1970) at which it saw the window, so that what the program
   does after showing its window cannot delay the reading.
     wait_window TITLE [SECONDS [TIME-FILE]]      exit status 0 when seen, 1 on time-out */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static int HasTitle(Display* display, Window window, const char* title) {
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom names[2] = {netName, XA_WM_NAME};
  for (int k = 0; k < 2; ++k) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(display, window, names[k], 0, 256, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
      int same = format == 8 && count == strlen(title) && memcmp(data, title, count) == 0;
      XFree(data);
      if (same) return 1;
    }
  }
  return 0;
}

static int Seen(const char* timeFile) {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  if (timeFile) {
    FILE* out = fopen(timeFile, "w");
    if (!out) return 2;
    fprintf(out, "%lld\n", (long long)now.tv_sec * 1000 + now.tv_nsec / 1000000);
    fclose(out);
  }
  return 0;
}

static int Quiet(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;  // a window gone before its title was read
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: %s TITLE [SECONDS]\n", argv[0]);
    return 2;
  }
  const double limit = argc > 2 ? atof(argv[2]) : 30.0;
  const char* timeFile = argc > 3 ? argv[3] : NULL;
  Display* display = XOpenDisplay(NULL);
  if (!display) return 2;
  XSetErrorHandler(Quiet);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  /* Ready: the caller may start the program now. */
  printf("ready\n");
  fflush(stdout);
  struct timespec start, now;
  clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
        return Seen(timeFile);
      }
    }
    clock_gettime(CLOCK_MONOTONIC, &now);
    double left = limit - (now.tv_sec - start.tv_sec) - (now.tv_nsec - start.tv_nsec) / 1e9;
    if (left <= 0) return 1;
    struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, (int)(left * 1000) + 1);
  }
}
