#pragma once
// The encodings of the profile CSV files: UTF-8, as the tool writes by default, and code
// page 950 (Big5), as the pharmacies' own software exports them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pillora {

enum class CsvEncoding { Utf8, Cp950 };

// "utf-8" or "cp950" (letter case ignored); nothing for another name.
std::optional<CsvEncoding> csvEncodingNamed(std::string_view name);

// The bytes of a CSV file as UTF-8 text, a leading UTF-8 byte-order mark dropped. Without an
// encoding asked for, bytes that are not UTF-8 but are CP950 are read as CP950, and a note
// says so. CsvError naming the first line that is not in the encoding.
std::string csvTextAsUtf8(std::string_view bytes, std::optional<CsvEncoding> asked,
                          std::vector<std::string>& notes);

// UTF-8 CSV text in the encoding. A character CP950 cannot hold becomes "?", and a note
// names each line where that happened.
std::string csvTextIn(std::string_view utf8, CsvEncoding encoding, std::vector<std::string>& notes);

}  // namespace pillora
