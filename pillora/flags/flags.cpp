#include "pillora/flags/flags.h"

#include <iostream>

#include "common/text/errors.h"
#include "platform/files/files.h"

namespace pillora {

std::string pilloraFolder() {
  return programFolder("PILLORA_HOME");
}

namespace {

// The listing of the job in progress; none outside a job.
const MarkerListing* g_listing = nullptr;

std::optional<std::string> findInFolder(std::string_view name) {
  return g_listing != nullptr ? g_listing->find(name)
                              : findOrdinaryFileIgnoreCase(pilloraFolder(), name);
}

}  // namespace

MarkerListing::MarkerListing()
    : m_folder(pilloraFolder()), m_names(ordinaryFileNames(m_folder)), m_outer(g_listing) {
  g_listing = this;
}

MarkerListing::~MarkerListing() {
  g_listing = m_outer;
}

std::optional<std::string> MarkerListing::find(std::string_view name) const {
  const auto found = findNameIgnoreCase(m_names, name);
  return found ? std::optional<std::string>(joinPath(m_folder, *found)) : std::nullopt;
}

std::string pilloraFile(std::string_view name) {
  return findInFolder(name).value_or(joinPath(pilloraFolder(), name));
}

bool pilloraMarkerExists(std::string_view name) {
  return findInFolder(name).has_value();
}

bool readSettingsFile(std::string_view name, const std::function<void(const std::string&)>& read) {
  if (!pilloraMarkerExists(name)) return false;
  const std::string path = pilloraFile(name);
  try {
    read(path);
    return true;
  } catch (const FileError& error) {
    std::cerr << "pillora: " << name << " cannot be read; its settings keep their defaults ("
              << error.what() << ")\n";
    return false;
  }
}

bool isFlag151014() {
  return pilloraMarkerExists("151014.config");
}
bool isBlankBody() {
  return pilloraMarkerExists("BlankBody.config");
}
bool isPrePrintNameAddress() {
  return pilloraMarkerExists("PrePrintNameAddress.config");
}
bool isPharmacyUp() {
  return pilloraMarkerExists("isPharmacyUp.config");
}
bool isFlag220306() {
  return pilloraMarkerExists("220306.config");
}
bool isFlag180208() {
  return pilloraMarkerExists("180208.config");
}

}  // namespace pillora
