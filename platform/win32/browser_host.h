// The embedded WebBrowser control, hosted through atl.dll's "AtlAxWin" window class, which
// every Windows since 2000 ships (and Wine implements), so the exe needs no ATL of its own.
#pragma once

#include <windows.h>

#include <memory>

#include "app/text.h"
#include "platform/control_spec.h"

struct IWebBrowser2;

namespace zembrix {

class ZoomOnLoad;

class EmbeddedBrowser {
 public:
  // Creates the host window and the control inside it, silent (it shows none of its own
  // dialogs) and without a start address. The window is returned even when the control could
  // not be created (no browser engine installed): *browser then stays empty and the place is an
  // empty child window, so the layout holds.
  static HWND Create(HWND parent, const Rect& place, DWORD style, int zoomLevel,
                     std::unique_ptr<EmbeddedBrowser>* browser);
  ~EmbeddedBrowser();
  EmbeddedBrowser(const EmbeddedBrowser&) = delete;
  EmbeddedBrowser& operator=(const EmbeddedBrowser&) = delete;

  // Loads a local file. The text size is applied each time a document completes, because the
  // control refuses it while no document is loaded.
  void Navigate(const Text& path);

 private:
  explicit EmbeddedBrowser(IWebBrowser2* browser, int zoomLevel);

  IWebBrowser2* browser_;
  ZoomOnLoad* events_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace zembrix
