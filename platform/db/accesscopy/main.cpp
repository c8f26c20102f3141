// pillora-access-copy <access file> <sqlite file> [table...]: copies an Access database file
// (the tables named, every user table when none are) into the SQLite file, an empty file made
// for it (common/db/access_copy.h). The drug-bag programs run
// it as a child process (platform/db/access_reader.h), since a damaged Access file can crash
// or hang libmdb; it limits its own memory and processor time before it reads.
// Exit status 0 when the copy is complete; otherwise kAccessCopyFailed (the Access file could
// not be read) or kAccessCopyNotWritten (the copy could not be written), with one line on
// standard error as its last output (libmdb may have warned before it).
#include <iostream>
#include <string>
#include <vector>

#include "common/db/access_copy.h"
#include "common/text/errors.h"
#include "platform/process/resource_limits.h"

namespace {

constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 30;
constexpr unsigned int kCpuSeconds = 30;
constexpr int kUsage = 2;

}  // namespace

#ifdef PILLORA_ADDRESS_SANITIZER
// A damaged file may crash libmdb; that crash is the reader's answer and must end it by its
// signal, as in a normal build, not as a sanitizer report.
extern "C" const char* __asan_default_options() {  // NOLINT(bugprone-reserved-identifier)
  return "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_abort=0";
}
#endif

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: pillora-access-copy <access file> <sqlite file> [table...]\n";
    return kUsage;
  }
  try {
    pillora::limitResources(kAddressSpace, kCpuSeconds);
    pillora::copyAccessFile(argv[1], argv[2], std::vector<std::string>(argv + 3, argv + argc));
    return 0;
  } catch (const pillora::CopyNotWritten& error) {
    std::cerr << "\n" << error.what() << "\n";
    return pillora::kAccessCopyNotWritten;
  } catch (const pillora::AppError& error) {
    std::cerr << "\n" << error.what() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "\ncannot read the Access database file " << argv[1] << ": " << error.what()
              << "\n";
  }
  return pillora::kAccessCopyFailed;
}
