#pragma once
// The drug-profile table as CSV text, RFC 4180, in UTF-8 (csv_encoding.h reads and writes
// other encodings). The first line names the eight columns in the order of kProfileColumns; each
// further line is one drug. Lines end with CR LF (a lone LF also ends a line; empty lines
// are skipped). A field holding a comma, a double quote, CR or LF is quoted, a quote inside
// doubled; nothing else is quoted and no blank is trimmed.
//
// NULL and empty text are told apart: a field with nothing in it and no quotes is NULL, a
// quoted empty field ("") is empty text. So `A0000001G0,,""` is a code, a NULL and an empty
// text.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/db/backend.h"
#include "common/text/errors.h"

namespace pillora {

inline constexpr std::array<const char16_t*, 8> kProfileColumns{
    u"藥品代碼", u"藥品名稱",     u"中文品名", u"藥品外觀",
    u"適應症",   u"其他用藥指示", u"副作用",   u"藥品警語"};

using ProfileRow = std::array<FieldText, kProfileColumns.size()>;

// Text that is not a well-formed profile CSV.
class CsvError : public AppError {
 public:
  using AppError::AppError;
};

struct ProfileCsv {
  std::vector<ProfileRow> rows;
  // One line for each row whose drug code an earlier row has (letter case ignored, as the
  // lookup ignores it), naming both lines: the lookup finds only the earlier row.
  std::vector<std::string> duplicates;
};

// CsvError naming the line of the first fault: broken quoting, a header other than the eight
// columns, a line with another number of fields, a row without a drug code. A line is a
// physical line of the file, the header line 1; a row is told by the line it begins on.
ProfileCsv readProfileCsv(std::string_view utf8);
// The header line and one line per row, each ended by CR LF.
std::string writeProfileCsv(const std::vector<ProfileRow>& rows);

}  // namespace pillora
