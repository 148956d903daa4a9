// Symbols the library offers to its loaders (REAPER, Lua, Python, other
// extensions). Everything else is built with hidden visibility.
#pragma once

#if defined(_WIN32)
#define KO_EXPORT __declspec(dllexport)
#else
#define KO_EXPORT __attribute__((visibility("default")))
#endif
