# Pictures and icons are drawn as SVG in resources/art and turned into the bitmaps and
# icons the resource compiler takes.
set(DUSK_ART_DIR ${CMAKE_BINARY_DIR}/art)
file(MAKE_DIRECTORY ${DUSK_ART_DIR})
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(DUSK_ART_OUTPUTS)
# Icons: every icons/*.svg becomes a .ico with 16, 32 and 48 pixel images.
file(GLOB DUSK_ICON_SVGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/art/icons/*.svg)
foreach(svg IN LISTS DUSK_ICON_SVGS)
  get_filename_component(name ${svg} NAME_WE)
  set(ico ${DUSK_ART_DIR}/${name}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${RSVG_CONVERT} -w 16 -h 16 -o ${DUSK_ART_DIR}/${name}-16.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${DUSK_ART_DIR}/${name}-32.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o ${DUSK_ART_DIR}/${name}-48.png ${svg}
    COMMAND ${ICOTOOL} -c -o ${ico} ${DUSK_ART_DIR}/${name}-16.png ${DUSK_ART_DIR}/${name}-32.png ${DUSK_ART_DIR}/${name}-48.png
    DEPENDS ${svg} VERBATIM)
  list(APPEND DUSK_ART_OUTPUTS ${ico})
endforeach()
# Bitmaps: every bitmaps/*.svg becomes a 24-bit .bmp at the size the SVG declares.
file(GLOB DUSK_BITMAP_SVGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/art/bitmaps/*.svg)
foreach(svg IN LISTS DUSK_BITMAP_SVGS)
  get_filename_component(name ${svg} NAME_WE)
  set(bmp ${DUSK_ART_DIR}/${name}.bmp)
  add_custom_command(OUTPUT ${bmp}
    COMMAND ${RSVG_CONVERT} -o ${DUSK_ART_DIR}/${name}.png ${svg}
    COMMAND convert ${DUSK_ART_DIR}/${name}.png -background white -flatten -type TrueColor BMP3:${bmp}
    DEPENDS ${svg} VERBATIM)
  list(APPEND DUSK_ART_OUTPUTS ${bmp})
endforeach()
add_custom_target(dusk_artwork DEPENDS ${DUSK_ART_OUTPUTS})
# The resource script names the pictures but its dependency scan does not see them:
# a changed picture has to rebuild it.
set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/resources/dusklatch.rc
  PROPERTIES OBJECT_DEPENDS "${DUSK_ART_OUTPUTS}")
