// The embedded WebBrowser control, hosted through atl.dll's "AtlAxWin" window class, which
// every Windows since 2000 ships (and Wine implements), so the exe needs no ATL of its own.
// The control sits inside a site window of ours that holds the browser's place in the layout
// from the start and keeps the control filling it.
#pragma once

#include <windows.h>

#include <memory>

#include "app/text.h"
#include "platform/control_design.h"

struct IWebBrowser2;

namespace zembrix {

class ZoomOnLoad;

class EmbeddedBrowser {
 public:
  // Creates the site window at its place. The control itself comes with Start(): loading ATL
  // and the browser engine costs more than everything else the program does before its first
  // paint, so windows start their browsers once they are on screen.
  static HWND Create(HWND parent, const Rect& place, DWORD style, int zoomLevel,
                     std::unique_ptr<EmbeddedBrowser>* browser);
  ~EmbeddedBrowser();
  EmbeddedBrowser(const EmbeddedBrowser&) = delete;
  EmbeddedBrowser& operator=(const EmbeddedBrowser&) = delete;

  // Creates the control, silent (it shows none of its own dialogs) and without a start
  // address, then loads the file asked for before, if any. Without atl.dll or a browser engine
  // the site stays empty and navigating does nothing.
  void Start();

  // Loads a local file, at once when started, else on Start(). The text size is applied each
  // time a document completes, because the control refuses it while no document is loaded.
  void Navigate(const Text& path);

 private:
  EmbeddedBrowser(HWND site, int zoomLevel) : site_(site), zoomLevel_(zoomLevel) {}
  void ListenForDocuments();

  HWND site_;
  int zoomLevel_;
  bool started_ = false;
  Text pendingPath_;
  IWebBrowser2* browser_ = nullptr;
  ZoomOnLoad* events_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace zembrix
