# Warnings that catch real faults are errors everywhere in this project.
add_compile_options(
    -Wall -Wextra -Wpedantic -Werror
    -Wold-style-cast -Wnon-virtual-dtor -Wsuggest-override
    -Wshadow -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
