// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store against the peers on the same files: load and save throughput. Each peer is
// built in when its headers were found; before any timing, every peer's content must equal ours.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "benchinputs.h"
#include "config/inifile.h"
#include "config/settings.h"
#include "platform/files.h"

#ifdef MARROWLEAF_BENCH_SIMPLEINI
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#endif
#ifdef MARROWLEAF_BENCH_INIH
#include <ini.h>
#endif
#ifdef MARROWLEAF_BENCH_BOOST
#include <boost/property_tree/ini_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#endif
#include <QSettings>
#include <QString>

namespace {

using Content = std::map<std::string, std::map<std::string, std::string>>;

Content Ours(const std::string& path) {
  TINIFile ini;
  ini.Load(path);
  Content out;
  for (const auto& [section, keys] : ini.Sections()) {
    for (const auto& [key, value] : keys) out[section][key] = value;
  }
  ini.Clear();
  return out;
}

// The floor: reading the bytes and counting the lines.
size_t Floor(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  static std::vector<char> buffer(1 << 20);
  size_t lines = 0;
  for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) {
    for (const char* p = buffer.data();
         (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + n - p))) != nullptr;
         ++p) {
      ++lines;
    }
  }
  ::close(fd);
  return lines;
}

#ifdef MARROWLEAF_BENCH_SIMPLEINI
Content FromSimpleIni(const CSimpleIniA& ini) {
  Content out;
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  for (const auto& s : sections) {
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(s.pItem, keys);
    for (const auto& k : keys) out[s.pItem][k.pItem] = ini.GetValue(s.pItem, k.pItem, "");
  }
  return out;
}
Content SimpleIni(const std::string& path) {
  CSimpleIniA ini;
  ini.LoadFile(path.c_str());
  return FromSimpleIni(ini);
}
#endif

#ifdef MARROWLEAF_BENCH_INIH
int InihHandler(void* user, const char* section, const char* name, const char* value) {
  (*static_cast<Content*>(user))[section][name] = value;
  return 1;
}
Content Inih(const std::string& path) {
  Content out;
  if (ini_parse(path.c_str(), InihHandler, &out) != 0) out.clear();  // a line over its limit
  return out;
}
#endif

#ifdef MARROWLEAF_BENCH_BOOST
Content FromBoost(const boost::property_tree::ptree& tree) {
  Content out;
  for (const auto& [section, keys] : tree) {
    for (const auto& [key, value] : keys) out[section][key] = value.data();
  }
  return out;
}
Content Boost(const std::string& path) {
  boost::property_tree::ptree tree;
  boost::property_tree::read_ini(path, tree);
  return FromBoost(tree);
}
#endif

Content QtSettings(const std::string& path) {
  QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
  Content out;
  const QStringList keys = settings.allKeys();
  for (const QString& key : keys) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    out[key.left(slash).toStdString()][key.mid(slash + 1).toStdString()] =
        settings.value(key).toString().toStdString();
  }
  return out;
}

struct Input {
  std::string name;
  std::string path;
  size_t bytes;
};

std::vector<Input> Inputs() {
  std::vector<Input> inputs;
  for (const char* eol : {"\n", "\r\n"}) {
    for (const auto& input :
         {benchinputs::SmallIni(eol), benchinputs::LargeIni(eol), benchinputs::LongIni(eol)}) {
      const std::string name = std::string(input.name) + (eol[1] ? "/crlf" : "/lf");
      const std::string path =
          benchinputs::Folder() + "/" + input.name + (eol[1] ? "-crlf" : "-lf") + ".ini";
      benchinputs::Write(path, input.bytes);
      inputs.push_back({name, path, input.bytes.size()});
    }
  }
  return inputs;
}

void Register(const std::string& name, const Input& input,
              void (*run)(benchmark::State&, const Input&)) {
  benchmark::RegisterBenchmark(name.c_str(), run, input)->Unit(benchmark::kMicrosecond);
}

template <Content (*Load)(const std::string&)>
void LoadBench(benchmark::State& state, const Input& input) {
  for (auto _ : state) benchmark::DoNotOptimize(Load(input.path));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

// Ours without the conversion to the common comparison form: what the program pays.
void OurLoad(benchmark::State& state, const Input& input) {
  for (auto _ : state) {
    TINIFile ini;
    ini.Load(input.path);
    benchmark::DoNotOptimize(ini.SectionCount());
    ini.Clear();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

void FloorLoad(benchmark::State& state, const Input& input) {
  for (auto _ : state) benchmark::DoNotOptimize(Floor(input.path));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

// The floor of a save: the same bytes written, flushed and renamed over the file, with nothing
// else around it.
void FloorSave(benchmark::State& state, const Input& input) {
  TINIFile source;
  source.Load(input.path);
  const std::string bytes = source.Serialize();
  source.Clear();
  const std::string out = input.path + ".floor-out";
  const std::string temporary = out + ".tmp";
  for (auto _ : state) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(temporary.c_str(), out.c_str());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

#ifdef MARROWLEAF_BENCH_SIMPLEINI
void SimpleIniLoad(benchmark::State& state, const Input& input) {
  for (auto _ : state) {
    CSimpleIniA ini;
    benchmark::DoNotOptimize(ini.LoadFile(input.path.c_str()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}
void SimpleIniSave(benchmark::State& state, const Input& input) {
  CSimpleIniA ini;
  ini.LoadFile(input.path.c_str());
  const std::string out = input.path + ".simpleini-out";
  for (auto _ : state) benchmark::DoNotOptimize(ini.SaveFile(out.c_str()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}
#endif

#ifdef MARROWLEAF_BENCH_INIH
void InihLoad(benchmark::State& state, const Input& input) {
  // What inih leaves to its caller: keeping the values.
  for (auto _ : state) benchmark::DoNotOptimize(Inih(input.path));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}
#endif

#ifdef MARROWLEAF_BENCH_BOOST
void BoostLoad(benchmark::State& state, const Input& input) {
  for (auto _ : state) {
    boost::property_tree::ptree tree;
    boost::property_tree::read_ini(input.path, tree);
    benchmark::DoNotOptimize(tree.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}
void BoostSave(benchmark::State& state, const Input& input) {
  boost::property_tree::ptree tree;
  boost::property_tree::read_ini(input.path, tree);
  const std::string out = input.path + ".boost-out";
  for (auto _ : state) boost::property_tree::write_ini(out, tree);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}
#endif

// QSettings keeps parsed files in a cache while they stay unchanged: the file's time is moved
// (untimed) before every load, so that each load reads it as a program's start would.
void QSettingsLoad(benchmark::State& state, const Input& input) {
  for (auto _ : state) {
    state.PauseTiming();
    ::utimensat(AT_FDCWD, input.path.c_str(), nullptr, 0);
    state.ResumeTiming();
    QSettings settings(QString::fromStdString(input.path), QSettings::IniFormat);
    benchmark::DoNotOptimize(settings.allKeys().size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

// A save that really writes: one value changes between two saves, as at an exit.
void OurSave(benchmark::State& state, const Input& input) {
  const std::string out = input.path + ".ours-out";
  benchinputs::Write(out, "");
  TINIFile ini;
  ini.Load(input.path);
  ini.Load(out);
  TINIFile source;
  source.Load(input.path);
  ini.LoadFromBytes(source.Serialize());
  source.Clear();
  int32_t round = 0;
  for (auto _ : state) {
    ini.SetInt("BENCH", "ROUND", ++round);
    ini.Save();
  }
  ini.Clear();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.bytes));
}

// The start's settings pass on the real disk (not the memory file system): config.ini as the
// program writes it, so both of its saves find the file already holding their bytes.
const std::string& DiskConfig() {
  static const std::string path = [] {
    std::string dir = "/tmp/marrowleaf-bench-disk-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) std::abort();
    const std::string p = dir + "/config.ini";
    marrowleaf::LoadSettingsFile(p);
    return p;
  }();
  return path;
}

void StartPassSkipping(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(marrowleaf::LoadSettingsFile(DiskConfig()));
}

// What the same pass cost if both saves wrote and flushed the file.
void StartPassWriting(benchmark::State& state) {
  TINIFile ini;
  ini.Load(DiskConfig());
  const std::string bytes = ini.Serialize();
  ini.Clear();
  for (auto _ : state) {
    TINIFile pass;
    pass.Load(DiskConfig());
    pass.Clear();
    benchmark::DoNotOptimize(marrowleaf::ReplaceFileContents(DiskConfig(), bytes).ok);
    benchmark::DoNotOptimize(marrowleaf::ReplaceFileContents(DiskConfig(), bytes).ok);
  }
}

// Peak resident memory above the process to load the 4 MB input, each loader in a fresh child.
long PeakKib(const std::function<void()>& load) {
  int fds[2];
  if (::pipe(fds) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const auto read = [](const char* field) {
      FILE* f = std::fopen("/proc/self/status", "r");
      char line[256];
      long value = -1;
      while (f && std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, std::strlen(field)) == 0)
          value = std::atol(line + std::strlen(field));
      }
      if (f) std::fclose(f);
      return value;
    };
    const long before = read("VmRSS:");
    load();
    const long peak = read("VmHWM:") - before;
    if (::write(fds[1], &peak, sizeof peak) != sizeof peak) _exit(1);
    _exit(0);
  }
  long peak = -1;
  ::close(fds[1]);
  if (::read(fds[0], &peak, sizeof peak) != sizeof peak) peak = -1;
  ::close(fds[0]);
  ::waitpid(pid, nullptr, 0);
  return peak;
}

void PrintPeakMemory(const Input& large) {
  std::printf("peak_kib marrowleaf %ld\n", PeakKib([&] {
                TINIFile ini;
                ini.Load(large.path);
                benchmark::DoNotOptimize(ini.SectionCount());
                ini.Clear();
              }));
#ifdef MARROWLEAF_BENCH_SIMPLEINI
  std::printf("peak_kib simpleini %ld\n", PeakKib([&] {
                CSimpleIniA ini;
                benchmark::DoNotOptimize(ini.LoadFile(large.path.c_str()));
              }));
#endif
}

void Check(const char* peer, const Input& input, const Content& theirs, const Content& ours) {
  if (theirs != ours) {
    std::fprintf(stderr, "%s reads %s differently from us\n", peer, input.name.c_str());
    throw std::runtime_error("content mismatch");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--peak-memory") {
    for (const Input& input : Inputs()) {
      if (input.name == "large/lf") PrintPeakMemory(input);
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("config_flush/start_pass_skipping_equal_saves", StartPassSkipping)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("config_flush/start_pass_writing_both_saves", StartPassWriting)
      ->Unit(benchmark::kMicrosecond);
  for (const Input& input : Inputs()) {
    const Content ours = Ours(input.path);
    Register("ini_load/floor/" + input.name, input, FloorLoad);
    Register("ini_load/marrowleaf/" + input.name, input, OurLoad);
    Register("ini_save/marrowleaf/" + input.name, input, OurSave);
    Register("ini_save/floor/" + input.name, input, FloorSave);
    Check("QSettings", input, QtSettings(input.path), ours);
    Register("ini_load/qsettings/" + input.name, input, QSettingsLoad);
#ifdef MARROWLEAF_BENCH_SIMPLEINI
    Check("SimpleIni", input, SimpleIni(input.path), ours);
    Register("ini_load/simpleini/" + input.name, input, SimpleIniLoad);
    Register("ini_save/simpleini/" + input.name, input, SimpleIniSave);
#endif
#ifdef MARROWLEAF_BENCH_INIH
    // inih stops at lines longer than its fixed buffer: it takes no part where it cannot read.
    const Content inih = Inih(input.path);
    if (!inih.empty()) {
      Check("inih", input, inih, ours);
      Register("ini_load/inih/" + input.name, input, InihLoad);
    } else {
      std::fprintf(stderr, "inih cannot read %s (a line longer than its buffer)\n",
                   input.name.c_str());
    }
#endif
#ifdef MARROWLEAF_BENCH_BOOST
    Check("Boost.PropertyTree", input, Boost(input.path), ours);
    Register("ini_load/boost/" + input.name, input, BoostLoad);
    Register("ini_save/boost/" + input.name, input, BoostSave);
#endif
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
