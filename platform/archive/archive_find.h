#pragma once
// Finds archived bags by their text: the archived PDFs whose pages hold a given text (a
// patient's name, an Rx number), read with poppler from the files themselves, so that what
// is found is what the archive holds.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/archive/archive_store.h"

namespace pillora {

// A file that cannot be read as a PDF: its path and why.
using UnreadableFile =
    std::function<void(const std::filesystem::path& file, const std::string& reason)>;

// The archived files of the days from..to (open ends when absent) whose text holds `text`
// (UTF-8, exact), oldest first. A file that cannot be read is reported and passed over.
// FileError where the build cannot read PDFs (Windows).
std::vector<std::filesystem::path> findInArchive(const ArchiveFolder& archive,
                                                 const std::string& text, std::optional<Day> from,
                                                 std::optional<Day> to,
                                                 const UnreadableFile& unreadable);

}  // namespace pillora
