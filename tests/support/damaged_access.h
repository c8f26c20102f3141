#pragma once
// Access files damaged as files in the field get damaged, made from the fixtures of
// tests/fixtures/jet: cut short, or with the page that holds the rows of the table list
// (the catalog table MSysObjects, whose definition is page 2) zeroed, handed to another
// table, or with one of its row offsets moved.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/text/textfile.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {

struct DamagedAccessFile {
  std::string name;
  std::string bytes;
};

inline std::string jetFixture(const std::string& file) {
  return readFileBytes(testFixture("jet/" + file));
}

inline std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8U) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

inline void putLittleEndian(std::string& bytes, std::size_t at, int size, std::uint32_t value) {
  for (int i = 0; i < size; ++i, value >>= 8U) {
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xffU);
  }
}

// The offset of the first data page (type 1) owned by the catalog table (page 2) in a Jet 4
// file of 4 KiB pages.
inline std::size_t catalogRowsPage(const std::string& jet4) {
  constexpr std::size_t kPage = 4096;
  for (std::size_t at = 0; at + kPage <= jet4.size(); at += kPage) {
    if (jet4[at] == 1 && littleEndian(jet4, at + 4, 4) == 2) return at;
  }
  throw std::runtime_error("no page of the table list");
}

// Files whose table list cannot be read whole: the reader must refuse each.
inline std::vector<DamagedAccessFile> damagedTableLists() {
  const std::string profiles = jetFixture("profile-sample.mdb");
  const std::size_t catalog = catalogRowsPage(profiles);
  std::string zeroed = profiles;
  zeroed.replace(catalog, 4096, 4096, '\0');
  std::string handedOn = profiles;
  putLittleEndian(handedOn, catalog + 4, 4, 0xffffffffU);
  return {{"cut-at-49152.mdb", profiles.substr(0, 49152)},
          {"catalog-zeroed.mdb", zeroed},
          {"catalog-owner-ffffffff.mdb", handedOn},
          {"jet3-cut-at-36864.mdb", jetFixture("V1997_jet3.mdb").substr(0, 36864)}};
}

// A file whose table list reads whole but names no table tblDrugBag any more: the offset of
// the catalog row of that table moved by one byte.
inline DamagedAccessFile movedCatalogRow() {
  std::string bytes = jetFixture("profile-sample.mdb");
  const std::size_t catalog = catalogRowsPage(bytes);
  const std::uint32_t rows = littleEndian(bytes, catalog + 12, 2);
  const std::size_t lastOffset = catalog + 14 + 2 * (rows - 1);
  putLittleEndian(bytes, lastOffset, 2, littleEndian(bytes, lastOffset, 2) + 1);
  return {"catalog-row-moved.mdb", bytes};
}

}  // namespace pillora::testing
