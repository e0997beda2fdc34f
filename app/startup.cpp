#include "app/startup.h"

namespace zembrix {

void StartProgram(StartupHost& host) {
  // Any window with the exact title counts, even a hidden bar of another instance.
  if (host.WindowTitled(kSearchBarTitle)) {
    host.EndProcess(0);
    return;
  }
  // Loading is tried again while the window is reported as not created, but a bounded number of
  // times: a bar that cannot be created ends the process with a failure code instead of
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
