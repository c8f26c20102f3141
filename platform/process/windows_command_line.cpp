#include "platform/process/windows_command_line.h"

namespace pillora {

namespace {

bool needsQuotes(const std::wstring& word) {
  return word.empty() || word.find_first_of(L" \t\n\v\"") != std::wstring::npos;
}

// Inside quotes, backslashes count only before a quote (and before the closing one): there
// they are doubled, and a quote of the word is escaped by one more.
std::wstring quoted(const std::wstring& word) {
  std::wstring line = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    const std::size_t written = c == L'"' ? backslashes * 2 + 1 : backslashes;
    line.append(written, L'\\');
    line.push_back(c);
    backslashes = 0;
  }
  line.append(backslashes * 2, L'\\');
  return line + L"\"";
}

}  // namespace

std::wstring windowsCommandLine(const std::filesystem::path& program,
                                const std::vector<std::filesystem::path>& arguments) {
  // The program's name is read up to its closing quote, without escapes: a path holds none.
  std::wstring line = L"\"" + program.wstring() + L"\"";
  for (const auto& argument : arguments) {
    const std::wstring word = argument.wstring();
    line += L" " + (needsQuotes(word) ? quoted(word) : word);
  }
  return line;
}

}  // namespace pillora
