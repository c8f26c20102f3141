#pragma once
// pillora --archive-find TEXT [--from YYYY-MM-DD] [--to YYYY-MM-DD]: lists, one path a
// line, oldest first, the archived bag files (job_archive.h) of those days whose text holds
// TEXT, such as a patient's name or an Rx number.
#include <ostream>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// The arguments after --archive-find. Returns the exit status: 0 when files were found, 1
// when none was (or there is no archive to search), 2 for arguments it cannot take.
int findArchived(const std::vector<Text>& args, std::ostream& out, std::ostream& err);

}  // namespace pillora
