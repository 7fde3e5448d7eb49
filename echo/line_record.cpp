// Compiles the layout checks of the echo line record into every build.
#include "line_record.h"
