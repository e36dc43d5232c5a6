# Includes point down only: a folder of src/ may include its own headers and those of
# the folders below it, never one above or beside it. Run as a test:
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake
# Qt modules are kept apart by the libraries each layer links.

cmake_minimum_required(VERSION 3.25)

set(allowed_model model)
set(allowed_schedule model schedule)
set(allowed_edit model schedule edit)
set(allowed_exchange model schedule edit exchange)
set(allowed_views model schedule edit views)
set(allowed_output model schedule edit views output)
set(allowed_widgets model schedule edit views output widgets)
set(allowed_dialogs model schedule edit exchange views output widgets dialogs)
set(allowed_app model schedule edit exchange views output widgets dialogs app)

set(violations "")
file(GLOB folders RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(folder ${folders})
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
        continue()
    endif()
    if(NOT DEFINED allowed_${folder})
        string(APPEND violations "src/${folder}: a folder without a place among the layers\n")
        continue()
    endif()
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*$" "\\1" target "${line}")
            if(NOT target IN_LIST allowed_${folder})
                file(RELATIVE_PATH shown ${SOURCE_DIR}/.. ${source})
                string(APPEND violations "${shown}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes that point up or sideways:\n${violations}")
endif()
