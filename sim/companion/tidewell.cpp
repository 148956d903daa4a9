// Stand-in for the companion extension that keeps the error code: one integer
// behind the three functions the extension binds. Built a second time with
// KO_COMPANION_SET_ONLY as a companion that only stores codes (with a reader
// under another name, for tests).
namespace {
int g_error_code = 0;
}

#define KO_COMPANION_API extern "C" __attribute__((visibility("default")))

KO_COMPANION_API void SetErrorCode(int code) {
    g_error_code = code;
}

#ifdef KO_COMPANION_SET_ONLY
KO_COMPANION_API int PeekErrorCode() {
    return g_error_code;
}
#else
KO_COMPANION_API void ResetErrorCode() {
    g_error_code = 0;
}
KO_COMPANION_API int GetErrorCode() {
    return g_error_code;
}
#endif
