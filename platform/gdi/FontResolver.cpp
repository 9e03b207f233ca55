#include "platform/base/Log.h"
#include "platform/base/String.h"
#include "platform/gdi/detail/FontResolver.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <map>
#include <string>

// Fontconfig stores its caches behind offset-encoded pointers, which the leak checker of
// sanitizer builds cannot follow; they live until exit by design.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace platform::detail {
namespace {

constexpr const char* kDefaultFace = "MS Shell Dlg";

PangoFontMap* CreateFontMap() {
  FcConfig* config = FcInitLoadConfigAndFonts();
  std::string conf = std::string(RODEMIR_RES_DIR) + "/fonts/fonts.conf";
  if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(conf.c_str()), FcFalse))
    PlatformLog("gdi", "font aliases not loaded from %s", conf.c_str());
  PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  if (!map) map = pango_cairo_font_map_new();
  if (PANGO_IS_FC_FONT_MAP(map)) pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), config);
  FcConfigDestroy(config);  // the font map holds its own reference
  return map;
}

std::string FaceOf(const LOGFONTW& font) {
  std::wstring face(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
  return face.empty() ? std::string(kDefaultFace) : CString(face).ToUtf8();
}

// (ascent + descent) / em of a face, to turn a cell height into an em size.
double CellRatio(const std::string& family, int weight, bool italic) {
  static std::map<std::string, double> cache;
  std::string key = family + "/" + std::to_string(weight) + (italic ? "i" : "");
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  constexpr int kProbeEm = 256;
  FontDescriptionPtr desc(pango_font_description_new());
  pango_font_description_set_family(desc.get(), family.c_str());
  pango_font_description_set_weight(desc.get(), static_cast<PangoWeight>(weight));
  pango_font_description_set_style(desc.get(), italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(desc.get(), kProbeEm * PANGO_SCALE);
  FontMetricsRef metrics = FontMetricsRef::Adopt(pango_context_get_metrics(TextContext(), desc.get(), nullptr));
  double cell =
      metrics ? pango_font_metrics_get_ascent(metrics.get()) + pango_font_metrics_get_descent(metrics.get()) : 0;
  double ratio = cell > 0 ? cell / (kProbeEm * PANGO_SCALE) : 1.0;
  cache[key] = ratio;
  return ratio;
}

}  // namespace

std::mutex& TextLock() {
  static std::mutex m;
  return m;
}

PangoContext* TextContext() {
  static PangoContext* context = [] {
    static GObjectRef<PangoFontMap> map = GObjectRef<PangoFontMap>::Adopt(CreateFontMap());
    PangoContext* c = pango_font_map_create_context(map.get());
    FontOptionsPtr options(cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(c, options.get());
    return c;
  }();
  return context;
}

FontDescriptionPtr DescribeFont(const LOGFONTW& font) {
  std::string family = FaceOf(font);
  int weight = font.lfWeight > 0 ? static_cast<int>(font.lfWeight) : FW_NORMAL;
  bool italic = font.lfItalic != 0;
  double em;
  if (font.lfHeight < 0) em = -static_cast<double>(font.lfHeight);
  else em = (font.lfHeight > 0 ? font.lfHeight : 16) / CellRatio(family, weight, italic);
  FontDescriptionPtr desc(pango_font_description_new());
  pango_font_description_set_family(desc.get(), family.c_str());
  pango_font_description_set_weight(desc.get(), static_cast<PangoWeight>(weight));
  pango_font_description_set_style(desc.get(), italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(desc.get(), em * PANGO_SCALE);
  return desc;
}

}  // namespace platform::detail
