// Leaks that the leak checker of sanitizer builds reports in other libraries: fontconfig keeps
// the configuration it loads when the form font is looked up.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
