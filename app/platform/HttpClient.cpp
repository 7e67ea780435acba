#include "app/platform/HttpClient.h"

#include <curl/curl.h>
#include <string.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>

namespace trelio {
namespace {

constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

// The most header bytes of one response that a transfer reads: far above
// what any server sends, and a bound on what a hostile one can make us keep.
constexpr size_t kMaxHeaderBytes = 256 << 10;

// State one transfer shares with its callbacks.
struct Transfer {
  Transfer(CURL* c, const HttpBodyLimit& l, const HttpProgress& p, HttpResult& r)
      : curl(c), limit(l), progress(p), result(r) {}
  CURL* curl;
  const HttpBodyLimit& limit;
  const HttpProgress& progress;
  HttpResult& result;
  std::string statusLine;
  size_t headerBytes = 0;
  int64_t bodyBytes = 0;
  bool begun = false;
  // Set by a callback that ended the transfer; none while it runs on.
  HttpFailure stop = HttpFailure::none;
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
  t.stop = HttpFailure::callback;
  return false;
}

// Body bytes go here; room grows by doubling up to the limit, never past it,
// so a body at the limit costs the limit and not twice that.
void Keep(Transfer& t, const char* data, size_t n) {
  std::string& body = t.result.body;
  const size_t needed = body.size() + n;
  if (needed > body.capacity()) {
    const size_t most = static_cast<size_t>(t.limit.maxBytes);
    body.reserve(std::min(most, std::max(needed, body.capacity() * 2)));
  }
  body.append(data, n);
}

// libcurl hands over every header line, each response starting with its
// status line; the empty line ends a response's headers.
size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto& t = *static_cast<Transfer*>(user);
  const size_t n = size * count;
  t.headerBytes += n;
  if (t.headerBytes > kMaxHeaderBytes) {
    t.stop = HttpFailure::headerTooLarge;
    return 0;
  }
  const std::string_view line(data, n);
  const bool fine = Guarded(t, [&] {
    if (line.starts_with("HTTP/")) {
      t.statusLine = std::string(TrimLineEnd(line));
      return;
    }
    if (!TrimLineEnd(line).empty() || t.begun) return;
    long code = 0;
    curl_easy_getinfo(t.curl, CURLINFO_RESPONSE_CODE, &code);
    if (code < 200) {
      t.headerBytes = 0;  // an interim 1xx response; the real one follows
      return;
    }
    t.begun = true;
    curl_off_t length = -1;
    curl_easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (length > t.limit.maxBytes) {
      t.stop = HttpFailure::bodyTooLarge;
      return;
    }
    if (t.limit.keep && length > 0) t.result.body.reserve(static_cast<size_t>(length));
    if (t.progress.workBegin) t.progress.workBegin(length > 0 ? length : 0);
  });
  return fine && t.stop == HttpFailure::none ? n : 0;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto& t = *static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (static_cast<int64_t>(n) > t.limit.maxBytes - t.bodyBytes) {
    t.stop = HttpFailure::bodyTooLarge;
    return 0;
  }
  const bool fine = Guarded(t, [&] {
    t.bodyBytes += static_cast<int64_t>(n);
    if (t.limit.keep) Keep(t, data, n);
    if (t.progress.work) t.progress.work(t.bodyBytes);
  });
  return fine ? n : 0;
}

struct CurlDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// CURL and CURLM are both void, so they need deleters of their own.
struct CurlMultiDeleter {
  void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};

// How long the transfer may wait on a silent server before it looks at the
// cancel flag again.
constexpr int kCancelLookMs = 50;

// Runs the transfer in a loop of our own rather than curl_easy_perform, whose
// waits last up to a second: a cancel must end a transfer to a silent server
// at once, for example when the program closes.
CURLcode Perform(CURL* c, Transfer& t) {
  std::unique_ptr<CURLM, CurlMultiDeleter> multi(curl_multi_init());
  if (!multi || curl_multi_add_handle(multi.get(), c) != CURLM_OK) return CURLE_OUT_OF_MEMORY;
  CURLcode result = CURLE_OK;
  for (;;) {
    if (t.progress.cancel && t.progress.cancel->load()) {
      t.stop = HttpFailure::cancelled;
      result = CURLE_ABORTED_BY_CALLBACK;
      break;
    }
    int running = 0;
    CURLMcode step = curl_multi_perform(multi.get(), &running);
    if (step == CURLM_OK && running == 0) {
      int left = 0;
      while (CURLMsg* msg = curl_multi_info_read(multi.get(), &left))
        if (msg->msg == CURLMSG_DONE) result = msg->data.result;
      break;
    }
    if (step == CURLM_OK) step = curl_multi_poll(multi.get(), nullptr, 0, kCancelLookMs, nullptr);
    if (step != CURLM_OK) {
      result = step == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_RECV_ERROR;
      break;
    }
  }
  curl_multi_remove_handle(multi.get(), c);
  return result;
}

// libcurl's own words for a failed transfer, with the operating system's
// reason when they do not hold it already ("Couldn't connect to server" alone
// does not say that it refused).
std::string TransportError(CURL* c, CURLcode code, const char* errorText) {
  std::string error = errorText[0] ? std::string(TrimLineEnd(errorText)) : curl_easy_strerror(code);
  long osError = 0;
  curl_easy_getinfo(c, CURLINFO_OS_ERRNO, &osError);
  if (osError != 0) {
    char text[256];
    const std::string reason = strerror_r(static_cast<int>(osError), text, sizeof text);
    if (error.find(reason) == std::string::npos) error += " (" + reason + ")";
  }
  return error;
}

// English texts of the failures a caller usually says in its own words.
const char* FailureText(HttpFailure failure) {
  switch (failure) {
    case HttpFailure::cancelled:
      return "Transfer cancelled";
    case HttpFailure::bodyTooLarge:
    case HttpFailure::headerTooLarge:
      return "The server's answer was too large";
    default:
      return "Unknown error";
  }
}

// libcurl's global set-up is safe from any thread (7.84 on), but should run once.
void HttpGlobalInit() {
  static std::once_flag once;
  // A failure here is not final: curl_easy_init tries again and reports it.
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

HttpResult HttpGet(const std::string& url, const HttpBodyLimit& limit,
                   const HttpProgress& progress) {
  HttpResult result;
  try {
    HttpGlobalInit();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
      result.failure = HttpFailure::transport;
      result.error = "Cannot create an HTTP connection";
      return result;
    }
    curl_slist* raw = nullptr;
    for (const char* h : {"Accept: text/html, */*", "Content-Type: text/html"}) {
      curl_slist* next = curl_slist_append(raw, h);
      if (!next) {
        curl_slist_free_all(raw);
        throw std::bad_alloc();
      }
      raw = next;
    }
    std::unique_ptr<curl_slist, CurlDeleter> headers(raw);

    Transfer t(curl.get(), limit, progress, result);
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(c, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 0L);
    curl_easy_setopt(c, CURLOPT_PROXY, "");       // ignore proxy variables of the environment
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, "");  // cookies accepted for this transfer
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);

    const CURLcode code = Perform(c, t);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);

    if (t.stop == HttpFailure::callback) {
      result.failure = t.stop;
      result.error = t.failure;
    } else if (t.stop != HttpFailure::none) {
      result.failure = t.stop;
    } else if (code == CURLE_OUT_OF_MEMORY && !t.begun) {
      // libcurl's code for a header line longer than it keeps.
      result.failure = HttpFailure::headerTooLarge;
    } else if (code != CURLE_OK) {
      result.failure = HttpFailure::transport;
      result.error = TransportError(c, code, errorText);
    } else if (result.status < 200 || result.status > 299) {
      result.failure = HttpFailure::status;
      result.error =
          t.statusLine.empty() ? "HTTP error " + std::to_string(result.status) : t.statusLine;
    }
    if (result.failure != HttpFailure::none && result.error.empty())
      result.error = FailureText(result.failure);
    // What a limit refused is not kept half.
    if (result.failure == HttpFailure::bodyTooLarge) std::string().swap(result.body);
  } catch (const std::bad_alloc&) {
    result.failure = HttpFailure::transport;
    result.error = "Out of memory";
  }
  return result;
}

}  // namespace trelio
