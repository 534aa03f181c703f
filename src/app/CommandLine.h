#pragma once
// The commands the program runs without a window and without a display, before anything else:
//   tonvale --help | --version | --check FILE... | --export-midi IN OUT | --import-midi IN OUT
//           | --export-pdf IN OUT [--no-keys]
//           | --export-audio IN OUT
//           | --export-musicxml IN OUT | --import-musicxml IN OUT
// Each command is one row of the table in CommandLine.cpp; --help prints them all.
#include <optional>

namespace CommandLine {

// Exit codes of the conversions: done, a file refused (the reason on stderr), misused.
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

// The exit code when the arguments name a command (an unknown "--" option is a usage error);
// nothing when they do not, and the program starts its window as usual.
std::optional<int> run(int argc, char** argv);

} // namespace CommandLine
