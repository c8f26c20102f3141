#include "pillora/startup/job_file.h"

#include <string>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"

namespace pillora {

std::vector<Text> readJobLines(const Text& path, size_t needed, const char* format) {
  const std::string file = toUtf8(path);
  std::vector<Text> lines = readTextLines(file);
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

Text useByDate(const Text& dispensingDate) {
  return formatSlashDate(addMonths(toDate(dispensingDate), 3));
}

}  // namespace pillora
