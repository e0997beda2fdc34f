// The two shop widget pages that the Taobao and Dangdang boxes write beside the program and
// show in the embedded browser.
#pragma once

#include <string_view>

#include "app/text.h"

namespace zembrix {

// A page opened from a local file runs with Local Machine rights in the embedded browser. This
// comment line, first in the file, puts it in the Internet zone instead, so the shops' scripts
// get no more rights than they have on the web. "(0014)" is the length of "about:internet".
inline constexpr std::string_view kMarkOfTheWeb = "<!-- saved from url=(0014)about:internet -->";

// The page as written to disk: the mark-of-the-web line, CR LF, then the page itself.
Text WithMarkOfTheWeb(const Text& page);

// The widget page for the box kind "taobao" or "dangdang"; empty for any other kind.
Text WidgetPage(const Text& kind);

}  // namespace zembrix
