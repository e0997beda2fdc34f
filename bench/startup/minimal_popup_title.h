// The peer program's window title, shared by the peer and the timer that looks for it.
#pragma once

inline constexpr wchar_t kMinimalPopupTitle[] = L"Zembrix start-up peer";
