# 32-bit Windows: Zentavo2.dll as hosts have always loaded it.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZENTAVO2_MINGW i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
