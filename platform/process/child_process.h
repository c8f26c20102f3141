#pragma once
// Running another program of the installation and waiting for it, with a time limit. The
// child dies with the process that started it, however that ends. Its standard input and
// output are empty; what it writes on standard error is read as it
// comes and only its last line is kept, so a program that floods its error output neither
// blocks nor fills memory.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pillora {

struct ChildOutcome {
  std::optional<int> exitCode;  // the status it exited with
  std::optional<int> signal;    // the signal that ended it
  bool timedOut = false;        // it ran out of time and was killed
  std::string lastErrorLine;    // its last line on standard error, cut to a few hundred bytes
};

// Runs program with the arguments and waits for it; a program still running after the
// timeout is killed. FileError when it cannot be started.
ChildOutcome runChild(const std::filesystem::path& program,
                      const std::vector<std::filesystem::path>& arguments,
                      std::chrono::milliseconds timeout);

}  // namespace pillora
