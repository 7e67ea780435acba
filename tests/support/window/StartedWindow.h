// A main window started from files the test lays out: a program folder, a
// working folder and the data folder under this test's own XDG_DATA_HOME,
// the fake browser, a given screen, and the error box recorded.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/program/Application.h"
#include "app/window/Unit1.h"
#include "app/window/Unit2.h"
#include "app/window/Unit3.h"
#include "app/window/Unit4.h"
#include "tests/support/window/FakeBrowser.h"

namespace trelio::test {

class StartedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App().SetErrorBox([this](const QString& text) { errors << text; });
    options.programFolder = root.path() + QStringLiteral("/program");
    options.workingFolder = root.path() + QStringLiteral("/work");
    options.screen = ScreenSize{1920, 1080};
    QDir().mkpath(options.programFolder);
    QDir().mkpath(options.workingFolder);
    dataFolder = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Korvane Trelio");
  }
  void TearDown() override {
    about.reset();
    progress.reset();
    settings.reset();
    form.reset();
    App().SetErrorBox({});
  }

  static Application& App() { return *static_cast<Application*>(QCoreApplication::instance()); }

  TForm1& Start() {
    form = std::make_unique<TForm1>(browsers, options);
    form->show();
    QCoreApplication::processEvents();
    return *form;
  }
  // The main window with its dialogs, as the program makes them.
  TForm1& StartAll() {
    TForm1& f = Start();
    about = std::make_unique<TAboutBox>(f);
    progress = std::make_unique<TOKBottomDlg>(f);
    settings = std::make_unique<TOKBottomDlg1>(f);
    return f;
  }
  // Closes the window and destroys it, which runs the shutdown.
  void Stop() {
    form->close();
    form.reset();
  }

  QString Data(const char* name) const { return dataFolder + QLatin1Char('/') + name; }
  static void Write(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), qint64(bytes.size()));
  }
  static std::string Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }

  // index.csv text: the header, then one line per row of ";"-joined fields
  // ("Currency;Name;Url;Interval;..."; missing fields are empty).
  static std::string IndexCsv(const std::vector<std::string>& rows) {
    std::string text;
    for (size_t f = 0; f < kFaucetHeader.size(); ++f)
      text += std::string(f ? ";" : "") + std::string(kFaucetHeader[f]);
    text += "\r\n";
    for (const std::string& row : rows) {
      std::string line = row;
      const auto fields = std::count(line.begin(), line.end(), ';') + 1;
      for (auto f = fields; f < kFaucetFieldCount; ++f) line += ';';
      text += line + "\r\n";
    }
    return text;
  }

  QTemporaryDir root;
  QString dataFolder;
  StartupOptions options;
  FakeBrowserFactory browsers;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TAboutBox> about;
  std::unique_ptr<TOKBottomDlg> progress;
  std::unique_ptr<TOKBottomDlg1> settings;
  QStringList errors;
};

}  // namespace trelio::test
