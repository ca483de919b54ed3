# Benchmarks, not shipped: the idle yardstick used by scripts/bench-idle.sh and the
# painting costs of the program's own controls (scripts/bench-paint.sh).
if(WIN32 AND DUSK_PROGRAM)
  add_executable(idle_reference WIN32 tools/bench/idle_reference.cpp)
  add_executable(paint_bench tools/bench/paint_bench.cpp)
  target_link_libraries(paint_bench PRIVATE dusk_ui)
endif()
