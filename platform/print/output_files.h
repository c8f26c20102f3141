#pragma once
// The files the built-in printers make: all in one output folder, named after the job
// file. The first document of 123.ndrg is 123<suffix>; when a file of that name exists
// already (an earlier document of the run, or a file left from before) the next free name
// of 123-2, 123-3, ... is taken, so nothing is ever overwritten.
#include <filesystem>
#include <string>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// One file of a document: what follows the document's name in the file name, its bytes.
struct DocumentFile {
  std::string suffix;
  std::string bytes;
};

class OutputFiles {
 public:
  // The folder is made when the first file is written.
  explicit OutputFiles(std::filesystem::path folder) : m_folder(std::move(folder)) {}

  // /data/123.ndrg names the documents 123 and the print jobs 123.ndrg. Until a job is
  // named (or for a path without a file name) both are "pillora".
  void setJobName(const Text& jobPath);
  // The job file's name, the title of print jobs.
  const std::string& jobTitle() const { return m_title; }

  // Writes the files of a new document (at least one) under the first free document name:
  // the first file decides, later ones replace stale files of their names. All of them or
  // none: every file is written in full before any of them gets its name, and when one
  // cannot be written or named, PrinterError says why and the document leaves no file.
  void writeNewDocument(const std::vector<DocumentFile>& files);

 private:
  std::filesystem::path m_folder;
  std::string m_title = "pillora";
  std::string m_stem = "pillora";
};

// The folder of the files: PILLORA_OUTPUT_DIR, else the current folder.
std::filesystem::path outputFolder();

// The file name of a job path (the title of its print jobs); "pillora" when it has none.
std::string jobFileName(const Text& jobPath);

}  // namespace pillora
