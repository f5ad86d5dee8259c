#!/usr/bin/env bash
# Includes point down only: Shell → Marrowmere → Core. Content (the builder) may use Core and
# Marrowmere, and nothing outside Content and the tests includes the builder.
set -u
root="${1:?usage: check-layers.sh <repository root>}"
cd "$root" || exit 2
status=0
forbid() { # forbid <layer folder> <included folder>...
    local layer="$1"; shift
    for below in "$@"; do
        if hits=$(grep -rnE "#include \"${below}/" "$layer" --include='*.h' --include='*.cpp' 2>/dev/null); then
            echo "$layer must not include $below/:"; echo "$hits"; status=1
        fi
    done
}
forbid Core Marrowmere Shell Content
forbid Marrowmere Shell Content
forbid Shell Content
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
