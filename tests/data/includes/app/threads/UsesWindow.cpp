#include <QThread>
#include "app/window/Unit1.h"
