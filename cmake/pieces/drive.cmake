# dusk_drive.exe: lets the end-to-end scripts find, read and press the program's
# windows under Wine. Not shipped.
if(WIN32 AND DUSK_TESTS)
  file(GLOB DUSK_DRIVE_SOURCES CONFIGURE_DEPENDS tools/drive/*.cpp)
  add_executable(dusk_drive ${DUSK_DRIVE_SOURCES})
  target_link_libraries(dusk_drive PRIVATE user32 gdi32 comctl32 shell32)
endif()

# A window for checking the driver itself (tests/e2e/drive_selftest.sh).
if(WIN32 AND DUSK_TESTS)
  add_executable(drive_target WIN32 tools/drive_target/target.cpp)
  target_link_libraries(drive_target PRIVATE user32)
endif()
