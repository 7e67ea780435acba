#include <sys/stat.h>
#include <cerrno>
#include <unicode/unistr.h>
#  include <unistd.h>
