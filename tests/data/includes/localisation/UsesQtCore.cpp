#include <QObject>
#include <QString>
#include "app/core/text/Messages.h"
