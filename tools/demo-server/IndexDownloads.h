// The ways the demo server can answer "/trelio/index.csv", so the demo and the
// tests can see every road of an index download over real HTTP. The program
// always asks the same path; the mode is chosen on the server's side:
//
//   KT_DEMO_INDEX=<mode>            the mode the server starts in
//   GET /demo/index-mode?m=<mode>   switches it (without m: tells it)
//   GET /demo/index-release         lets the oldest "silent" request go on
//   GET /demo/index-requests        every index request as the server saw it
//
// The modes:
//   normal    the demo index
//   slow      the demo index in 24 pieces, 150 ms apart (a length announced)
//   silent    accepts the request and answers nothing until released; then
//             it answers as the mode of that moment says
//   404, 500  an error status with a small HTML page
//   empty     status 200 and no body
//   chunked   the demo index without a length, in chunks
//   redirect  a 302 to /demo/index-moved.csv (which serves the index)
//   large     an index of about 5 MB: 50,000 generated faucets
//   html      status 200 with a network sign-in page instead of an index
#pragma once

#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "tools/demo-server/DemoSite.h"

namespace trelio::demo {

class IndexDownloads {
 public:
  explicit IndexDownloads(const DemoSite& site);
  // Serves "/trelio/index.csv" and the control paths above.
  void Install(httplib::Server& server);

 private:
  void Record(const httplib::Request& req);
  void Answer(httplib::Response& res);
  void AnswerAs(const std::string& mode, httplib::Response& res);
  void WaitForRelease();
  void SetMode(const httplib::Request& req, httplib::Response& res);
  void Release(httplib::Response& res);
  void Requests(httplib::Response& res) const;
  const std::string& LargeIndex();

  const DemoSite& site_;
  mutable std::mutex mutex_;
  std::condition_variable released_;
  std::string mode_ = "normal";
  std::vector<std::string> requests_;
  // One ticket per silent request still waiting, oldest first.
  std::deque<unsigned> waiting_;
  unsigned nextTicket_ = 0;
  std::string large_;
};

}  // namespace trelio::demo
