#pragma once
// What the fuzz targets share: a program folder of their own, files written into it, and
// inputs cut into the several files one case needs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace pillora::fuzz {

// An empty folder of the process's own, made on the first call and removed when the
// process ends. It is the program folder (PILLORA_HOME), the temporary folder and the
// cache folder of everything the target runs.
const std::filesystem::path& programFolder();

// The input as bytes.
std::string_view bytes(const std::uint8_t* data, std::size_t size);

// Writes `content` to `file`, replacing it.
void writeFile(const std::filesystem::path& file, std::string_view content);

// The input cut at its first `parts - 1` separator lines "--8<--"; parts the input does not
// reach are empty.
std::vector<std::string_view> splitInput(std::string_view input, std::size_t parts);

// Puts the drug-profile database of the sample profiles into the program folder, once.
void installSampleProfiles();

}  // namespace pillora::fuzz
