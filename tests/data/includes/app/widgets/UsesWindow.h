#include <QLabel>
#include "app/core/list/ListRowStyle.h"
#include "app/window/CoinTabComponents.h"
