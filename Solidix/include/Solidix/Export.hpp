#ifndef SOLIDIX_EXPORT_HPP
#define SOLIDIX_EXPORT_HPP

// SOLIDIX_API marks the functions that the shared library exports; everything else is hidden.
// The library's own build defines SOLIDIX_EXPORTS; a program that links the shared library gets
// SOLIDIX_SHARED from the CMake target (or the pkg-config file) and so imports on Windows.
#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(SOLIDIX_EXPORTS)
#define SOLIDIX_API __declspec(dllexport)
#elif defined(SOLIDIX_SHARED)
#define SOLIDIX_API __declspec(dllimport)
#else
#define SOLIDIX_API
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define SOLIDIX_API __attribute__((visibility("default")))
#else
#define SOLIDIX_API
#endif

#endif  // SOLIDIX_EXPORT_HPP
