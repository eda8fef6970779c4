// What the host asks on every logged QSO and every keystroke, over whole
// contest logs: the cost per call must not grow with the log.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "call_check.h"
#include "fake_platform.h"
#include "intake.h"
#include "reset.h"
#include "score.h"
#include "scripted_dialog.h"

namespace velmora {
namespace {

struct Contest {
  std::vector<std::string> calls;
  std::vector<QsoRequest> qsos;

  explicit Contest(int count) {
    const char* bands[] = {"160", "80", "40", "20", "15", "10"};
    const char* modes[] = {"CW", "SSB", "BPSK31", "BPSK63", "BPSK125"};
    calls.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) calls.push_back("UA3A" + std::to_string(i));
    for (int i = 0; i < count; ++i) {
      QsoRequest qso;
      qso.myCall = "UA3XYZ";
      qso.call = calls[static_cast<std::size_t>(i)];
      qso.time = DateTime::FromCivil(2012, 3, 5, 8 + i / 3600 % 16, i / 60 % 60, i % 60);
      qso.freqHz = 3510000;
      qso.mode = modes[i % 5];
      qso.rstSent = "599";
      qso.rstRcvd = "599";
      qso.exchSent = "001";
      qso.exchRcvd = "002";
      qso.dxccPrefix = "UA";
      qso.band = bands[i % 6];
      qsos.push_back(qso);
    }
  }
};

void BM_AddWholeLog(benchmark::State& run) {
  const Contest contest(static_cast<int>(run.range(0)));
  testing::FakePlatform os;
  testing::ScriptedDialog dialog;
  for (auto _ : run) {
    ContestState state(os, dialog);
    ResetContest(state, ResetRequest{});
    for (const QsoRequest& qso : contest.qsos) AddQso(state, qso);
    // Every QSO again: each is found equal and not stored twice.
    for (const QsoRequest& qso : contest.qsos) AddQso(state, qso);
    benchmark::DoNotOptimize(state.log.size());
  }
  run.SetItemsProcessed(run.iterations() * run.range(0) * 2);
  run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_AddWholeLog)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

// A contest state holding a whole log.
struct LoggedContest {
  Contest contest;
  testing::FakePlatform os;
  testing::ScriptedDialog dialog;
  ContestState state{os, dialog};

  explicit LoggedContest(int count) : contest(count) {
    ResetContest(state, ResetRequest{});
    for (const QsoRequest& qso : contest.qsos) AddQso(state, qso);
  }
};

void BM_CheckCall(benchmark::State& run) {
  LoggedContest logged(static_cast<int>(run.range(0)));
  logged.os.now = DateTime::FromCivil(2012, 3, 5, 8, 10, 0);
  std::string message;
  std::size_t i = 0;
  for (auto _ : run) {
    const QsoRequest& qso = logged.contest.qsos[i++ % logged.contest.qsos.size()];
    benchmark::DoNotOptimize(CheckCall(logged.state, CallCheckRequest{qso.call, qso.mode, qso.dxccPrefix, qso.band},
                                       &message));
  }
  run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_CheckCall)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

void BM_ReportResult(benchmark::State& run) {
  LoggedContest logged(static_cast<int>(run.range(0)));
  int score = 0;
  for (auto _ : run) benchmark::DoNotOptimize(ReportResult(logged.state, &score));
  run.SetItemsProcessed(run.iterations() * run.range(0));
  run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_ReportResult)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

}  // namespace
}  // namespace velmora
