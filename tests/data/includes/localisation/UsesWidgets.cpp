#include <QWidget>
#include "app/window/Unit1.h"
