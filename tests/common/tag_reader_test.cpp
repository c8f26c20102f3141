#include "common/tagreader/tag_reader.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

Text data(const Text& document, const Text& tag) {
  TqlXmlTextReader reader;
  reader.XmlString(document);
  return reader.getDataString(tag, Text());
}

TEST(TagReader, FindsTheDataOfTheFirstElement) {
  EXPECT_EQ(data(u"<a>1</a><a>2</a>", u"a"), u"1");
  EXPECT_EQ(data(u"<x><k id=\"3\">  v  </k></x>", u"k"), u"  v  ");
  EXPECT_EQ(data(u"<k></k>", u"k"), u"");
  EXPECT_EQ(data(u"<j>1</j>", u"k"), u"");
  EXPECT_EQ(data(u"no tags at all", u"k"), u"");
  // A longer element name that starts with the searched one is taken when it comes first.
  EXPECT_EQ(data(u"<abcd>x</abcd><abc>y</abc>", u"abc"), u"x</abcd><abc>y");
  // A given text is searched instead of the reader's own.
  TqlXmlTextReader reader;
  reader.XmlString(u"<a>own</a>");
  EXPECT_EQ(reader.getDataString(u"a", u"<a>given</a>"), u"given");
}

TEST(TagReader, LoadsFileLinesJoinedWithNothingBetweenThem) {
  testing::TempProgramFolder folder;
  folder.writeBig5("one.config", {u"one", u"two", u"three"});
  folder.writeBig5("two.config", {u"<字型名稱>標", u"楷體</字型名稱>"});
  TqlXmlTextReader reader;
  reader.XmlFilePath(fromUtf8(folder.file("one.config")));
  EXPECT_EQ(reader.XmlString(), u"onetwothree");
  reader.XmlFilePath(fromUtf8(folder.file("two.config")));
  EXPECT_EQ(reader.XmlString(), u"onetwothree<字型名稱>標楷體</字型名稱>");
  EXPECT_EQ(reader.getDataString(u"字型名稱", Text()), u"標楷體");
  EXPECT_THROW(reader.XmlFilePath(fromUtf8(folder.file("missing"))), FileError);
  EXPECT_EQ(reader.XmlFilePath(), fromUtf8(folder.file("missing")));
}

TEST(TagReader, AttributeStringAndList) {
  TqlXmlTextReader reader;
  reader.XmlString(u"<p   name=\" alpha\"   Size=\"12\" flag x=a=b>data</p>");
  EXPECT_EQ(reader.getAttributeString(u"p", Text()),
            u"   name=\" alpha\"   Size=\"12\" flag x=a=b");
  const AttributeList list = reader.getAttributeList(u"p", Text());
  EXPECT_EQ(list.Count(), 3U);
  EXPECT_EQ(list.item(u"NAME"), Text(u"alpha"));
  EXPECT_EQ(list.item(u"size"), Text(u"12"));
  EXPECT_EQ(list.item(u"x"), Text(u"a"));
  EXPECT_FALSE(list.item(u"flag"));

  reader.XmlString(u"<p a=\"1\" A=\"2\">");
  EXPECT_THROW(reader.getAttributeList(u"p", Text()), DuplicateKeyError);
  reader.XmlString(u"<p a=\"1\"");
  EXPECT_THROW(reader.getAttributeString(u"p", Text()), InvalidArgumentError);
  reader.XmlString(u"<q>");
  EXPECT_EQ(reader.getAttributeString(u"p", Text()), u"");
  EXPECT_EQ(reader.getAttributeList(u"p", Text()).Count(), 0U);
}

}  // namespace
}  // namespace pillora
