#pragma once
// Layout switches that are on while a marker file of a given name lies in the program's
// folder. Every test looks again: nothing is cached, so a marker created or removed while
// a job prints takes effect at the next test.
#include <string>
#include <string_view>

namespace pillora {

// The drug-bag program's folder and a file inside it (the file's real name when one
// matches ignoring letter case).
std::string pilloraFolder();
std::string pilloraFile(std::string_view name);
// An ordinary file of that name (letter case ignored) in the program's folder.
bool pilloraMarkerExists(std::string_view name);

bool isFlag151014();
bool isBlankBody();
bool isPrePrintNameAddress();
bool isPharmacyUp();
bool isFlag220306();
bool isFlag220603();
// Asked by the record itself: the drug shape reads empty while it is set.
bool isFlag180208();

}  // namespace pillora
