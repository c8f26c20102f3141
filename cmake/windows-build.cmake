# What the Windows cross build adds: GoogleTest built from the sources of Debian's
# googletest package (Debian has no MinGW build of it), the Unicode Win32 API, and Wine to
# run the test programs in one prefix per build folder.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Wine's loader for the flavour: its 64-bit one, or the 32-bit one (qemu user-mode emulation
# here, once tests/services/wine/enable-wine32.sh has run). The test scripts take it
# from PILLORA_WINE.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(PILLORA_WINE /usr/lib/wine/wine64)
else()
  set(PILLORA_WINE /usr/lib/wine/wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR env PILLORA_WINE=${PILLORA_WINE}
    ${PROJECT_SOURCE_DIR}/scripts/wine-run ${CMAKE_BINARY_DIR}/wine/prefix)

# The 32-bit flavour starts each program slowly under emulation: only the end-to-end tests of
# the real programs run for it; the unit tests run in the 64-bit flavour.
option(PILLORA_WINE_E2E_ONLY "Register only the end-to-end tests under Wine" OFF)
