# Native Linux build: the portable rules and the portable platform, tested with GoogleTest.
file(GLOB DUSK_HOST_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/host/*.cpp)
add_library(dusk_host_platform STATIC ${DUSK_HOST_PLATFORM_SOURCES})
target_link_libraries(dusk_host_platform PUBLIC dusk_logic)

if(DUSK_TESTS)
  enable_testing()
  include(cmake/googletest.cmake)
  file(GLOB DUSK_HOST_TEST_SOURCES CONFIGURE_DEPENDS tests/host/*.cpp tests/contract/*.cpp)
  add_executable(dusk_host_tests ${DUSK_HOST_TEST_SOURCES})
  target_include_directories(dusk_host_tests PRIVATE tests)
  target_link_libraries(dusk_host_tests PRIVATE dusk_host_platform gtest gmock gtest_main)
  add_test(NAME host_tests COMMAND dusk_host_tests)
endif()
