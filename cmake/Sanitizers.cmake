# SPDX-License-Identifier: GPL-3.0-or-later
# One report is one failure: nothing recovers and carries on.
set(QELEC_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${QELEC_SANITIZER_FLAGS})
add_link_options(${QELEC_SANITIZER_FLAGS})
