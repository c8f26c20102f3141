#include "platform/settings/settings_ini.h"
#include "platform/settings/settings_store.h"

#include <cstdlib>
#include <system_error>

#include "common/text/errors.h"
#include "common/text/textfile.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

// A settings file is a few lines; anything larger is not one.
constexpr std::uintmax_t kMostBytes = std::uintmax_t{1024} * 1024;

std::optional<fs::path> absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value != '/') return std::nullopt;
  return fs::path(value);
}

Text decodeUtf8Strictly(const std::string& bytes, const fs::path& file) {
  Text text = fromUtf8(bytes);
  // Bytes that are not UTF-8 decode to replacement characters and do not come back.
  if (toUtf8(text) != bytes) throw FileError(file.string() + " is not UTF-8");
  return text;
}

std::optional<Text> sectionName(TextView line) {
  const TextView name = trimmed(line, kSpaceAndTab);
  if (name.size() < 2 || name.front() != u'[' || name.back() != u']') return std::nullopt;
  return Text(name.substr(1, name.size() - 2));
}

}  // namespace

std::optional<fs::path> settingsFile(TextView application) {
  std::optional<fs::path> folder = absoluteVariable("XDG_CONFIG_HOME");
  if (!folder) {
    const std::optional<fs::path> home = absoluteVariable("HOME");
    if (!home) return std::nullopt;
    folder = *home / ".config";
  }
  return *folder / fs::path(Text(application)) / "settings.ini";
}

Text getSetting(TextView application, TextView section, TextView key) {
  const std::optional<fs::path> file = settingsFile(application);
  std::error_code error;
  if (!file || !fs::exists(*file, error)) return {};
  const Text text = decodeUtf8Strictly(readFileBytes(file->string(), kMostBytes), *file);
  bool inSection = false;
  for (Text line : split(text, u"\n")) {
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (const std::optional<Text> name = sectionName(line)) {
      inSection = equalsIgnoreCase(*name, section);
      continue;
    }
    const int equals = find(line, u"=");
    if (inSection && equals > 0 &&
        equalsIgnoreCase(trimmed(left(line, equals - 1), kSpaceAndTab), key)) {
      return mid(line, equals + 1);
    }
  }
  return {};
}

}  // namespace pillora
