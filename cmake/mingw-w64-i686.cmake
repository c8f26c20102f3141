# 32-bit Windows, for the Jet driver every 32-bit Windows program has. The test programs run
# under Wine's 32-bit loader (through qemu user-mode emulation on this kind of machine).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PILLORA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
