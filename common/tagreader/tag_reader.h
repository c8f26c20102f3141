#pragma once
// A minimal reader for small tagged text files (settings files of both programs). It is
// not an XML parser: it loads a file into one string and finds values by plain text search
// for "<" + tag, the next ">", and "</" + tag + ">". Positions are 1-based.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// Attribute values keyed by name; names compare ignoring letter case, a second value
// under the same name is a DuplicateKeyError.
class AttributeList {
 public:
  void add(const Text& key, const Text& value);
  std::optional<Text> item(TextView key) const;
  std::size_t Count() const { return m_entries.size(); }
  const std::vector<std::pair<Text, Text>>& entries() const { return m_entries; }

 private:
  std::vector<std::pair<Text, Text>> m_entries;
};

class TqlXmlTextReader {
 public:
  const Text& XmlString() const { return m_text; }
  void XmlString(Text vData) { m_text = std::move(vData); }

  const Text& XmlFilePath() const { return m_path; }
  // Records the path, then appends the file's lines (joined with nothing between them) to
  // the text. FileError when the file cannot be read; the path stays recorded.
  void XmlFilePath(const Text& vData);

  // Data between the first opening tag of p_strTag and the next closing tag; empty text
  // when there is none. An empty p_strXmlString means the reader's own text.
  Text getDataString(const Text& p_strTag, const Text& p_strXmlString) const;
  // Everything between the tag name and the ">" of its first opening tag; empty text when
  // the tag is absent. InvalidArgumentError when no ">" follows the tag.
  Text getAttributeString(const Text& p_strTag, const Text& p_strXmlString) const;
  AttributeList getAttributeList(const Text& p_strTag, const Text& p_strXmlString) const;

 private:
  const Text& source(const Text& p_strXmlString) const;

  Text m_text;
  Text m_path;
};

}  // namespace pillora
