// Taking in a whole contest log: the cost per QSO must not grow with the log.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "intake.h"
#include "reset.h"
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

}  // namespace
}  // namespace velmora
