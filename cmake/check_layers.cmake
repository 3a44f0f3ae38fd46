# Checks that includes follow the layers, lowest first:
#   storage, workspace, feature cores, shared widgets, feature windows, shell, app.
# A file may include headers of its own layer and of the layers below it.
# The layer of a file is read from its path:
#   storage/...                     storage
#   workspace/...                   workspace
#   widgets/...                     shared widgets
#   <feature>/ui/...                feature window (shell/ui/...: shell)
#   shell/startup.*                 shell (the program's entry, included as "shell/startup.h")
#   app/...                         app
#   <feature>/... (any other)       feature core
# With CORE_LIST (the sources of lendora_core, one path per line) the check
# also fails when a core source lies where a window's path belongs, or a
# window's source where a core path belongs.
#   cmake -DSOURCE_ROOT=<src> [-DCORE_LIST=<file>] [-DSTAMP=<file>] -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)

set(layer_names storage workspace "feature core" widgets "feature window" shell app)

function(layer_of path out)
    string(REGEX MATCH "^[^/]+" folder "${path}")
    if(folder STREQUAL "storage")
        set(layer 0)
    elseif(folder STREQUAL "workspace")
        set(layer 1)
    elseif(folder STREQUAL "widgets")
        set(layer 3)
    elseif(folder STREQUAL "app")
        set(layer 6)
    elseif(path MATCHES "^shell/ui/" OR path MATCHES "^shell/startup\\.")
        set(layer 5)
    elseif(path MATCHES "^[^/]+/ui/")
        set(layer 4)
    else()
        set(layer 2)
    endif()
    set(${out} ${layer} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_ROOT}" "${SOURCE_ROOT}/*.cpp" "${SOURCE_ROOT}/*.h")
set(wrong "")
foreach(file IN LISTS files)
    layer_of("${file}" own)
    file(STRINGS "${SOURCE_ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
        if(NOT EXISTS "${SOURCE_ROOT}/${header}")
            continue()
        endif()
        layer_of("${header}" used)
        if(used GREATER own)
            list(GET layer_names ${own} own_name)
            list(GET layer_names ${used} used_name)
            string(APPEND wrong "\n  ${file} (${own_name}) includes ${header} (${used_name})")
        endif()
    endforeach()
endforeach()

# Core sources (lendora_core, QtCore only) must live on a core path, and every
# other source of a feature on a window path.
if(CORE_LIST)
    file(STRINGS "${CORE_LIST}" core_paths)
    set(core_files "")
    foreach(path IN LISTS core_paths)
        file(RELATIVE_PATH relative "${SOURCE_ROOT}" "${path}")
        list(APPEND core_files "${relative}")
    endforeach()
    foreach(file IN LISTS files)
        layer_of("${file}" own)
        if(file IN_LIST core_files AND own GREATER 2)
            list(GET layer_names ${own} own_name)
            string(APPEND wrong "\n  ${file} is built into lendora_core but lies on a ${own_name} path")
        elseif(NOT file IN_LIST core_files AND own EQUAL 2)
            string(APPEND wrong "\n  ${file} lies on a feature core path but is not built into lendora_core")
        endif()
    endforeach()
endif()

if(wrong)
    message(FATAL_ERROR "Includes against the layers:${wrong}")
endif()
if(STAMP)
    file(TOUCH "${STAMP}")
endif()
