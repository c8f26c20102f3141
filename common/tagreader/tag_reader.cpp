#include "common/tagreader/tag_reader.h"

#include "common/text/errors.h"
#include "common/text/textfile.h"

namespace pillora {

void AttributeList::add(const Text& key, const Text& value) {
  if (item(key)) throw DuplicateKeyError("this key is already associated with an element");
  m_entries.emplace_back(key, value);
}

std::optional<Text> AttributeList::item(TextView key) const {
  for (const auto& [name, value] : m_entries) {
    if (equalsIgnoreCase(name, key)) return value;
  }
  return std::nullopt;
}

void TqlXmlTextReader::XmlFilePath(const Text& vData) {
  m_path = vData;
  for (const Text& line : readTextLines(toUtf8(vData))) m_text += line;
  m_text = removeAll(m_text, u"\r\n");
}

const Text& TqlXmlTextReader::source(const Text& p_strXmlString) const {
  return p_strXmlString.empty() ? m_text : p_strXmlString;
}

Text TqlXmlTextReader::getDataString(const Text& p_strTag, const Text& p_strXmlString) const {
  const Text& text = source(p_strXmlString);
  int p = find(text, u"<" + p_strTag);
  p = p + len(p_strTag) + 1;
  p = find(text, u">", p) + 1;
  const int e = find(text, u"</" + p_strTag + u">", p);
  // An absent element leaves e at 0: the negative length gives empty text.
  return e - p < 0 ? Text() : mid(text, p, e - p);
}

Text TqlXmlTextReader::getAttributeString(const Text& p_strTag, const Text& p_strXmlString) const {
  const Text& text = source(p_strXmlString);
  const int p = find(text, u"<" + p_strTag);
  if (p == 0) return {};
  const int b = p + len(p_strTag) + 1;
  const int g = find(text, u">", b);
  if (g - b < 0) throw InvalidArgumentError("invalid procedure call: no \">\" after the tag");
  return mid(text, b, g - b);
}

AttributeList TqlXmlTextReader::getAttributeList(const Text& p_strTag,
                                                 const Text& p_strXmlString) const {
  Text s = getAttributeString(p_strTag, p_strXmlString);
  while (contains(s, u"  ")) s = replaceAll(s, u"  ", u" ");
  s = replaceAll(s, u"=\" ", u"=\"");
  AttributeList list;
  for (const Text& rawPart : split(s, u" ")) {
    const Text part = trimBlanks(rawPart);
    if (!contains(part, u"=")) continue;
    const std::vector<Text> pieces = split(part, u"=");
    list.add(trimBlanks(pieces[0]), trimBlanks(removeAll(pieces[1], u"\"")));
  }
  return list;
}

}  // namespace pillora
