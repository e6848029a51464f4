/* Starts a program and reports how long it took until a top-level window of a given class was
 * mapped, then the peak resident memory of the program's process tree one second later.
 *
 *   map_wait [--stderr FILE] CLASS TIMEOUT_MS PROGRAM [ARGS...]
 *
 * The program is started directly, as the floor is: a shell to redirect its errors would be
 * counted as its own start-up.
 *
 * Prints "map_ms=<ms> mapped_at_ms=<CLOCK_MONOTONIC ms> peak_rss_kib=<KiB>" and exits 0, or exits 1 when no such window appeared
 * in time. The program is killed afterwards. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int class_matches(Display *display, Window window, const char *wanted)
{
    XClassHint hint;
    if (!XGetClassHint(display, window, &hint))
        return 0;
    const int match = (hint.res_name && strcmp(hint.res_name, wanted) == 0)
                      || (hint.res_class && strcasecmp(hint.res_class, wanted) == 0);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

static long parent_of(long pid)
{
    char path[64], buffer[512];
    snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    size_t n = fread(buffer, 1, sizeof buffer - 1, f);
    fclose(f);
    buffer[n] = 0;
    const char *close = strrchr(buffer, ')');
    long ppid = -1;
    if (close)
        sscanf(close + 2, "%*c %ld", &ppid);
    return ppid;
}

static long peak_rss_kib(long pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%ld/status", pid);
    FILE *f = fopen(path, "r");
    long kib = 0;
    if (!f)
        return 0;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld", &kib) == 1)
            break;
    fclose(f);
    return kib;
}

/* The program and every process below it. */
static long tree_peak_rss_kib(long root)
{
    long total = peak_rss_kib(root);
    DIR *proc = opendir("/proc");
    struct dirent *entry;
    while (proc && (entry = readdir(proc))) {
        const long pid = atol(entry->d_name);
        if (pid <= 0 || pid == root)
            continue;
        for (long p = parent_of(pid); p > 1; p = parent_of(p)) {
            if (p == root) {
                total += peak_rss_kib(pid);
                break;
            }
        }
    }
    if (proc)
        closedir(proc);
    return total;
}

int main(int argc, char **argv)
{
    int errors = -1;
    if (argc > 2 && strcmp(argv[1], "--stderr") == 0) {
        errors = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (errors < 0) {
            perror(argv[2]);
            return 2;
        }
        argv += 2;
        argc -= 2;
    }
    if (argc < 4) {
        fprintf(stderr, "usage: map_wait [--stderr FILE] CLASS TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_wait: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        if (errors >= 0)
            dup2(errors, 2);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const double deadline = start + atof(argv[2]);
    const int fd = ConnectionNumber(display);
    double mapped = -1;
    while (mapped < 0 && now_ms() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && class_matches(display, event.xmap.window, argv[1])) {
                mapped = now_ms();
                break;
            }
        }
        if (mapped >= 0)
            break;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval wait = {0, 20000};
        select(fd + 1, &set, NULL, NULL, &wait);
    }
    long rss = 0;
    if (mapped >= 0) {
        sleep(1);
        rss = tree_peak_rss_kib(child);
    }
    kill(child, SIGTERM);
    for (int i = 0; i < 100 && waitpid(child, NULL, WNOHANG) == 0; ++i)
        usleep(20000);
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        fprintf(stderr, "map_wait: no window of class %s within %s ms\n", argv[1], argv[2]);
        return 1;
    }
    printf("map_ms=%.1f mapped_at_ms=%.1f peak_rss_kib=%ld\n", mapped - start, mapped, rss);
    return 0;
}
