#!/usr/bin/env bash
# Records what chromanick-cli prints for a fixed set of invocations: for each
# case, its standard output, standard error and exit status, and the bytes of
# any file it writes. Two recordings compare with `diff -r`, which is how a
# restructuring proves the program's outputs unchanged:
#   scripts/cli-corpus.sh /path/to/old/chromanick-cli /tmp/corpus-before
#   scripts/cli-corpus.sh build/bin/chromanick-cli /tmp/corpus-after
#   diff -r /tmp/corpus-before /tmp/corpus-after
set -uo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 CHROMANICK-CLI OUTPUT-FOLDER" >&2
    exit 2
fi
cli=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out"
mkdir -p "$out"

# A scratch folder with a fixed name, so that paths in messages are the same
# in every recording; an empty home, so that no user decoration list counts.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/work"
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_CONFIG_HOME="$scratch/home/.config" LC_ALL=C.UTF-8
cd "$scratch/work" || exit 1

n=0
# run NAME ARGS...: one case; files the case writes in the scratch folder are
# kept beside its output, then removed.
run() {
    local name=$1
    shift
    n=$((n + 1))
    local base
    base=$(printf '%s/%03d-%s' "$out" "$n" "$name")
    "$cli" "$@" >"$base.out" 2>"$base.err" </dev/null
    echo $? >"$base.rc"
    keep_files "$base"
}

# run_stdin NAME INPUT ARGS...: one case reading INPUT on standard input.
run_stdin() {
    local name=$1 input=$2
    shift 2
    n=$((n + 1))
    local base
    base=$(printf '%s/%03d-%s' "$out" "$n" "$name")
    printf '%s' "$input" | "$cli" "$@" >"$base.out" 2>"$base.err"
    echo $? >"$base.rc"
    keep_files "$base"
}

keep_files() {
    local base=$1 f
    for f in *; do
        [[ -e $f ]] || continue
        [[ $f == keep-* ]] && continue
        # An export starts with the time it was written: that line is
        # replaced, the rest of the bytes are kept as they are.
        LC_ALL=C sed -E '1s/^(Pseudo cr.+ le : ).*[0-9](\r?)$/\1(date)\2/' -- "$f" >"$base.file-$f"
        rm -f -- "$f"
    done
}

# --- every command's help and usage errors
run help --help
run no-command
run unknown-command frobnicate
for c in render gradient compose palettes lookalike project save-project export; do
    run "help-$c" "$c" --help
    run "noargs-$c" "$c"
done

# --- palettes
run palettes palettes
run palettes-extra palettes extra

# --- compose, with the colour options and styles
names=(Bob "" "Élodie" "a b" "😀x" "très long pseudo avec des espaces et des accents éèàùç")
for name in "${names[@]}"; do
    run compose-plain compose "$name"
done
for fg in Option9 Option1 Option3 Option11 Option25 optrouge1 optbleu9 optvert15 optgris9 optnoir3 optcouleurperso1; do
    run "compose-fg-$fg" compose --fg "$fg" Bob
done
for bg in Option20 Option12 Option19 Option36 optarouge1 optavert15 optabordeau optaperso; do
    run "compose-bg-$bg" compose --bg "$bg" Bob
    run "compose-fg-bg-$bg" compose --fg optbleu1 --bg "$bg" Bob
done
run compose-styles compose --bold --underline --italic --strikethrough Bob
run compose-bold compose --bold Bob
run compose-underline compose --underline Bob
run compose-italic compose --italic Bob
run compose-strike compose --strikethrough Bob
run compose-styles-colours compose --fg optrouge2 --bg optableu3 --bold --italic Bob
run compose-prefix compose --prefix "<<" --suffix ">>" Bob
run compose-prefix-styled compose --prefix "[" --suffix "]" --fg Option1 --bg Option12 --bold Bob
for e in 0 1 2 5 10 20 40 100; do
    run "compose-prefix-entry-$e" compose --prefix-entry "$e" Bob
    run "compose-suffix-entry-$e" compose --suffix-entry "$e" --fg optvert3 Bob
done
run compose-custom compose --fg optcouleurperso1 --custom-fg '#123456' --bg optaperso --custom-bg '#ABCDEF' Bob
run compose-custom-fg-only compose --custom-fg '#123456' Bob
run compose-dit compose --dit-colour '#FF0000' Bob
run compose-dit-styles compose --dit-colour '#00FF00' --bold --fg Option2 --bg Option13 Bob
run compose-suppress-dit compose --suppress-dit Bob
run compose-suppress-dit-colour compose --suppress-dit --dit-colour '#FF0000' Bob
run compose-dashdash compose -- --bold
run compose-bad-fg compose --fg Nope Bob
run compose-bad-bg compose --bg Option1 Bob
run compose-bad-colour compose --custom-fg 'red' Bob
run compose-bad-entry compose --prefix-entry 99999 Bob
run compose-bad-entry2 compose --prefix-entry -1 Bob
run compose-unknown-option compose --nope Bob
run compose-two-names compose Bob Alice
run compose-missing-value compose --fg

# --- gradient, five segments and smooth
for s in 0 1 7 17 35 36; do
    run "gradient-scheme-$s" gradient --scheme "$s" "Dégradé"
done
for name in "${names[@]}" "ab" "abcd" "abcdefghijklmnopqrstuvwxyz"; do
    run gradient-name gradient "$name"
done
run gradient-slots gradient --scheme 36 --slot '1=#FF0000' --slot '3=#00FF00' --slot '5=#0000FF' Bonjour
run gradient-slot-one gradient --scheme 36 --slot '2=#101010' ab
run gradient-background gradient --scheme 4 --background '#202020' Bonjour
run gradient-styles gradient --bold --underline --italic --strikethrough Bonjour
run gradient-styles-bg gradient --scheme 12 --bold --background '#FFFFFF' Bonjour
run gradient-bad-scheme gradient --scheme 37 Bob
run gradient-bad-scheme2 gradient --scheme x Bob
run gradient-bad-slot gradient --scheme 36 --slot '6=#FF0000' Bob
run gradient-bad-slot2 gradient --scheme 36 --slot '1=red' Bob
run gradient-step-without-smooth gradient --step 2 Bob
for s in 0 3 20 35 36; do
    run "smooth-scheme-$s" gradient --smooth --scheme "$s" "Dégradé fluide"
done
for step in 1 2 3 7 50; do
    run "smooth-step-$step" gradient --smooth --step "$step" "Un pseudo assez long pour plusieurs groupes"
done
run smooth-stops gradient --smooth --stops '#FF0000,#00FF00,#0000FF' Bonjour
run smooth-one-stop gradient --smooth --stops '#FF0000' Bonjour
run smooth-stops-step gradient --smooth --step 2 --stops '#000000,#FFFFFF' Bonjour
run smooth-slots gradient --smooth --scheme 36 --slot '1=#FF0000' --slot '4=#00FFFF' Bonjour
run smooth-styles gradient --smooth --bold --italic --background '#333333' Bonjour
run smooth-empty gradient --smooth ""
run smooth-emoji gradient --smooth "😀a😀b"
run smooth-bad-step gradient --smooth --step 0 Bob
run smooth-bad-step2 gradient --smooth --step 51 Bob
run smooth-bad-stops gradient --smooth --stops '' Bob
run smooth-bad-stops2 gradient --smooth --stops '#FF0000,bad' Bob
run smooth-too-many-stops gradient --smooth --stops "$(printf '#000000,%.0s' {1..16})#FFFFFF" Bob

# --- lookalike
for t in "Bonjour" "Hello World" "xyzXYZ" "ÉLODIE" ""; do
    run lookalike lookalike "$t"
    run lookalike-remove lookalike --remove "$t"
done

# --- render, every format, on codes the generators write and on odd codes
codes=(
    "Bob"
    "·#·\$8Bob·0"
    "·\$4,12Rouge sur bleu·0"
    "·\$(255,0,0)rouge·\$(0,0,255)bleu"
    "·\$,(10,20,30)fond"
    "·@·&·'souligné italique barré·0 normal"
    "·\$1·\$,15texte"
    "·\$99x·\$-1y·\$z·\$(300,0,0)w"
    "·\$"
    "·"
    "··#"
    "<b>&amp;\"'</b>"
    "[b]bbcode[/b]"
    "😀 é"
    ""
)
for code in "${codes[@]}"; do
    run render-default render "$code"
    for f in text runs html bbcode ansi plus3 pluslive irc discord; do
        run "render-$f" render --format "$f" "$code"
    done
done
run render-bad-format render --format rtf Bob
run render-two-codes render a b
run_stdin render-stdin "$(printf 'Bob\n·#·$8x\n\n·$4y\r\n')" render --format runs -
run_stdin render-stdin-html "$(printf 'a\nb\n')" render --format html -
run_stdin render-stdin-empty "" render --format text -
# What the generators write reads back.
while IFS= read -r line; do
    for f in runs html bbcode ansi; do
        run "render-generated-$f" render --format "$f" "$line"
    done
done < <(
    "$cli" compose --fg optrouge1 --bg optableu2 --bold --underline --prefix-entry 3 Bob
    echo
    "$cli" gradient --scheme 5 --italic Bonjour
    echo
    "$cli" gradient --smooth --step 2 --background '#101010' Bonjour
    echo
)

# --- projects and exports: the files' bytes too
run save-project save-project p.nkp Bob
run save-project-full save-project p.nkp --fg optbleu2 --bg optarouge3 --prefix "<" --suffix ">" --bold --italic --custom-fg '#010203' --dit-colour '#FF00FF' --lookalike Bob
run save-project-entries save-project p.nkp --prefix-entry 2 --suffix-entry 7 --underline --strikethrough Élodie
run save-project-suppress save-project p.nkp --suppress-dit --fg optcouleurperso1 --custom-fg '#ABCDEF' ""
run save-project-bad-dir save-project no/such/dir/p.nkp Bob
run save-project-no-name save-project p.nkp
run export export e.txt Bob
run export-full export e.txt --fg optvert2 --bg optajaune1 --bold Bob
run export-full2 export e.txt --fg optvert2 --bg optavert1 --bold --lookalike --prefix-entry 4 Bob
run export-dit export e.txt --dit-colour '#00FF00' --suppress-dit Élodie
run export-bad-dir export no/such/dir/e.txt Bob

# Projects written by save-project, then read back with project.
make_project() {
    "$cli" save-project "keep-$1.nkp" "${@:2}" >/dev/null 2>&1
}
make_project a Bob
make_project b --fg optbleu2 --bg optarouge3 --prefix "<" --suffix ">" --bold --italic --custom-fg '#010203' --dit-colour '#FF00FF' --lookalike Bob
make_project c --prefix-entry 2 --suffix-entry 7 --underline --strikethrough Élodie
make_project d --suppress-dit --fg optcouleurperso1 --custom-fg '#ABCDEF' ""
for p in a b c d; do
    run "project-$p" project "keep-$p.nkp"
done
printf 'not a project\n' >keep-bad.nkp
run project-bad project keep-bad.nkp
head -c 20 keep-b.nkp >keep-truncated.nkp
run project-truncated project keep-truncated.nkp
: >keep-empty.nkp
run project-empty project keep-empty.nkp
run project-missing project keep-missing.nkp
run project-two project keep-a.nkp keep-b.nkp
for f in keep-*.nkp; do cp -- "$f" "$out/$f"; done
rm -f keep-*

echo "$n cases recorded in $out"
