# gallery.exe: the program's own controls side by side, in every look, for a person or a
# screenshot to check (tests/e2e/gallery.sh). Not shipped. Every file in tools/gallery is
# linked in directly so that each section's static registrar runs.
if(WIN32 AND DUSK_TESTS)
  file(GLOB DUSK_GALLERY_SOURCES CONFIGURE_DEPENDS tools/gallery/*.cpp)
  add_executable(gallery WIN32 ${DUSK_GALLERY_SOURCES})
  target_include_directories(gallery PRIVATE tools/gallery)
  target_link_libraries(gallery PRIVATE dusk_ui dusk_host_platform)
endif()
