# The file manager's menu extension and its test probe, as targets of the 32-bit build
# (cmake/pieces/shellext.cmake) and of the 64-bit one (cmake/shellext64). DUSK_ROOT is
# the project folder.

# The extension DLL. No exception may cross into the file manager: the DLL is built
# without them, and without any runtime DLL beside it.
function(dusk_add_shell_extension name)
  file(GLOB sources CONFIGURE_DEPENDS ${DUSK_ROOT}/src/power/shellext/*.cpp)
  add_library(${name} SHARED ${sources} ${DUSK_ROOT}/src/power/shellext/shellext.def)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_include_directories(${name} PRIVATE ${DUSK_ROOT}/src)
  target_compile_options(${name} PRIVATE -fno-exceptions -fno-rtti)
  target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++ -s)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The .def names the entry points undecorated; the 32-bit symbols carry @n.
    target_link_options(${name} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
  target_link_libraries(${name} PRIVATE user32 gdi32 uuid)
endfunction()

# shellext_probe: loads the extension the registration names, as the system would, and
# drives it as a file manager does (tests/e2e/shell_menu.sh). Not shipped.
function(dusk_add_shellext_probe name)
  file(GLOB sources CONFIGURE_DEPENDS ${DUSK_ROOT}/tests/shellext_probe/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${DUSK_ROOT}/src ${DUSK_ROOT}/tests)
  target_link_options(${name} PRIVATE -static -municode)
  target_link_libraries(${name} PRIVATE ole32 shell32 user32 gdi32 uuid)
endfunction()
