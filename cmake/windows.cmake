# 32-bit Windows build with mingw-w64: the platform services, the windows, the program,
# the release folder and the Windows test programs.
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
add_link_options(-static -static-libgcc -static-libstdc++)

set(DUSK_WIN_LIBS user32 gdi32 advapi32 shell32 comctl32 comdlg32 ole32 oleaut32 uuid
    uxtheme msimg32 winmm wininet powrprof shlwapi)

file(GLOB DUSK_WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
file(GLOB DUSK_PORTABLE_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/host/*.cpp)
add_library(dusk_host_platform STATIC ${DUSK_PORTABLE_PLATFORM_SOURCES})
target_link_libraries(dusk_host_platform PUBLIC dusk_logic)

add_library(dusk_win32_platform STATIC ${DUSK_WIN32_PLATFORM_SOURCES})
target_link_libraries(dusk_win32_platform PUBLIC dusk_logic ${DUSK_WIN_LIBS})

# Windows and controls; the entry point stays out so that other programs (the
# recording build, the gallery, the tests) can link the same windows.
file(GLOB DUSK_UI_SOURCES CONFIGURE_DEPENDS src/*/win/*.cpp)
list(FILTER DUSK_UI_SOURCES EXCLUDE REGEX "/app/win/winmain\\.cpp$")
add_library(dusk_ui STATIC ${DUSK_UI_SOURCES})
target_link_libraries(dusk_ui PUBLIC dusk_win32_platform)

include(cmake/artwork.cmake)

if(DUSK_PROGRAM)
  add_executable(Dusklatch WIN32 src/app/win/winmain.cpp resources/dusklatch.rc)
  target_link_libraries(Dusklatch PRIVATE dusk_ui)
  target_include_directories(Dusklatch PRIVATE ${DUSK_ART_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/resources)
  add_dependencies(Dusklatch dusk_artwork)
  if(DUSK_MINGW_THREADS STREQUAL "win32")
    add_custom_command(TARGET Dusklatch POST_BUILD
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-xp-imports.sh $<TARGET_FILE:Dusklatch>
      VERBATIM)
  endif()

  # The folder a Windows user copies: the program and the files that sit beside it.
  set(DUSK_RELEASE_DIR ${CMAKE_BINARY_DIR}/release/Dusklatch)
  file(GLOB DUSK_SIDE_FILES CONFIGURE_DEPENDS resources/files/*)
  add_custom_target(release ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DUSK_RELEASE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Dusklatch> ${DUSK_SIDE_FILES} ${DUSK_RELEASE_DIR}
    DEPENDS Dusklatch ${DUSK_SIDE_FILES}
    COMMENT "Assembling the release folder")
endif()

if(DUSK_TESTS)
  enable_testing()
  include(cmake/googletest.cmake)
  file(GLOB DUSK_WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp tests/contract/*.cpp)
  add_executable(dusk_win_tests ${DUSK_WIN_TEST_SOURCES})
  target_include_directories(dusk_win_tests PRIVATE tests)
  target_link_libraries(dusk_win_tests PRIVATE dusk_ui dusk_host_platform gtest gmock gtest_main)
  add_test(NAME win_tests COMMAND dusk_win_tests)
endif()
