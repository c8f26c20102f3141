#pragma once
// One text field of the line logs (print log, label log, the wizard's silent output):
// UTF-8, with backslash, TAB, CR, LF and NUL written as \\ \t \r \n \0 so that a field never
// breaks its line or runs into the next field.
#include <string>

#include "common/text/text.h"

namespace pillora {

std::string escapeLogField(TextView text);

}  // namespace pillora
