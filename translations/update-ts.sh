#!/usr/bin/env bash
# Collects the translatable texts of the window, the web-service client and
# the registration dialog into the two .ts files (existing translations kept),
# with the place each text is used, for the translators.
set -eu
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
lupdate -I . -no-obsolete -locations absolute ui net app -ts translations/Zelvit_en.ts translations/Zelvit_ru.ts
