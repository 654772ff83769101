# Guards the library split: the core and media libraries must build without
# Qt Widgets. Each checked file is scanned at build time (again whenever it
# changes) for an include of a Qt Widgets header or of anything in a ui/
# folder; a hit fails the build with the file and line.

function(mordaventa_layer_check files)
    # The names of the Qt Widgets headers, taken from the installed module so
    # the list follows the Qt version.
    get_target_property(widget_dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
    set(widget_names)
    foreach(dir IN LISTS widget_dirs)
        if(dir MATCHES "QtWidgets$" AND IS_DIRECTORY "${dir}")
            file(GLOB headers RELATIVE "${dir}" "${dir}/Q*")
            list(APPEND widget_names ${headers})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES widget_names)
    set(list_file ${CMAKE_BINARY_DIR}/layer-check/widget-headers.txt)
    file(WRITE ${list_file} "${widget_names}")
    set(files_file ${CMAKE_BINARY_DIR}/layer-check/files.txt)
    file(WRITE ${files_file} "${files}")
    set(stamp ${CMAKE_BINARY_DIR}/layer-check/passed.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DFILES_LIST=${files_file} -DWIDGETS_LIST=${list_file}
                -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/LayerCheckRun.cmake
        DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/LayerCheckRun.cmake
        COMMENT "Checking that core and media sources use no widgets"
        VERBATIM)
    add_custom_target(layer-check ALL DEPENDS ${stamp})
endfunction()
