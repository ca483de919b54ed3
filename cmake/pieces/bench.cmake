# The idle yardstick used by scripts/bench-idle.sh; not shipped.
if(WIN32 AND DUSK_PROGRAM)
  add_executable(idle_reference WIN32 tools/bench/idle_reference.cpp)
endif()
