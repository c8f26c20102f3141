#include "pillora/archive/job_archive.h"

#include <chrono>
#include <cmath>
#include <exception>
#include <vector>

#include "common/log/run_record.h"
#include "common/text/convert.h"
#include "common/text/textfile.h"
#include "pillora/flags/flags.h"
#include "platform/archive/archive_pdf.h"
#include "platform/archive/archive_store.h"
#include "platform/archive/recorded_pages.h"
#include "platform/files/files.h"
#include "platform/print/output_files.h"

namespace pillora {

namespace {

// A hundred years: more than any pharmacy keeps, and a span the calendar reckons with.
constexpr double kMostDays = 36600.0;

// The days to keep from line 2 of "archive.config"; nothing (every day) when it is empty.
std::optional<int> keepDays(const Text& line, std::ostream& notices) {
  const Text days = trimBlanks(line);
  if (days.empty()) {
    return std::nullopt;
  }
  const double value = isNumeric(days) ? toDouble(days) : 0.0;
  if (value >= 1.0 && value <= kMostDays && value == std::floor(value)) {
    return static_cast<int>(value);
  }
  notices << "pillora: archive.config: line 2 \"" << toUtf8(days)
          << "\" is no number of days; every archived day is kept\n";
  return std::nullopt;
}

// Removes the days past keeping, once a day; the job log lists each day removed.
void removeOldDays(const ArchiveFolder& archive, int days, std::ostream& notices) {
  try {
    const Day today = archiveTimeNow().day;
    const Day firstKept{std::chrono::sys_days(today) - std::chrono::days(days - 1)};
    for (const auto& folder : archive.removeDaysBefore(firstKept, today)) {
      currentRun().add("archive-removed", fromUtf8(pathToUtf8(folder)));
    }
  } catch (const std::exception& error) {
    notices << "pillora: cannot remove the archive's old days: " << error.what() << "\n";
  }
}

void keepCopy(const ArchiveFolder& archive, const Text& jobPath, const RecordedPages& pages,
              std::ostream& notices) {
  if (pages.empty()) {
    return;  // no bag was printed
  }
  const std::string name = jobFileName(jobPath);
  try {
    const std::filesystem::path file =
        archive.store(archivePdf(pages, name), name, archiveTimeNow());
    std::error_code ignored;
    currentRun().set("archive", fromUtf8(pathToUtf8(std::filesystem::absolute(file, ignored))));
  } catch (const std::exception& error) {
    notices << "pillora: cannot archive the printed bags of " << name << ": " << error.what()
            << "\n";
  }
}

}  // namespace

std::optional<ArchiveSettings> archiveSettings(std::ostream& notices) {
  ArchiveSettings settings{environmentValue("PILLORA_ARCHIVE_DIR"), std::nullopt};
  std::vector<Text> lines;
  readSettingsFile("archive.config",
                   [&lines](const std::string& path) { lines = readTextLines(path); });
  if (settings.folder.empty() && !lines.empty()) {
    settings.folder = toUtf8(trimBlanks(lines[0]));
  }
  if (settings.folder.empty()) {
    return std::nullopt;
  }
  if (lines.size() > 1) {
    settings.keepDays = keepDays(lines[1], notices);
  }
  return settings;
}

void printArchived(const Text& jobPath, PrinterSurface& printer,
                   const std::function<void(PrinterSurface&)>& print, std::ostream& notices) {
  const std::optional<ArchiveSettings> settings = archiveSettings(notices);
  if (!settings) {
    print(printer);
    return;
  }
  const ArchiveFolder archive(pathFromUtf8(settings->folder));
  if (settings->keepDays) {
    removeOldDays(archive, *settings->keepDays, notices);
  }
  RecordedPages pages;
  RecordingSurface recording(printer, pages);
  try {
    print(recording);
  } catch (...) {
    keepCopy(archive, jobPath, pages, notices);
    throw;
  }
  keepCopy(archive, jobPath, pages, notices);
}

}  // namespace pillora
