#include "platform/print/output_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "common/text/errors.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

// Far more documents than one job makes; past it something is wrong with the folder.
constexpr int kMostDocuments = 9999;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void cannotWrite(const std::string& path, int error) {
  throw PrinterError("cannot write " + path + ": " + std::strerror(error));
}

void writeAndClose(File file, const std::string& path, const std::string& bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (std::fclose(file.release()) != 0 || !written) {
    cannotWrite(path, errno);
  }
}

std::string fileNameOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string outputFolder() {
  const std::string folder = environmentValue("PILLORA_OUTPUT_DIR");
  return folder.empty() ? "." : folder;
}

void OutputFiles::setJobName(const Text& jobPath) {
  const std::string name = fileNameOf(toUtf8(jobPath));
  const std::size_t dot = name.rfind('.');
  const std::string stem = (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
  m_title = name.empty() ? "pillora" : name;
  m_stem = stem.empty() ? "pillora" : stem;
}

std::string OutputFiles::writeNewDocument(std::string_view suffix, const std::string& bytes) {
  std::error_code ignored;  // a folder that cannot be made shows when its file cannot be
  std::filesystem::create_directories(m_folder, ignored);
  for (int number = 1; number <= kMostDocuments; ++number) {
    std::string base =
        joinPath(m_folder, number == 1 ? m_stem : m_stem + "-" + std::to_string(number));
    const std::string path = base + std::string(suffix);
    // "x": made only when no file of that name exists.
    File file(std::fopen(path.c_str(), "wbx"));
    if (file) {
      writeAndClose(std::move(file), path, bytes);
      return base;
    }
    if (errno != EEXIST) {
      cannotWrite(path, errno);
    }
  }
  throw PrinterError("no free document name for " + m_stem + " in " + m_folder);
}

void writeDocumentFile(const std::string& path, const std::string& bytes) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    cannotWrite(path, errno);
  }
  writeAndClose(std::move(file), path, bytes);
}

}  // namespace pillora
