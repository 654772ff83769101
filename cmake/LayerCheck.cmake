# Guards the layers, at build time (again whenever a checked file changes):
#  - the core and media libraries build without Qt Widgets: a core or media
#    source or header that includes a Qt Widgets header or anything in a ui/
#    folder fails the build;
#  - includes only run down the folder order below: a file that includes a
#    file of a folder ranked above its own, or of another folder of the same
#    rank, fails the build. Each entry is "folder=rank"; inside boardgame/
#    the database layer (dao/) sits below board files (file/), which sit below
#    the rules and the windows. A ui/ folder ranks with the folder it is in.
set(MORDAVENTA_FOLDER_RANKS
    shell=0
    media=10 players=10
    engine=20 boardgame/dao=20 boardgame/file=21 boardgame=22
    squares=30
    report=40 table=40
    app=50)

function(mordaventa_layer_check widget_checked_files ranked_files)
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
    file(WRITE ${files_file} "${widget_checked_files}")
    set(ranked_file ${CMAKE_BINARY_DIR}/layer-check/ranked.txt)
    file(WRITE ${ranked_file} "${ranked_files}")
    set(stamp ${CMAKE_BINARY_DIR}/layer-check/passed.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DFILES_LIST=${files_file} -DWIDGETS_LIST=${list_file}
                -DRANKED_LIST=${ranked_file} "-DRANKS=${MORDAVENTA_FOLDER_RANKS}"
                -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/LayerCheckRun.cmake
        DEPENDS ${widget_checked_files} ${ranked_files}
                ${CMAKE_SOURCE_DIR}/cmake/LayerCheckRun.cmake
                ${CMAKE_SOURCE_DIR}/cmake/LayerCheck.cmake
        COMMENT "Checking the layers: no widgets in core and media, includes run down the folder order"
        VERBATIM)
    add_custom_target(layer-check ALL DEPENDS ${stamp})
endfunction()
