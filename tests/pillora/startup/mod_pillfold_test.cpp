#include "pillora/startup/mod_pillfold.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <sstream>

#include "common/text/errors.h"
#include "tests/support/fake_printers.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

using testing::FakePrinters;

struct Call {
  std::string reader;
  Text path;
  RunState run;
};

class StartupTest : public ::testing::Test {
 protected:
  testing::TempProgramFolder folder;
  FakePrinters printers;
  int printersAsked = 0;
  std::vector<Call> calls;
  std::ostringstream out;
  std::ostringstream err;

  PrinterSource printerSource() {
    return [this]() -> Printers& {
      ++printersAsked;
      return printers;
    };
  }
  JobReader recordAs(const std::string& name) {
    return [this, name](const Text& path, RunState& run, PrinterSurface&) {
      calls.push_back({name, path, run});
    };
  }
  int run(const Text& commandLine) {
    const JobReaders readers{recordAs("ndrg"), recordAs("drg"), recordAs("multi")};
    return Main(commandLine, printerSource(), readers, {out, err});
  }
  Text job(const std::string& name) {
    folder.touch(name);
    return fromUtf8(folder.file(name));
  }
};

TEST_F(StartupTest, VersionQueryInAnyCaseWritesTheBoxAndReadsNothing) {
  for (const TextView query : {u"/V", u"/v", u"-v"}) {
    EXPECT_EQ(run(Text(query)), kExitOk);
  }
  EXPECT_EQ(out.str(),
            "澄朗科技藥袋列印程式: 1.0.0\n澄朗科技藥袋列印程式: 1.0.0\n"
            "澄朗科技藥袋列印程式: 1.0.0\n");
  EXPECT_TRUE(calls.empty());
  // "/V" followed by a blank is a job path (one that does not exist).
  EXPECT_EQ(run(u"/V "), kExitFailed);
  EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, VersionOptionNamesTheProgram) {
  EXPECT_EQ(run(u"--version"), kExitOk);
  EXPECT_EQ(out.str(), "pillora 1.0.0\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(StartupTest, HelpDescribesTheCommandLineOnStandardOutput) {
  for (const TextView query : {u"--help", u"-h"}) {
    out.str("");
    EXPECT_EQ(run(Text(query)), kExitOk);
    for (const std::string part :
         {"usage: pillora", "全部列印", "CP", "PILLORA_HOME", "PILLORA_OUTPUT_DIR", "PILLORA_LOG",
          "dbDrugProfile.mdb", "DrugBag.config", "220603.config", "--list-printers",
          "exit status"}) {
      EXPECT_NE(out.str().find(part), std::string::npos) << part;
    }
  }
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(printersAsked, 0);
}

// An option the program does not know is a usage error; a job file of that name is a job.
TEST_F(StartupTest, AnUnknownOptionIsAUsageErrorOfOneLine) {
  for (const TextView option : {u"-x", u"--lists-printers", u"-"}) {
    err.str("");
    EXPECT_EQ(run(Text(option) + u"\tCP"), kExitUsage);
    EXPECT_EQ(err.str(), "pillora: " + toUtf8(option) +
                             " is neither an option nor a job file (pillora --help describes "
                             "the command line)\n");
  }
  EXPECT_TRUE(calls.empty());
  const std::filesystem::path before = std::filesystem::current_path();
  job("-1.ndrg");
  std::filesystem::current_path(folder.file(""));
  const int status = run(u"-1.ndrg");
  std::filesystem::current_path(before);
  EXPECT_EQ(status, kExitOk);
  EXPECT_EQ(calls.size(), 1U);
}

TEST_F(StartupTest, FieldsPastTheThirdAndUnknownPrintOptionsAreWarnedAbout) {
  struct Case {
    Text fields;
    std::string warning;
  };
  const std::vector<Case> cases{
      {u"\t全部列印", ""},
      {u"\t0\t", ""},
      {u"\tCP", ""},
      {u"\tCP ",
       "pillora: print option \"CP \" is none of 全部列印, 0, 1, 2, CP: everything is printed\n"},
      {u"\t2\tBag\tmore\tstill",
       "pillora: the command line's fields after the third are ignored: \"more\\tstill\"\n"}};
  printers.entries = {{u"Bag", u"Bag", true}};
  for (const Case& c : cases) {
    err.str("");
    EXPECT_EQ(run(job("a.drg") + c.fields), kExitOk);
    EXPECT_EQ(err.str(), c.warning) << toUtf8(c.fields);
  }
  ASSERT_EQ(calls.size(), cases.size());
  EXPECT_EQ(calls[3].run.printOption, u"CP ");
}

TEST_F(StartupTest, PathAloneUsesPrintEverythingOnTheDefaultPrinter) {
  const Text path = job("123.ndrg");
  ASSERT_EQ(run(path), kExitOk);
  ASSERT_EQ(calls.size(), 1U);
  EXPECT_EQ(calls[0].reader, "ndrg");
  EXPECT_EQ(calls[0].path, path);
  EXPECT_EQ(calls[0].run.printOption, u"全部列印");
  EXPECT_EQ(calls[0].run.sheetNumber, 0);
  EXPECT_TRUE(printers.chosen.empty());
  EXPECT_EQ(printers.jobName, path);
}

TEST_F(StartupTest, DispatchIsByCaseSensitiveExtension) {
  run(job("a.drg"));
  run(job("b.NDRG"));
  run(job("c.txt"));
  run(job("d.ndrg"));
  ASSERT_EQ(calls.size(), 4U);
  EXPECT_EQ(calls[0].reader, "drg");
  EXPECT_EQ(calls[1].reader, "multi");
  EXPECT_EQ(calls[2].reader, "multi");
  EXPECT_EQ(calls[3].reader, "ndrg");
}

TEST_F(StartupTest, PrintOptionIsTakenAsWritten) {
  run(job("a.ndrg") + u"\tCP");
  run(job("b.ndrg") + u"\tCP \t");
  ASSERT_EQ(calls.size(), 2U);
  EXPECT_EQ(calls[0].run.printOption, u"CP");
  EXPECT_EQ(calls[1].run.printOption, u"CP ");
}

TEST_F(StartupTest, PrinterMatchIgnoresBlanksAndLetterCaseAndTheLastMatchWins) {
  printers.entries = {{u" Bag Printer 1", u"Bag_Printer_1"},
                      {u"Other", u"Other"},
                      {u"BAG PRINTER 1 ", u"BagPrinter1"},
                      {u"Label", u"TSC_TTP-245_Plus"}};
  run(job("a.ndrg") + u"\t全部列印\t  Bag Printer 1  ");
  EXPECT_EQ(printers.chosen, (std::vector<std::size_t>{0, 2}));
  printers.chosen.clear();
  run(job("b.ndrg") + u"\t全部列印\ttsc_ttp-245_plus");
  EXPECT_EQ(printers.chosen, (std::vector<std::size_t>{3}));
  printers.chosen.clear();
  run(job("c.ndrg") + u"\t全部列印\tbag printer 1");
  EXPECT_EQ(printers.chosen, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(err.str(), "");
}

// A built-in printer's name is reserved: a queue of the same name is neither chosen nor
// listed.
TEST_F(StartupTest, ABuiltInPrinterNameChoosesTheBuiltInPrinterWithoutTheList) {
  printers.builtInEntries = {{u"Pillora PDF", u"Pillora PDF"}, {u"Pillora PNG", u"Pillora PNG"}};
  printers.entries = {{u"Pillora PNG", u"PilloraPNG"}, {u"PILLORA PDF", u"PilloraPDF"}};
  const struct {
    const char16_t* asked;
    std::vector<std::size_t> builtIn;
    std::vector<std::size_t> listed;
    int listings;
  } rows[] = {{u" pillora pdf ", {0}, {}, 0},
              {u"PILLORA PNG", {1}, {}, 0},
              {u"PilloraPDF", {}, {1}, 1},
              {u"Pillora PDF2", {}, {}, 1}};
  for (const auto& row : rows) {
    printers.chosen.clear();
    printers.chosenBuiltIn.clear();
    printers.listings = 0;
    run(job("a.ndrg") + u"\t全部列印\t" + row.asked);
    EXPECT_EQ(printers.chosenBuiltIn, row.builtIn) << toUtf8(row.asked);
    EXPECT_EQ(printers.chosen, row.listed) << toUtf8(row.asked);
    EXPECT_EQ(printers.listings, row.listings) << toUtf8(row.asked);
  }
}

// No match keeps the default printer, and says so.
TEST_F(StartupTest, APrinterNotFoundIsNamedWithThePrinterUsed) {
  printers.entries = {{u"Counter Printer", u"Counter", true}, {u"Pillora PDF", u"Pillora PDF"}};
  EXPECT_EQ(run(job("a.ndrg") + u"\t全部列印\tBag Printer 1"), kExitOk);
  EXPECT_TRUE(printers.chosen.empty());
  EXPECT_EQ(err.str(),
            "pillora: no printer is named \"Bag Printer 1\"; the bags go to the default printer "
            "\"Counter Printer\"\n");
  err.str("");
  printers.entries = {{u"Pillora PDF", u"Pillora PDF", true}};
  printers.missing = "the print server /run/cups/cups.sock does not answer";
  EXPECT_EQ(run(job("b.ndrg") + u"\t全部列印\tBag Printer 1"), kExitOk);
  EXPECT_EQ(err.str(),
            "pillora: no printer is named \"Bag Printer 1\" (the print server "
            "/run/cups/cups.sock does not answer); the bags go to the default printer "
            "\"Pillora PDF\"\n");
  EXPECT_EQ(calls.size(), 2U);
  // A blank printer field asks for no printer.
  err.str("");
  EXPECT_EQ(run(job("c.ndrg") + u"\t全部列印\t  "), kExitOk);
  EXPECT_EQ(err.str(), "");
}

TEST_F(StartupTest, ListOfPrintersMarksTheDefaultAndRawQueues) {
  printers.entries = {{u"Bag Printer 1", u"BagPrinter1"},
                      {u"TSC TTP-245 Plus", u"TSC_TTP-245_Plus", false, true},
                      {u"Counter", u"Counter", true},
                      {u"Pillora PDF", u"Pillora PDF"}};
  EXPECT_EQ(run(u"--list-printers"), kExitOk);
  EXPECT_EQ(out.str(),
            "Bag Printer 1\tBagPrinter1\n"
            "TSC TTP-245 Plus\tTSC_TTP-245_Plus\traw queue: labels only\n"
            "Counter\tCounter\tdefault\n"
            "Pillora PDF\tPillora PDF\n");
  printers.missing = "the print server /run/cups/cups.sock does not answer";
  out.str("");
  EXPECT_EQ(run(u"--list-printers"), kExitOk);
  EXPECT_EQ(err.str(), "pillora: the print server /run/cups/cups.sock does not answer\n");
  EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, SheetNumberIsTheSecondDotPieceWhenItIsANumber) {
  run(job("A123.2.ndrg"));
  run(job("A123.ndrg"));
  run(job("A123.99999.ndrg"));
  std::filesystem::create_directory(folder.file("data.old"));
  run(job("data.old/A123.2.ndrg"));
  ASSERT_EQ(calls.size(), 4U);
  EXPECT_EQ(calls[0].run.sheetNumber, 2);
  EXPECT_EQ(calls[1].run.sheetNumber, 0);
  EXPECT_EQ(calls[2].run.sheetNumber, 0);
  EXPECT_EQ(calls[3].run.sheetNumber, 0);
}

TEST_F(StartupTest, EmptyMissingAndFailingJobsEndWithAStatusAndOneLine) {
  EXPECT_EQ(run(u""), kExitUsage);
  EXPECT_EQ(run(u"\tCP"), kExitUsage);
  EXPECT_EQ(run(fromUtf8(folder.file("missing.ndrg"))), kExitFailed);
  std::filesystem::create_directory(folder.file("folder.ndrg"));
  EXPECT_EQ(run(fromUtf8(folder.file("folder.ndrg"))), kExitFailed);
  EXPECT_TRUE(calls.empty());
  const Text path = job("short.drg");
  const JobReader failing = [](const Text&, RunState&, PrinterSurface&) {
    throw FileError("the job file has fewer than 20 lines");
  };
  err.str("");
  EXPECT_EQ(Main(path, printerSource(), {failing, failing, failing}, {out, err}), kExitFailed);
  EXPECT_EQ(err.str(), "pillora: the job file has fewer than 20 lines\n");
}

// The line names the job file and the system's reason, whatever kind of thing is there.
TEST_F(StartupTest, AJobFileThatCannotBeReadIsNamedWithTheReason) {
  std::filesystem::create_directory(folder.file("folder.ndrg"));
  struct Case {
    std::string path;
    std::string reason;
  };
  std::vector<Case> cases{{folder.file("missing.ndrg"), "No such file or directory"},
                          {folder.file("folder.ndrg"), "Is a directory"}};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(folder.file("fifo.ndrg").c_str(), 0600), 0);
  cases.push_back({folder.file("fifo.ndrg"), "not an ordinary file (a device, pipe or socket)"});
  cases.push_back({"/dev/zero", "not an ordinary file (a device, pipe or socket)"});
#endif
  for (const Case& c : cases) {
    err.str("");
    EXPECT_EQ(run(fromUtf8(c.path)), kExitFailed);
    EXPECT_EQ(err.str(), "pillora: cannot read the job file " + c.path + ": " + c.reason + "\n");
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(printersAsked, 0);
}

TEST_F(StartupTest, PrintersAreAskedForOnlyWhenAJobPrints) {
  run(u"/V");
  run(u"");
  EXPECT_EQ(printersAsked, 0);
  run(job("123.ndrg"));
  EXPECT_EQ(printersAsked, 1);
}

TEST(CommandLine, OneArgumentIsTakenRawAndSeveralAreJoinedWithTabs) {
  const char* one[] = {"pillora", "C:\\jobs\\1.ndrg\tCP\tBag Printer"};
  EXPECT_EQ(commandLineFromArguments(2, one), u"C:\\jobs\\1.ndrg\tCP\tBag Printer");
  const char* three[] = {"pillora", "/tmp/1.ndrg", "全部列印", " Bag Printer 1 "};
  EXPECT_EQ(commandLineFromArguments(4, three), u"/tmp/1.ndrg\t全部列印\t Bag Printer 1 ");
  const char* none[] = {"pillora"};
  EXPECT_EQ(commandLineFromArguments(1, none), u"");
}

}  // namespace
}  // namespace pillora
