#include "pillora/archive/archive_search.h"

#include <exception>
#include <optional>
#include <string>

#include "pillora/archive/job_archive.h"
#include "platform/archive/archive_find.h"
#include "platform/archive/archive_store.h"

namespace pillora {

namespace {

constexpr const char* kUsage =
    "usage: pillora --archive-find TEXT [--from YYYY-MM-DD] [--to YYYY-MM-DD]";

struct Search {
  std::string text;
  std::optional<Day> from;
  std::optional<Day> to;
};

// The search the arguments ask for; nothing (and the reason on `err`) when they cannot be
// taken.
std::optional<Search> searchOf(const std::vector<Text>& args, std::ostream& err) {
  if (args.empty() || args.front().empty()) {
    err << kUsage << "\n";
    return std::nullopt;
  }
  Search search{toUtf8(args.front()), std::nullopt, std::nullopt};
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string option = toUtf8(args[i]);
    const std::string value = i + 1 < args.size() ? toUtf8(args[i + 1]) : std::string();
    const std::optional<Day> day = parseDay(value);
    if ((option != "--from" && option != "--to") || !day) {
      err << "pillora: --archive-find cannot take \"" << option << " " << value
          << "\" (dates are YYYY-MM-DD)\n"
          << kUsage << "\n";
      return std::nullopt;
    }
    (option == "--from" ? search.from : search.to) = day;
  }
  return search;
}

}  // namespace

int findArchived(const std::vector<Text>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Search> search = searchOf(args, err);
  if (!search) {
    return 2;
  }
  const std::optional<ArchiveSettings> settings = archiveSettings(err);
  if (!settings) {
    err << "pillora: no archive is set (PILLORA_ARCHIVE_DIR or archive.config)\n";
    return 1;
  }
  const ArchiveFolder archive(pathFromUtf8(settings->folder));
  try {
    const auto found =
        findInArchive(archive, search->text, search->from, search->to,
                      [&err](const std::filesystem::path& file, const std::string& reason) {
                        err << "pillora: cannot read the archived file " << pathToUtf8(file) << ": "
                            << reason << "\n";
                      });
    for (const std::filesystem::path& file : found) {
      out << pathToUtf8(file) << "\n";
    }
    if (found.empty()) {
      err << "pillora: no archived bag in " << settings->folder << " holds \"" << search->text
          << "\"\n";
      return 1;
    }
  } catch (const std::exception& error) {
    err << "pillora: cannot search the archive " << settings->folder << ": " << error.what()
        << "\n";
    return 1;
  }
  return 0;
}

}  // namespace pillora
