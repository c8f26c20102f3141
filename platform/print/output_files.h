#pragma once
// The files the built-in printers make: all in one output folder, named after the job
// file. The first document of 123.ndrg is 123<suffix>; when a file of that name exists
// already (an earlier document of the run, or a file left from before) the next free name
// of 123-2, 123-3, ... is taken, so nothing is ever overwritten.
#include <string>
#include <string_view>

#include "common/text/text.h"

namespace pillora {

class OutputFiles {
 public:
  // The folder is made when the first file is written.
  explicit OutputFiles(std::string folder) : m_folder(std::move(folder)) {}

  // /data/123.ndrg names the documents 123 and the print jobs 123.ndrg. Until a job is
  // named (or for a path without a file name) both are "pillora".
  void setJobName(const Text& jobPath);
  // The job file's name, the title of print jobs.
  const std::string& jobTitle() const { return m_title; }

  // Writes the first file of a new document, <base><suffix>, under the first free base name,
  // and returns the document's path without the suffix (<folder>/<base>). PrinterError
  // when the file cannot be written.
  std::string writeNewDocument(std::string_view suffix, const std::string& bytes);

 private:
  std::string m_folder;
  std::string m_title = "pillora";
  std::string m_stem = "pillora";
};

// The value of an environment variable; empty when it is not set.
std::string environmentValue(const char* name);
// The folder of the files: PILLORA_OUTPUT_DIR, else the current folder.
std::string outputFolder();

// Writes a further file of a document, replacing a stale file of that name. PrinterError
// when it cannot be written.
void writeDocumentFile(const std::string& path, const std::string& bytes);

}  // namespace pillora
