# Windows with the Debian MinGW-w64 cross compilers; the toolchain files for
# each architecture set ZENTAVO2_MINGW (the target triplet's first word).
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${ZENTAVO2_MINGW}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(ZENTAVO2_DLLTOOL ${triplet}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
