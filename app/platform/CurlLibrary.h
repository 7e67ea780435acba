// libcurl, loaded when the first transfer needs it rather than at program
// start: linked in, it and the twenty libraries it pulls cost every start of
// the program, which mostly makes no HTTP request at all.
#pragma once

#include <curl/curl.h>

#include "app/platform/Outcome.h"

namespace trelio {

// The libcurl functions the HTTP client calls, each as it is named after
// "curl_". The types come from libcurl's own header.
#define KT_CURL_FUNCTIONS(X) \
  X(global_init)             \
  X(easy_init)               \
  X(easy_cleanup)            \
  X(easy_setopt)             \
  X(easy_getinfo)            \
  X(easy_strerror)           \
  X(slist_append)            \
  X(slist_free_all)          \
  X(multi_init)              \
  X(multi_cleanup)           \
  X(multi_add_handle)        \
  X(multi_remove_handle)     \
  X(multi_perform)           \
  X(multi_poll)              \
  X(multi_info_read)

struct CurlFunctions {
#define KT_CURL_MEMBER(name) decltype(&::curl_##name) name = nullptr;
  KT_CURL_FUNCTIONS(KT_CURL_MEMBER)
#undef KT_CURL_MEMBER
};

// When ok(), every function of fn is there; otherwise error says why not.
struct CurlLibrary : Outcome {
  CurlFunctions fn;
};

// libcurl.so.4, loaded and initialised once for the process on the first
// call, from any thread; never unloaded. A failure stays for the process.
const CurlLibrary& Curl();

// Loads the named library and initialises it, anew on each call; Curl() uses
// it for libcurl.so.4. A library that fails to load is released again.
CurlLibrary LoadCurlLibrary(const char* soname);

}  // namespace trelio
