// Stand-in for the companion extension that keeps the error code: one integer
// behind the three functions the extension binds.
namespace {
int g_error_code = 0;
}

extern "C" {
__attribute__((visibility("default"))) void SetErrorCode(int code) {
    g_error_code = code;
}
__attribute__((visibility("default"))) void ResetErrorCode() {
    g_error_code = 0;
}
__attribute__((visibility("default"))) int GetErrorCode() {
    return g_error_code;
}
}
