# 32-bit Windows, for the Jet driver every Windows ships. This machine runs no 32-bit code:
# the flavour is built, not tested.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PILLORA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
