#include <fcntl.h>
#include <string>
