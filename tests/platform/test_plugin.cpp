// Loaded by the dynamic library tests.
extern "C" int plugin_answer(int x) {
    return x * 2 + 1;
}
