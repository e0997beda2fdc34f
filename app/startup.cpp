#include "app/startup.h"

namespace zembrix {

void StartProgram(StartupHost& host) {
  // Any window with the exact title counts, even a hidden bar of another instance.
  if (host.WindowTitled(kSearchBarTitle)) {
    host.EndProcess(0);
    return;
  }
  // Creation can fail transiently (for instance while the desktop is still starting), so it is
  // retried; a bar that can never be created ends the process with a failure code instead of
  // spinning for ever.
  for (int attempt = 0; attempt < kSearchBarLoadAttempts; ++attempt) {
    if (host.LoadSearchBar()) {
      host.ShowSearchBar();
      return;
    }
  }
  host.EndProcess(1);
}

}  // namespace zembrix
