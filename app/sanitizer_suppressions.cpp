// Built into the sanitizer build only. Qt's D-Bus thread leaves a little
// memory inside libdbus when no session bus is there to talk to; that is the
// library's, not ours, and would fail every run of the program under X. So
// does fontconfig's cache when Qt ends the process itself, with exit(), after
// losing the display: Qt's font database is never taken down then.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\nleak:libfontconfig.so\n";
}
