# The file manager's menu extension: DusklatchMenu.dll (32-bit, this build) and
# DusklatchMenu64.dll (64-bit, built by cmake/shellext64 with the x86-64 compilers),
# both shipped beside the program; in the test build, the probes that drive them.
if(WIN32)
  set(DUSK_ROOT ${CMAKE_CURRENT_SOURCE_DIR})
  include(cmake/shellext.cmake)
  include(ExternalProject)
  dusk_add_shell_extension(DusklatchMenu)

  set(shellext64_dir ${CMAKE_BINARY_DIR}/shellext64)
  set(shellext64_outputs)
  if(DUSK_PROGRAM)
    list(APPEND shellext64_outputs ${CMAKE_BINARY_DIR}/DusklatchMenu64.dll)
  endif()
  if(DUSK_TESTS)
    list(APPEND shellext64_outputs ${CMAKE_BINARY_DIR}/shellext_probe64.exe)
  endif()
  ExternalProject_Add(shellext64
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/cmake/shellext64
    BINARY_DIR ${shellext64_dir}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/toolchain-mingw-x86_64.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DDUSK_WERROR=${DUSK_WERROR}
               -DDUSK_MINGW_THREADS=${DUSK_MINGW_THREADS} -DDUSK_ROOT=${DUSK_ROOT}
               -DDUSK_OUTPUT_DIR=${CMAKE_BINARY_DIR}
               -DDUSK_SHELLEXT_DLL=${DUSK_PROGRAM} -DDUSK_SHELLEXT_PROBE=${DUSK_TESTS}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${shellext64_outputs}
    INSTALL_COMMAND "")

  if(DUSK_MINGW_THREADS STREQUAL "win32")
    add_custom_command(TARGET DusklatchMenu POST_BUILD
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-xp-imports.sh $<TARGET_FILE:DusklatchMenu>
      VERBATIM)
  endif()

  if(DUSK_PROGRAM)
    add_custom_target(release_shellext ALL
      COMMAND ${CMAKE_COMMAND} -E make_directory ${DUSK_RELEASE_DIR}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:DusklatchMenu>
              ${CMAKE_BINARY_DIR}/DusklatchMenu64.dll ${DUSK_RELEASE_DIR}
      DEPENDS DusklatchMenu shellext64 ${CMAKE_BINARY_DIR}/DusklatchMenu64.dll
      COMMENT "Adding the menu extensions to the release folder")
  endif()

  if(DUSK_TESTS)
    dusk_add_shellext_probe(shellext_probe)
  endif()
endif()
