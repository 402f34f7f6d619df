#ifndef PLANIX_EXPORT_HPP
#define PLANIX_EXPORT_HPP

// PLANIX_API marks the functions that the shared library exports; everything else is hidden.
// The library's own build defines PLANIX_EXPORTS; a program that links the shared library gets
// PLANIX_SHARED from the CMake target (or the pkg-config file) and so imports on Windows.
#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(PLANIX_EXPORTS)
#define PLANIX_API __declspec(dllexport)
#elif defined(PLANIX_SHARED)
#define PLANIX_API __declspec(dllimport)
#else
#define PLANIX_API
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define PLANIX_API __attribute__((visibility("default")))
#else
#define PLANIX_API
#endif

#endif  // PLANIX_EXPORT_HPP
