// Arbitrary bytes as a settings or job text file (CP950, UTF-8 or UTF-16): decoding, line
// splitting, the tag reader and the number and date conversions must never crash or hang,
// whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/tagreader/tag_reader.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/textfile.h"

namespace {

constexpr std::size_t kTagLines = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  const Text text = decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
  TqlXmlTextReader reader;
  Text joined;
  const std::vector<Text> lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Text& line = lines[i];
    joined += line;
    attempt([&] { toInt16(line); });
    attempt([&] { toDouble(line); });
    attempt([&] { toDate(line); });
    // A few lines as tag names: settings files are asked for a handful of tags.
    if (i < kTagLines) reader.getDataString(line, text);
  }
  reader.XmlString(joined);
  for (const Text tag : {u"字型名稱", u"多藥一袋單頁藥數", u"a"}) {
    reader.getDataString(tag, Text());
    attempt([&] { reader.getAttributeList(tag, Text()); });
  }
  encodeCp950(joined);
  return 0;
}
