#include "common/text/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/text/errors.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

TEST(LineReading, CrOrCrLfEndsALineAndALoneLfStays) {
  EXPECT_EQ(splitLines(u"a\r\nb\rc\nd\r\n"), (std::vector<Text>{u"a", u"b", u"c\nd"}));
  EXPECT_EQ(splitLines(u"a\r\r\nb"), (std::vector<Text>{u"a", u"", u"b"}));
  EXPECT_EQ(splitLines(u"  keep blanks  "), (std::vector<Text>{u"  keep blanks  "}));
  EXPECT_TRUE(splitLines(u"").empty());
}

TEST(Big5, DecodesChineseAndMarksInvalidBytes) {
  EXPECT_EQ(decodeCp950("\xC3\xC4\xA7\xBD"), u"藥局");
  // A lone lead byte at the end, and a lead byte with an invalid trail byte.
  EXPECT_EQ(decodeCp950("A\xC3"), u"A\uFFFD");
  EXPECT_EQ(decodeCp950("\xC3\x0D"
                        "B"),
            u"\uFFFD\rB");
  EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\xE8\x97\xA5"), u"藥");
}

// Lines decoded one by one are the lines of the decoded whole, also where a character is
// cut off by the line end.
TEST(LineReading, LinesDecodedOneByOneAreThoseOfTheWholeFile) {
  const std::vector<std::string> files{
      "",
      "\r\n",
      "\xC3\xC4\r\n\xA7\xBD\r\n",
      "A\xC3\r\nB\xC3\rC\xC3\nD\xC3",                // a lead byte before CR, CR LF, LF and the end
      "\xA4\r\xA4\n\r\r\n\r",                        // empty lines among lead bytes
      "\xEF\xBB\xBF\xE8\x97\r\n\xE8\x97\xA5\r\xE8",  // UTF-8 cut short by the line end
      "\xEF\xBB\xBF\r\n\xC3\xC4\r",                  // after the mark, Big5 bytes are invalid UTF-8
  };
  std::vector<std::string> all = files;
  // And runs of line ends among lead, trail and UTF-8 bytes, with and without the mark.
  const std::string alphabet = "\r\nA\xC3\xC4\xA4\xE8\x97\xA5\xFF";
  std::mt19937 random(13);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  for (int run = 0; run < 400; ++run) {
    std::string bytes = run % 2 == 0 ? "\xEF\xBB\xBF" : "";
    for (int i = 0; i < 40; ++i) bytes += alphabet[pick(random)];
    all.push_back(bytes);
  }
  for (const std::string& bytes : all) {
    const EncodedLines encoded(bytes);
    std::vector<Text> lines;
    for (size_t i = 0; i < encoded.size(); ++i) lines.push_back(encoded[i]);
    EXPECT_EQ(lines, splitLines(decodeTextFile(bytes))) << ::testing::PrintToString(bytes);
  }
}

TEST(Big5, WriterReplacesWhatTheCodePageCannotHold) {
  EXPECT_EQ(encodeCp950(u"藥局A"),
            "\xC3\xC4\xA7\xBD"
            "A");
  EXPECT_EQ(encodeCp950(u"a\U0001F600b"), "a?b");
  // A lone surrogate is one unreadable character: what follows it is kept.
  EXPECT_EQ(encodeCp950(u"\xD800藥A"),
            "?\xC3\xC4"
            "A");
  EXPECT_EQ(encodeCp950(u"A\xDC00\xD800"), "A??");
  EXPECT_EQ(decodeCp950(encodeCp950(u"每次用量：1顆")), u"每次用量：1顆");
}

TEST(TextFiles, WriteAndReadBackCrLfBig5) {
  testing::TempProgramFolder folder;
  const std::string path = folder.file("job.txt");
  writeCp950Lines(path, {u"台北藥局", u"", u"  2007/05/06"});
  EXPECT_EQ(readFileBytes(path), "\xA5\x78\xA5\x5F\xC3\xC4\xA7\xBD\r\n\r\n  2007/05/06\r\n");
  LineReader reader(readTextLines(path));
  EXPECT_EQ(reader.next(), u"台北藥局");
  EXPECT_EQ(reader.next(), u"");
  EXPECT_EQ(reader.next(), u"  2007/05/06");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_THROW(reader.next(), FileError);
  EXPECT_THROW(readTextLines(folder.file("missing.txt")), FileError);
  // A size bound refuses a larger file before reading it; a folder is no file.
  EXPECT_EQ(readTextLines(path, 26).size(), 3U);
  EXPECT_THROW(readTextLines(path, 25), FileError);
  EXPECT_THROW(readFileBytes(folder.path()), FileError);
}

}  // namespace
}  // namespace pillora
