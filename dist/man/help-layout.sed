# SPDX-License-Identifier: GPL-3.0-or-later
# Lays a tool's --help out the way help2man reads it: "Usage:" opens the synopsis, the headings
# stand alone, and a command whose summary is on the next line gets it beside the command.
# The exit codes are left out, with the lines that continue them: each page's .h2m file gives them
# as a section of their own, EXIT STATUS.
1s/^usage:/Usage:/
s/^commands:$/Commands:/
s/^options:$/\nOptions:/
/^[Ee]xit codes:/{
    :continued
    $d
    N
    /\n[[:space:]][^\n]*$/b continued
    s/.*\n//
}
/^  [a-z]/{
    N
    s/\n      \([^ ]\)/  \1/
}
# The key names: the heading stands alone, the columns of key numbers and names flow as one list,
# and the notes after them make a paragraph of their own.
/^key names (/,/^$/{
    /^key names (/s/$/\n/
    /^ *[0-9][0-9]* [^ ]/{
        s/^ *//
        s/   */, /g
        s/$/,/
    }
    /^  Every command/s/^  /\n/
    /^  [^ ]/s/^  //
}
