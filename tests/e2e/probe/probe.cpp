// zembrix-probe: reads window facts and drives the mouse for the end-to-end tests.
//
// It runs under the same Wine as Zembrix.exe, so what it prints is what the program really did.
// Titles are Chinese, and Wine turns a Unix argument into UTF-16 through the Unix locale, which
// may not be a UTF-8 one. So titles arrive as ASCII with \uXXXX escapes (and \\ for a
// backslash), and every answer is one line of UTF-8 JSON written as raw bytes.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::string JsonText(const std::wstring& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Undoes the escapes described at the top of the file.
std::wstring Unescape(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L'\\') {
      out += L'\\';
      ++i;
    } else if (text[i] == L'\\' && i + 5 < text.size() && text[i + 1] == L'u') {
      out += static_cast<wchar_t>(wcstoul(text.substr(i + 2, 4).c_str(), nullptr, 16));
      i += 5;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Number(long long value) { return std::to_string(value); }

std::string Bool(bool value) { return value ? "true" : "false"; }

// Handles are printed as plain numbers; 0 means none.
std::string Handle(HWND hwnd) { return Number(reinterpret_cast<INT_PTR>(hwnd)); }

std::wstring WindowText(HWND hwnd) {
  wchar_t buffer[1024] = {};
  // InternalGetWindowText reads the stored text without sending WM_GETTEXT, so a busy target
  // cannot hang the probe.
  InternalGetWindowText(hwnd, buffer, 1024);
  return buffer;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t buffer[256] = {};
  GetClassNameW(hwnd, buffer, 256);
  return buffer;
}

std::string RectFields(const RECT& rect) {
  return "\"left\":" + Number(rect.left) + ",\"top\":" + Number(rect.top) +
         ",\"width\":" + Number(rect.right - rect.left) +
         ",\"height\":" + Number(rect.bottom - rect.top);
}

// Visibility is read before anything else: the program places a window before it shows it, so
// what is read after a window is seen visible is what the user sees, not a state on the way.
std::string StyleFields(HWND hwnd, bool visible) {
  return "\"style\":" + Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE))) +
         ",\"exstyle\":" + Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE))) +
         ",\"visible\":" + Bool(visible);
}

// Children in z-order, each placed relative to its parent's client area.
std::string ChildrenJson(HWND parent) {
  std::string out = "[";
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    bool visible = IsWindowVisible(child);
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    if (out.size() > 1) out += ",";
    out += "{\"class\":" + JsonText(ClassName(child)) + ",\"text\":" + JsonText(WindowText(child)) +
           "," + RectFields(rect) + "," + StyleFields(child, visible) +
           ",\"children\":" + ChildrenJson(child) + "}";
  }
  return out + "]";
}

std::string AlphaJson(HWND hwnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  bool layered = GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED;
  if (!layered || !GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) ||
      !(flags & LWA_ALPHA)) {
    return "null";
  }
  return Number(alpha);
}

std::string WindowJson(HWND hwnd) {
  bool visible = IsWindowVisible(hwnd);
  RECT rect;
  GetWindowRect(hwnd, &rect);
  HWND owner = GetWindow(hwnd, GW_OWNER);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return "{\"hwnd\":" + Handle(hwnd) + ",\"pid\":" + Number(pid) +
         ",\"title\":" + JsonText(WindowText(hwnd)) + ",\"class\":" + JsonText(ClassName(hwnd)) +
         "," + RectFields(rect) + "," + StyleFields(hwnd, visible) +
         ",\"topmost\":" + Bool(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) +
         ",\"alpha\":" + AlphaJson(hwnd) + ",\"owner\":" + Handle(owner) +
         ",\"owner_visible\":" + Bool(owner && IsWindowVisible(owner)) +
         ",\"children\":" + ChildrenJson(hwnd) + "}";
}

void Print(const std::string& line) {
  std::string out = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
            nullptr);
}

int Fail(const std::string& message) {
  Print("{\"error\":" + JsonText(std::wstring(message.begin(), message.end())) + "}");
  return 1;
}

struct TitleCount {
  const std::wstring* title;
  int count;
};

BOOL CALLBACK CountIfTitled(HWND hwnd, LPARAM param) {
  auto* counter = reinterpret_cast<TitleCount*>(param);
  if (WindowText(hwnd) == *counter->title) ++counter->count;
  return TRUE;
}

int Wait(const std::wstring& title, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = FindWindowW(nullptr, title.c_str())) {
      Print(WindowJson(hwnd));
      return 0;
    }
    if (GetTickCount() - start >= timeoutMs) return Fail("timeout");
    Sleep(50);
  }
}

int Info(const std::wstring& title) {
  HWND hwnd = FindWindowW(nullptr, title.c_str());
  if (!hwnd) return Fail("no window");
  Print(WindowJson(hwnd));
  return 0;
}

int Count(const std::wstring& title) {
  TitleCount counter{&title, 0};
  EnumWindows(CountIfTitled, reinterpret_cast<LPARAM>(&counter));
  Print("{\"count\":" + Number(counter.count) + "}");
  return 0;
}

// SendInput wants absolute positions on a 0..65535 scale of the primary screen.
INPUT MouseInput(int x, int y, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

// Pauses let the target's message loop see each step as a separate event, as with a person.
void Send(int x, int y, DWORD flags) {
  INPUT input = MouseInput(x, y, flags);
  SendInput(1, &input, sizeof input);
  Sleep(100);
}

int Click(int x, int y) {
  SetCursorPos(x, y);
  Sleep(100);
  Send(x, y, MOUSEEVENTF_LEFTDOWN);
  Send(x, y, MOUSEEVENTF_LEFTUP);
  Print("{\"clicked\":true}");
  return 0;
}

int Drag(int x1, int y1, int x2, int y2) {
  SetCursorPos(x1, y1);
  Sleep(100);
  Send(x1, y1, MOUSEEVENTF_LEFTDOWN);
  const int steps = 10;
  for (int i = 1; i <= steps; ++i) {
    Send(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps, 0);
  }
  Send(x2, y2, MOUSEEVENTF_LEFTUP);
  Print("{\"dragged\":true}");
  return 0;
}

// Types text as a person would, one key press per character (KEYEVENTF_UNICODE), into
// whichever window has the keyboard focus.
int Type(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = c;
      key.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Sleep(20);
  }
  Sleep(100);
  Print("{\"typed\":true}");
  return 0;
}

// Stands in for the user's web browser: the tests register this command as the shell's handler
// for http URLs, so every URL the program hands to the shell is appended to a file, one a line.
int RecordUrl(const std::wstring& file, const std::wstring& url) {
  HANDLE log = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return Fail("cannot open the log");
  std::string line = Utf8(url) + "\n";
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return 0;
}

// The process that owns the top-level window with this title, or null.
HANDLE OpenOwnerProcess(const std::wstring& title, DWORD access, DWORD* pid) {
  HWND hwnd = FindWindowW(nullptr, title.c_str());
  if (!hwnd) return nullptr;
  GetWindowThreadProcessId(hwnd, pid);
  return OpenProcess(access, FALSE, *pid);
}

// Waits until the window's program has worked through everything queued since it started and
// waits for input, so a test's first click is not held up behind start-up work.
int Idle(const std::wstring& title, DWORD timeoutMs) {
  DWORD pid = 0;
  HANDLE process = OpenOwnerProcess(title, SYNCHRONIZE | PROCESS_QUERY_INFORMATION, &pid);
  if (!process) return Fail("no window or process");
  DWORD result = WaitForInputIdle(process, timeoutMs);
  CloseHandle(process);
  if (result != 0) return Fail("not idle");
  Print("{\"idle\":true}");
  return 0;
}

// Shows a window of its own in the foreground for a while, as a person switching to another
// program would, then closes it.
int StealFocus(DWORD ms) {
  HWND other = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"zembrix-probe", WS_POPUP | WS_VISIBLE,
                               0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  if (!other) return Fail("no window");
  SetForegroundWindow(other);
  SetActiveWindow(other);
  DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < ms) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
  bool hadFocus = GetActiveWindow() == other;
  DestroyWindow(other);
  Print(std::string("{\"had_focus\":") + Bool(hadFocus) + "}");
  return 0;
}

int Kill(const std::wstring& title) {
  DWORD pid = 0;
  HANDLE process = OpenOwnerProcess(title, PROCESS_TERMINATE | SYNCHRONIZE, &pid);
  if (!process) return Fail("no window or process");
  TerminateProcess(process, 1);
  bool ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  CloseHandle(process);
  if (!ended) return Fail("process did not end");
  Print("{\"killed\":" + Number(pid) + "}");
  return 0;
}

int Pixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  if (colour == CLR_INVALID) return Fail("no pixel");
  Print("{\"r\":" + Number(GetRValue(colour)) + ",\"g\":" + Number(GetGValue(colour)) +
        ",\"b\":" + Number(GetBValue(colour)) + "}");
  return 0;
}

int System() {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  Print("{\"acp\":" + Number(GetACP()) + ",\"screen_width\":" +
        Number(GetSystemMetrics(SM_CXSCREEN)) + ",\"screen_height\":" +
        Number(GetSystemMetrics(SM_CYSCREEN)) + ",\"work_area\":{" + RectFields(work) + "}}");
  return 0;
}

int Usage() {
  return Fail(
      "usage: wait TITLE [MS] | info TITLE | count TITLE | idle TITLE MS | kill TITLE | "
      "click X Y | "
      "drag X1 Y1 X2 Y2 | pixel X Y | type TEXT | steal-focus MS | record-url FILE URL | "
      "system");
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args(argv + 1, argv + argc);
  LocalFree(argv);
  auto number = [&](size_t i) { return _wtoi(args[i].c_str()); };
  auto title = [&] { return Unescape(args[1]); };
  if (args.empty()) return Usage();
  const std::wstring& command = args[0];
  size_t n = args.size();
  if (command == L"wait" && (n == 2 || n == 3)) return Wait(title(), n == 3 ? number(2) : 10000);
  if (command == L"info" && n == 2) return Info(title());
  if (command == L"count" && n == 2) return Count(title());
  if (command == L"kill" && n == 2) return Kill(title());
  if (command == L"idle" && n == 3) return Idle(title(), number(2));
  if (command == L"click" && n == 3) return Click(number(1), number(2));
  if (command == L"drag" && n == 5) return Drag(number(1), number(2), number(3), number(4));
  if (command == L"pixel" && n == 3) return Pixel(number(1), number(2));
  if (command == L"type" && n == 2) return Type(Unescape(args[1]));
  if (command == L"steal-focus" && n == 2) return StealFocus(number(1));
  if (command == L"record-url" && n == 3) return RecordUrl(args[1], args[2]);
  if (command == L"system" && n == 1) return System();
  return Usage();
}
