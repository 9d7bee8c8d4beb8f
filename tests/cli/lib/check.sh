# Shared by the probe's CLI tests (sourced, not run): a scratch folder, ok/FAIL lines and the
# exit status.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0

check() {  # name expected actual
    if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2] got [$3]"; fail=1; else echo "ok   $1"; fi
}

# Runs "$probe" with the given arguments followed by a truncated, a text and a missing frame
# file, files whose header fields contradict the file, a folder, a FIFO and /dev/zero: each
# must end with status 2 within seconds, a message on stderr and nothing on stdout.
check_bad_frames() {  # GOOD.bmp probe-arguments...
    local good="$1"
    shift
    head -c 1000 "$good" > "$dir/truncated.bmp"
    echo "hello" > "$dir/text.bmp"
    patched() {  # NAME OFFSET HEX-BYTES: the good file with bytes replaced at OFFSET
        cp "$good" "$dir/$1.bmp"
        printf "$3" | dd of="$dir/$1.bmp" bs=1 seek="$2" conv=notrunc status=none
    }
    patched offset 10 '\xff\xff\xff\x7f'  # pixels far past the end
    patched header 14 '\x00\x00\x00\x40'  # header larger than the file
    patched planes 26 '\x02\x00'
    mkdir -p "$dir/folder.bmp"
    mkfifo "$dir/fifo.bmp"
    ln -sf /dev/zero "$dir/zero.bmp"
    for bad in truncated text missing offset header planes folder fifo zero; do
        timeout 10 "$probe" "$@" "$dir/$bad.bmp" >"$dir/out" 2>"$dir/err"
        check "$bad file status" 2 "$?"
        [ -s "$dir/err" ] || { echo "FAIL $bad: no message on stderr"; fail=1; }
        [ -s "$dir/out" ] && { echo "FAIL $bad: printed on stdout"; fail=1; }
    done
}

# Replays the script on stdin through "$probe SUBCOMMAND" and compares its output with
# $expected, printing a diff on a mismatch.
run_script() {  # subcommand name
    cat > "$dir/script"
    local out
    out=$("$probe" "$1" "$dir/script" 2>"$dir/err")
    local status=$?
    if [ "$status" != 0 ] || [ "$out" != "$expected" ]; then
        echo "FAIL $2 (status $status)"
        diff <(echo "$expected") <(echo "$out") | sed 's/^/    /'
        cat "$dir/err"
        fail=1
    else
        echo "ok   $2"
    fi
}
