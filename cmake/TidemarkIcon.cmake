# The icon is drawn once, as packaging/icon/tidemark.svg, and rendered at
# build time with Debian's rsvg-convert (and ImageMagick for the .ico).
set(TIDEMARK_ICON_SVG "${PROJECT_SOURCE_DIR}/packaging/icon/tidemark.svg")

# Renders the icon at each size in the rest of the arguments into
# FOLDER/tidemark-SIZE.png; OUTVAR gets their paths.
function(tidemark_icon_pngs outvar folder)
    find_program(TIDEMARK_RSVG_CONVERT rsvg-convert REQUIRED)
    set(pngs)
    foreach(size IN LISTS ARGN)
        set(png "${folder}/tidemark-${size}.png")
        add_custom_command(
            OUTPUT "${png}"
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}"
            COMMAND "${TIDEMARK_RSVG_CONVERT}" -w ${size} -h ${size} -o "${png}" "${TIDEMARK_ICON_SVG}"
            DEPENDS "${TIDEMARK_ICON_SVG}"
            COMMENT "icon ${size} px"
            VERBATIM)
        list(APPEND pngs "${png}")
    endforeach()
    set(${outvar} ${pngs} PARENT_SCOPE)
endfunction()

# A Windows .ico at ICO holding the sizes Windows asks for, from 16 to 256 px.
function(tidemark_icon_ico ico)
    # ImageMagick 6's own name first, so that another "convert" earlier on
    # the PATH is not taken for it.
    find_program(TIDEMARK_IMAGEMAGICK_CONVERT NAMES convert-im6.q16 convert REQUIRED)
    get_filename_component(folder "${ico}" DIRECTORY)
    tidemark_icon_pngs(pngs "${folder}/icon-sizes" 16 24 32 48 64 128 256)
    add_custom_command(
        OUTPUT "${ico}"
        COMMAND "${TIDEMARK_IMAGEMAGICK_CONVERT}" ${pngs} "${ico}"
        DEPENDS ${pngs}
        COMMENT "icon tidemark.ico"
        VERBATIM)
endfunction()
