#include "platform/win32/browser_host.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <ole2.h>

#include <string>

namespace zembrix {
namespace {

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

AtlAxGetControlFunction LoadAtl() {
  static const AtlAxGetControlFunction getControl = []() -> AtlAxGetControlFunction {
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

std::wstring Widen(const Text& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

IWebBrowser2* CreateControl(HWND host) {
  IUnknown* unknown = nullptr;
  if (FAILED(LoadAtl()(host, &unknown)) || !unknown) return nullptr;
  IWebBrowser2* browser = nullptr;
  HRESULT result = unknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
  unknown->Release();
  return SUCCEEDED(result) ? browser : nullptr;
}

}  // namespace

// Listens to the control's events and sets the text size whenever a document has loaded.
class ZoomOnLoad : public IDispatch {
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
  browser->reset();
  // The ProgID as window text creates the control without navigating anywhere.
  const char* windowClass = LoadAtl() ? "AtlAxWin" : "STATIC";
  const char* text = LoadAtl() ? "Shell.Explorer.2" : "";
  HWND host = CreateWindowExA(0, windowClass, text, style, place.left, place.top, place.width,
                              place.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!host || !LoadAtl()) return host;
  IWebBrowser2* control = CreateControl(host);
  if (!control) return host;
  control->put_Silent(VARIANT_TRUE);
  browser->reset(new EmbeddedBrowser(control, zoomLevel));
  return host;
}

EmbeddedBrowser::EmbeddedBrowser(IWebBrowser2* browser, int zoomLevel) : browser_(browser) {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                      reinterpret_cast<void**>(&container)))) {
    return;
  }
  IConnectionPoint* point = nullptr;
  if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
    events_ = new ZoomOnLoad(browser_, zoomLevel);
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
  browser_->Release();
}

void EmbeddedBrowser::Navigate(const Text& path) {
  BSTR url = SysAllocString(Widen(path).c_str());
  VARIANT empty;
  VariantInit(&empty);
  browser_->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
}

}  // namespace zembrix
