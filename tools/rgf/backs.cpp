#include "library.h"
namespace rgf { void drawCardBacks(Library&) {} }
