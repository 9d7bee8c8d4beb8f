#!/usr/bin/env bash
# The portable core never includes a platform header: only win32/ folders and the
# Windows-only kits/ and companion/ may.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='#[[:space:]]*include[[:space:]]*[<"](windows|winuser|wingdi|winbase|objbase|dshow|gdiplus|shellapi|commctrl|commdlg|mmsystem|strmif|qedit|ks|ksproxy|ole2|oleauto|shlobj|winreg)\.h[>"]'
bad=$(git ls-files -- '*.cpp' '*.h' '*.hpp' | grep -v '/win32/' | grep -v -E '^(kits|companion)/' |
      xargs -r grep -l -i -E "$pattern" || true)
if [ -n "$bad" ]; then
    echo "Windows headers outside win32/ folders:"
    echo "$bad"
    exit 1
fi
echo "header check: ok"
