// exported.h - marks the definitions that leave the library.
#ifndef ORVANE_EXPORTED_H
#define ORVANE_EXPORTED_H

#if defined(_WIN32)
#define ORVANE_EXPORT  // the .def file made from orvane_exports.txt names the exports
#else
#define ORVANE_EXPORT __attribute__((visibility("default")))
#endif

// State is constant-initialised, so loading the library runs no code of ours;
// MinGW's std::mutex has no constant constructor, so there it is initialised
// when the DLL loads.
#if defined(_WIN32)
#define ORVANE_CONSTINIT
#else
#define ORVANE_CONSTINIT constinit
#endif

#endif
