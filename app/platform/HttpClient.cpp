#include "app/platform/HttpClient.h"

#include <curl/curl.h>
#include <string.h>

#include <exception>
#include <memory>
#include <new>
#include <string_view>

#include "app/platform/CurlLibrary.h"

namespace trelio {
namespace {

constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

// State one transfer shares with its callbacks.
struct Transfer {
  Transfer(const CurlFunctions& f, CURL* c, const HttpProgress& p, HttpResult& r)
      : fn(f), curl(c), progress(p), result(r) {}
  const CurlFunctions& fn;
  CURL* curl;
  const HttpProgress& progress;
  HttpResult& result;
  std::string statusLine;
  bool begun = false;
  bool cancelled = false;
  // Text of an exception thrown by a callback; it must not cross libcurl.
  std::string failure;
};

std::string_view TrimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ')) {
    line.remove_suffix(1);
  }
  return line;
}

// Keeps a callback's exception as the transfer's failure; false ends it.
template <typename F>
bool Guarded(Transfer& t, F&& f) {
  try {
    f();
    return true;
  } catch (const std::bad_alloc&) {
    t.failure = "Out of memory";
  } catch (const std::exception& e) {
    t.failure = e.what();
  } catch (...) {
    t.failure = "Unknown error";
  }
  if (t.failure.empty()) t.failure = "Unknown error";
  return false;
}

// libcurl hands over every header line, each response starting with its
// status line; the empty line ends a response's headers.
size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto& t = *static_cast<Transfer*>(user);
  const size_t n = size * count;
  const std::string_view line(data, n);
  const bool fine = Guarded(t, [&] {
    if (line.starts_with("HTTP/")) {
      t.statusLine = std::string(TrimLineEnd(line));
      return;
    }
    if (!TrimLineEnd(line).empty() || t.begun) return;
    long code = 0;
    t.fn.easy_getinfo(t.curl, CURLINFO_RESPONSE_CODE, &code);
    if (code < 200) return;  // an interim 1xx response; the real one follows
    t.begun = true;
    curl_off_t length = -1;
    t.fn.easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (t.progress.workBegin) t.progress.workBegin(length > 0 ? length : 0);
  });
  return fine ? n : 0;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto& t = *static_cast<Transfer*>(user);
  const size_t n = size * count;
  const bool fine = Guarded(t, [&] {
    t.result.body.append(data, n);
    if (t.progress.work) t.progress.work(static_cast<int64_t>(t.result.body.size()));
  });
  return fine ? n : 0;
}

struct CurlDeleter {
  const CurlFunctions* fn;
  void operator()(CURL* c) const { fn->easy_cleanup(c); }
  void operator()(curl_slist* l) const { fn->slist_free_all(l); }
};

// CURL and CURLM are both void, so they need deleters of their own.
struct CurlMultiDeleter {
  const CurlFunctions* fn;
  void operator()(CURLM* m) const { fn->multi_cleanup(m); }
};

// How long the transfer may wait on a silent server before it looks at the
// cancel flag again.
constexpr int kCancelLookMs = 50;

// Runs the transfer in a loop of our own rather than curl_easy_perform, whose
// waits last up to a second: a cancel must end a transfer to a silent server
// at once, for example when the program closes.
CURLcode Perform(CURL* c, Transfer& t) {
  const CurlFunctions& fn = t.fn;
  std::unique_ptr<CURLM, CurlMultiDeleter> multi(fn.multi_init(), CurlMultiDeleter{&fn});
  if (!multi || fn.multi_add_handle(multi.get(), c) != CURLM_OK) return CURLE_OUT_OF_MEMORY;
  CURLcode result = CURLE_OK;
  for (;;) {
    if (t.progress.cancel && t.progress.cancel->load()) {
      t.cancelled = true;
      result = CURLE_ABORTED_BY_CALLBACK;
      break;
    }
    int running = 0;
    CURLMcode step = fn.multi_perform(multi.get(), &running);
    if (step == CURLM_OK && running == 0) {
      int left = 0;
      while (CURLMsg* msg = fn.multi_info_read(multi.get(), &left))
        if (msg->msg == CURLMSG_DONE) result = msg->data.result;
      break;
    }
    if (step == CURLM_OK) step = fn.multi_poll(multi.get(), nullptr, 0, kCancelLookMs, nullptr);
    if (step != CURLM_OK) {
      result = step == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_RECV_ERROR;
      break;
    }
  }
  fn.multi_remove_handle(multi.get(), c);
  return result;
}

}  // namespace

void HttpGlobalInit() { (void)Curl(); }

HttpResult HttpGet(const std::string& url, const HttpProgress& progress) {
  HttpResult result;
  try {
    const CurlLibrary& lib = Curl();
    if (!lib.ok()) {
      result.error = lib.error;
      return result;
    }
    const CurlFunctions& fn = lib.fn;
    std::unique_ptr<CURL, CurlDeleter> curl(fn.easy_init(), CurlDeleter{&fn});
    if (!curl) {
      result.error = "Cannot create an HTTP connection";
      return result;
    }
    curl_slist* raw = nullptr;
    for (const char* h : {"Accept: text/html, */*", "Content-Type: text/html"}) {
      curl_slist* next = fn.slist_append(raw, h);
      if (!next) {
        fn.slist_free_all(raw);
        throw std::bad_alloc();
      }
      raw = next;
    }
    std::unique_ptr<curl_slist, CurlDeleter> headers(raw, CurlDeleter{&fn});

    Transfer t(fn, curl.get(), progress, result);
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    fn.easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    fn.easy_setopt(c, CURLOPT_URL, url.c_str());
    fn.easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
    fn.easy_setopt(c, CURLOPT_HTTPGET, 1L);
    fn.easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    fn.easy_setopt(c, CURLOPT_USERAGENT, kUserAgent);
    fn.easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    fn.easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    fn.easy_setopt(c, CURLOPT_TIMEOUT, 0L);
    fn.easy_setopt(c, CURLOPT_PROXY, "");       // ignore proxy variables of the environment
    fn.easy_setopt(c, CURLOPT_COOKIEFILE, "");  // cookies accepted for this transfer
    fn.easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    fn.easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
    fn.easy_setopt(c, CURLOPT_HEADERDATA, &t);
    fn.easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
    fn.easy_setopt(c, CURLOPT_WRITEDATA, &t);

    const CURLcode code = Perform(c, t);
    fn.easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);

    if (!t.failure.empty()) {
      result.error = t.failure;
    } else if (t.cancelled) {
      result.cancelled = true;
      result.error = "Transfer cancelled";
    } else if (code != CURLE_OK) {
      result.error = errorText[0] ? std::string(TrimLineEnd(errorText)) : fn.easy_strerror(code);
      long osError = 0;
      fn.easy_getinfo(c, CURLINFO_OS_ERRNO, &osError);
      if (osError != 0) {
        // "Couldn't connect to server" alone does not say that it refused.
        char text[256];
        result.error +=
            " (" + std::string(strerror_r(static_cast<int>(osError), text, sizeof text)) + ")";
      }
    } else if (result.status < 200 || result.status > 299) {
      result.error =
          t.statusLine.empty() ? "HTTP error " + std::to_string(result.status) : t.statusLine;
    }
  } catch (const std::bad_alloc&) {
    result.error = "Out of memory";
  }
  return result;
}

}  // namespace trelio
