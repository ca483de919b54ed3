# GoogleTest from Debian's sources, built without our warnings-as-errors.
if(NOT TARGET gtest)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -Wno-error -w)
  endforeach()
endif()
