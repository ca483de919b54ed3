# dusk_shred.exe: the cleaner's shredding routines from the command line, used by
# scripts/bench-shred.sh and the end-to-end checks. Built with the shipped program's
# compilers; not shipped.
if(WIN32 AND DUSK_PROGRAM)
  add_executable(dusk_shred tools/shred/shred_tool.cpp)
  target_link_libraries(dusk_shred PRIVATE dusk_ui dusk_host_platform)
endif()
