#include "platform/media/detail/GstFilters.h"

namespace platform::detail {

namespace {

GstElementFactory* FindFactory(GstElementFactoryListType type, const GstCaps* sinkCaps, const GstCaps* srcCaps) {
  FeatureListPtr all(gst_element_factory_list_get_elements(type, GST_RANK_MARGINAL));
  FeatureListPtr fit(gst_element_factory_list_filter(all.get(), sinkCaps, GST_PAD_SINK, FALSE));
  fit.reset(g_list_sort(fit.release(), gst_plugin_feature_rank_compare_func));
  GstElementFactory* found = nullptr;
  for (GList* l = fit.get(); l && !found; l = l->next) {
    auto* f = GST_ELEMENT_FACTORY(l->data);
    if (!srcCaps || gst_element_factory_can_src_any_caps(f, srcCaps)) found = f;
  }
  if (found) gst_object_ref(found);
  return found;
}

// The caps a parser's output template offers, narrowed to what came in.
CapsPtr ParsedCaps(GstElementFactory* parser, const GstCaps* in) {
  for (const GList* t = gst_element_factory_get_static_pad_templates(parser); t; t = t->next) {
    auto* tmpl = static_cast<GstStaticPadTemplate*>(t->data);
    if (tmpl->direction != GST_PAD_SRC) continue;
    CapsPtr caps(gst_static_pad_template_get_caps(tmpl));
    CapsPtr structureOnly(gst_caps_new_empty_simple(gst_structure_get_name(gst_caps_get_structure(in, 0))));
    return CapsPtr(gst_caps_intersect(caps.get(), structureOnly.get()));
  }
  return {};
}

}  // namespace

// A parser first where one fits (the demuxer's compressed sound lacks the framing details a
// decoder wants), then a decoder whose output goes into `to`.
InsertedDecoderFilter* InsertedDecoderFilter::CreateFor(const GstCaps* from, const GstCaps* to) {
  if (!from || gst_caps_is_empty(from) || gst_caps_is_any(from)) return nullptr;
  GstRef<GstElementFactory> parser =
      GstRef<GstElementFactory>::Adopt(FindFactory(GST_ELEMENT_FACTORY_TYPE_PARSER, from, nullptr));
  CapsPtr decoderInput(parser ? ParsedCaps(parser.get(), from) : CapsPtr(gst_caps_copy(from)));
  if (!decoderInput) return nullptr;
  GstRef<GstElementFactory> decoder =
      GstRef<GstElementFactory>::Adopt(FindFactory(GST_ELEMENT_FACTORY_TYPE_DECODER, decoderInput.get(), to));
  if (!decoder) return nullptr;
  GstElement* decoderElement = gst_element_factory_create(decoder.get(), nullptr);
  ElementRef bin = parser ? MakeChainBin(nullptr, {gst_element_factory_create(parser.get(), nullptr), decoderElement})
                          : MakeChainBin(nullptr, {decoderElement});
  if (!bin) return nullptr;
  auto* filter = new InsertedDecoderFilter(std::move(bin));
  filter->AddStaticPin(PINDIR_INPUT, MajorTypeOfCaps(from), "sink");
  filter->AddStaticPin(PINDIR_OUTPUT, MajorTypeOfCaps(from), "src");
  return filter;
}

}  // namespace platform::detail
