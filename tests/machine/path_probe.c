/* A module the path tests copy below a deep folder and load from there. */
__declspec(dllexport) int zc_path_probe(void) { return 1; }
