#include "library.h"
namespace rgf { void drawCursors(Library&) {} }
