# 64-bit Windows: the same DLL for 64-bit hosts.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZENTAVO2_MINGW x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
