# SPDX-License-Identifier: MIT
# A folder's content as "name checksum" lines in name order, hidden files included, so that two
# states compare with diff.

folder_state() {
    (cd "$1" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort |
        while IFS= read -r name; do
            if [ -f "$name" ]; then
                printf '%s %s\n' "$name" "$(sha256sum <"$name" | cut -d ' ' -f 1)"
            else
                printf '%s (not a file)\n' "$name"
            fi
        done)
}

state_is() {
    [ "$(folder_state "$1")" = "$2" ]
}

# renamed_state STATE OLD=NEW...: the state with each OLD name replaced by its NEW name, bytes
# kept; every line is renamed at most once, so the pairs may form a chain.
renamed_state() {
    local state=$1
    shift
    printf '%s\n' "$state" | awk -v pairs="$*" '
        BEGIN {
            count = split(pairs, list, " ")
            for (i = 1; i <= count; i++) {
                split(list[i], pair, "=")
                renamed[pair[1]] = pair[2]
            }
        }
        { if ($1 in renamed) $1 = renamed[$1]; print }' | LC_ALL=C sort
}

# expect_state FOLDER EXPECTED WHAT: fails with the difference when the folder is not as expected.
expect_state() {
    local actual
    actual=$(folder_state "$1")
    if [ "$actual" != "$2" ]; then
        echo "--- expected / +++ actual content of $1:" >&2
        diff <(printf '%s\n' "$2") <(printf '%s\n' "$actual") >&2
        fail "$3"
    fi
}
