#include "common/log/run_record.h"

#include <algorithm>

#include "common/text/log_field.h"

namespace pillora {

namespace {

void appendField(std::string& line, std::string_view key, TextView value) {
  if (!line.empty()) line += '\t';
  line.append(key).append("=").append(escapeLogField(value));
}

}  // namespace

void RunRecord::set(std::string_view key, TextView value) {
  const auto same = std::find_if(m_fields.begin(), m_fields.end(),
                                 [key](const auto& field) { return field.first == key; });
  if (same == m_fields.end()) {
    add(key, value);
  } else {
    same->second = Text(value);
  }
}

void RunRecord::add(std::string_view key, TextView value) {
  m_fields.emplace_back(std::string(key), Text(value));
}

void RunRecord::countPage() {
  ++m_pages;
}

void RunRecord::warn(TextView line) {
  m_warnings.emplace_back(line);
}

void RunRecord::finish(int status) {
  m_status = status;
  if (status != 0 && !m_warnings.empty()) {
    m_message = std::move(m_warnings.back());
    m_warnings.pop_back();
  }
}

std::string RunRecord::fields() const {
  std::string line;
  for (const auto& [key, value] : m_fields) appendField(line, key, value);
  if (m_pages > 0) appendField(line, "pages", fromUtf8(std::to_string(m_pages)));
  for (const Text& warning : m_warnings) appendField(line, "warning", warning);
  if (m_status) appendField(line, "status", fromUtf8(std::to_string(*m_status)));
  if (!m_message.empty()) appendField(line, "message", m_message);
  return line;
}

void RunRecord::clear() {
  *this = RunRecord();
}

RunRecord& currentRun() {
  static RunRecord record;
  return record;
}

}  // namespace pillora
