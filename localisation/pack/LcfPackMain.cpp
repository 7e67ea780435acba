// lcfpack OUTDIR SOURCE...: checks the translation sources and writes the
// records of the language module and its resource script (lang.rc) to OUTDIR.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/core/text/Messages.h"
#include "localisation/pack/LcfBlobs.h"

namespace {

using namespace trelio;
using namespace trelio::lcfpack;

// Every message of the program is there, translated into every language, and
// its English text is the built-in one, so the two never drift apart.
void CheckMessages(const TranslationSources& sources) {
  const auto english = std::find(sources.lcids.begin(), sources.lcids.end(), 1033);
  for (uint16_t id : ProgramMessageIds()) {
    const auto it = sources.messages.find(id);
    if (it == sources.messages.end())
      throw SourceError("message " + std::to_string(id) + " has no row in the sources");
    const SourceRow& row = it->second;
    for (size_t i = 0; i < row.texts.size(); ++i)
      if (!row.texts[i])
        throw SourceError(row.where + ": message " + row.key + " has no text for language " +
                          std::to_string(sources.lcids[i]));
    if (english != sources.lcids.end() &&
        *row.texts[size_t(english - sources.lcids.begin())] != BuiltInMessage(id))
      throw SourceError(row.where + ": the English text of " + row.key +
                        " differs from the built-in one");
  }
  for (const auto& [id, row] : sources.messages)
    if (BuiltInMessage(id).empty())
      throw SourceError(row.where + ": the program has no message " + row.key);
}

void WriteFile(const std::filesystem::path& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), std::streamsize(size));
  if (!out) throw SourceError(path.string() + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: lcfpack OUTDIR SOURCE...\n";
    return 2;
  }
  try {
    TranslationSources sources;
    std::vector<std::string> files(argv + 2, argv + argc);
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) ReadSourceFile(file, sources);
    CheckMessages(sources);

    const std::filesystem::path outDir = argv[1];
    std::filesystem::create_directories(outDir);
    std::vector<ResourceFile> resources;
    auto add = [&](const std::string& name, const std::string& fileName, const Blob& blob) {
      WriteFile(outDir / fileName, blob.data(), blob.size());
      resources.push_back({name, fileName});
    };
    add("LCHEADER", "header.bin", HeaderBlob(sources.lcids));
    for (const auto& [className, rows] : sources.classes)
      add(className, "c_" + className + ".bin", ClassTableBlob(className, rows));
    for (const auto& [id, row] : sources.messages)
      add(std::to_string(id), "s" + std::to_string(id) + ".bin", StringTableBlob(row.texts));
    const std::string script = ResourceScript(resources);
    WriteFile(outDir / "lang.rc", script.data(), script.size());
  } catch (const std::exception& e) {
    std::cerr << "lcfpack: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
