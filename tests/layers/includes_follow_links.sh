#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Each part of the program (a folder of src/ and its library) includes headers only of itself and
# of the parts its library links, directly or through them, so no part reaches past what it may use.
# usage: includes_follow_links.sh <src folder>
set -euo pipefail
src=$1
declare -A links

# The parts a part's CMakeLists.txt links, on the lines of its target_link_libraries call.
for cmake in "$src"/*/CMakeLists.txt; do
    part=$(basename "$(dirname "$cmake")")
    links[$part]=$(sed -n "/target_link_libraries($part /,/)/p" "$cmake" |
        tr ' ()' '\n\n\n' | grep -v -e '^$' -e '::' -e '^PUBLIC$' -e '^PRIVATE$' \
            -e '^target_link_libraries$' -e "^$part\$" | paste -sd ' ' -) || true
done

# reachable PART: the part and every part it links, directly or not.
reachable() {
    local seen=" $1 " queue=("$1") next
    while [ ${#queue[@]} -gt 0 ]; do
        next=${queue[0]}
        queue=("${queue[@]:1}")
        for linked in ${links[$next]:-}; do
            [[ $seen == *" $linked "* ]] && continue
            seen+="$linked "
            queue+=("$linked")
        done
    done
    echo "$seen"
}

faults=0
for part in "${!links[@]}"; do
    allowed=$(reachable "$part")
    while IFS=: read -r file included; do
        if [ -d "$src/$included" ] && [[ $allowed != *" $included "* ]]; then
            echo "$file includes $included/, which $part does not link"
            faults=$((faults + 1))
        fi
    done < <(grep -o '#include "[a-z_]*/' "$src/$part"/*.h "$src/$part"/*.cpp 2>/dev/null |
        sed 's|#include "||; s|/$||' | sort -u)
done
[ "$faults" -eq 0 ] && echo "every part includes only what it links"
[ "$faults" -eq 0 ]
