# 32-bit Windows.
set(mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
