/* A module with code and no version resource. */
__declspec(dllexport) int zc_no_resource(void) { return 1; }
