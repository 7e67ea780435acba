// Pages opened in the user's default web browser from the window itself: the
// coin projects' home pages, the banners' service and the maker's pages. They
// open at once on the window thread; what the desktop makes of them is not
// looked at.
#include <QString>

#include "app/core/coins/CoinTable.h"
#include "app/platform/MakerServer.h"
#include "app/threads/ExecuteThread.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

void Open(std::string_view url) {
  ShellOpenUrl(QString::fromLatin1(url.data(), qsizetype(url.size())));
}

}  // namespace

void TForm1::OpenCoinHomePage(int tab) { Open(CoinAtTab(tab).homePage); }

void TForm1::Image1Click() { Open(kMicropaymentServiceUrl); }

void TForm1::HomePage1Click() { Open(MakerServerUrl("/trelio.php")); }

void TForm1::Feedback1Click() { Open(MakerServerUrl("/mail.php")); }

}  // namespace trelio
