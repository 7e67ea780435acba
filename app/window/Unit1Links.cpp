// Pages opened in the user's default web browser from the main window: the
// coin projects' home pages, the banners' service and the maker's pages.
#include "app/core/coins/CoinTable.h"
#include "app/platform/MakerServer.h"
#include "app/window/OpenPage.h"
#include "app/window/Unit1.h"

namespace trelio {

void TForm1::OpenCoinHomePage(int tab) { OpenPage(CoinAtTab(tab).homePage); }

void TForm1::Image1Click() { OpenPage(kMicropaymentServiceUrl); }

void TForm1::HomePage1Click() { OpenMakerPage(kHomePagePath); }

void TForm1::Feedback1Click() { OpenMakerPage(kFeedbackPagePath); }

}  // namespace trelio
