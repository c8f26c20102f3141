#pragma once
// What the job readers share: reading a job file of a fixed number of lines into record
// properties, the storage text and the use-by date every drug bag carries.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/text/text.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

// Printed on every bag as the storage instructions. The "襙" is the system's own text.
inline constexpr TextView kStorageText = u"乾襙陰涼處　 □  冰箱冷藏";

// A job file holds a few kilobytes; a larger file is no job and is refused unread.
inline constexpr std::uintmax_t kMostJobBytes = std::uintmax_t{1024} * 1024;

// The lines of a job or receipt file. FileError when it cannot be read, is larger than
// kMostJobBytes, or is no code page 950 text: a UTF-16 file (its byte-order mark) or one
// holding NUL bytes is refused, never printed as the characters its bytes happen to make.
std::vector<Text> readJobTextLines(const std::string& file);

// The lines of a job file that must hold at least `needed` lines (lines after those are
// the caller's to ignore). FileError with a one-line message when the file cannot be read
// or is shorter; `format` names the job format in that message.
std::vector<Text> readJobLines(const Text& path, size_t needed, const char* format);

// Stores the next lines, one per field, in the record; `next` moves past them.
void readFields(CDrugBagItem& record, std::span<const Field> fields,
                std::vector<Text>::const_iterator& next);

// Three calendar months after the dispensing date, "YYYY/MM/DD"; nothing for a text that
// is not a date or a result past the last year the system can write.
std::optional<Text> useByDate(const Text& dispensingDate);

}  // namespace pillora
