# Cross build for Windows with Debian's MinGW-w64 compilers (posix thread model: the win32
# one has no std::mutex). PILLORA_MINGW_TRIPLE names the target, set by the file that
# includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${PILLORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PILLORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PILLORA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PILLORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The programs carry the C and C++ run-time libraries and the thread library inside: a
# pharmacy computer has none of MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
