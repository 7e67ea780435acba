#include "app/platform/CurlLibrary.h"

#include <dlfcn.h>

#include <string>
#include <type_traits>

namespace trelio {
namespace {

std::string LoadError(const char* what) {
  const char* why = dlerror();
  return std::string("Cannot load the HTTP library: ") + (why ? why : what);
}

}  // namespace

CurlLibrary LoadCurlLibrary(const char* soname) {
  CurlLibrary lib;
  // Local, so that its symbols and those of its dependencies do not join the
  // program's global lookup scope.
  void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    lib.error = LoadError(soname);
    return lib;
  }
  auto resolve = [&](auto& slot, const char* name) {
    if (!lib.ok()) return;
    dlerror();
    void* symbol = dlsym(handle, name);
    if (symbol) {
      slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(symbol);
    } else {
      lib.error = LoadError((std::string(soname) + ": no " + name).c_str());
    }
  };
#define KT_CURL_RESOLVE(name) resolve(lib.fn.name, "curl_" #name);
  KT_CURL_FUNCTIONS(KT_CURL_RESOLVE)
#undef KT_CURL_RESOLVE
  if (!lib.ok()) {
    lib.fn = {};
    dlclose(handle);
    return lib;
  }
  // A failure here is not final: curl_easy_init tries again and reports it.
  lib.fn.global_init(CURL_GLOBAL_DEFAULT);
  return lib;
}

const CurlLibrary& Curl() {
  static const CurlLibrary lib = LoadCurlLibrary("libcurl.so.4");
  return lib;
}

}  // namespace trelio
