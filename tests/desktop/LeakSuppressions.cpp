// Under AddressSanitizer: fontconfig and D-Bus, which Qt uses, keep some memory
// until the process ends and never free it. That is not ours to report.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
