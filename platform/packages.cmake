# The system libraries the platform layer is built on. Linked PRIVATE so that no other
# folder gets their include paths.
pkg_check_modules(PLATFORM_DEPS REQUIRED IMPORTED_TARGET
  glib-2.0 gobject-2.0 gio-2.0
  gtk+-3.0 gdk-x11-3.0 x11
  cairo pangocairo pango pangoft2 fontconfig
  gstreamer-1.0 gstreamer-app-1.0 gstreamer-video-1.0 gstreamer-audio-1.0 gstreamer-pbutils-1.0
  gmodule-2.0
  libturbojpeg)
target_link_libraries(platform PRIVATE PkgConfig::PLATFORM_DEPS)
