# The build keeps the layers apart through include roots and links (tests/layers). This
# check covers the three ways around them that still compile:
# - a folder of src/ without a place among the layers, or a library that compiles a
#   source of another folder ("../dialogs/x.cpp"), which then sees that library's roots;
# - a quoted include that climbs out of its folder ("../app/x.h"), which the file system
#   resolves even through an include root's link;
# - a Qt module named in the include ("QtWidgets/QWidget"), which every Qt include path
#   finds, whatever modules the layer links.
# Run as a test:
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake

cmake_minimum_required(VERSION 3.25)

set(core QtCore)
set(gui QtCore QtGui)
set(widgets QtCore QtGui QtWidgets QtSvg)
set(modules_model ${core})
set(modules_schedule ${core})
set(modules_edit ${core})
set(modules_exchange ${core})
set(modules_report ${core})
set(modules_views ${gui})
set(modules_output ${gui})
set(modules_widgets ${widgets})
set(modules_dialogs ${widgets})
set(modules_app ${widgets} QtPrintSupport)

# Each finding is indented, so that CMake prints it as it is, one to a line.
get_filename_component(root ${SOURCE_DIR} NAME)
set(violations "")
file(GLOB folders RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(folder ${folders})
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
        continue()
    endif()
    if(NOT DEFINED modules_${folder})
        string(APPEND violations " ${root}/${folder}: a folder without a place among the layers\n")
        continue()
    endif()
    if(EXISTS ${SOURCE_DIR}/${folder}/CMakeLists.txt)
        file(STRINGS ${SOURCE_DIR}/${folder}/CMakeLists.txt lines REGEX "\\.\\./")
        foreach(line ${lines})
            string(APPEND violations " ${root}/${folder}/CMakeLists.txt: ${line}\n")
        endforeach()
    endif()
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(RELATIVE_PATH shown ${SOURCE_DIR}/.. ${source})
        file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]*\\.\\.")
        foreach(line ${lines})
            string(APPEND violations " ${shown}: ${line}\n")
        endforeach()
        file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*<Qt[A-Za-z]+/")
        foreach(line ${lines})
            string(REGEX REPLACE "^[^<]*<(Qt[A-Za-z]+)/.*$" "\\1" module "${line}")
            if(NOT module IN_LIST modules_${folder})
                string(APPEND violations " ${shown}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes or sources that go around the layers:\n${violations}")
endif()
