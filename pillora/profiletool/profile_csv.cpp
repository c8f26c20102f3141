#include "pillora/profiletool/profile_csv.h"

#include <csv.h>

#include <map>
#include <optional>

namespace pillora {

namespace {

int noBlankIsSpace(unsigned char /*c*/) {
  return 0;
}

std::string csvField(const FieldText& value) {
  if (!value) return {};
  std::string utf8 = toUtf8(*value);
  if (!utf8.empty() && utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string quoted = "\"";
  for (const char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string csvLine(const ProfileRow& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : ",") + csvField(fields[i]);
  return line;
}

ProfileRow headerRow() {
  ProfileRow header;
  std::copy(kProfileColumns.begin(), kProfileColumns.end(), header.begin());
  return header;
}

// Collects the records libcsv delivers and checks each one as it ends.
class RecordCollector {
 public:
  void field(const char* bytes, size_t size) {
    if (bytes == nullptr) {
      m_fields.emplace_back();
      return;
    }
    m_fields.emplace_back(fromUtf8(std::string_view(bytes, size)));
  }

  void recordEnded() {
    if (m_fields.size() != kProfileColumns.size()) {
      fail(std::to_string(m_fields.size()) + " fields where " +
           std::to_string(kProfileColumns.size()) + " belong");
    }
    if (!m_headerSeen) {
      checkHeader();
    } else {
      addRow();
    }
    m_fields.clear();
    m_awaitingRecord = true;
  }

  // The physical line `line` is fed next; a record begins on the first one that is not
  // empty after the last record ended.
  void lineStarts(int line, std::string_view bytes) {
    if (m_awaitingRecord && bytes.find_first_not_of("\r\n") != std::string_view::npos) {
      m_recordLine = line;
      m_awaitingRecord = false;
    }
  }
  bool headerSeen() const { return m_headerSeen; }
  ProfileCsv result() && { return {std::move(m_rows), std::move(m_duplicates)}; }

  // The fault of the record being read, told by the line it begins on.
  [[noreturn]] void fail(const std::string& what) const {
    throw CsvError("line " + std::to_string(m_recordLine) + ": " + what);
  }

 private:
  void checkHeader() {
    for (size_t i = 0; i < kProfileColumns.size(); ++i) {
      if (m_fields[i] != Text(kProfileColumns[i])) {
        fail("the header must be " + csvLine(headerRow()));
      }
    }
    m_headerSeen = true;
  }

  void addRow() {
    const FieldText& code = m_fields[0];
    if (!code || code->empty()) fail("the drug code is empty");
    const auto [first, isNew] = m_codeLines.emplace(upper(*code), m_recordLine);
    if (!isNew) {
      m_duplicates.push_back("line " + std::to_string(m_recordLine) + ": the drug code " +
                             toUtf8(*code) + " is also on line " + std::to_string(first->second) +
                             "; the lookup finds only the row of line " +
                             std::to_string(first->second));
    }
    ProfileRow& row = m_rows.emplace_back();
    std::move(m_fields.begin(), m_fields.end(), row.begin());
  }

  int m_recordLine = 1;
  bool m_awaitingRecord = true;
  bool m_headerSeen = false;
  std::vector<FieldText> m_fields;
  std::vector<ProfileRow> m_rows;
  std::map<Text, int> m_codeLines;  // the first line of each code, folded
  std::vector<std::string> m_duplicates;
};

void onField(void* bytes, size_t size, void* collector) {
  static_cast<RecordCollector*>(collector)->field(static_cast<const char*>(bytes), size);
}

void onRecordEnd(int /*terminator*/, void* collector) {
  static_cast<RecordCollector*>(collector)->recordEnded();
}

// The reader's fault in the system's words: with strict parsing, a quote out of place is a
// quoted field that is not closed where it should be.
std::string faultOf(int error) {
  return error == CSV_EPARSE ? "a quoted field is not closed" : csv_strerror(error);
}

class Parser {
 public:
  Parser() {
    if (csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI | CSV_EMPTY_IS_NULL) != 0) {
      throw CsvError("out of memory");
    }
    csv_set_space_func(&m_parser, noBlankIsSpace);
  }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;
  ~Parser() { csv_free(&m_parser); }

  // Fed line by line, so that a fault is reported with its line.
  void feed(std::string_view bytes, RecordCollector& collector) {
    for (int line = 1; !bytes.empty(); ++line) {
      const size_t end = std::min(bytes.find('\n'), bytes.size() - 1) + 1;
      collector.lineStarts(line, bytes.substr(0, end));
      if (csv_parse(&m_parser, bytes.data(), end, onField, onRecordEnd, &collector) != end) {
        collector.fail(faultOf(csv_error(&m_parser)));
      }
      bytes.remove_prefix(end);
    }
    if (csv_fini(&m_parser, onField, onRecordEnd, &collector) != 0) {
      collector.fail(faultOf(CSV_EPARSE));
    }
  }

 private:
  csv_parser m_parser{};
};

}  // namespace

ProfileCsv readProfileCsv(std::string_view utf8) {
  RecordCollector collector;
  Parser().feed(utf8, collector);
  if (!collector.headerSeen()) collector.fail("no header line");
  return std::move(collector).result();
}

std::string writeProfileCsv(const std::vector<ProfileRow>& rows) {
  std::string text = csvLine(headerRow()) + "\r\n";
  for (const ProfileRow& row : rows) text += csvLine(row) + "\r\n";
  return text;
}

}  // namespace pillora
