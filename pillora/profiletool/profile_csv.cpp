#include "pillora/profiletool/profile_csv.h"

#include <csv.h>

#include <optional>

namespace pillora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    const std::string_view utf8(bytes, size);
    Text text = fromUtf8(utf8);
    if (toUtf8(text) != utf8) fail("the text is not UTF-8");
    m_fields.emplace_back(std::move(text));
  }

  void recordEnded() {
    if (m_fields.size() != kProfileColumns.size()) {
      fail(std::to_string(m_fields.size()) + " fields where " +
           std::to_string(kProfileColumns.size()) + " belong");
    }
    if (!m_headerSeen) {
      checkHeader();
    } else {
      ProfileRow& row = m_rows.emplace_back();
      std::move(m_fields.begin(), m_fields.end(), row.begin());
    }
    m_fields.clear();
  }

  void nextLine() { ++m_line; }
  int line() const { return m_line; }
  bool headerSeen() const { return m_headerSeen; }
  std::vector<ProfileRow> rows() && { return std::move(m_rows); }

  [[noreturn]] void fail(const std::string& what) const {
    throw CsvError("line " + std::to_string(m_line) + ": " + what);
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

  int m_line = 1;
  bool m_headerSeen = false;
  std::vector<FieldText> m_fields;
  std::vector<ProfileRow> m_rows;
};

void onField(void* bytes, size_t size, void* collector) {
  static_cast<RecordCollector*>(collector)->field(static_cast<const char*>(bytes), size);
}

void onRecordEnd(int /*terminator*/, void* collector) {
  static_cast<RecordCollector*>(collector)->recordEnded();
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
    while (!bytes.empty()) {
      const size_t end = std::min(bytes.find('\n'), bytes.size() - 1) + 1;
      if (csv_parse(&m_parser, bytes.data(), end, onField, onRecordEnd, &collector) != end) {
        collector.fail(csv_strerror(csv_error(&m_parser)));
      }
      bytes.remove_prefix(end);
      if (!bytes.empty()) collector.nextLine();
    }
    if (csv_fini(&m_parser, onField, onRecordEnd, &collector) != 0) {
      collector.fail("a quoted field without its closing quote");
    }
  }

 private:
  csv_parser m_parser{};
};

}  // namespace

std::vector<ProfileRow> readProfileCsv(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  RecordCollector collector;
  Parser().feed(bytes, collector);
  if (!collector.headerSeen()) collector.fail("no header line");
  return std::move(collector).rows();
}

std::string writeProfileCsv(const std::vector<ProfileRow>& rows) {
  std::string text = csvLine(headerRow()) + "\r\n";
  for (const ProfileRow& row : rows) text += csvLine(row) + "\r\n";
  return text;
}

}  // namespace pillora
