// The options the sanitizer runtimes read before main. Environment variables
// set by hand still win; programs started by a test (the host program)
// inherit these through the environment.

#include <cstdlib>

namespace {

// A smaller quarantine than the 256 MB default keeps the memory figures the
// bad-input cases check within their limits.
constexpr const char* kAsanOptions =
    "detect_leaks=1:check_initialization_order=1:strict_init_order=1:quarantine_size_mb=32";
constexpr const char* kLsanOptions = "suppressions=" SOSI_SANITIZER_DIR "/lsan.supp:print_suppressions=0";
constexpr const char* kUbsanOptions =
    "print_stacktrace=1:halt_on_error=1:suppressions=" SOSI_SANITIZER_DIR "/ubsan.supp";

[[maybe_unused]] const bool kExported = [] {
  ::setenv("ASAN_OPTIONS", kAsanOptions, 0);
  ::setenv("LSAN_OPTIONS", kLsanOptions, 0);
  ::setenv("UBSAN_OPTIONS", kUbsanOptions, 0);
  return true;
}();

}  // namespace

extern "C" const char* __asan_default_options() { return kAsanOptions; }
extern "C" const char* __lsan_default_options() { return kLsanOptions; }
extern "C" const char* __ubsan_default_options() { return kUbsanOptions; }
