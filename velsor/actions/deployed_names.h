#pragma once
// The file names the update actions use in the service pack and in Rimora's folder.
namespace pillora {

// The new drug-bag program in the service pack, under its neutral name.
inline constexpr const char* kProgramPayload = "a01.exe";
// The drug-bag program in Rimora's folder, under the name Rimora starts it by.
#ifdef _WIN32
inline constexpr const char* kDeployedProgram = "Pillora.exe";
#else
inline constexpr const char* kDeployedProgram = "pillora";
#endif
inline constexpr const char* kDatabaseName = "dbDrugProfile.mdb";
// The drug-bag program's folder inside Rimora's folder (letter case is not told apart).
inline constexpr const char* kToolsFolder = "tools";

}  // namespace pillora
