// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Makes one chosen system call fail. Preloaded into the fault tests (LD_PRELOAD): while armed it
// counts the calls of write, fsync, fdatasync, rename, close and fflush, and the k-th of them
// fails with EIO (ENOSPC for write). The test finds the controls with dlsym.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <unistd.h>

static int armed;
static int calls;
static int fail_at;
static char failed_name[16];
static const char* names[256];

void marrowleaf_fault_arm(int k) {
  calls = 0;
  fail_at = k;
  failed_name[0] = '\0';
  armed = 1;
}

int marrowleaf_fault_disarm(void) {
  armed = 0;
  return calls;
}

const char* marrowleaf_fault_failed_call(void) { return failed_name; }

// The name of the i-th counted call (from 1) since the last arm.
const char* marrowleaf_fault_call(int i) {
  return i >= 1 && i <= calls && i <= 256 ? names[i - 1] : "";
}

static int should_fail(const char* name) {
  if (!armed) return 0;
  ++calls;
  if (calls <= 256) names[calls - 1] = name;
  if (calls != fail_at) return 0;
  snprintf(failed_name, sizeof failed_name, "%s", name);
  return 1;
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void* buf, size_t n) {
  if (should_fail("write")) {
    errno = ENOSPC;
    return -1;
  }
  return REAL(write)(fd, buf, n);
}

int fsync(int fd) {
  if (should_fail("fsync")) {
    errno = EIO;
    return -1;
  }
  return REAL(fsync)(fd);
}

int fdatasync(int fd) {
  if (should_fail("fdatasync")) {
    errno = EIO;
    return -1;
  }
  return REAL(fdatasync)(fd);
}

int rename(const char* from, const char* to) {
  if (should_fail("rename")) {
    errno = EIO;
    return -1;
  }
  return REAL(rename)(from, to);
}

int close(int fd) {
  if (should_fail("close")) {
    // A failed close still releases the descriptor on Linux.
    REAL(close)(fd);
    errno = EIO;
    return -1;
  }
  return REAL(close)(fd);
}

int fflush(FILE* stream) {
  if (should_fail("fflush")) {
    errno = EIO;
    return EOF;
  }
  return REAL(fflush)(stream);
}
