#pragma once
// Layout switches that are on while a marker file of a given name lies in the program's
// folder. Outside a job every test looks again; while a job prints, the tests answer from
// one listing of the folder made when the job began (a job asks about a hundred times).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pillora {

// While it lives (one job), marker tests and file lookups in the program's folder use one
// listing of the folder, read when it is made.
class MarkerListing {
 public:
  MarkerListing();
  ~MarkerListing();
  MarkerListing(const MarkerListing&) = delete;
  MarkerListing& operator=(const MarkerListing&) = delete;

  std::optional<std::string> find(std::string_view name) const;

 private:
  std::string m_folder;
  std::vector<std::string> m_names;
  const MarkerListing* m_outer;
};

// The drug-bag program's folder and a file inside it (the file's real name when one
// matches ignoring letter case).
std::string pilloraFolder();
std::string pilloraFile(std::string_view name);
// An ordinary file of that name (letter case ignored) in the program's folder.
bool pilloraMarkerExists(std::string_view name);

// Hands the path of the settings file `name` of the program's folder to `read`. False when
// there is no such file, or when it exists but `read` fails with FileError: a settings file
// that cannot be read counts as missing, and one line on standard error names it.
bool readSettingsFile(std::string_view name, const std::function<void(const std::string&)>& read);

bool isFlag151014();
bool isBlankBody();
bool isPrePrintNameAddress();
bool isPharmacyUp();
bool isFlag220306();
// Asked by the record itself: the drug shape reads empty while it is set.
bool isFlag180208();

}  // namespace pillora
