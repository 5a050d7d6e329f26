// A loadable module with one export, for the dynamic-library tests.
extern "C" __attribute__((visibility("default"))) int NuvaroTestAnswer() { return 42; }
