// Small pieces the benchmarks share.
#pragma once

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

// CPU time this process has used so far, user and system, in seconds.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The typing time from the command line (60 s unless given); 0 when the
// argument is no use, after saying how to call the program.
inline double TypingSeconds(int argc, char* argv[]) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  if (seconds <= 0) std::fprintf(stderr, "usage: %s [seconds of typing, default 60]\n", argv[0]);
  return seconds > 0 ? seconds : 0;
}

}  // namespace bench
