// A small faucet index listed in a fake main window, browsed by a controller
// whose clock stands still.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/core/browsing/BrowsingController.h"
#include "app/core/list/FaucetList.h"
#include "tests/support/FakeBrowsingView.h"

namespace trelio::test {

// A one-letter name; flags: "*" input field "*", "C" completed, "H" hidden,
// "L" a Litecoin faucet (else Bitcoin), "K" locked for update.
struct TestRow {
  std::string name;
  std::string flags = {};
};

class BrowsingFixture : public ::testing::Test {
 protected:
  static constexpr uint32_t kNow = 1'700'000'000;

  FaucetIndex index;
  FakeBrowsingView view;
  AppSettings settings = DefaultSettings();
  BrowsingController browsing{view, settings,
                              [] { return LocalWallTime(std::chrono::seconds(kNow)); }};

  BrowsingFixture() { view.index = &index; }

  static AppSettings DefaultSettings() {
    AppSettings s;
    s.ignoreFieldNames = "adcopy_response";
    return s;
  }

  static std::string UrlOf(const std::string& name) { return "http://" + name + ".example/"; }
  // What a browse loads: the URL with the coin's referral added.
  static std::string Browsed(const std::string& name) { return UrlOf(name) + "?r=REF"; }

  void AddRows(std::initializer_list<TestRow> rows) {
    for (const TestRow& wanted : rows) {
      FaucetItem& row = index.Append();
      const auto has = [&](char f) { return wanted.flags.find(f) != std::string::npos; };
      row.Edit(fCurrency) = has('L') ? "litecoin" : "bitcoin";
      row.Edit(fName) = wanted.name;
      row.Edit(fUrl) = UrlOf(wanted.name);
      row.Edit(fInterval) = "5";
      row.Edit(fInput) = has('*') ? "*" : "";
      row.Edit(fCompleted) = has('C') ? "1" : "";
      row.Edit(fHidden) = has('H') ? "1" : "";
      row.Edit(fLock) = has('K') ? "1" : "";
      row.Edit(fPosition) = std::to_string(index.RowCount() - 1);
    }
  }

  // The list of the coin, filled as the window does before telling the
  // controller. Hidden rows are listed.
  void Rebuild(const std::string& coin = "bitcoin") {
    FaucetListRequest request;
    request.coinKey = coin;
    request.activeTabCaption = coin;
    request.currentReferral = "REF";
    request.coinReferral = [](std::string_view) -> std::optional<std::string> { return "REF"; };
    request.lastItemUrls = &browsing.LastItemUrl();
    request.showHidden = true;
    request.sort = {0, 0, 0};
    const FaucetList list = BuildFaucetList(index, request);
    view.entries = list.items;
    view.selected = -1;
    browsing.ListRebuilt(list);
  }

  void Click(int position) {
    view.SelectPosition(position);
    browsing.SelectCurrentItem(true);
  }
  void DoubleClick(int position) {
    Click(position);
    browsing.BrowseSelectedRow();
  }

  FaucetItem* Row(const std::string& name) {
    for (int r = 1; r < index.RowCount(); ++r)
      if (index.Row(r)[fName] == name) return &index.Row(r);
    ADD_FAILURE() << "no row " << name;
    return nullptr;
  }
  static std::string NameOf(const FaucetItem* row) { return std::string(row ? (*row)[fName] : ""); }

  // "1", "2", "12" or "": the browser windows shown.
  std::string Shown() const {
    std::string s;
    if (view.browsers[0].visible) s += '1';
    if (view.browsers[1].visible) s += '2';
    return s;
  }
  std::string Completed() const {
    std::string s;
    for (int r = 1; r < index.RowCount(); ++r)
      if (index.Row(r)[fCompleted] == "1")
        s += (s.empty() ? "" : ",") + std::string(index.Row(r)[fName]);
    return s;
  }
};

}  // namespace trelio::test
