// HostConnection: the panel's binding to the running host's automation object
// ("MixW2.Application"), called by name. The panel never starts the host; it
// only binds to the instance the host has registered as running.
#pragma once

#include <string_view>

namespace velmora::panel {

class HostConnection {
 public:
  virtual ~HostConnection() = default;

  // Binds afresh to the running host's object, replacing (and releasing) the
  // binding held so far. True when bound; false when the host does not run,
  // and no binding is held then.
  [[nodiscard]] virtual bool Bind() = 0;

  // Drops the binding, if any.
  virtual void Release() = 0;

  // Calls the host's `ExecuteMacros` with `macro`. False when the call fails:
  // nothing is bound, the host has gone, or the host refused the call.
  [[nodiscard]] virtual bool ExecuteMacros(std::string_view macro) = 0;

  // Reads the host's `Mode` property and discards the value. False when the
  // read fails for any of the reasons above.
  [[nodiscard]] virtual bool ReadMode() = 0;
};

}  // namespace velmora::panel
