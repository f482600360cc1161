# Lays a tool's --help out the way help2man reads it: "Usage:" opens the synopsis, the headings
# stand alone, and a command whose summary is on the next line gets it beside the command.
1s/^usage:/Usage:/
s/^commands:$/Commands:/
s/^options:$/\nOptions:/
s/^exit codes:/\nExit codes:/
/^  [a-z]/{
    N
    s/\n      \([^ ]\)/  \1/
}
