# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings that catch real faults are errors everywhere in this project.
add_compile_options(
    -Wall -Wextra -Wpedantic -Werror
    -Wold-style-cast -Wnon-virtual-dtor -Wsuggest-override
    -Wshadow -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
# At -O2 and above GCC 12 reports string concatenation as overlapping copies and values moved out of
# std::optional as uninitialised: known false positives of -Wrestrict and -Wmaybe-uninitialized with
# libstdc++ and Qt types, which would make optimised builds fail where debug builds pass.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
endif()
