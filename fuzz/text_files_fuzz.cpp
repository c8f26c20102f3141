// Arbitrary bytes as a settings or job text file: decoding, line splitting, the tag reader
// and the number and date conversions must never crash or hang, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/tagreader/tag_reader.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  const Text text = decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
  TqlXmlTextReader reader;
  Text joined;
  for (const Text& line : splitLines(text)) {
    joined += line;
    attempt([&] { toInt16(line); });
    attempt([&] { toDate(line); });
    reader.getDataString(line, text);
  }
  reader.XmlString(joined);
  for (const Text tag : {u"字型名稱", u"多藥一袋單頁藥數", u"a"}) {
    reader.getDataString(tag, Text());
    attempt([&] { reader.getAttributeList(tag, Text()); });
  }
  encodeCp950(joined);
  return 0;
}
