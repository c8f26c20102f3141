#pragma once
// The drug-profile table as CSV text, RFC 4180, in UTF-8 (a leading byte-order mark is
// skipped). The first line names the eight columns in the order of kProfileColumns; each
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

// CsvError naming the line of the first fault: broken quoting, bytes that are not UTF-8,
// a header other than the eight columns, a line with another number of fields.
std::vector<ProfileRow> readProfileCsv(std::string_view bytes);
// The header line and one line per row, each ended by CR LF.
std::string writeProfileCsv(const std::vector<ProfileRow>& rows);

}  // namespace pillora
