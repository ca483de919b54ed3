# DusklatchRecording.exe: the program with a power service that only records its
# requests (power-requests.log beside the exe), for the end-to-end scripts. Not shipped.
if(WIN32 AND DUSK_TESTS)
  add_executable(DusklatchRecording WIN32 tests/e2e/recording_main.cpp resources/dusklatch.rc)
  target_link_libraries(DusklatchRecording PRIVATE dusk_ui dusk_host_platform)
  target_include_directories(DusklatchRecording PRIVATE ${DUSK_ART_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/resources)
  add_dependencies(DusklatchRecording dusk_artwork)
endif()
