# Renders res/art/*.svg into the BMPs and the icon that the resource script includes.
#
#   include(Artwork)
#   talvane_add_artwork()
#   # then: -I ${TALVANE_ART_DIR} for windres, add_dependencies(<exe> talvane_artwork),
#   # and OBJECT_DEPENDS "${TALVANE_ART_FILES}" on the .rc so it recompiles on art changes.

function(talvane_add_artwork)
    if(TARGET talvane_artwork)
        message(FATAL_ERROR "talvane_add_artwork() called twice")
    endif()

    set(script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/svg-to-bmp.sh")
    # name:size or name:WIDTHxHEIGHT; the names are what the resource script refers to.
    set(bitmaps
        apply:24 apply_disabled:24 cancel:24 help:24 homepage:24 about:24
        nav_optimizer:32 nav_sysinfo:32 nav_startup:32 nav_shortcut:32 nav_tweak:32
        strip_title:16 strip_quickinfo:16 facts:144x16)
    set(icon_sizes 16 32 48)
    get_filename_component(src_dir "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../res/art" ABSOLUTE)
    set(out_dir "${CMAKE_BINARY_DIR}/art")

    find_program(TALVANE_RSVG_CONVERT rsvg-convert)
    if(TALVANE_RSVG_CONVERT)
        execute_process(COMMAND "${TALVANE_RSVG_CONVERT}" --version
            OUTPUT_VARIABLE rsvg_version ERROR_QUIET RESULT_VARIABLE rsvg_result)
    endif()
    if(NOT TALVANE_RSVG_CONVERT OR NOT rsvg_result EQUAL 0 OR NOT rsvg_version MATCHES "rsvg")
        message(FATAL_ERROR "rsvg-convert not found; install librsvg2-bin (scripts/bootstrap.sh)")
    endif()
    # /usr/bin first: other directories on PATH may hold wrappers named convert.
    find_program(TALVANE_IMAGEMAGICK NAMES magick convert HINTS /usr/bin)
    if(TALVANE_IMAGEMAGICK)
        execute_process(COMMAND "${TALVANE_IMAGEMAGICK}" -version
            OUTPUT_VARIABLE im_version ERROR_QUIET RESULT_VARIABLE im_result)
    endif()
    if(NOT TALVANE_IMAGEMAGICK OR NOT im_result EQUAL 0 OR NOT im_version MATCHES "ImageMagick")
        message(FATAL_ERROR "ImageMagick convert not found; install imagemagick (scripts/bootstrap.sh)")
    endif()

    file(MAKE_DIRECTORY "${out_dir}")
    set(outputs)

    foreach(entry IN LISTS bitmaps)
        string(REPLACE ":" ";" entry "${entry}")
        list(GET entry 0 name)
        list(GET entry 1 size)
        if(size MATCHES "^[1-9][0-9]*$")
            set(dims "${size}x${size}")
        elseif(size MATCHES "^[1-9][0-9]*x[1-9][0-9]*$")
            set(dims "${size}")
        else()
            message(FATAL_ERROR "bad artwork size ${size} for ${name}")
        endif()
        set(svg "${src_dir}/${name}.svg")
        set(bmp "${out_dir}/${name}.bmp")
        if(NOT EXISTS "${svg}")
            message(FATAL_ERROR "missing artwork source ${svg}")
        endif()
        add_custom_command(OUTPUT "${bmp}"
            COMMAND sh "${script}" bmp
                "${TALVANE_RSVG_CONVERT}" "${TALVANE_IMAGEMAGICK}" ${size} "${svg}" "${bmp}"
            DEPENDS "${svg}" "${script}"
            COMMENT "Rendering ${name}.bmp (${dims})"
            VERBATIM)
        list(APPEND outputs "${bmp}")
    endforeach()

    set(svg "${src_dir}/talvane.svg")
    set(ico "${out_dir}/talvane.ico")
    if(NOT EXISTS "${svg}")
        message(FATAL_ERROR "missing artwork source ${svg}")
    endif()
    add_custom_command(OUTPUT "${ico}"
        COMMAND sh "${script}" ico
            "${TALVANE_RSVG_CONVERT}" "${TALVANE_IMAGEMAGICK}" "${svg}" "${ico}"
            ${icon_sizes}
        DEPENDS "${svg}" "${script}"
        COMMENT "Rendering talvane.ico"
        VERBATIM)
    list(APPEND outputs "${ico}")

    add_custom_target(talvane_artwork ALL DEPENDS ${outputs})

    set(TALVANE_ART_DIR "${out_dir}" PARENT_SCOPE)
    set(TALVANE_ART_DIR "${out_dir}" CACHE INTERNAL "Rendered artwork, for the resource compiler's include path")
    set(TALVANE_ART_FILES "${outputs}" PARENT_SCOPE)
endfunction()
