// What the level costs in its window while the player looks on: starts the
// real level9 in a window of a 1024 x 768 X display (an Xvfb of its own when
// no DISPLAY is set), closes the objectives page with Escape, rests the
// pointer over the map for a while with the map's life on, then scrolls the
// map to and fro with the arrow keys for as long. Each phase prints one line:
// the share of a core the level used (its user and system time from
// /proc/PID/stat over the wall time) and its peak resident memory so far
// (VmHWM of /proc/PID/status).
//
//   bench_window_rest [--seconds N] [--game DIR] [--shots DIR]
//
// With --shots, pictures of the window go into DIR: "objectives.png" before
// the page closes, "map.png" at rest and "scrolled.png" after scrolling
// (ImageMagick's import takes them).
//
// The level runs on a copy of the game folder (its saves and settings stay
// out of the build), with SDL's software renderer, as on a machine without a
// graphics card. xdotool gives the keys and the pointer.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void Sleep(double seconds) {
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

fs::path BuildGameFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path("game") : self.parent_path().parent_path() / "game";
}

// Starts a program with its arguments; its process id, or -1.
pid_t Start(const std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    Sleep(0.1);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

bool Alive(pid_t pid) {
  return waitpid(pid, nullptr, WNOHANG) == 0;
}

// What a shell command printed (its first line), or nothing when it failed.
std::optional<std::string> Output(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string text;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
  if (pclose(pipe) != 0) return std::nullopt;
  if (const auto end = text.find('\n'); end != std::string::npos) text.resize(end);
  return text;
}

bool Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// An X display of our own: Xvfb on the first free number from 91.
struct OwnDisplay {
  pid_t pid = -1;
  ~OwnDisplay() { Stop(pid); }
  bool Open() {
    for (int n = 91; n < 120; ++n) {
      if (fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) ||
          fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
        continue;
      const std::string name = ":" + std::to_string(n);
      pid = Start({"Xvfb", name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
      if (pid < 0) return false;
      for (int i = 0; i < 100 && Alive(pid); ++i) {
        if (fs::exists("/tmp/.X11-unix/X" + std::to_string(n))) {
          setenv("DISPLAY", name.c_str(), 1);
          return true;
        }
        Sleep(0.05);
      }
      Stop(pid);
      pid = -1;
    }
    return false;
  }
};

struct CpuTicks {
  long long used = 0;  // user + system, in clock ticks
  bool ok = false;
};

CpuTicks CpuOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return {};
  // The command name may hold spaces: the fields are counted after it.
  const auto close = line.rfind(')');
  if (close == std::string::npos) return {};
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  long long utime = 0, stime = 0;
  // Fields 3..13 come before utime (14) and stime (15).
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stoll(field);
    if (i == 15) stime = std::stoll(field);
  }
  return {utime + stime, true};
}

// The peak resident memory in MB (VmHWM), or -1.
double PeakMegabytes(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

// Measures `seconds` of the level's life while `during` plays the player's
// part (called with the seconds gone, about every 50 ms).
template <class F>
void Measure(const char* phase, pid_t level, double seconds, F during) {
  const CpuTicks before = CpuOf(level);
  const auto start = Clock::now();
  double gone = 0;
  while (gone < seconds && Alive(level)) {
    during(gone);
    Sleep(0.05);
    gone = std::chrono::duration<double>(Clock::now() - start).count();
  }
  const CpuTicks after = CpuOf(level);
  if (!before.ok || !after.ok) {
    std::cout << phase << ": the level ended before it could be measured\n";
    return;
  }
  const double cpu = static_cast<double>(after.used - before.used) / sysconf(_SC_CLK_TCK);
  std::printf("%-6s %5.1f %% of a core over %.1f s, peak memory %.0f MB\n", phase,
              100.0 * cpu / gone, gone, PeakMegabytes(level));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 10;
  fs::path game = BuildGameFolder();
  fs::path shots;
  if (const char* folder = std::getenv("VALORNE_GAME_DIR")) game = folder;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string word = argv[i];
    if (word == "--seconds") {
      seconds = std::atof(argv[i + 1]);
    } else if (word == "--game") {
      game = argv[i + 1];
    } else if (word == "--shots") {
      shots = fs::absolute(argv[i + 1]);
    } else {
      std::cerr << "usage: bench_window_rest [--seconds N] [--game DIR] [--shots DIR]\n";
      return 2;
    }
  }
  if (!fs::exists(game / "level9")) {
    std::cerr << "bench_window_rest: no level9 in " << game << " (build level9 and game_data)\n";
    return 1;
  }
  if (!Run("command -v xdotool")) {
    std::cerr << "bench_window_rest: xdotool is needed (apt-get install xdotool)\n";
    return 1;
  }
  OwnDisplay own;
  const char* display = std::getenv("DISPLAY");
  if ((!display || !*display) && !own.Open()) {
    std::cerr << "bench_window_rest: no DISPLAY and no Xvfb could be started\n";
    return 1;
  }

  const fs::path copy =
      fs::temp_directory_path() / ("bench_window_rest." + std::to_string(getpid()));
  fs::remove_all(copy);
  fs::copy(game, copy, fs::copy_options::recursive);
  struct Cleanup {
    fs::path folder;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
    }
  } cleanup{copy};

  setenv("SDL_RENDER_DRIVER", "software", 1);
  const pid_t level = Start({(copy / "level9").string(), "--app-path", copy.string()});
  if (level < 0) {
    std::cerr << "bench_window_rest: level9 cannot be started\n";
    return 1;
  }
  struct Ending {
    pid_t pid;
    ~Ending() { Stop(pid); }
  } ending{level};

  const std::string pid_text = std::to_string(level);
  std::optional<std::string> window;
  for (int i = 0; i < 200 && !window && Alive(level); ++i) {
    window = Output("xdotool search --onlyvisible --pid " + pid_text + " 2>/dev/null");
    if (!window) Sleep(0.1);
  }
  if (!window) {
    std::cerr << "bench_window_rest: the level's window did not appear\n";
    return 1;
  }
  // The objectives page comes up after start-up; Escape closes it.
  Sleep(3);
  const std::string w = *window;
  const auto shoot = [&shots, &w](const char* name) {
    if (!shots.empty()) Run("import -window " + w + " '" + (shots / name).string() + "'");
  };
  shoot("objectives.png");
  Run("xdotool windowfocus --sync " + w);
  Run("xdotool key --clearmodifiers Escape");
  Sleep(1);
  // The pointer rests over the middle of the map.
  Run("xdotool mousemove --window " + w + " 400 330");
  Sleep(1);
  shoot("map.png");

  Measure("rest", level, seconds, [](double) {});
  // To and fro: a second right, a second left, so the map never
  // stops at its edge.
  std::string held;
  Measure("scroll", level, seconds, [&held](double gone) {
    const std::string want = static_cast<int>(gone) % 2 == 0 ? "Right" : "Left";
    if (want == held) return;
    if (!held.empty()) Run("xdotool keyup " + held);
    Run("xdotool keydown " + want);
    held = want;
  });
  if (!held.empty()) Run("xdotool keyup " + held);
  Sleep(0.5);
  shoot("scrolled.png");
  return 0;
}
