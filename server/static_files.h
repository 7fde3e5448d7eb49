// The viewer's files, compiled into the program (embed.cmake turns web/*
// into a table), so the binary is the whole server.
#pragma once

#include <cstddef>
#include <string_view>

namespace radarctl::serve {

struct StaticFile {
    const char *path;  // "/app.js"; "/" is index.html
    const char *type;  // its Content-Type
    const char *data;
    std::size_t size;
};

const StaticFile *find_file(std::string_view path);

}  // namespace radarctl::serve
