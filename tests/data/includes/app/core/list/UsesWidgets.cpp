#include <QtWidgets/QLabel>
#include <vector>
  #  include "app/widgets/Fonts.h"
