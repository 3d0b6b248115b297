#include "library.h"
namespace rgf { void drawIcons(Library&) {} }
