# check_layout ROOT DESKTOP PREFIX: the desktop entry's Exec, Path and Icon
# resolve to installed files (ROOT is where the tree was unpacked, "" for
# none). Sourced by the install and package checks.
check_layout() {
    local root="$1" desktop="$2" prefix="$3"
    local exec path icon
    exec="$(sed -n 's/^Exec=//p' "$desktop")"
    path="$(sed -n 's/^Path=//p' "$desktop")"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    [ "$path" = "${prefix#"$root"}/share/varritQt" ] || { echo "Path= is $path"; return 1; }
    [ -x "$root$exec" ] || { echo "Exec= $exec is not installed"; return 1; }
    local name
    for name in star print play quit zoom_in zoom_out help; do
        [ -s "$root$path/images/$name.png" ] || { echo "missing $path/images/$name.png"; return 1; }
    done
    [ -s "$prefix/share/icons/hicolor/256x256/apps/$icon.png" ] || { echo "no theme icon $icon"; return 1; }
}
