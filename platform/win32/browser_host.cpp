#include "platform/win32/browser_host.h"

#include <exdisp.h>
#include <ole2.h>

#include <string>

namespace zembrix {
namespace {

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

struct Atl {
  bool ready = false;
  AtlAxGetControlFunction getControl = nullptr;
};

const Atl& LoadAtl() {
  static const Atl atl = [] {
    Atl loaded;
    HMODULE module = LoadLibraryA("atl.dll");
    if (!module) return loaded;
    auto init = reinterpret_cast<AtlAxWinInitFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxWinInit")));
    loaded.getControl = reinterpret_cast<AtlAxGetControlFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxGetControl")));
    loaded.ready = init && loaded.getControl && init();
    return loaded;
  }();
  return atl;
}

std::wstring Widen(const Text& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

HWND CreateBrowser(HWND parent, const Rect& place, DWORD style, IWebBrowser2** browser) {
  *browser = nullptr;
  const Atl& atl = LoadAtl();
  if (!atl.ready) {
    // Without atl.dll the place stays an empty child window, so the layout is unchanged.
    return CreateWindowExA(0, "STATIC", "", style, place.left, place.top, place.width,
                           place.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  // The ProgID as window text creates the control without navigating anywhere.
  HWND host = CreateWindowExA(0, "AtlAxWin", "Shell.Explorer.2", style, place.left, place.top,
                              place.width, place.height, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (!host) return nullptr;
  IUnknown* unknown = nullptr;
  if (FAILED(atl.getControl(host, &unknown)) || !unknown) return host;
  HRESULT result = unknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser));
  unknown->Release();
  if (FAILED(result)) {
    *browser = nullptr;
    return host;
  }
  (*browser)->put_Silent(VARIANT_TRUE);
  return host;
}

void NavigateBrowser(IWebBrowser2* browser, const Text& path, int zoomLevel) {
  if (!browser) return;
  BSTR url = SysAllocString(Widen(path).c_str());
  VARIANT empty;
  VariantInit(&empty);
  browser->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
  VARIANT zoom;
  VariantInit(&zoom);
  zoom.vt = VT_I4;
  zoom.lVal = zoomLevel;
  // Refused while no document is loaded yet; the control then keeps its own default size.
  browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
}

void ReleaseBrowser(IWebBrowser2*& browser) {
  if (browser) browser->Release();
  browser = nullptr;
}

}  // namespace zembrix
