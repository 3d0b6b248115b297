// Keeps the Qt library target non-empty while its folders are still filling.
namespace tessaro { void qtAnchor() {} }
