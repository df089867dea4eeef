# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that run the test programs of build-sanitize/: the
# platform and sound driver of the tests, and sanitizers that fail the run at
# their first report, leak detection on. Leaks that belong to the system's
# libraries (fontconfig's caches and the like, kept until exit by design) are
# listed in scripts/sanitizer-suppressions.txt; none of the program's own may be there.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS=suppressions=$top/scripts/sanitizer-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
