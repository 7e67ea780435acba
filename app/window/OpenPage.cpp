#include "app/window/OpenPage.h"

#include <QString>

#include "app/platform/MakerServer.h"
#include "app/threads/ExecuteThread.h"

namespace trelio {

void OpenPage(std::string_view url) { ShellOpenUrl(QString::fromLatin1(url)); }

void OpenMakerPage(std::string_view path) { OpenPage(MakerServerUrl(path)); }

}  // namespace trelio
