# What every build of the project compiles with (the top project and the 64-bit
# sub-build): C++20 without extensions and strict warnings, as errors on request.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
option(DUSK_WERROR "Treat warnings as errors" OFF)

add_compile_options(-Wall -Wextra -Wshadow)
if(DUSK_WERROR)
  add_compile_options(-Werror)
endif()
