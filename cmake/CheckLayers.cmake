# The `layering` test: reads src/layers.txt and every source file under src/ as they are now
# (no rebuild needed) and fails on each include of a program header from a layer above the
# including file's own, or from a sibling feature that layers.txt does not say it uses.
#
#   cmake -DSOURCE_DIR=<the source tree> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

file(STRINGS ${SOURCE_DIR}/src/layers.txt lines)
set(level 0)
set(folders)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(STRIP "${line}" line)
    if(line MATCHES "^([a-z0-9_]+) uses (.+)$")
        separate_arguments(used UNIX_COMMAND "${CMAKE_MATCH_2}")
        list(APPEND USES_${CMAKE_MATCH_1} ${used})
    elseif(NOT line STREQUAL "")
        math(EXPR level "${level} + 1")
        separate_arguments(names UNIX_COMMAND "${line}")
        foreach(name IN LISTS names)
            set(LEVEL_${name} ${level})
            list(APPEND folders ${name})
        endforeach()
    endif()
endforeach()

set(violations 0)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
foreach(source IN LISTS sources)
    if(NOT source MATCHES "/")
        continue() # main.cpp starts the program and stands above every layer
    endif()
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT DEFINED LEVEL_${folder})
        message("${source}: the folder ${folder} is not a layer in src/layers.txt")
        math(EXPR violations "${violations} + 1")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${include}")
        string(REGEX MATCH "^[^/]+" used "${header}")
        if(used STREQUAL folder OR NOT DEFINED LEVEL_${used})
            continue() # its own folder, or not a header of the program's layers
        endif()
        if(LEVEL_${used} GREATER LEVEL_${folder})
            message("${source}: includes ${header}, from the higher layer ${used}")
            math(EXPR violations "${violations} + 1")
        elseif(LEVEL_${used} EQUAL LEVEL_${folder} AND NOT used IN_LIST USES_${folder})
            message("${source}: includes ${header}, from the sibling feature ${used}, which layers.txt does not "
                    "say ${folder} uses")
            math(EXPR violations "${violations} + 1")
        endif()
    endforeach()
endforeach()

list(LENGTH sources count)
if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) against the layers of src/layers.txt")
endif()
message("${count} source files keep the layers of src/layers.txt")
