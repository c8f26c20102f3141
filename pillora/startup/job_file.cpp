#include "pillora/startup/job_file.h"

#include <string>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"

namespace pillora {

std::vector<Text> readJobTextLines(const std::string& file) {
  const std::string bytes = readFileBytes(file, kMostJobBytes);
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    throw FileError("job file " + file + " is UTF-16 text; a job is code page 950 (Big5) text");
  }
  if (bytes.find('\0') != std::string::npos) {
    throw FileError("job file " + file + " holds NUL bytes: it is no code page 950 (Big5) text");
  }
  return splitLines(decodeTextFile(bytes));
}

std::vector<Text> readJobLines(const Text& path, size_t needed, const char* format) {
  const std::string file = toUtf8(path);
  std::vector<Text> lines = readJobTextLines(file);
  if (lines.size() < needed) {
    throw FileError("job file " + file + " has " + std::to_string(lines.size()) + " lines; a " +
                    format + " job needs " + std::to_string(needed));
  }
  return lines;
}

void readFields(CDrugBagItem& record, std::span<const Field> fields,
                std::vector<Text>::const_iterator& next) {
  for (const Field field : fields) {
    record.set(field, *next++);
  }
}

std::optional<Text> useByDate(const Text& dispensingDate) {
  constexpr int kUseByMonths = 3;
  const std::optional<Date> dispensed = parseDate(dispensingDate);
  if (!dispensed) return std::nullopt;
  const Date useBy = addMonths(*dispensed, kUseByMonths);
  if (useBy.year > 9999) return std::nullopt;
  return formatSlashDate(useBy);
}

}  // namespace pillora
