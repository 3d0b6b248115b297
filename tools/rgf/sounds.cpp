#include "library.h"
namespace rgf { void makeSounds(Library&) {} }
