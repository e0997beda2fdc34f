#include "searchbar/widget_page.h"

#include <initializer_list>

#include "publisher_config.h"

namespace zembrix {
namespace {

// Lines joined by CR LF, with no break after the last one.
Text JoinLines(std::initializer_list<Text> lines) {
  Text page;
  for (const Text& line : lines) {
    if (!page.empty()) page += "\r\n";
    page += line;
  }
  return page;
}

Text TaobaoPage() {
  return JoinLines({
      "<script type='text/javascript'>",
      Text("alimama_pid='") + config::kTaobaoPid + "';",
      "alimama_type='g';",
      "alimama_tks={};",
      "alimama_tks.style_i=1;",
      "alimama_tks.lg_i=0;",
      "alimama_tks.w_i=249;",
      "alimama_tks.h_i=45;",
      "alimama_tks.btn_i=1;",
      "alimama_tks.txt_s='';",
      "alimama_tks.hot_i=0;",
      "alimama_tks.hc_c='#0065FF';",
      "alimama_tks.c_i=0;",
      "alimama_tks.cid_i=0;",
      "</script>",
      Text("<script type='text/javascript' src='http://") + config::kAlimamaHost +
          "/inf.js'></script>",
  });
}

Text DangdangPage() {
  return JoinLines({
      // The trailing space is part of the page as the shop's widget code gives it.
      "<script type=\"text/javascript\" > <!-- ",
      "dd_ad_output=\"html\";",
      Text("dd_ad_client=\"") + config::kDangdangId + "\";",
      "dd_ad_format=40;",
      "dd_ad_width=300;",
      "dd_ad_height=40;",
      "dd_open_target=\"_blank\";",
      "//--></script>",
      Text("<script type=\"text/javascript\" src=\"http://") + config::kDangdangUnionHost +
          "/union/script/dd_ads.js\" ></script>",
  });
}

}  // namespace

Text WithMarkOfTheWeb(const Text& page) {
  return Text(kMarkOfTheWeb) + "\r\n" + page;
}

Text WidgetPage(const Text& kind) {
  if (kind == "taobao") return WithMarkOfTheWeb(TaobaoPage());
  if (kind == "dangdang") return WithMarkOfTheWeb(DangdangPage());
  return Text();
}

}  // namespace zembrix
