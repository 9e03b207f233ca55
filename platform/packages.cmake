# The system libraries the platform layer is built on. Linked PRIVATE so that no other
# folder gets their include paths.
pkg_check_modules(PLATFORM_DEPS REQUIRED IMPORTED_TARGET
  glib-2.0 gobject-2.0 gio-2.0)
target_link_libraries(platform PRIVATE PkgConfig::PLATFORM_DEPS)
