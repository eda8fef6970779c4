// Fakes of the host and the desktop for ModePanel's tests. Both write what the
// panel asked of them, in order, into one shared journal, so a test can
// compare the whole conversation at once. The host can be ended, can refuse
// single calls, and can run a hook on every call to simulate events that
// arrive while a call waits.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host_connection.h"
#include "panel_desktop.h"

namespace velmora::panel::testing {

using Journal = std::vector<std::string>;

class FakeHost : public HostConnection {
 public:
  explicit FakeHost(Journal& journal) : journal_(journal) {}

  bool running = true;         // the host process runs
  std::set<std::string> refused;  // calls the running host answers with an error
  std::function<void(const std::string& call)> duringCall;  // runs inside every call
  bool bound() const { return bound_; }

  bool Bind() override {
    const std::size_t line = Note("bind");
    bound_ = running;
    if (!bound_) journal_[line] += " failed";
    return bound_;
  }
  void Release() override {
    if (bound_) journal_.push_back("release");
    bound_ = false;
  }
  bool ExecuteMacros(std::string_view macro) override { return Call("ExecuteMacros " + std::string(macro)); }
  bool ReadMode() override { return Call("Mode"); }

 private:
  bool Call(const std::string& call) {
    const std::size_t line = Note(call);
    const bool ok = bound_ && running && !refused.count(call);
    if (!ok) journal_[line] += " failed";
    return ok;
  }
  // Journals `call` and runs the hook; the index of the call's line.
  std::size_t Note(const std::string& call) {
    journal_.push_back(call);
    const std::size_t line = journal_.size() - 1;
    if (duringCall) duringCall(call);
    return line;
  }

  Journal& journal_;
  bool bound_ = false;
};

class FakeDesktop : public PanelDesktop {
 public:
  explicit FakeDesktop(Journal& journal) : journal_(journal) {}

  bool anotherCopyRuns = false;

  void ShowMessage(std::string_view text) override { journal_.push_back("message " + std::string(text)); }
  bool AcquireInstanceLock() override {
    journal_.push_back(anotherCopyRuns ? "lock refused" : "lock");
    return !anotherCopyRuns;
  }
  void FindHostWindow() override { journal_.push_back("find host window"); }
  void PutPanelOnTop() override { journal_.push_back("on top"); }
  void FocusHostWindow() override { journal_.push_back("focus host"); }

 private:
  Journal& journal_;
};

}  // namespace velmora::panel::testing
