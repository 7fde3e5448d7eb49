// exported.h - marks the definitions that leave the library.
#ifndef ORVANE_EXPORTED_H
#define ORVANE_EXPORTED_H

#if defined(_WIN32)
#define ORVANE_EXPORT __declspec(dllexport)
#else
#define ORVANE_EXPORT __attribute__((visibility("default")))
#endif

#endif
