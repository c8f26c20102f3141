#include "platform/print/output_files.h"

#include <filesystem>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/files/files.h"
#include "platform/files/staged_file.h"

namespace pillora {

namespace {

// Far more documents than one job makes; past it something is wrong with the folder.
constexpr int kMostDocuments = 9999;

std::string fileNameOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The files of a document that have their names so far; removed unless all of them made it.
class NamedFiles {
 public:
  NamedFiles() = default;
  NamedFiles(const NamedFiles&) = delete;
  NamedFiles& operator=(const NamedFiles&) = delete;
  ~NamedFiles() {
    for (const std::filesystem::path& path : m_paths) {
      std::error_code ignored;
      std::filesystem::remove(path, ignored);
    }
  }
  void add(std::filesystem::path path) { m_paths.push_back(std::move(path)); }
  // The files keep their names; the run's record lists them.
  void keep() {
    for (const std::filesystem::path& path : m_paths) {
      std::error_code ignored;
      currentRun().add("file", fromUtf8(pathToUtf8(std::filesystem::absolute(path, ignored))));
    }
    m_paths.clear();
  }

 private:
  std::vector<std::filesystem::path> m_paths;
};

// Names the file <stem><suffix>, else <stem>-2<suffix>, ... whichever is free first, and
// returns the document's name (<stem>, <stem>-2, ...).
std::string claimFreeName(StagedFile& file, const std::filesystem::path& folder,
                          const std::string& stem, const std::string& suffix) {
  for (int number = 1; number <= kMostDocuments; ++number) {
    std::string base = number == 1 ? stem : stem + "-" + std::to_string(number);
    if (file.moveToNewName(folder / pathFromUtf8(base + suffix))) {
      return base;
    }
  }
  throw PrinterError("no free document name for " + stem + " in " + pathToUtf8(folder));
}

}  // namespace

std::filesystem::path outputFolder() {
  const std::string folder = environmentValue("PILLORA_OUTPUT_DIR");
  return pathFromUtf8(folder.empty() ? "." : folder);
}

std::string jobFileName(const Text& jobPath) {
  const std::string name = fileNameOf(toUtf8(jobPath));
  return name.empty() ? "pillora" : name;
}

void OutputFiles::setJobName(const Text& jobPath) {
  const std::string name = fileNameOf(toUtf8(jobPath));
  const std::size_t dot = name.rfind('.');
  const std::string stem = (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
  m_title = jobFileName(jobPath);
  m_stem = stem.empty() ? "pillora" : stem;
}

void OutputFiles::writeNewDocument(const std::vector<DocumentFile>& files) {
  std::error_code ignored;  // a folder that cannot be made shows when its file cannot be
  std::filesystem::create_directories(m_folder, ignored);
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const DocumentFile& file : files) {
    staged.emplace_back(m_folder / pathFromUtf8(m_stem + file.suffix), file.bytes);
  }
  const std::string base = claimFreeName(staged.front(), m_folder, m_stem, files.front().suffix);
  NamedFiles named;
  named.add(m_folder / pathFromUtf8(base + files.front().suffix));
  for (std::size_t i = 1; i < files.size(); ++i) {
    const std::filesystem::path path = m_folder / pathFromUtf8(base + files[i].suffix);
    staged[i].moveReplacing(path);
    named.add(path);
  }
  named.keep();
}

}  // namespace pillora
