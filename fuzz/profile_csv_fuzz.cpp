// Arbitrary bytes as the CSV file pillora-profile builds a database from: read as the tool
// reads it (UTF-8, or CP950 when it is no UTF-8), then written back and read again, which
// must give the same rows. No crash, no hang; a refused file is a CsvError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "pillora/profiletool/csv_encoding.h"
#include "pillora/profiletool/profile_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  std::vector<std::string> notes;
  ProfileCsv read;
  try {
    read = readProfileCsv(csvTextAsUtf8(fuzz::bytes(data, size), std::nullopt, notes));
  } catch (const CsvError&) {
    return 0;
  }
  const std::string written = writeProfileCsv(read.rows);
  if (readProfileCsv(written).rows != read.rows) std::abort();
  csvTextIn(written, CsvEncoding::Cp950, notes);
  return 0;
}
