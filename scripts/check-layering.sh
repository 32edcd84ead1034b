#!/usr/bin/env bash
# The layers keep to their rooms: core includes nothing from Qt or from ui; no window's file
# includes another window's header (windows meet only in the program object); and no include
# circle runs anywhere in src/. Prints every offence and exits non-zero if there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"
failed=0
offence() { printf 'layering: %s\n' "$*" >&2; failed=1; }

# Quoted includes of a file, as paths under src/.
includes() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }

# core: the standard library and core itself.
for file in core/*.h core/*.cpp; do
    while read -r line; do
        offence "$file includes $line"
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q|ui/|app/)' "$file" || true)
done

# Windows: the files named *Window.h / *Window.cpp in ui/.
windows=$(cd ui && ls *Window.h | sed 's/\.h$//')
for window in $windows; do
    for file in ui/$window.h ui/$window.cpp; do
        [[ -f $file ]] || continue
        for header in $(includes "$file"); do
            other=$(basename "$header" .h)
            if [[ $header == ui/*Window.h && $other != "$window" ]]; then
                offence "$file includes another window's header $header"
            fi
        done
    done
done

# Include circles: depth-first search over the quoted includes that resolve under src/.
declare -A state=() # unset: not seen; 1: on the current path; 2: done
path=()
visit() {
    local file=$1
    state[$file]=1
    path+=("$file")
    local header
    for header in $(includes "$file"); do
        [[ -f $header ]] || continue # generated or outside src/
        if [[ ${state[$header]:-} == 1 ]]; then
            local circle="" seen=0 step
            for step in "${path[@]}"; do
                [[ $step == "$header" ]] && seen=1
                [[ $seen == 1 ]] && circle+="$step -> "
            done
            offence "include circle: $circle$header"
        elif [[ -z ${state[$header]:-} ]]; then
            visit "$header"
        fi
    done
    unset 'path[${#path[@]}-1]'
    state[$file]=2
}
while read -r file; do
    [[ -z ${state[$file]:-} ]] && visit "$file"
done < <(find core ui app -name '*.h' -o -name '*.cpp' | sort)

if [[ $failed == 0 ]]; then
    echo "layering: core stands alone, windows meet only in the program, no include circles"
fi
exit $failed
