#ifndef TESTS_ASSETPACK_H
#define TESTS_ASSETPACK_H

#include <cstdlib>
#include <string>

// The folder the set-up test generated a fresh pack into.
inline std::string assetCheckDir() {
    const char* dir = std::getenv("TAVIR_ASSET_CHECK_DIR");
    return dir ? dir : "asset-check";
}

inline std::string assetPath(const std::string& relative) { return assetCheckDir() + "/" + relative; }

#endif
