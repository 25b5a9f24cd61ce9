// Default options of the sanitizer runtimes, linked into every program of
// the sanitizer build. The environment (ASAN_OPTIONS, ...) still overrides.

extern "C" {

// Leaks are checked at exit; the first report of any kind fails the run.
const char* __asan_default_options() {
    return "detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1:"
           "check_initialization_order=1";
}

// Leaks that come from inside the system's Qt and fontconfig libraries.
const char* __lsan_default_options() {
    return "suppressions=" LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
}
