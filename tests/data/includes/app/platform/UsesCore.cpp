#include "app/core/text/Numbers.h"
#include "hashes/Hashes.h"
