#include "library.h"
namespace rgf { void drawBackgrounds(Library&) {} }
