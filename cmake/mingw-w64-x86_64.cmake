# 64-bit Windows; the test programs run under Wine (scripts/wine-run).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PILLORA_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
