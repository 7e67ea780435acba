// Demo faucets that are hard on a browser: a page that never ends loading
// and one held up by a script that never arrives (under /demo/slow/), and a
// faucet whose address needs percent-encoding.
#pragma once

#include <httplib.h>

namespace trelio::demo {

void InstallAwkwardPages(httplib::Server& server);

}  // namespace trelio::demo
