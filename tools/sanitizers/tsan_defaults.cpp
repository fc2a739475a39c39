// Linked into every program of a race-detector build. The libraries named here come from Debian
// without the detector's instrumentation: their own atomics and hand-made locks are invisible to it, so
// it reports races inside them that are not races. Nothing of ours belongs in this list.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libfontconfig.so\n"
           "race:libglib-2.0.so\n"
           "race:libpango-1.0.so\n"
           "race:libpangoft2-1.0.so\n";
}
