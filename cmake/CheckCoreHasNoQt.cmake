# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the core (model, device, controls) or of a window folder's rules includes
# a Qt header.
file(GLOB_RECURSE sources "${ROOT}/model/*.h" "${ROOT}/model/*.cpp" "${ROOT}/device/*.h" "${ROOT}/device/*.cpp"
    "${ROOT}/controls/*.h" "${ROOT}/controls/*.cpp" "${ROOT}/*/rules/*.h" "${ROOT}/*/rules/*.cpp")
set(offenders "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(lines)
        list(APPEND offenders "${source}")
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "the core includes Qt: ${offenders}")
endif()
message(STATUS "core and rules are free of Qt (checked every model, device, controls and rules source)")
