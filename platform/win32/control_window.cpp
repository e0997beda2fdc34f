#include "platform/win32/control_window.h"

#include <cstring>

#include "platform/win32/window_class.h"

namespace zembrix {
namespace {

constexpr char kControlClass[] = "ZembrixControl";

ControlWindow* ControlOf(HWND hwnd) {
  return reinterpret_cast<ControlWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Edit boxes take their colours from their parent; the DC brush needs no clean-up.
LRESULT EditColours(HDC dc, HWND edit) {
  const ControlWindow* control = ControlOf(edit);
  if (!control) return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  SetTextColor(dc, ToColorref(control->design->textColour));
  SetBkColor(dc, ToColorref(control->background));
  SetDCBrushColor(dc, ToColorref(control->background));
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void Fill(HDC dc, const RECT& rect, Colour colour) {
  SetDCBrushColor(dc, ToColorref(colour));
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void PaintLabel(HDC dc, const RECT& client, const ControlWindow& control) {
  Fill(dc, client, control.background);
  char caption[256] = "";
  GetWindowTextA(control.hwnd, caption, sizeof caption);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorref(control.design->textColour));
  HGDIOBJ oldFont = SelectObject(dc, control.font);
  RECT box = client;
  UINT align = control.design->align == TextAlign::Centre ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, caption, -1, &box, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void PaintFrame(HDC dc, const RECT& client, const ControlWindow& control) {
  const ControlDesign& design = *control.design;
  Fill(dc, client, control.background);
  if (design.outlineWidth == 0) return;
  // An inside-frame pen keeps a wide outline within the control's own area.
  HPEN pen = CreatePen(PS_INSIDEFRAME, design.outlineWidth, ToColorref(design.outline));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(design.filled ? DC_BRUSH : HOLLOW_BRUSH));
  if (design.filled) SetDCBrushColor(dc, ToColorref(design.fill));
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void PaintPicture(HDC dc, const RECT& client, const ControlWindow& control) {
  Fill(dc, client, control.background);
  if (!control.picture) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, control.picture);
  BitBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  if (const ControlWindow* control = ControlOf(hwnd)) {
    switch (control->design->kind) {
      case ControlKind::Label: PaintLabel(dc, client, *control); break;
      case ControlKind::Frame: PaintFrame(dc, client, *control); break;
      case ControlKind::PictureBox: PaintPicture(dc, client, *control); break;
      default: break;
    }
  }
  EndPaint(hwnd, &paint);
}

LPCSTR CursorFor(CursorShape shape) {
  switch (shape) {
    case CursorShape::Hand: return IDC_HAND;
    case CursorShape::SizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole control
    case WM_SETCURSOR:
      if (const ControlWindow* control = ControlOf(hwnd); control && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, CursorFor(control->design->cursor)));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if (const ControlWindow* control = ControlOf(hwnd)) {
        SendMessageA(GetAncestor(hwnd, GA_ROOT), kControlPressed, control->index, 0);
      }
      return 0;
    case WM_CTLCOLOREDIT:
      return EditColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}


HFONT FontFor(const FontDesign& font) {
  if (!font.face) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // A negative height asks for the character height, not the cell height.
  return CreateFontA(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, font.face);
}

HWND ParentOf(HWND window, const ControlDesign& design, const std::vector<ControlWindow>& controls) {
  if (!design.parent) return window;
  for (const ControlWindow& control : controls) {
    if (control.hwnd && std::strcmp(control.design->name, design.parent) == 0) return control.hwnd;
  }
  return window;
}

HWND CreateChild(HWND parent, ControlWindow& control) {
  const ControlDesign& design = *control.design;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design.visible ? WS_VISIBLE : 0);
  const Rect& place = design.place;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (design.kind == ControlKind::Browser) {
    return EmbeddedBrowser::Create(parent, place, style, design.zoomLevel, &control.browser);
  }
  if (design.kind == ControlKind::EditBox) {
    HWND edit = CreateWindowExA(0, "EDIT", design.caption,
                                style | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, place.left,
                                place.top, place.width, place.height, parent, nullptr, instance,
                                nullptr);
    if (edit) SendMessageA(edit, EM_LIMITTEXT, 0, 0);  // 0 lifts the limit
    return edit;
  }
  return CreateWindowExA(0, kControlClass, design.caption, style | WS_CLIPCHILDREN, place.left,
                         place.top, place.width, place.height, parent, nullptr, instance, nullptr);
}

}  // namespace

COLORREF ToColorref(Colour colour) {
  if (colour == kButtonFace) return GetSysColor(COLOR_BTNFACE);
  return static_cast<COLORREF>(colour);
}

void CreateControls(HWND window, const WindowDesign& design, std::vector<ControlWindow>& controls) {
  RegisterWindowClass(kControlClass, ControlProc);
  controls.clear();
  controls.resize(design.controls.size());
  // Containers follow their contents in the table, so building from the end creates every parent
  // before its children; raising each new window to the top then leaves the first row on top.
  for (size_t i = design.controls.size(); i-- > 0;) {
    ControlWindow& control = controls[i];
    control.design = &design.controls[i];
    control.index = int(i);
    control.background = control.design->background;
    control.hwnd = CreateChild(ParentOf(window, *control.design, controls), control);
    if (!control.hwnd) continue;
    SetWindowLongPtrA(control.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (control.design->kind == ControlKind::Label || control.design->kind == ControlKind::EditBox) {
      control.font = FontFor(control.design->font);
      SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
    }
    if (control.design->pictureId) {
      control.picture = static_cast<HBITMAP>(LoadImageA(
          GetModuleHandleA(nullptr), MAKEINTRESOURCEA(control.design->pictureId), IMAGE_BITMAP, 0,
          0, LR_DEFAULTCOLOR));
    }
  }
}

void ReleaseControls(std::vector<ControlWindow>& controls) {
  for (ControlWindow& control : controls) {
    // A child window that outlives its record must not paint from it.
    if (control.hwnd) SetWindowLongPtrA(control.hwnd, GWLP_USERDATA, 0);
    if (control.design && control.design->font.face && control.font) DeleteObject(control.font);
    if (control.picture) DeleteObject(control.picture);
    control = ControlWindow{};
  }
}

}  // namespace zembrix
