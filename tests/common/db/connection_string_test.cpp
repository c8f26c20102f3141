#include "common/db/connection_string.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"

namespace pillora {
namespace {

TEST(ConnectionSettings, KeysIgnoreCaseAndBlanksValuesMayBeQuoted) {
  const auto settings = ConnectionSettings::parse(
      u"Provider=Microsoft.Jet.OleDb.4.0;Jet OLEDB:Database Password='Zr@pqLM50917';"
      u"data source=/opt/藥局/dbDrugProfile.mdb");
  EXPECT_EQ(settings.value(u"PROVIDER"), u"Microsoft.Jet.OleDb.4.0");
  EXPECT_EQ(settings.value(u"Jet OLEDB:Database Password"), u"Zr@pqLM50917");
  EXPECT_EQ(settings.value(u"Data Source"), u"/opt/藥局/dbDrugProfile.mdb");
  EXPECT_EQ(settings.value(u"User ID"), std::nullopt);

  const auto spaced = ConnectionSettings::parse(u" Data Source = a b ; ;Password=\"x;y=z\" ;");
  EXPECT_EQ(spaced.value(u"data source"), u"a b");
  EXPECT_EQ(spaced.value(u"password"), u"x;y=z");
}

TEST(ConnectionSettings, DoubledQuotesEmptyValuesAndRepeatedKeys) {
  const auto settings =
      ConnectionSettings::parse(u"Password='it''s';Other=\"say \"\"hi\"\"\";Empty=;A=1;a=2");
  EXPECT_EQ(settings.value(u"Password"), u"it's");
  EXPECT_EQ(settings.value(u"Other"), u"say \"hi\"");
  EXPECT_EQ(settings.value(u"Empty"), u"");
  EXPECT_EQ(settings.value(u"A"), u"2");
  EXPECT_EQ(ConnectionSettings::parse(u"").value(u"Provider"), std::nullopt);
}

TEST(ConnectionSettings, MalformedStringsFail) {
  for (const char16_t* bad :
       {u"Provider", u"Provider=x;Data Source", u"=value", u"Password='open", u"Password='a'b"}) {
    EXPECT_THROW(ConnectionSettings::parse(bad), DatabaseError) << toUtf8(bad);
  }
}

}  // namespace
}  // namespace pillora
