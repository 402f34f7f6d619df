# The program's documented texts for the tool scripts, as tools/transcript.py reads them from the
# tests' copy (tests/transcripts/fragments.txt). Sourced by bash; `text NAME VARIABLE` stores the
# bytes of the text NAME in VARIABLE.
text() {
    local bytes
    bytes=$(python3 "$(dirname "${BASH_SOURCE[0]}")/transcript.py" "$1" && echo .) || return 1
    printf -v "$2" '%s' "${bytes%.}"
}
