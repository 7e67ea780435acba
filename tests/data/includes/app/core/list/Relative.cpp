#include "app/core/list/ListRowStyle.h"
#include "../../widgets/Fonts.h"
#include "./ListRowStyle.h"
