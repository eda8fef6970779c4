// What the host asks of the plug-in on the operator's thread, at contest
// scale: taking in the whole log, the call check on every keystroke, the
// summary after every QSO and the removal of a QSO. Each case runs against
// the built plug-in through its exported entry points and, under the same
// name with "Reference", against the rules as plain linear scans.
//
// Log sizes 1,000 to 1,000,000 QSOs. The reference's intake is quadratic:
// it runs once at 100,000 QSOs and not at 1,000,000 (hours).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "contest_log.h"
#include "reference_contest.h"
#include "scratch_folder.h"
#include "stats_plugin.h"
#include "utc_now.h"

namespace velmora::bench {
namespace {

constexpr std::int64_t kSizes[] = {1000, 10000, 100000, 1000000};

// Stations for the call check: not in any generated log.
const LoggedQso kUnworkedStation = StationToCheck("RA3ZZZZ", "UA", "40");     // Russian, region BO
const LoggedQso kNewCountryStation = StationToCheck("ZS6NEW", "ZS", "40");    // a country no generated log holds

std::size_t ResidentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<std::size_t>(resident) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

std::size_t HeapBytes() { return mallinfo2().uordblks + mallinfo2().hblkhd; }

// The number of QSOs the summary's total row gives.
int TotalQsos(const char* summary) {
  const char* total = std::strstr(summary, "Total\t ");
  return total ? std::atoi(total + 7) : -1;
}

// Everything the cases share: the plug-in (one contest state per process,
// as in the host), the generated logs and the reference contests.
class Bench {
 public:
  static Bench& Get() {
    static Bench bench;
    return bench;
  }

  StatsPlugin& plugin() { return plugin_; }

  const std::vector<LoggedQso>& Log(std::int64_t size) {
    auto& log = logs_[size];
    if (log.empty()) log = GenerateContestLog(static_cast<std::size_t>(size));
    return log;
  }

  // The plug-in holding the whole log of `size` QSOs, in log order.
  bool LoadPlugin(benchmark::State& run, std::int64_t size, int entryMode) {
    if (!plugin_.loaded()) {
      run.SkipWithError(plugin_.error().c_str());
      return false;
    }
    if (loadedSize_ == size && loadedEntryMode_ == entryMode) return true;
    const auto& log = Log(size);
    plugin_.Reset(entryMode);
    for (const LoggedQso& qso : log) plugin_.Add(qso);
    return Loaded(run, size, entryMode);
  }

  // Records that the plug-in now holds the log of `size` QSOs, and checks it.
  bool Loaded(benchmark::State& run, std::int64_t size, int entryMode) {
    int score = 0;
    if (TotalQsos(plugin_.Result(&score)) != size) {
      run.SkipWithError("the plug-in did not take in the whole generated log");
      loadedSize_ = -1;
      return false;
    }
    loadedSize_ = size;
    loadedEntryMode_ = entryMode;
    order_.clear();
    for (std::size_t i = 0; i < static_cast<std::size_t>(size); ++i) order_.push_back(i);
    return true;
  }

  void Forget() { loadedSize_ = -1; }

  // Indexes into Log() in the order the plug-in holds them.
  std::deque<std::size_t>& order() { return order_; }

  ReferenceContest& Reference(std::int64_t size) {
    auto& contest = references_[size];
    if (!contest) {
      contest = std::make_unique<ReferenceContest>();
      contest->Reset("05.03", "06.03.2012", "UA3XYZ", false);
      for (const LoggedQso& qso : Log(size)) contest->AddKnownNew(qso);
    }
    return *contest;
  }

  void DropReference(std::int64_t size) { references_.erase(size); }

 private:
  testing::ScratchFolder folder_;  // the host's folder: ErrorLog, INI file, Cabrillo
  StatsPlugin plugin_;
  std::map<std::int64_t, std::vector<LoggedQso>> logs_;
  std::map<std::int64_t, std::unique_ptr<ReferenceContest>> references_;
  std::int64_t loadedSize_ = -1;
  int loadedEntryMode_ = 0;
  std::deque<std::size_t> order_;
};

// --- Taking in the whole log -------------------------------------------------

void BM_Intake(benchmark::State& run) {
  Bench& bench = Bench::Get();
  const auto& log = bench.Log(run.range(0));
  StatsPlugin& plugin = bench.plugin();
  if (!plugin.loaded()) return run.SkipWithError(plugin.error().c_str());
  for (auto _ : run) {
    // The reset releases the previous log; only the intake is timed.
    run.PauseTiming();
    plugin.Reset(0);
    run.ResumeTiming();
    for (const LoggedQso& qso : log) benchmark::DoNotOptimize(plugin.Add(qso));
  }
  run.SetItemsProcessed(run.iterations() * run.range(0));
  bench.Loaded(run, run.range(0), 0);
}

void BM_IntakeReference(benchmark::State& run) {
  const auto& log = Bench::Get().Log(run.range(0));
  ReferenceContest contest;
  for (auto _ : run) {
    run.PauseTiming();
    contest.Reset("05.03", "06.03.2012", "UA3XYZ", false);
    run.ResumeTiming();
    for (const LoggedQso& qso : log) benchmark::DoNotOptimize(contest.Add(qso));
  }
  run.SetItemsProcessed(run.iterations() * run.range(0));
}

// --- The summary ---------------------------------------------------------------

void BM_Result(benchmark::State& run) {
  Bench& bench = Bench::Get();
  if (!bench.LoadPlugin(run, run.range(0), 0)) return;
  int score = 0;
  for (auto _ : run) benchmark::DoNotOptimize(bench.plugin().Result(&score));
  run.SetItemsProcessed(run.iterations() * run.range(0));
}

void BM_ResultReference(benchmark::State& run) {
  ReferenceContest& contest = Bench::Get().Reference(run.range(0));
  int score = 0;
  for (auto _ : run) benchmark::DoNotOptimize(contest.Result(&score));
  run.SetItemsProcessed(run.iterations() * run.range(0));
}

// The lower bound of any summary: one pass that reads each record's call,
// band, mode, region and country prefix once.
void BM_ResultFloor(benchmark::State& run) {
  const std::vector<QsoRecord>& log = Bench::Get().Reference(run.range(0)).log();
  for (auto _ : run) {
    std::size_t sum = 0;
    for (const QsoRecord& record : log) {
      for (const std::string* text : {&record.call, &record.band, &record.mode, &record.region, &record.dxccPrefix})
        sum += text->size() + static_cast<unsigned char>(text->empty() ? 0 : (*text)[0]);
    }
    benchmark::DoNotOptimize(sum);
  }
  run.SetItemsProcessed(run.iterations() * run.range(0));
}

// In entry mode every summary also writes the whole Cabrillo file.
void BM_ResultEntryMode(benchmark::State& run) {
  Bench& bench = Bench::Get();
  if (!bench.LoadPlugin(run, run.range(0), 1)) return;
  int score = 0;
  for (auto _ : run) benchmark::DoNotOptimize(bench.plugin().Result(&score));
  if (score != -1) run.SkipWithError("the summary in entry mode did not report -1");
  run.SetItemsProcessed(run.iterations() * run.range(0));
}

// --- The call check ------------------------------------------------------------

enum CallCase { kNewCall, kRepeat, kNewMultiplier };

// The station of each case; a repeat is logged now, in the current round.
const LoggedQso& CallOf(CallCase which, const UtcNow& now) {
  static LoggedQso repeat = [] {
    LoggedQso qso = kUnworkedStation;
    qso.call = "RZ3DUP";  // region MO
    qso.band = "20";
    qso.mode = "SSB";
    qso.freqHz = 14150000;
    qso.rstSent = qso.rstRcvd = "59";
    qso.exchSent = qso.exchRcvd = "001";
    return qso;
  }();
  repeat.days = now.days;
  return which == kNewCall ? kUnworkedStation : which == kRepeat ? repeat : kNewCountryStation;
}

void BM_CheckCall(benchmark::State& run) {
  Bench& bench = Bench::Get();
  if (!bench.LoadPlugin(run, run.range(0), 0)) return;
  const auto which = static_cast<CallCase>(run.range(1));
  const UtcNow now = ReadUtcNow();
  const LoggedQso& station = CallOf(which, now);
  StatsPlugin& plugin = bench.plugin();
  char message[256] = "";
  if (which == kRepeat && plugin.CheckCall(station.call, station.mode, station.dxccPrefix, station.band, message) != 0)
    plugin.Add(station);
  const int answer = plugin.CheckCall(station.call, station.mode, station.dxccPrefix, station.band, message);
  const int expected[] = {1, 0, 2};
  if (answer != expected[which]) return run.SkipWithError("unexpected answer from the call check");
  for (auto _ : run)
    benchmark::DoNotOptimize(plugin.CheckCall(station.call, station.mode, station.dxccPrefix, station.band, message));
  // A repeat adds a QSO outside the generated log.
  if (which == kRepeat) bench.Forget();
}

void BM_CheckCallReference(benchmark::State& run) {
  Bench& bench = Bench::Get();
  ReferenceContest& contest = bench.Reference(run.range(0));
  const auto which = static_cast<CallCase>(run.range(1));
  const UtcNow now = ReadUtcNow();
  const LoggedQso& station = CallOf(which, now);
  std::string message;
  if (which == kRepeat) contest.AddKnownNew(station);
  for (auto _ : run) {
    benchmark::DoNotOptimize(contest.CheckCall(station.call, station.mode, station.dxccPrefix, station.band, now.hour,
                                               now.minute, &message));
  }
  if (which == kRepeat) bench.DropReference(run.range(0));
}

// --- Removal -------------------------------------------------------------------

enum RemovedEnd { kOldest, kNewest };

// Removes the oldest or the newest QSO on every iteration; after a batch the
// removed QSOs are logged again, outside the timing, so the log keeps its size.
template <typename Contest>
void RemoveInBatches(benchmark::State& run, Contest& contest, std::deque<std::size_t>& order, bool oldest) {
  const auto& log = Bench::Get().Log(run.range(0));
  // The newest kUniqueEdge QSOs are with stations worked nowhere else, so
  // removing one of them removes exactly that QSO.
  const std::size_t batch = std::min<std::size_t>(kUniqueEdge, log.size() / 10);
  std::vector<std::size_t> removed;
  for (auto _ : run) {
    const std::size_t index = oldest ? order.front() : order.back();
    benchmark::DoNotOptimize(contest.Remove(log[index]));
    if (oldest) order.pop_front();
    else order.pop_back();
    removed.push_back(index);
    if (removed.size() == batch) {
      run.PauseTiming();
      // The oldest come back at the end; the newest come back in their order.
      if (!oldest) std::reverse(removed.begin(), removed.end());
      for (std::size_t back : removed) {
        contest.Add(log[back]);
        order.push_back(back);
      }
      removed.clear();
      run.ResumeTiming();
    }
  }
  if (!oldest) std::reverse(removed.begin(), removed.end());
  for (std::size_t back : removed) {
    contest.Add(log[back]);
    order.push_back(back);
  }
}

void BM_Remove(benchmark::State& run) {
  Bench& bench = Bench::Get();
  if (!bench.LoadPlugin(run, run.range(0), 0)) return;
  RemoveInBatches(run, bench.plugin(), bench.order(), run.range(1) == kOldest);
  // Oldest QSOs come back at the end: the same QSOs, in another order.
  if (run.range(1) == kOldest) bench.Forget();
}

// The reference's own order, kept beside it.
struct ReferenceRemoval {
  ReferenceContest& contest;
  int Remove(const LoggedQso& qso) { return contest.Remove(qso); }
  int Add(const LoggedQso& qso) { return contest.AddKnownNew(qso); }
};

void BM_RemoveReference(benchmark::State& run) {
  Bench& bench = Bench::Get();
  ReferenceRemoval removal{bench.Reference(run.range(0))};
  std::deque<std::size_t> order;
  for (std::size_t i = 0; i < static_cast<std::size_t>(run.range(0)); ++i) order.push_back(i);
  RemoveInBatches(run, removal, order, run.range(1) == kOldest);
  bench.DropReference(run.range(0));
}

// --- Memory --------------------------------------------------------------------

// Resident memory (and heap in use) per QSO that `fill` adds to what the
// process held before.
template <typename Fill>
void MeasureBytesPerQso(benchmark::State& run, std::size_t count, Fill fill) {
  double resident = 0, heap = 0;
  for (auto _ : run) {
    ::malloc_trim(0);
    const std::size_t residentBefore = ResidentBytes(), heapBefore = HeapBytes();
    fill();
    resident = static_cast<double>(ResidentBytes() - residentBefore) / static_cast<double>(count);
    heap = static_cast<double>(HeapBytes() - heapBefore) / static_cast<double>(count);
  }
  run.counters["resident_per_qso"] = resident;
  run.counters["heap_per_qso"] = heap;
}

// What the plug-in holds per logged QSO, from an empty log to the whole one.
void BM_Memory(benchmark::State& run) {
  Bench& bench = Bench::Get();
  const auto& log = bench.Log(run.range(0));
  StatsPlugin& plugin = bench.plugin();
  if (!plugin.loaded()) return run.SkipWithError(plugin.error().c_str());
  plugin.Reset(0);
  bench.Forget();
  MeasureBytesPerQso(run, log.size(), [&] {
    for (const LoggedQso& qso : log) plugin.Add(qso);
  });
  bench.Loaded(run, run.range(0), 0);
}

// The same log as plain records.
void BM_MemoryReference(benchmark::State& run) {
  const auto& log = Bench::Get().Log(run.range(0));
  std::unique_ptr<ReferenceContest> contest;
  MeasureBytesPerQso(run, log.size(), [&] {
    contest = std::make_unique<ReferenceContest>();
    for (const LoggedQso& qso : log) contest->AddKnownNew(qso);
  });
}

// Cases grouped by log size, so that each size is taken in once for all of them.
void RegisterAll() {
  for (const std::int64_t size : kSizes) {
    const bool huge = size >= 1000000;
    auto* intake = benchmark::RegisterBenchmark("BM_Intake", BM_Intake)->Arg(size)->Unit(benchmark::kMillisecond);
    if (huge) intake->Iterations(1);
    if (size <= 100000) {
      auto* reference = benchmark::RegisterBenchmark("BM_IntakeReference", BM_IntakeReference)
                            ->Arg(size)
                            ->Unit(benchmark::kMillisecond);
      if (size >= 100000) reference->Iterations(1);
    }
    benchmark::RegisterBenchmark("BM_Result", BM_Result)->Arg(size)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_ResultReference", BM_ResultReference)->Arg(size)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_ResultFloor", BM_ResultFloor)->Arg(size)->Unit(benchmark::kMicrosecond);
    for (const CallCase which : {kNewCall, kRepeat, kNewMultiplier}) {
      benchmark::RegisterBenchmark("BM_CheckCall", BM_CheckCall)->Args({size, which})->Unit(benchmark::kNanosecond);
      benchmark::RegisterBenchmark("BM_CheckCallReference", BM_CheckCallReference)
          ->Args({size, which})
          ->Unit(benchmark::kMicrosecond);
    }
    // Newest first: removing the oldest leaves the log in another order.
    for (const RemovedEnd end : {kNewest, kOldest}) {
      benchmark::RegisterBenchmark("BM_Remove", BM_Remove)->Args({size, end})->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark("BM_RemoveReference", BM_RemoveReference)
          ->Args({size, end})
          ->Unit(benchmark::kMicrosecond);
    }
    if (size >= 100000) {
      benchmark::RegisterBenchmark("BM_Memory", BM_Memory)->Arg(size)->Iterations(1);
      benchmark::RegisterBenchmark("BM_MemoryReference", BM_MemoryReference)->Arg(size)->Iterations(1);
    }
    benchmark::RegisterBenchmark("BM_ResultEntryMode", BM_ResultEntryMode)->Arg(size)->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  velmora::bench::RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
