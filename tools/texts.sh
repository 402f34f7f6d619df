# The program's documented texts for the tool scripts, from the tests' copy of them
# (tests/transcripts/fragments.txt). Sourced by bash; `text NAME VARIABLE` stores the bytes of the
# fragment NAME in VARIABLE.
text() {
    local file literals
    file=$(dirname "${BASH_SOURCE[0]}")/../tests/transcripts/fragments.txt
    literals=$(sed -n "/^= $1\$/,/^\$/s/^> //p" "$file" |
        sed -e 's/^"//' -e 's/"$//' -e 's/" "//g' | tr -d '\n')
    [ -n "$literals" ] || { echo "no text $1 in $file" >&2; return 1; }
    printf -v "$2" '%b' "$literals"
}
