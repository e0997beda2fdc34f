// The Amazon China box searches by handing the shop's associate search URL to the shell.
#pragma once

#include "app/text.h"

namespace zembrix {

// The associate search URL for a keyword as typed (GBK bytes). The keyword is percent-encoded
// byte for byte, so "&", "#" or "+" in it cannot end the parameter or the URL, and the shop
// still receives the same GBK bytes.
Text AmazonSearchUrl(const Text& keyword);

}  // namespace zembrix
