#include <QLabel>
#include "app/widgets/CoinPanel.h"
