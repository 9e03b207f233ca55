#include "SkinPainter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Glyphs.h"

namespace skingen {
namespace {

// The palette of the dark skin.
const Colour kPanel{0x1b / 255.0, 0x1b / 255.0, 0x1b / 255.0};
const Colour kKeyGreen{0, 1, 0};
const Colour kKeyWhite{1, 1, 1};
const Colour kAmber{0xef / 255.0, 0xb7 / 255.0, 0x1a / 255.0};

Colour Grey(int v) { return Colour{v / 255.0, v / 255.0, v / 255.0}; }

class Canvas {
public:
  explicit Canvas(Size size, cairo_format_t format = CAIRO_FORMAT_RGB24)
      : m_size(size), m_surface(cairo_image_surface_create(format, size.width, size.height)),
        m_cr(cairo_create(m_surface)) {}
  ~Canvas() {
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return m_cr; }
  int width() const { return m_size.width; }
  int height() const { return m_size.height; }
  // Key-coloured bitmaps need hard edges, or blended edge pixels would show as fringes.
  void Crisp() { cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE); }
  void Source(const Colour& c) { cairo_set_source_rgb(m_cr, c.r, c.g, c.b); }
  void Fill(const Colour& c, double x, double y, double w, double h) {
    Source(c);
    cairo_rectangle(m_cr, x, y, w, h);
    cairo_fill(m_cr);
  }
  void FillAll(const Colour& c) { Fill(c, 0, 0, m_size.width, m_size.height); }
  void RoundRect(double x, double y, double w, double h, double r) {
    cairo_new_sub_path(m_cr);
    cairo_arc(m_cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(m_cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(m_cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(m_cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(m_cr);
  }
  void Save(const std::string& folder, int id) {
    cairo_surface_flush(m_surface);
    std::string path = folder + "/" + std::to_string(id) + ".png";
    if (cairo_surface_write_to_png(m_surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
      throw std::runtime_error("cannot write " + path);
  }

private:
  Size m_size;
  cairo_surface_t* m_surface;
  cairo_t* m_cr;
};

void Expect(const SkinEntry& e, size_t count) {
  if (e.args.size() != count) throw std::runtime_error(e.kind + " takes " + std::to_string(count) + " values");
}

enum class FaceState { Normal, Pressed, Hover, Disabled };

struct FaceLook {
  Colour face, border, glyph;
  int offset;
};

FaceLook LookOf(FaceState s) {
  switch (s) {
    case FaceState::Normal: return {Grey(0x2a), Grey(0x3c), Grey(0xc8), 0};
    case FaceState::Pressed: return {Grey(0x15), Grey(0x0a), kAmber, 1};
    case FaceState::Hover: return {Grey(0x36), Grey(0x5a), Grey(0xff), 0};
    case FaceState::Disabled: return {Grey(0x22), Grey(0x2a), Grey(0x58), 0};
  }
  return {};
}

void PaintFace(Canvas& c, FaceState state, const std::string& glyph) {
  FaceLook look = LookOf(state);
  c.FillAll(kPanel);
  c.RoundRect(0.5, 0.5, c.width() - 1, c.height() - 1, 3);
  c.Source(look.face);
  cairo_fill_preserve(c.cr());
  c.Source(look.border);
  cairo_set_line_width(c.cr(), 1);
  cairo_stroke(c.cr());
  c.Source(look.glyph);
  double gx = c.width() * 0.2 + look.offset, gy = c.height() * 0.18 + look.offset;
  if (!DrawGlyph(c.cr(), glyph, gx, gy, c.width() * 0.6, c.height() * 0.64))
    throw std::runtime_error("unknown glyph " + glyph);
}

// button <normal> <pressed> <hover> <disabled|-> WxH <glyph>
int PaintButton(const SkinEntry& e, const std::string& folder) {
  Expect(e, 6);
  Size size = ParseSize(e.args[4]);
  const FaceState states[] = {FaceState::Normal, FaceState::Pressed, FaceState::Hover, FaceState::Disabled};
  int written = 0;
  for (int i = 0; i < 4; ++i) {
    int id = ParseId(e.args[static_cast<size_t>(i)]);
    if (!id) continue;
    Canvas c(size);
    PaintFace(c, states[i], e.args[5]);
    c.Save(folder, id);
    ++written;
  }
  return written;
}

// The groove and its filled part share one shape, so the fill covers the groove exactly.
void PaintGroove(Canvas& c, const Colour& colour) {
  c.FillAll(kPanel);
  double h = std::max(4.0, std::round(c.height() * 0.3));
  c.Fill(colour, 0, std::floor((c.height() - h) / 2), c.width(), h);
}

void PaintThumb(Canvas& c, const Colour& colour) {
  c.Crisp();
  c.FillAll(kKeyWhite);
  double r = std::min(c.width(), c.height()) / 2.0 - 0.5;
  cairo_arc(c.cr(), c.width() / 2.0, c.height() / 2.0, r, 0, 2 * M_PI);
  c.Source(Grey(0x30));
  cairo_fill(c.cr());
  cairo_arc(c.cr(), c.width() / 2.0, c.height() / 2.0, r - 2, 0, 2 * M_PI);
  c.Source(colour);
  cairo_fill(c.cr());
}

void PaintLabelBox(Canvas& c, const Colour& colour) {
  c.Crisp();
  c.FillAll(kKeyGreen);
  c.RoundRect(0, 0, c.width(), c.height(), 3);
  c.Source(colour);
  cairo_fill(c.cr());
}

// Seven segments: a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle.
void PaintDigit(Canvas& c, int digit, const Colour& colour) {
  static const char* const kSegments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                            "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
  c.Crisp();
  c.FillAll(kKeyGreen);
  double w = c.width(), h = c.height(), t = 2, l = 1, r = w - 1, mid = std::floor(h / 2);
  for (const char* s = kSegments[digit]; *s; ++s) {
    switch (*s) {
      case 'a': c.Fill(colour, l, 0, r - l, t); break;
      case 'b': c.Fill(colour, r - t, 0, t, mid + 1); break;
      case 'c': c.Fill(colour, r - t, mid, t, h - mid); break;
      case 'd': c.Fill(colour, l, h - t, r - l, t); break;
      case 'e': c.Fill(colour, l, mid, t, h - mid); break;
      case 'f': c.Fill(colour, l, 0, t, mid + 1); break;
      case 'g': c.Fill(colour, l, mid - 1, r - l, t); break;
    }
  }
}

void PaintVerticalGradient(Canvas& c, const Colour& top, const Colour& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.height());
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(c.cr(), p);
  cairo_paint(c.cr());
  cairo_pattern_destroy(p);
}

// The main window: title row, tool row, video well, list panel and the control area.
void PaintMain(Canvas& c) {
  c.FillAll(kPanel);
  c.Fill(Grey(0x24), 0, 0, c.width(), 46);
  c.Fill(Grey(0x0e), 0, 46, c.width(), 1);
  c.Source(Grey(0x8a));
  DrawCentredText(c.cr(), "RODEMIR", 12, 10, 120, 26, 15);
  c.Fill(Grey(0x00), 3, 78, 688, 387);
  c.Fill(Grey(0x10), 693, 47, 327, 632);
  c.Fill(Grey(0x21), 695, 126, 325, 508);
  c.Fill(Grey(0x0e), 0, 470, 692, 1);
  c.Fill(Grey(0x20), 3, 520, 688, 158);
}

void PaintFrame(Canvas& c) {
  PaintVerticalGradient(c, Grey(0x2a), Grey(0x18));
  c.Fill(Grey(0x3c), 0, 0, c.width(), 1);
}

// The G-sensor panel: green outside the rounded panel, a grid inside for the curves.
void PaintSensor(Canvas& c) {
  c.Crisp();
  c.FillAll(kKeyGreen);
  c.RoundRect(0, 0, c.width(), c.height(), 6);
  c.Source(Grey(0x14));
  cairo_fill(c.cr());
  for (int x = 20; x < c.width() - 4; x += 35) c.Fill(Grey(0x26), x, 4, 1, c.height() - 8);
  for (int y = 19; y < c.height() - 4; y += 19) c.Fill(Grey(0x26), 4, y, c.width() - 8, 1);
  c.Fill(Grey(0x40), 4, c.height() / 2, c.width() - 8, 1);
}

void PaintInfo(Canvas& c) {
  PaintVerticalGradient(c, Grey(0x26), Grey(0x12));
  c.Fill(Grey(0x1e), 0, 0, c.width(), 34);
  c.Fill(kAmber, 0, 34, c.width(), 1);
  c.Fill(Grey(0x3a), 0, 0, c.width(), 1);
}

// Four 18-wide check images: empty, checked, empty disabled, checked disabled.
void PaintChecks(Canvas& c) {
  c.Crisp();
  c.FillAll(Grey(0x21));
  int cell = c.width() / 4;
  for (int i = 0; i < 4; ++i) {
    bool checked = i % 2 == 1, disabled = i >= 2;
    double x = i * cell + (cell - 12) / 2.0, y = (c.height() - 12) / 2.0;
    if (disabled) c.Fill(Colour{0x5a / 255.0, 0x46 / 255.0, 0x10 / 255.0}, x - 1, y - 1, 14, 14);
    c.Fill(Grey(0x8a), x, y, 12, 12);
    c.Fill(checked ? kAmber : Grey(0x18), x + 1, y + 1, 10, 10);
  }
}

void PaintArrow(Canvas& c, bool up) {
  c.Crisp();
  c.FillAll(Colour{13 / 255.0, 14 / 255.0, 15 / 255.0});
  c.Fill(Grey(0x2a), 0, 0, c.width(), c.height());
  c.Source(Grey(0xa0));
  double cx = c.width() / 2.0, top = c.height() * 0.35, bottom = c.height() * 0.65;
  cairo_move_to(c.cr(), cx, up ? top : bottom);
  cairo_line_to(c.cr(), cx - 4, up ? bottom : top);
  cairo_line_to(c.cr(), cx + 4, up ? bottom : top);
  cairo_close_path(c.cr());
  cairo_fill(c.cr());
}

// Uniform middle rows, so the thumb survives any vertical stretch.
void PaintScrollThumb(Canvas& c) {
  c.Crisp();
  c.FillAll(Grey(0x1a));
  c.Fill(Grey(0x5a), 1, 0, c.width() - 3, c.height());
  c.Fill(Grey(0x48), 2, 1, c.width() - 5, c.height() - 2);
}

void PaintScrollTrack(Canvas& c) {
  c.FillAll(Grey(0x1a));
  c.Fill(Grey(0x10), 0, 0, 1, c.height());
}

}  // namespace

namespace {

// The program's icon: a dark rounded tile with the amber ring of a camera lens, on a
// transparent ground.
int PaintIcon(const SkinEntry& e, const std::string& folder) {
  Expect(e, 2);
  Canvas c(ParseSize(e.args[1]), CAIRO_FORMAT_ARGB32);
  const double w = c.width(), h = c.height(), side = std::min(w, h);
  c.RoundRect(0.5, 0.5, w - 1, h - 1, side / 6);
  c.Source(Grey(0x24));
  cairo_fill_preserve(c.cr());
  c.Source(kAmber);
  cairo_set_line_width(c.cr(), std::max(1.0, side / 24));
  cairo_stroke(c.cr());
  cairo_arc(c.cr(), w / 2, h / 2, side * 0.3, 0, 2 * M_PI);
  cairo_set_line_width(c.cr(), std::max(2.0, side / 8));
  cairo_stroke(c.cr());
  c.Source(Grey(0x0e));
  cairo_arc(c.cr(), w / 2, h / 2, side * 0.18, 0, 2 * M_PI);
  cairo_fill(c.cr());
  c.Source(Grey(0xc8));
  cairo_arc(c.cr(), w / 2 - side * 0.07, h / 2 - side * 0.07, side * 0.05, 0, 2 * M_PI);
  cairo_fill(c.cr());
  c.Save(folder, ParseId(e.args[0]));
  return 1;
}

}  // namespace

int PaintEntry(const SkinEntry& e, const std::string& folder) {
  if (e.kind == "button") return PaintButton(e, folder);
  if (e.kind == "icon") return PaintIcon(e, folder);
  if (e.kind == "digits") {
    Expect(e, 3);
    int first = ParseId(e.args[0]);
    for (int d = 0; d < 10; ++d) {
      Canvas c(ParseSize(e.args[1]));
      PaintDigit(c, d, ParseColour(e.args[2]));
      c.Save(folder, first + d);
    }
    return 10;
  }
  if (e.args.size() < 2) throw std::runtime_error(e.kind + " needs an id and a size");
  int id = ParseId(e.args[0]);
  Canvas c(ParseSize(e.args[1]));
  const std::string& k = e.kind;
  if (k == "channel" || k == "filled") {
    Expect(e, 3);
    PaintGroove(c, ParseColour(e.args[2]));
  } else if (k == "thumb") {
    Expect(e, 3);
    PaintThumb(c, ParseColour(e.args[2]));
  } else if (k == "labelbox") {
    Expect(e, 3);
    PaintLabelBox(c, ParseColour(e.args[2]));
  } else if (k == "vgradient") {
    Expect(e, 4);
    PaintVerticalGradient(c, ParseColour(e.args[2]), ParseColour(e.args[3]));
  } else if (k == "main") {
    Expect(e, 2);
    PaintMain(c);
  } else if (k == "frame") {
    Expect(e, 2);
    PaintFrame(c);
  } else if (k == "sensor") {
    Expect(e, 2);
    PaintSensor(c);
  } else if (k == "info") {
    Expect(e, 2);
    PaintInfo(c);
  } else if (k == "checks") {
    Expect(e, 2);
    PaintChecks(c);
  } else if (k == "arrow") {
    Expect(e, 3);
    PaintArrow(c, e.args[2] == "up");
  } else if (k == "scrollthumb") {
    Expect(e, 2);
    PaintScrollThumb(c);
  } else if (k == "scrolltrack") {
    Expect(e, 2);
    PaintScrollTrack(c);
  } else throw std::runtime_error("unknown kind " + k);
  c.Save(folder, id);
  return 1;
}

}  // namespace skingen
