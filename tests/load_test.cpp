// Loading the library does no work: no thread, no socket, no open file.
#include <dirent.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

int entries(const char *directory) {
    DIR *dir = opendir(directory);
    if (dir == nullptr) return -1;
    int count = 0;
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
    return count;
}

TEST(Load, LoadingStartsNoThreadAndOpensNothing) {
    const int threads = entries("/proc/self/task");
    const int files = entries("/proc/self/fd");
    void *library = dlopen(RADAR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_EQ(entries("/proc/self/task"), threads);
    EXPECT_EQ(entries("/proc/self/fd"), files);
    // The exports are there under their plain names.
    EXPECT_NE(dlsym(library, "OrvaneInitRadarFunc"), nullptr);
    EXPECT_NE(dlsym(library, "OrvaneGetRadarGain"), nullptr);
    EXPECT_EQ(dlsym(library, "_ZN5radar6params5storeERKNS0_5GroupEPKl"), nullptr)
        << "internals stay hidden";
    dlclose(library);
}

}  // namespace
