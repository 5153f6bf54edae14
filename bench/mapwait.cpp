// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start under X: from just before exec to the moment its first top-level
// window is mapped, watched through the root window's substructure events, and the processor time
// its threads took until then (steadier than the wall clock on a shared machine). Then it waits,
// reads the program's resident memory and ends it.
//   mapwait SETTLE_MS PROGRAM [ARGS...]   prints "map_ms rss_kib cpu_ms"
#include <X11/Xlib.h>
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long RssKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The time on a processor of every thread of `pid` so far, from the scheduler's own account.
double CpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return -1;
  double ns = 0;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) ns += onCpu;
  }
  closedir(dir);
  return ns / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: mapwait SETTLE_MS PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("mapwait: no display\n", stderr);
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  double cpu = -1;
  while (mapped < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) {
      mapped = NowMs() - start;
      cpu = CpuMs(pid);
    }
  }
  usleep(static_cast<useconds_t>(std::atoi(argv[1])) * 1000);
  const long rss = RssKib(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::printf("%.1f %ld %.1f\n", mapped, rss, cpu);
  XCloseDisplay(display);
  return 0;
}
