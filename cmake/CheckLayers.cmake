# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a higher layer. The layers, from the bottom:
#   0 core: model, device, controls
#   1 each window folder's Qt-free rules: keymap/rules, lighting/rules, trigger/rules, ...
#   2 the toolkit: platform, res, ui
#   3 the windows: keymap, lighting, trigger, firmware
#   4 the program: app
#   5 the tools, benchmarks and fuzzers
# A file may include its own layer and lower ones. Run with -DROOT=<source folder>; it also prints
# which folder includes which.
cmake_minimum_required(VERSION 3.25)
set(layer_core model device controls)
set(layer_toolkit platform res ui)
set(layer_windows keymap lighting trigger firmware)
set(layer_program app)
set(layer_tools tools bench fuzz)

# The layer of a path relative to ROOT (or of an include's path), or -1 when it is in no layer.
function(layer_of path out_layer out_folder)
    string(REGEX MATCH "^[^/]+" top "${path}")
    set(folder "${top}")
    if(path MATCHES "^[^/]+/rules/")
        set(folder "${top}/rules")
    endif()
    set(layer -1)
    if(top IN_LIST layer_core)
        set(layer 0)
    elseif(path MATCHES "^[^/]+/rules/" AND (top IN_LIST layer_windows OR top IN_LIST layer_program))
        set(layer 1)
    elseif(top IN_LIST layer_toolkit)
        set(layer 2)
    elseif(top IN_LIST layer_windows)
        set(layer 3)
    elseif(top IN_LIST layer_program)
        set(layer 4)
    elseif(top IN_LIST layer_tools)
        set(layer 5)
    endif()
    set(${out_layer} ${layer} PARENT_SCOPE)
    set(${out_folder} "${folder}" PARENT_SCOPE)
endfunction()

set(globs "")
foreach(top IN LISTS layer_core layer_toolkit layer_windows layer_program layer_tools)
    list(APPEND globs "${ROOT}/${top}/*.h" "${ROOT}/${top}/*.cpp")
endforeach()
file(GLOB_RECURSE sources RELATIVE "${ROOT}" ${globs})
list(SORT sources)

set(offenders "")
set(edges "")
foreach(source IN LISTS sources)
    layer_of("${source}" source_layer source_folder)
    file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
        layer_of("${header}" header_layer header_folder)
        if(header_layer EQUAL -1)
            continue()
        endif()
        if(NOT header_folder STREQUAL source_folder)
            list(APPEND edges "${source_folder} -> ${header_folder}")
        endif()
        if(header_layer GREATER source_layer)
            list(APPEND offenders "${source} -> ${header}")
        endif()
    endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
list(SORT edges)
list(JOIN edges "\n  " edge_lines)
message(STATUS "folder includes:\n  ${edge_lines}")
if(offenders)
    list(JOIN offenders "\n  " offender_lines)
    message(FATAL_ERROR "includes a higher layer:\n  ${offender_lines}")
endif()
list(LENGTH sources checked)
message(STATUS "no file includes a higher layer (checked ${checked} sources)")
