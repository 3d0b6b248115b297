#include "library.h"
namespace rgf { void drawMarks(Library&) {} }
