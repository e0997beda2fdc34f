// The bracketed markers of the publisher's payloads (GBK at run time). The block marker pair
// surrounds the encrypted block on a downloaded page; the field pairs delimit the fields
// inside the decrypted text.
#pragma once

#include <string_view>

namespace zembrix {

inline constexpr std::string_view kPayloadBlockStart = "[联机信息开始]";
inline constexpr std::string_view kPayloadBlockEnd = "[联机信息结束]";

inline constexpr std::string_view kMenuTitleStart = "[菜单标题开始]";
inline constexpr std::string_view kMenuTitleEnd = "[菜单标题结束]";
inline constexpr std::string_view kMenuLinkStart = "[菜单链接开始]";
inline constexpr std::string_view kMenuLinkEnd = "[菜单链接结束]";
inline constexpr std::string_view kCssUrlStart = "[css网址开始]";
inline constexpr std::string_view kCssUrlEnd = "[css网址结束]";
inline constexpr std::string_view kInfoHtmlStart = "[子夹1html内容开始]";
inline constexpr std::string_view kInfoHtmlEnd = "[子夹1html内容结束]";

}  // namespace zembrix
