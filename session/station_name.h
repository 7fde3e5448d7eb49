// Station names: 1 to 8 characters from A-Z, a-z, 0-9, "#", "&", "'", "-",
// "_"; a space is taken as "_".
#pragma once

namespace radar::session {

// Holds the library's own copy of a station name: at most 9 characters of the
// caller's text and a terminator, so that a name one character too long is
// still seen as too long.
struct StationName {
    char text[10];
};

// Copies `name` into `copy` and checks the copy, turning spaces into "_".
// Returns 0 when the name is valid, -1 otherwise (a null name included).
int check_station_name(const char *name, StationName &copy);

}  // namespace radar::session
