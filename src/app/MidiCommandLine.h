#pragma once
// The command-line conversions, run before any window exists and without a display:
//   tonvale --export-midi IN.piano OUT.mid
//   tonvale --import-midi IN.mid OUT.piano
#include <optional>

namespace MidiCommandLine {

// The exit code when the arguments ask for a conversion (0 done, 1 failed, 2 misused; the
// reason on stderr); nothing when they do not, and the program starts as usual.
std::optional<int> run(int argc, char** argv);

} // namespace MidiCommandLine
