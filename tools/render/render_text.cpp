#include "render_text.h"

#include <cstdio>

#include "data_files/number_forms.h"
#include "export/animation_export.h"
#include "export/character_source.h"
#include "export/export_error.h"
#include "export_inputs.h"

namespace sumimai {

std::size_t charactersIn(const std::string& text) {
  try {
    return charactersOf(text).size();
  } catch (const ExportError&) {
    return 0;
  }
}

bool renderText(const TextRender& render, const char* executable) {
  ExportOptions options;
  options.text = render.text;
  options.layout = render.layout;
  options.size = render.size;
  options.output = render.output;
  options.ink = ringColour(render.ink);
  if (render.ground.picture.empty()) options.ground = render.ground.colour;
  else options.background = render.ground.picture.string();
  options.speed = 0;
  try {
    if (!render.output.ends_with(".png")) throw ExportError("the picture must be a .png file: " + render.output);
    (void)exportWriting(prepareExport(options, executable).request);
    return true;
  } catch (const ExportError& e) {
    std::fprintf(stderr, "sumimai-render: %s\n", e.what());
    return false;
  }
}

}  // namespace sumimai
