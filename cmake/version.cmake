# Writes the version and the publisher where the code, the resource compiler and the
# installer script read them (build/<tree>/generated).
set(DUSK_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
foreach(part MAJOR MINOR PATCH TWEAK)
  if(PROJECT_VERSION_${part} STREQUAL "")
    set(DUSK_VERSION_${part} 0)
  else()
    set(DUSK_VERSION_${part} ${PROJECT_VERSION_${part}})
  endif()
endforeach()
set(DUSK_VERSION_TEXT ${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/dusk_version.h.in ${DUSK_GENERATED_DIR}/dusk_version.h @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/product.nsh.in ${DUSK_GENERATED_DIR}/product.nsh @ONLY)
# The resource compiler's own dependency scan misses the generated header.
set_source_files_properties(resources/dusklatch.rc PROPERTIES OBJECT_DEPENDS
  "${DUSK_GENERATED_DIR}/dusk_version.h;${CMAKE_CURRENT_SOURCE_DIR}/resources/version_info.rc")
