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
