#include "platform/win32/browser_host.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <ole2.h>

#include <string>

#include "platform/win32/window_class.h"

namespace zembrix {
namespace {

constexpr char kSiteClass[] = "ZembrixBrowserSite";

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

// Null when OLE cannot start or atl.dll or one of its functions is missing. OLE starts here,
// on the GUI thread, rather than at program start, where it would delay the first paint.
AtlAxGetControlFunction LoadAtl() {
  static const AtlAxGetControlFunction getControl = []() -> AtlAxGetControlFunction {
    if (FAILED(OleInitialize(nullptr))) return nullptr;
    HMODULE module = LoadLibraryA("atl.dll");
    if (!module) return nullptr;
    auto init = reinterpret_cast<AtlAxWinInitFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxWinInit")));
    auto get = reinterpret_cast<AtlAxGetControlFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxGetControl")));
    return init && get && init() ? get : nullptr;
  }();
  return getControl;
}

LRESULT CALLBACK SiteProc(HWND site, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (HWND control = GetWindow(site, GW_CHILD)) {
      MoveWindow(control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    }
    return 0;
  }
  return DefWindowProcA(site, message, wParam, lParam);
}


std::wstring Widen(const Text& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

// The ProgID as window text creates the control without navigating anywhere.
IWebBrowser2* CreateControl(HWND site) {
  AtlAxGetControlFunction getControl = LoadAtl();
  if (!getControl) return nullptr;
  RECT place;
  GetClientRect(site, &place);
  HWND host = CreateWindowExA(0, "AtlAxWin", "Shell.Explorer.2", WS_CHILD | WS_VISIBLE, 0, 0,
                              place.right, place.bottom, site, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  if (!host) return nullptr;
  IUnknown* unknown = nullptr;
  IWebBrowser2* browser = nullptr;
  if (SUCCEEDED(getControl(host, &unknown)) && unknown) {
    if (FAILED(unknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) {
      browser = nullptr;
    }
    unknown->Release();
  }
  // Without a working control the site stays empty rather than holding a dead host.
  if (!browser) DestroyWindow(host);
  return browser;
}

}  // namespace

// Listens to the control's events and sets the text size whenever a document has loaded.
class ZoomOnLoad final : public IDispatch {
 public:
  ZoomOnLoad(IWebBrowser2* browser, int zoomLevel) : browser_(browser), zoomLevel_(zoomLevel) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id == DISPID_DOCUMENTCOMPLETE) {
      VARIANT zoom;
      VariantInit(&zoom);
      zoom.vt = VT_I4;
      zoom.lVal = zoomLevel_;
      browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
    }
    return S_OK;
  }

 private:
  IWebBrowser2* browser_;  // not owned: the browser outlives its event connection
  int zoomLevel_;
  ULONG references_ = 1;
};

HWND EmbeddedBrowser::Create(HWND parent, const Rect& place, DWORD style, int zoomLevel,
                             std::unique_ptr<EmbeddedBrowser>* browser) {
  RegisterWindowClass(kSiteClass, SiteProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HWND site = CreateWindowExA(0, kSiteClass, "", style | WS_CLIPCHILDREN, place.left, place.top,
                              place.width, place.height, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  browser->reset(site ? new EmbeddedBrowser(site, zoomLevel) : nullptr);
  return site;
}

void EmbeddedBrowser::Start() {
  if (started_) return;
  started_ = true;
  browser_ = CreateControl(site_);
  if (!browser_) return;
  browser_->put_Silent(VARIANT_TRUE);
  ListenForDocuments();
  if (!pendingPath_.empty()) Navigate(pendingPath_);
}

void EmbeddedBrowser::ListenForDocuments() {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                      reinterpret_cast<void**>(&container)))) {
    return;
  }
  IConnectionPoint* point = nullptr;
  if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
    events_ = new ZoomOnLoad(browser_, zoomLevel_);
    if (FAILED(point->Advise(events_, &cookie_))) cookie_ = 0;
    point->Release();
  }
  container->Release();
}

EmbeddedBrowser::~EmbeddedBrowser() {
  if (cookie_) {
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                           reinterpret_cast<void**>(&container)))) {
      IConnectionPoint* point = nullptr;
      if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
        point->Unadvise(cookie_);
        point->Release();
      }
      container->Release();
    }
  }
  if (events_) events_->Release();
  if (browser_) browser_->Release();
}

void EmbeddedBrowser::Navigate(const Text& path) {
  if (!started_) {
    pendingPath_ = path;
    return;
  }
  if (!browser_) return;
  BSTR url = SysAllocString(Widen(path).c_str());
  VARIANT empty;
  VariantInit(&empty);
  browser_->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
}

}  // namespace zembrix
