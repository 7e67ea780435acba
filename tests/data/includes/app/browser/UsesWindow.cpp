#include "app/browser/EmbeddedBrowser.h"
#include "app/window/FormBrowsingView.h"
