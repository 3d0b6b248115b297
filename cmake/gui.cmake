# The Qt side: table drawing, shell, dialogs and the Qt stand-ins of the
# platform layer, the game executable and the resource library.
find_package(Qt6 REQUIRED COMPONENTS Widgets Gui Network)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)

file(GLOB GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/table/qt/*.cpp ${CMAKE_SOURCE_DIR}/table/qt/*.h
  ${CMAKE_SOURCE_DIR}/platform/qt/*.cpp ${CMAKE_SOURCE_DIR}/platform/qt/*.h
  ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/shell/*.h
  ${CMAKE_SOURCE_DIR}/dialogs/*.cpp ${CMAKE_SOURCE_DIR}/dialogs/*.h)
list(FILTER GUI_SOURCES EXCLUDE REGEX ".*/shell/main\\.cpp$")
add_library(tessaro_gui STATIC ${GUI_SOURCES} ${CMAKE_SOURCE_DIR}/platform/qt/qt_anchor.cpp)
set_target_properties(tessaro_gui PROPERTIES AUTOMOC ON)
target_link_libraries(tessaro_gui PUBLIC tessaro_core Qt6::Widgets Qt6::Gui Qt6::Network PkgConfig::SDL2)

if(EXISTS ${CMAKE_SOURCE_DIR}/shell/main.cpp)
  add_executable(tessaro ${CMAKE_SOURCE_DIR}/shell/main.cpp)
  target_link_libraries(tessaro PRIVATE tessaro_gui)
  add_dependencies(tessaro games_dat)
endif()

# The resource library VRA.RGF (cards, pictures, cursors, sounds) is drawn by
# a generator at build time.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/rgf/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/rgf ${CMAKE_BINARY_DIR}/tools/rgf)
  # The game previews are drawn with the base library and added to it.
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/previews ${CMAKE_BINARY_DIR}/tools/previews)
  # Cards of the fitted size are drawn by the library's own drawing code.
  target_link_libraries(tessaro_gui PUBLIC rgf_art)
endif()
