// The drug-bag program on Linux, its front: it answers what needs neither printers nor a job
// (the version, the help, usage errors) with the C++ run-time alone, and hands every other
// command line to the job module "pillora-job.so" beside the executable, which holds the
// rest of the program and loads the libraries printing needs (Cairo, Pango, SQLite ...).
#include <exception>
#include <iostream>
#include <string>

#include "pillora/app/job_main.h"
#include "pillora/startup/front_answers.h"
#include "platform/files/files.h"
#include "platform/log/run_log.h"
#include "platform/process/loaded_library.h"
#include "platform/process/standard_output.h"

namespace {

using pillora::FrontAnswer;

constexpr const char* kJobModule = "pillora-job.so";

int answerHere(const FrontAnswer& answer) {
  pillora::RunLog log("pillora", "pillora.log");
  return log.finish(pillora::answerThrough("pillora", [&](std::ostream& out) {
    return answer({out, std::cerr});
  }));
}

FrontAnswer frontAnswer(int argc, char** argv) {
  try {
    return pillora::answerWithoutJob(pillora::commandLineFromArguments(argc, argv));
  } catch (const std::exception&) {
    return {};  // the job module reports a command line it cannot take, as it reports all
  }
}

FrontAnswer moduleMissing(const std::string& reason) {
  return [reason](pillora::StartupIo io) {
    io.err << "pillora: cannot load the job module: " << reason << "\n";
    return pillora::kExitFailed;
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (const FrontAnswer answer = frontAnswer(argc, argv)) {
    return answerHere(answer);
  }
  decltype(&pillora_job_main) jobMain = nullptr;
  try {
    const pillora::LoadedLibrary module((pillora::executableFolder() / kJobModule).string());
    module.bind(jobMain, "pillora_job_main");
  } catch (const pillora::LibraryError& error) {
    return answerHere(moduleMissing(error.what()));
  }
  return jobMain(argc, argv);
}
