// Leaks that the leak checker of sanitizer builds reports in other libraries: glibc keeps the
// locales it loads from $LOCPATH, and the D-Bus library that SDL's X11 driver uses keeps buffers.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\nleak:libdbus-1.so\n";
}
